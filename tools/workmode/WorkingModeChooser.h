// The working-mode chooser without its window: the mode shown, whether there is an
// unapplied choice, APPLY and the question on CLOSE. The mode lives in the shared setting
// "KORVO xa WORKING MODE": "0" no monitor set-up, "1" monitor set-up; anything else, or
// nothing stored, reads as 0.
#pragma once

class Dialogs;
class SettingsStore;

class WorkingModeChooser {
 public:
  enum Mode { kNoMonitor = 0, kMonitor = 1 };

  WorkingModeChooser(SettingsStore& store, Dialogs& dialogs) : store_(store), dialogs_(dialogs) {}

  // Shows the stored mode with APPLY disabled.
  void Open();
  Mode Shown() const { return shown_; }
  bool ApplyEnabled() const { return applyEnabled_; }
  // A radio button clicked, even the one already ticked.
  void Choose(Mode mode);
  void Apply();
  // CLOSE (or the close box): true when the dialog may close.
  bool Close();

 private:
  SettingsStore& store_;
  Dialogs& dialogs_;
  Mode shown_ = kNoMonitor;
  bool applyEnabled_ = false;
};
