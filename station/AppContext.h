// What the station is given from outside: the services it talks to. main() passes the
// real ones; tests pass fakes (scripted dialogs, fixed clock, fake engine and system).
#pragma once

#include <QString>

class Clock;
class DecoderEngine;
class Dialogs;
class PlayLog;
class RenamePrompt;
class SettingsStore;
class SystemServices;

struct AppContext {
  SettingsStore& settings;
  const Clock& clock;
  Dialogs& dialogs;
  SystemServices& system;
  DecoderEngine& engine;
  PlayLog& playLog;
  QString startFolder;  // the station folder, ending with '/'
  QString driveC;       // the drive C folder, no trailing '/'
  RenamePrompt& renamePrompt;  // the "Rename MP3" dialog
};
