// KorvoPrl: the play-list creator. Runs beside the station (several copies may run at
// once); it shares the station's settings and its play lists, never its window.
#include <QApplication>
#include <QIcon>

#include "audio/DecoderEngine.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"
#include "platform/ui/QtDialogs.h"
#include "platform/ui/Theme.h"
#include "tools/prlcreator/Creator.h"
#include "tools/prlcreator/ui/CreatorWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/KorvoPrl.svg")));
  app.setApplicationName(QStringLiteral("KORVO XA"));
  ApplyConsoleTheme(app);

  QtDialogs dialogs(nullptr);
  SettingsStore settings;
  XaudioEngine engine;
  creator::Creator creator(engine, dialogs, settings);
  creator.Start(paths::StartFolder());

  creator::CreatorWindow window(creator);
  window.show();
  return app.exec();
}
