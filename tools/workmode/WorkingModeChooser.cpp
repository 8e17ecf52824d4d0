#include "workmode/WorkingModeChooser.h"

#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/SettingsTable.h"

void WorkingModeChooser::Open() {
  shown_ = store_.Read(settings::kWorkingMode) ? kMonitor : kNoMonitor;
  applyEnabled_ = false;
}

void WorkingModeChooser::Choose(Mode mode) {
  shown_ = mode;
  applyEnabled_ = true;
}

void WorkingModeChooser::Apply() {
  applyEnabled_ = false;
  store_.Write(settings::kWorkingMode, shown_ == kMonitor);
}

bool WorkingModeChooser::Close() {
  if (!applyEnabled_) return true;
  switch (dialogs_.Message(QStringLiteral("Do you want to save the changes?"), QStringLiteral("KorvoMd"),
                           Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel, Dialogs::Answer::Yes)) {
    case Dialogs::Answer::Cancel:
      return false;
    case Dialogs::Answer::Yes:
      Apply();
      return true;
    default:
      return true;
  }
}
