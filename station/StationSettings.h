// The main program's own settings values (those not kept by the decks), read at start-up
// and after Options, and the remembered folders written at exit.
#pragma once

#include <QString>

class SettingsStore;

struct StationSettings {
  int fps = 30;
  QString outputDevice;
  int outputDeviceId = -1;
  QString monitorDevice;
  int monitorDeviceId = -1;
  QString defMixStyle;
  QString remotePort;
  QString audioFolder;
  QString playListFolder;
  QString adListFolder;
  QString startUpProgram;
  bool changeResolution = false;
  int advertsLoadingType = 0;
  bool keepPlayLog = false;

  // Reads every value; missing values give the settings table's fallbacks.
  // Start-up then calls NormaliseFps (any FPS but 25 and 30 counts as 25).
  void Read(const SettingsStore& store);
  void NormaliseFps() {
    if (fps != 25 && fps != 30) fps = 25;
  }
  // The folder values of the exit save.
  void SaveFolders(SettingsStore& store) const;
};
