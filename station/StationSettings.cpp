#include "station/StationSettings.h"

#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

namespace {

// Present values replace the current one; missing ones leave it.
bool ReadInto(const SettingsStore& store, const char* name, QString& out) {
  const QString v = store.ReadSettingValue(QString::fromLatin1(name));
  if (v == QLatin1String(settings::kNotOpen)) return false;
  out = v;
  return true;
}

bool IsOn(const SettingsStore& store, const char* name) {
  return store.ReadSettingValue(QString::fromLatin1(name)) == QLatin1String("1");
}

}  // namespace

void StationSettings::Read(const SettingsStore& store) {
  QString v;
  fps = ReadInto(store, settings::kFps, v) ? v.trimmed().toInt() : settings::kDefaultFps;
  outputDevice = QString::fromLatin1(settings::kDefaultDevice);
  ReadInto(store, settings::kOutputDevice, outputDevice);
  monitorDevice = QString::fromLatin1(settings::kDefaultDevice);
  ReadInto(store, settings::kMonitorDevice, monitorDevice);
  outputDeviceId = ReadInto(store, settings::kOutputDeviceId, v) ? v.trimmed().toInt() : settings::kDefaultDeviceId;
  monitorDeviceId = ReadInto(store, settings::kMonitorDeviceId, v) ? v.trimmed().toInt() : settings::kDefaultDeviceId;
  defMixStyle = QString::fromLatin1(settings::kDefaultMixStyle);
  ReadInto(store, settings::kDefMixStyle, defMixStyle);
  remotePort = QString::fromLatin1(settings::kDefaultRemotePort);
  ReadInto(store, settings::kRemotePort, remotePort);
  ReadInto(store, settings::kDefAudioFolder, audioFolder);
  ReadInto(store, settings::kDefPlayListFolder, playListFolder);
  ReadInto(store, settings::kDefAdListFolder, adListFolder);
  ReadInto(store, settings::kStartUpProgram, startUpProgram);
  changeResolution = IsOn(store, settings::kChangeResolution);
  advertsLoadingType = ReadInto(store, settings::kAdvertsLoadingType, v) ? v.trimmed().toInt() : 0;
  keepPlayLog = IsOn(store, settings::kKeepPlayLog);
}

void StationSettings::SaveFolders(SettingsStore& store) const {
  store.WriteSettingValues({{QString::fromLatin1(settings::kDefAudioFolder), audioFolder},
                            {QString::fromLatin1(settings::kDefPlayListFolder), playListFolder},
                            {QString::fromLatin1(settings::kDefAdListFolder), adListFolder}});
}
