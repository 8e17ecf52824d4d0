// Which device main and monitor play on: the stored choice against the devices there are
// today, and the station's start-up and APPLY acting on it. A stored device that is gone
// plays on the default device, says so and logs it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "options/OutputDeviceChoice.h"
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"
#include "station/Station.h"
#include "support/FakeEngine.h"
#include "support/NoRenamePrompt.h"
#include "support/ScriptedDialogs.h"

namespace {

XaOutputDevice Device(int index, const QString& name, bool isNull = false) {
  XaOutputDevice d;
  d.index = index;
  d.name = name;
  d.isNull = isNull;
  return d;
}

QList<XaOutputDevice> Devices(const QStringList& names) {
  QList<XaOutputDevice> list;
  for (const QString& n : names) list << Device(int(list.size()), n);
  return list;
}

TEST(OutputDeviceChoice, TheStoredNameDecidesAndTheIndexTellsTwinsApart) {
  struct Case {
    const char* what;
    QStringList devices;
    QString name;
    int id;
    int index;
    bool gone;
  };
  const QString none = QStringLiteral("DEVICE_NOT_SELECTED");
  const Case cases[] = {
      {"never chosen", {"A", "B"}, none, -1, -1, false},
      {"never chosen, nothing readable", {"A"}, QStringLiteral("ERR_KEY_NOT_OPEN"), -1, -1, false},
      {"where it was", {"A", "B"}, "B", 1, 1, false},
      {"moved up the list", {"B"}, "B", 1, 0, false},
      {"moved down the list", {"C", "A", "B"}, "B", 1, 2, false},
      {"two of the same name", {"USB", "USB"}, "USB", 1, 1, false},
      {"gone", {"A", "B"}, "Old card", 1, -1, true},
      {"gone, index out of range", {"A"}, "B", 5, -1, true},
      {"only an index, listed", {"A", "B"}, none, 1, 1, false},
      {"only an index, not listed", {"A"}, none, 3, -1, true},
      {"no device at all", {}, "B", 1, -1, false},
  };
  for (const Case& c : cases) {
    const OutputDeviceChoice choice = ChooseOutputDevice(Devices(c.devices), c.name, c.id);
    EXPECT_EQ(choice.index, c.index) << c.what;
    EXPECT_EQ(choice.gone, c.gone) << c.what;
  }
}

// Records which devices the station asks the engine for.
class DeviceEngine final : public FakeEngine {
 public:
  void SetOutputDevices(int mainIndex, int monitorIndex) override { chosen.append({mainIndex, monitorIndex}); }
  QList<QPair<int, int>> chosen;
};

class StationDevices : public ::testing::Test {
 protected:
  StationDevices() : settings(dir.filePath(QStringLiteral("KORVO XA.ini"))) {
    QDir(dir.path()).mkpath(QStringLiteral("station"));
    startFolder = dir.filePath(QStringLiteral("station")) + QLatin1Char('/');
    dialogs.defaultAnswer = Dialogs::Answer::Ok;
    settings.Write(settings::kKeepPlayLog, true);
  }
  void Store(const QString& main, int mainId, const QString& monitor, int monitorId) {
    settings.Write(settings::kOutputDevice, main);
    settings.Write(settings::kOutputDeviceId, mainId);
    settings.Write(settings::kMonitorDevice, monitor);
    settings.Write(settings::kMonitorDeviceId, monitorId);
  }
  Station& Start() {
    log = std::make_unique<PlayLog>(clock, startFolder);
    ctx = std::make_unique<AppContext>(AppContext{settings, clock, dialogs, system, engine, *log, startFolder,
                                                  dir.filePath(QStringLiteral("drive_c")), renamePrompt});
    station = std::make_unique<Station>(*ctx);
    station->Start();
    return *station;
  }
  QStringList Warnings() const {
    QStringList texts;
    for (const auto& m : dialogs.messages)
      if (m.icon == Dialogs::Icon::Warning) texts << m.text;
    return texts;
  }
  QString LogText() const {
    QFile f(startFolder + QStringLiteral("korvolog.dat"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
  }

  QTemporaryDir dir;
  SettingsStore settings;
  QString startFolder;
  FixedClock clock{QDateTime(QDate(2001, 3, 7), QTime(9, 5, 3))};
  ScriptedDialogs dialogs;
  FakeSystemServices system;
  DeviceEngine engine;
  NoRenamePrompt renamePrompt;
  std::unique_ptr<PlayLog> log;
  std::unique_ptr<AppContext> ctx;
  std::unique_ptr<Station> station;
};

TEST_F(StationDevices, StartUpPlaysMainAndMonitorOnTheStoredDevices) {
  engine.devices = Devices({"Card A", "Card B"});
  Store(QStringLiteral("Card B"), 1, QStringLiteral("Card A"), 0);
  Start();
  ASSERT_FALSE(engine.chosen.isEmpty());
  EXPECT_EQ(engine.chosen.last(), (QPair<int, int>{1, 0}));
  EXPECT_TRUE(Warnings().isEmpty());
  EXPECT_FALSE(LogText().contains(QStringLiteral("OUTPUT DEVICE NOT FOUND")));
}

TEST_F(StationDevices, AStoredDeviceThatIsGoneFallsBackToTheDefaultWithAMessageAndALogEntry) {
  engine.devices = Devices({"Card A"});
  Store(QStringLiteral("Card A"), 0, QStringLiteral("USB Headset"), 1);
  Start();
  ASSERT_FALSE(engine.chosen.isEmpty());
  EXPECT_EQ(engine.chosen.last(), (QPair<int, int>{0, -1}));
  const QStringList warnings = Warnings();
  ASSERT_EQ(warnings.size(), 1);
  EXPECT_TRUE(warnings[0].contains(QStringLiteral("\"USB Headset\""))) << warnings[0].toStdString();
  EXPECT_TRUE(warnings[0].contains(QStringLiteral("monitor")));
  EXPECT_TRUE(warnings[0].contains(QStringLiteral("default device")));
  EXPECT_TRUE(LogText().contains(QStringLiteral("OUTPUT DEVICE NOT FOUND"))) << LogText().toStdString();
  EXPECT_TRUE(LogText().contains(QStringLiteral("monitor: USB Headset")));
}

TEST_F(StationDevices, WithOnlyTheNullOutputAGoneCardIsLoggedButHoldsNoBox) {
  engine.devices = {Device(0, QStringLiteral("Null output"), true)};
  Store(QStringLiteral("Card A"), 0, QStringLiteral("Card B"), 1);
  Start();
  EXPECT_EQ(engine.chosen.last(), (QPair<int, int>{-1, -1}));
  for (const QString& w : Warnings()) EXPECT_FALSE(w.contains(QStringLiteral("not present"))) << w.toStdString();
  EXPECT_EQ(LogText().count(QStringLiteral("OUTPUT DEVICE NOT FOUND")), 2);
}

TEST_F(StationDevices, ApplyReadsTheSettingsAgainAndMovesTheOutputs) {
  engine.devices = Devices({"Card A", "Card B"});
  Station& s = Start();
  settings.Write(settings::kFps, 25);
  settings.Write(settings::kMonitorDevice, QStringLiteral("Card B"));
  s.ApplyOptions(0, 1);
  EXPECT_EQ(engine.chosen.last(), (QPair<int, int>{0, 1}));
  EXPECT_EQ(s.Settings().fps, 25);
  EXPECT_EQ(s.Settings().monitorDevice, QStringLiteral("Card B"));
  EXPECT_EQ(s.Settings().monitorDeviceId, 1);
}

}  // namespace
