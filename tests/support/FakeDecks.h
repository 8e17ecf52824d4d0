// Two decks behind DeckControl for the tests of everything that drives them. The test sets
// what each deck holds (state, position, length, title, fader); every command is recorded
// in calls, one text each ("play 1", "fader 2 37", "load 1 Title", ...).
//
// As with the real decks, engine commands (play, pause, the PLAY button, reset) change no
// state here: the state changes only when the engine reports back, which the test does by
// setting it. What the decks keep themselves (faders, pitch, switches, titles of loaded
// clips) changes at once. Deck numbers other than 1 and 2 are ignored; reads give empty
// values.
//
// A path containing rejectWord fails its check on load: the fake asks the list to remove
// the clip through onReject, as the real decks do, and returns -2. A path containing
// failWord returns -1.
#pragma once

#include <QStringList>
#include <algorithm>
#include <functional>

#include "deck/DeckControl.h"

struct FakeDeck {
  PlayerState state = PlayerState::None;
  uint32_t position = 0;
  uint32_t length = 0;
  QString title;
  int fader = 100;
  QString path{};  // after the fields tests set in one go
  int pitch = 1000;
  bool equalizer = false;
  bool monitor = false;
  bool autoCue = false;
  int loadPicture = 0;
};

class FakeDecks final : public DeckControl {
 public:
  FakeDeck deck[3];  // [1] and [2]; [0] is never used
  QStringList calls;
  int master = 1;
  bool checkOnLoad = false;
  int startVolume = 95;  // the fader a loaded or opened clip is parked at

  QString rejectWord;
  QString failWord;
  std::function<void()> onReject;
  int rejected = 0;
  int depth = 0;  // loads in progress, to catch a load that re-enters itself
  int maxDepth = 0;

  int Count(const QString& call) const { return int(calls.count(call)); }
  // The recorded calls that begin with prefix ("load ", "fader 1 ").
  QStringList Calls(const QString& prefix) const {
    QStringList out;
    for (const QString& c : calls)
      if (c.startsWith(prefix)) out << c;
    return out;
  }

  int LoadClip(int d, const QString& title, const QString& path) override {
    if (d == 3) d = 1;
    if (!Valid(d)) return -1;
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    int rc = d;
    if (!rejectWord.isEmpty() && path.contains(rejectWord)) {
      ++rejected;
      Note(QStringLiteral("reject %1 %2").arg(d).arg(title));
      if (onReject) onReject();
      rc = -2;
    } else if (!failWord.isEmpty() && path.contains(failWord)) {
      Note(QStringLiteral("fail %1 %2").arg(d).arg(title));
      rc = -1;
    } else {
      Note(QStringLiteral("load %1 %2").arg(d).arg(title));
      deck[d].title = title;
      deck[d].path = path;
      deck[d].fader = startVolume;
    }
    --depth;
    return rc;
  }
  void OpenReady(int d, const QString& path) override {
    if (!Valid(d)) return;
    Note(QStringLiteral("open %1 %2").arg(d).arg(path));
    deck[d].path = path;
    deck[d].fader = startVolume;
  }
  bool CheckOnLoad() const override { return checkOnLoad; }
  void SetCheckOnLoad(bool down) override {
    checkOnLoad = down;
    Note(QStringLiteral("check on load %1").arg(down ? 1 : 0));
  }

  void PlayPause(int d) override { Command(QStringLiteral("playpause"), d); }
  void Play(int d) override { Command(QStringLiteral("play"), d); }
  void Pause(int d) override { Command(QStringLiteral("pause"), d); }
  void Reset(int d) override {
    if (!Valid(d)) return;
    Command(QStringLiteral("reset"), d);
    deck[d].title.clear();
    deck[d].path.clear();
  }
  void LogPlayerClip(int d) override { Command(QStringLiteral("log"), d); }
  void CueToMark(int d, bool pause) override {
    if (Valid(d)) Note(QStringLiteral("cue %1 %2").arg(d).arg(pause ? 1 : 0));
  }
  void SetCueMark(int d) override { Command(QStringLiteral("cue mark"), d); }

  int Fader(int d) const override { return Valid(d) ? deck[d].fader : 0; }
  void SetFader(int d, int position, bool sendLevel) override {
    if (!Valid(d)) return;
    deck[d].fader = std::clamp(position, 0, 100);
    Note(QStringLiteral("fader %1 %2").arg(d).arg(deck[d].fader));
    if (sendLevel) SendLevel(d);
  }
  void SendLevel(int d) override {
    if (Valid(d)) Note(QStringLiteral("level %1 %2").arg(d).arg(100 - deck[d].fader));
  }
  void SetPitch(int d, int value, bool move) override {
    if (!Valid(d)) return;
    deck[d].pitch = move ? deck[d].pitch + value : value;
    Note(QStringLiteral("pitch %1 %2").arg(d).arg(deck[d].pitch));
  }
  void ToggleEqualizer(int d) override {
    if (!Valid(d)) return;
    deck[d].equalizer = !deck[d].equalizer;
    Command(QStringLiteral("equalizer"), d);
  }
  void ToggleMonitor(int d) override {
    if (!Valid(d)) return;
    deck[d].monitor = !deck[d].monitor;
    Command(QStringLiteral("monitor"), d);
  }
  void ToggleAutoCue(int d) override {
    if (!Valid(d)) return;
    deck[d].autoCue = !deck[d].autoCue;
    Command(QStringLiteral("auto cue"), d);
  }
  void SetMasterVolume(int position, bool move) override {
    master = std::clamp(position, 1, 65535);
    Note(QStringLiteral("master %1 %2").arg(master).arg(move ? 1 : 0));
  }
  int MasterPosition() const override { return master; }
  void ShowLoadPicture(int d, int picture) override {
    if (!Valid(d)) return;
    deck[d].loadPicture = picture;
    Note(QStringLiteral("picture %1 %2").arg(d).arg(picture));
  }

  PlayerState State(int d) const override { return Valid(d) ? deck[d].state : PlayerState::None; }
  uint32_t PositionFrames(int d) const override { return Valid(d) ? deck[d].position : 0; }
  uint32_t LengthFrames(int d) const override { return Valid(d) ? deck[d].length : 0; }
  QString Title(int d) const override { return Valid(d) ? deck[d].title : QString(); }
  QString ClipPath(int d) const override { return Valid(d) ? deck[d].path : QString(); }

 private:
  static bool Valid(int d) { return d == 1 || d == 2; }
  void Note(const QString& call) { calls << call; }
  void Command(const QString& name, int d) {
    if (Valid(d)) Note(QStringLiteral("%1 %2").arg(name).arg(d));
  }
};
