#include "station/StationSettings.h"

#include "platform/SettingsTable.h"
#include "platform/SettingsStore.h"

void StationSettings::Read(const SettingsStore& store) {
  fps = store.Read(settings::kFps);
  outputDevice = store.Read(settings::kOutputDevice);
  monitorDevice = store.Read(settings::kMonitorDevice);
  outputDeviceId = store.Read(settings::kOutputDeviceId);
  monitorDeviceId = store.Read(settings::kMonitorDeviceId);
  defMixStyle = store.Read(settings::kDefMixStyle);
  remotePort = store.Read(settings::kRemotePort);
  audioFolder = store.Read(settings::kDefAudioFolder);
  playListFolder = store.Read(settings::kDefPlayListFolder);
  adListFolder = store.Read(settings::kDefAdListFolder);
  startUpProgram = store.Read(settings::kStartUpProgram);
  changeResolution = store.Read(settings::kChangeResolution);
  advertsLoadingType = store.Read(settings::kAdvertsLoadingType);
  keepPlayLog = store.Read(settings::kKeepPlayLog);
}

void StationSettings::SaveFolders(SettingsStore& store) const {
  store.WriteSettingValues({{QString::fromLatin1(settings::kDefAudioFolder.name), audioFolder},
                            {QString::fromLatin1(settings::kDefPlayListFolder.name), playListFolder},
                            {QString::fromLatin1(settings::kDefAdListFolder.name), adListFolder}});
}
