// What the automatic mix needs of the rest of the station besides the decks (which it
// reaches through DeckControl): the songs list, and the mixing controls with the status
// line. The station implements these; tests use fakes.
#pragma once

#include <QString>

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
  // Called on every crossfade tick, mostly with the text already shown: a sink that draws
  // should do so only when the text changes.
  virtual void SetStatus(const QString& text) = 0;
  virtual void ShowMixNextPicture(bool on) = 0;
  virtual void SetBusyCursor(bool on) = 0;
};
