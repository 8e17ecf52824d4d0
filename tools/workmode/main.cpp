// KorvoMd: says whether the station is wired with a monitor (cue) sound card, in the
// settings all programs of the suite share. One dialog; the program ends when it closes.
#include <QApplication>
#include <QIcon>

#include "WorkingModeDialog.h"
#include "platform/SettingsStore.h"
#include "platform/ui/QtDialogs.h"
#include "platform/ui/Theme.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/KorvoMd.svg")));
  app.setApplicationName(QStringLiteral("KorvoMd"));
  ApplyConsoleTheme(app);
  SettingsStore settings;
  QtDialogs dialogs(nullptr);
  WorkingModeChooser chooser(settings, dialogs);
  WorkingModeDialog dialog(chooser, dialogs);
  dialog.exec();
  return 0;
}
