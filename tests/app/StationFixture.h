// A main window on a temporary station against fakes: settings in a temporary file, a
// fixed clock, scripted dialogs, a fake engine and fake system services.
#pragma once

#include "app/MainWindow.h"
#include "support/NoRenamePrompt.h"
#include "support/FakeEngine.h"
#include "support/ScriptedDialogs.h"

#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

class TestStation {
 public:
  TestStation() : settings(dir.filePath(QStringLiteral("KORVO XA.ini"))) {
    QDir(dir.path()).mkpath(QStringLiteral("station"));
    startFolder = dir.filePath(QStringLiteral("station")) + QLatin1Char('/');
    driveC = dir.filePath(QStringLiteral("drive_c"));
    clock.Set(QDateTime(QDate(2001, 3, 7), QTime(9, 5, 3)));
    XaOutputDevice null;
    null.name = QStringLiteral("Null output");
    null.isNull = true;
    engine.devices = {null};
    dialogs.defaultAnswer = Dialogs::Answer::Yes;
  }
  std::unique_ptr<MainWindow> Open() {
    log = std::make_unique<PlayLog>(clock, startFolder);
    ctx = std::make_unique<AppContext>(AppContext{settings, clock, dialogs, system, engine, *log, startFolder, driveC, renamePrompt});
    auto w = std::make_unique<MainWindow>(*ctx);
    w->Start();
    return w;
  }
  QString LogText() const {
    QFile f(startFolder + QStringLiteral("korvolog.dat"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
  }

  QTemporaryDir dir;
  SettingsStore settings;
  FixedClock clock;
  ScriptedDialogs dialogs;
  FakeSystemServices system;
  FakeEngine engine;
  QString startFolder;
  QString driveC;
  std::unique_ptr<PlayLog> log;
  NoRenamePrompt renamePrompt;
  std::unique_ptr<AppContext> ctx;
};
