#include "tools/logos/LogosStart.h"

#include <QDir>

#include "platform/SettingsStore.h"

QString MakeSourcesFolder(const QString& startFolder) {
  const QString folder = startFolder + QStringLiteral("Sources");
  QDir().mkpath(folder);
  return folder;
}

QString EplFolderSetting(const SettingsStore& settings) {
  constexpr qsizetype kMaxBytes = 255;
  QString folder = settings.Read(settings::kDefAdListFolder);
  // Whole characters only: a cut inside one would name no folder at all.
  while (folder.toUtf8().size() > kMaxBytes) folder.chop(1);
  return folder;
}
