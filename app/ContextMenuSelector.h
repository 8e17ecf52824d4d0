// Which pop-up of the window's context menu the next right click shows. A right click on
// one of the lists chooses that list's pop-up just before the click reaches the window;
// every context menu takes the choice and leaves the primary one for the next.
#pragma once

class ContextMenuSelector {
 public:
  enum Popup { kPrimary = 0, kSongs = 1, kLogos = 2, kPrograms = 3 };

  void Choose(Popup popup) { popup_ = popup; }
  Popup Current() const { return popup_; }
  Popup Take() {
    const Popup chosen = popup_;
    popup_ = kPrimary;
    return chosen;
  }

 private:
  Popup popup_ = kPrimary;
};
