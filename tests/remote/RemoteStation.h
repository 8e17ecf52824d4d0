// A station without its window against fakes (settings in a temporary file, scripted
// dialogs, a fake engine) with a simulated remote behind "COM2".
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "SimulatedRemote.h"
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"
#include "station/Station.h"
#include "support/FakeEngine.h"
#include "support/NoRenamePrompt.h"
#include "support/ScriptedDialogs.h"

class RemoteStation {
 public:
  RemoteStation() : settings(dir.filePath(QStringLiteral("KORVO XA.ini"))) {
    QDir(dir.path()).mkpath(QStringLiteral("station"));
    startFolder = dir.filePath(QStringLiteral("station")) + QLatin1Char('/');
    clock.Set(QDateTime(QDate(2001, 3, 7), QTime(9, 5, 3)));
    XaOutputDevice null;
    null.name = QStringLiteral("Null output");
    null.isNull = true;
    engine.devices = {null};
    dialogs.defaultAnswer = Dialogs::Answer::Yes;
    QString error;
    simulated = sim.Open(&error);
    settings.Write(settings::kRemotePort, QStringLiteral("COM2"));
    settings.Write(settings::kComDevice[1], sim.DevicePath());
    log = std::make_unique<PlayLog>(clock, startFolder);
    ctx = std::make_unique<AppContext>(AppContext{settings, clock, dialogs, system, engine, *log, startFolder,
                                                  dir.filePath(QStringLiteral("drive_c")), renamePrompt});
    station = std::make_unique<Station>(*ctx);
    station->Start();
    dialogs.messages.clear();  // the folders and styles made at the first start
  }

  void PressR() { station->Commands().Run(ConsoleCommand::RemoteControl); }

  QTemporaryDir dir;
  SettingsStore settings;
  FixedClock clock;
  ScriptedDialogs dialogs;
  FakeSystemServices system;
  FakeEngine engine;
  NoRenamePrompt renamePrompt;
  SimulatedRemote sim;
  bool simulated = false;
  QString startFolder;
  std::unique_ptr<PlayLog> log;
  std::unique_ptr<AppContext> ctx;
  std::unique_ptr<Station> station;
};
