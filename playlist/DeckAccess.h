// What the songs list needs of the two decks. The main window adapts its decks to this;
// tests give a fake. Deck numbers are 1 and 2.
#pragma once

#include <QString>

class DeckAccess {
 public:
  // The deck states of the players (same values).
  enum class State { Playing = 1, AtEnd = 2, Stopped = 3, Paused = 4, None = -1 };

  virtual ~DeckAccess() = default;
  // The deck's load-a-clip operation: 1 or 2 when loaded, -2 when the clip was rejected
  // by its check (the deck has then asked the list to remove it), -1 on any other failure.
  virtual int LoadClip(int deck, const QString& title, const QString& path) = 0;
  virtual State DeckState(int deck) const = 0;
  // The deck's title display.
  virtual QString TitleText(int deck) const = 0;
  virtual void Pause(int deck) = 0;
  // Stop, close input and output, clear the displays ("CLOSED").
  virtual void Reset(int deck) = 0;
  // "Open" straight into a deck: open, start, set fader and volume to the style's start
  // volume, apply the equaliser and pause at the start.
  virtual void OpenReady(int deck, const QString& path) = 0;
};

// Player 1 when it is not playing, else Player 2 when it is not playing, else 0.
inline int FreeDeck(const DeckAccess& decks) {
  if (decks.DeckState(1) != DeckAccess::State::Playing) return 1;
  if (decks.DeckState(2) != DeckAccess::State::Playing) return 2;
  return 0;
}
