#include "songs/RememberedFolders.h"

#include "platform/SettingsTable.h"
#include "platform/SettingsStore.h"

namespace {

QString ReadFolder(const SettingsStore& settings, const char* name) {
  const QString value = settings.ReadSettingValue(QString::fromLatin1(name));
  return value == QLatin1String(settings::kNotOpen) ? QString() : value;
}

}  // namespace

RememberedFolders RememberedFolders::FromSettings(const SettingsStore& settings) {
  RememberedFolders f;
  f.mp3Folder = ReadFolder(settings, settings::kDefAudioFolder);
  f.playListFolder = ReadFolder(settings, settings::kDefPlayListFolder);
  return f;
}
