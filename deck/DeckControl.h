// The one door onto the two decks for everything that drives them: the automatic mix, the
// songs list, adverts, day programs, the remote control and the console keys. The deck
// panels are views of the same decks and add no door of their own.
//
// Decks are numbered 1 and 2; any other number is ignored (reads give empty values).
// GUI thread only.
#pragma once

#include <QString>

#include <cstdint>

#include "deck/PlayerState.h"

class DeckControl {
 public:
  virtual ~DeckControl() = default;

  // --- Loading
  // Loads a clip the way the songs list does: measured first while "Check On Load" is down,
  // its mix style applied, parked paused at its start with the style's start volume.
  // 1 or 2 for the deck loaded, -2 when the clip failed its check (the list was asked to
  // remove it), -1 for a bad deck. Deck 3 also means Player 1.
  virtual int LoadClip(int deck, const QString& title, const QString& path) = 0;
  // "Open": the file straight into the deck, ready at its start with the fader at the start
  // volume of the mix settings in force; no check, no style.
  virtual void OpenReady(int deck, const QString& path) = 0;
  virtual bool CheckOnLoad() const = 0;
  virtual void SetCheckOnLoad(bool down) = 0;

  // --- Transport
  // The PLAY button: pauses a playing deck, starts any other and logs its clip.
  virtual void PlayPause(int deck) = 0;
  // Engine play / pause without a log entry (the mix's own moves).
  virtual void Play(int deck) = 0;
  virtual void Pause(int deck) = 0;
  // "P": stop, close input and output, clear the displays ("CLOSED").
  virtual void Reset(int deck) = 0;
  // Writes the "CLP" play-log entry for the clip in the deck (nothing when it holds none).
  virtual void LogPlayerClip(int deck) = 0;
  // Seeks 25 frames before the cue mark; pauses on request or with AUTO CUE.
  virtual void CueToMark(int deck, bool pause) = 0;
  virtual void SetCueMark(int deck) = 0;

  // --- Levels
  // 0 full level .. 100 silent.
  virtual int Fader(int deck) const = 0;
  // Moves the fader (clamped to 0-100); sends the level on request.
  virtual void SetFader(int deck, int position, bool sendLevel) = 0;
  // Sends the level 100 - fader (command 48) and writes the fader's label.
  virtual void SendLevel(int deck) = 0;
  // With move, value is a step added to the pitch; else the pitch itself (900-1100).
  virtual void SetPitch(int deck, int value, bool move) = 0;
  virtual void ToggleEqualizer(int deck) = 0;
  virtual void ToggleMonitor(int deck) = 0;
  virtual void ToggleAutoCue(int deck) = 0;
  // The master fader: 1 (top) .. 65535; with move the fader follows.
  virtual void SetMasterVolume(int position, bool move) = 0;
  virtual int MasterPosition() const = 0;
  // The deck's load lamp: picture 0 (dark) or 1 (lit).
  virtual void ShowLoadPicture(int deck, int picture) = 0;

  // --- What the deck holds
  virtual PlayerState State(int deck) const = 0;
  virtual uint32_t PositionFrames(int deck) const = 0;
  virtual uint32_t LengthFrames(int deck) const = 0;
  // The deck's title display.
  virtual QString Title(int deck) const = 0;
  // The full path of the clip in the deck ("" when none).
  virtual QString ClipPath(int deck) const = 0;
};

// Player 1 when it is not playing, else Player 2 when it is not playing, else 0.
inline int FreeDeck(const DeckControl& decks) {
  if (decks.State(1) != PlayerState::Playing) return 1;
  if (decks.State(2) != PlayerState::Playing) return 2;
  return 0;
}
