// Two decks for the songs-list tests: states and titles set by the test, every load and
// every pause/reset recorded. Paths containing a rejected word fail their check on load:
// the fake then asks the list to remove the clip, as the real decks do, and returns -2.
#pragma once

#include "playlist/DeckAccess.h"

#include <QStringList>

#include <algorithm>
#include <functional>

class FakeDecks final : public DeckAccess {
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
  State DeckState(int deck) const override { return states[deck - 1]; }
  QString TitleText(int deck) const override { return titles[deck - 1]; }
  void Pause(int deck) override { actions << QStringLiteral("pause %1").arg(deck); }
  void Reset(int deck) override {
    actions << QStringLiteral("reset %1").arg(deck);
    titles[deck - 1].clear();
  }
  void OpenReady(int deck, const QString& path) override { actions << QStringLiteral("open %1 %2").arg(deck).arg(path); }

  State states[2] = {State::None, State::None};
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
