// Two decks for the songs-list tests: states and titles set by the test, every load and
// every pause/reset recorded. Paths containing a rejected word fail their check on load:
// the fake then asks the list to remove the clip, as the real decks do, and returns -2.
#pragma once

#include "deck/DeckControl.h"

#include <QStringList>

#include <algorithm>
#include <functional>

class FakeDecks final : public DeckControl {
 public:
  int LoadClip(int deck, const QString& title, const QString& path) override {
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    int rc = deck;
    if (!rejectWord.isEmpty() && path.contains(rejectWord)) {
      ++rejected;
      if (onReject) onReject();
      rc = -2;
    } else if (!failWord.isEmpty() && path.contains(failWord)) {
      rc = -1;
    } else {
      loads << QStringLiteral("%1:%2").arg(deck).arg(title);
      titles[deck - 1] = title;
    }
    --depth;
    return rc;
  }
  PlayerState State(int deck) const override { return states[deck - 1]; }
  QString Title(int deck) const override { return titles[deck - 1]; }
  void Pause(int deck) override { actions << QStringLiteral("pause %1").arg(deck); }
  void Reset(int deck) override {
    actions << QStringLiteral("reset %1").arg(deck);
    titles[deck - 1].clear();
  }
  void OpenReady(int deck, const QString& path) override { actions << QStringLiteral("open %1 %2").arg(deck).arg(path); }

  // What the songs list never asks of the decks.
  bool CheckOnLoad() const override { return false; }
  void SetCheckOnLoad(bool) override {}
  void PlayPause(int) override {}
  void Play(int) override {}
  void LogPlayerClip(int) override {}
  void CueToMark(int, bool) override {}
  void SetCueMark(int) override {}
  int Fader(int) const override { return 100; }
  void SetFader(int, int, bool) override {}
  void SendLevel(int) override {}
  void SetPitch(int, int, bool) override {}
  void ToggleEqualizer(int) override {}
  void ToggleMonitor(int) override {}
  void ToggleAutoCue(int) override {}
  void SetMasterVolume(int, bool) override {}
  int MasterPosition() const override { return 1; }
  void ShowLoadPicture(int, int) override {}
  uint32_t PositionFrames(int) const override { return 0; }
  uint32_t LengthFrames(int) const override { return 0; }
  QString ClipPath(int) const override { return {}; }

  PlayerState states[2] = {PlayerState::None, PlayerState::None};
  QString titles[2];
  QString rejectWord;
  QString failWord;
  std::function<void()> onReject;  // the deck's "remove the current clip" hook
  QStringList loads;               // "deck:title"
  QStringList actions;
  int rejected = 0;
  int depth = 0;
  int maxDepth = 0;
};
