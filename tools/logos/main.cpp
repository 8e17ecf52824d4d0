// KorvoLogos: the logos creator and advert play-list builder of the suite, started by the
// main program's "Logos Editor" without arguments in the station folder.
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>

#include "platform/Paths.h"
#include "platform/SettingsStore.h"
#include "platform/ui/QtDialogs.h"
#include "platform/ui/Theme.h"
#include "tools/logos/LogosJob.h"
#include "tools/logos/LogosStart.h"
#include "tools/logos/ui/LogosWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/KorvoLogos.svg")));
  app.setApplicationName(QStringLiteral("KorvoLogos"));
  ApplyConsoleTheme(app);

  const QString sources = MakeSourcesFolder(paths::StartFolder());
  QtDialogs dialogs(nullptr);
  const auto busy = [](bool on) {
    if (on)
      QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QGuiApplication::restoreOverrideCursor();
  };
  LogosEnv env{dialogs, sources, EplFolderSetting(SettingsStore()), [] { return QDate::currentDate(); }, busy};
  LogosJob job(std::move(env));
  LogosWindow window(job);
  window.show();
  window.exec();
  return 0;
}
