// What the automatic mix needs of the rest of the window: the two decks, the songs list and
// the mixing controls. The main window implements these over its panels; tests use fakes.
#pragma once

#include "deck/PlayerState.h"

#include <QString>

#include <cstdint>

class MixDecks {
 public:
  virtual ~MixDecks() = default;
  virtual PlayerState State(int deck) const = 0;
  virtual uint32_t PositionFrames(int deck) const = 0;
  virtual uint32_t LengthFrames(int deck) const = 0;
  virtual QString Title(int deck) const = 0;  // the deck's title display
  virtual int Fader(int deck) const = 0;      // 0 full level .. 100 silent
  // Moves the fader (clamped to 0-100) without sending anything.
  virtual void SetFader(int deck, int position) = 0;
  // Sends the level 100 - fader and writes the fader's label.
  virtual void SendLevel(int deck) = 0;
  // The PLAY button: pauses a playing deck, starts any other and logs its clip.
  virtual void PlayPause(int deck) = 0;
  virtual void Play(int deck) = 0;
  virtual void Pause(int deck) = 0;
  virtual void LogPlayerClip(int deck) = 0;
  // The load icon of the deck: picture 0 (first) or 1 (second).
  virtual void ShowLoadPicture(int deck, int picture) = 0;
};

class MixList {
 public:
  virtual ~MixList() = default;
  virtual int Count() const = 0;
  // The current item (selected, else topmost visible, which becomes selected); -1 if none.
  virtual int CurrentIndex() = 0;
  virtual void MarkHot(int index) = 0;
  // Selects the item after the current one (wrapping) and loads it into a free deck.
  virtual void LoadNextIntoPlayer() = 0;
};

class MixControls {
 public:
  virtual ~MixControls() = default;
  // Copies the mixing sliders into the settings in force and sets inSpeed/outSpeed to 1.
  virtual void CaptureMixSettings() = 0;
  virtual void SetStatus(const QString& text) = 0;
  virtual void ShowMixNextPicture(bool on) = 0;
  virtual void SetBusyCursor(bool on) = 0;
};
