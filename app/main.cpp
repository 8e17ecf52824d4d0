// Process entry: one copy per user, then the main window until the operator quits.
#include "app/MainWindow.h"
#include "songs/ui/RenameMp3Dialog.h"
#include "station/AppContext.h"
#include "platform/ui/Theme.h"
#include "audio/DecoderEngine.h"
#include "platform/Clock.h"
#include "platform/ui/QtDialogs.h"
#include "platform/Paths.h"
#include "platform/PlayLog.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"
#include "platform/system/LinuxSystemServices.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/korvoxa.svg")));
  app.setApplicationName(QStringLiteral("KORVO XA"));
  ApplyConsoleTheme(app);

  QtDialogs dialogs(nullptr);
  // Held for the life of the process, so the lock exists exactly as long as we run.
  SingleInstance instance(QStringLiteral("PreventSecondInstance"));
  if (!instance.IsFirst()) {
    static_cast<Dialogs&>(dialogs).Message(QStringLiteral("      KORVO XA is presently active\nYou can't run more than once KORVO XA"),
                    QStringLiteral("KORVO XA"), Dialogs::Icon::Warning);
    return 0;
  }

  SettingsStore settings;
  SystemClock clock;
  const QString startFolder = paths::StartFolder();
  PlayLog playLog(clock, startFolder);
  LinuxSystemServices system(settings, playLog);
  XaudioEngine engine;
  QtRenamePrompt renamePrompt(nullptr);
  AppContext ctx{settings, clock, dialogs, system, engine, playLog, startFolder, paths::DriveCFolder(), renamePrompt};

  MainWindow window(ctx);
  window.Start();
  window.show();
  window.exec();
  return 0;
}
