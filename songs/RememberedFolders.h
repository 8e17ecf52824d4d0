// The folders the file dialogs start in: that of the last MP3 file and that of the last
// play list chosen. The main window saves them with the other settings on exit.
#pragma once

#include <QString>

class SettingsStore;

struct RememberedFolders {
  QString mp3Folder;
  QString playListFolder;

  // From "Def Audio Folder" and "Def Play List Folder"; missing values give no folder.
  static RememberedFolders FromSettings(const SettingsStore& settings);
};
