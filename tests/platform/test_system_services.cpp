#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "platform/system/LinuxSystemServices.h"
#include "platform/system/RebootRequester.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Stands in for logind: answers each step as told and counts the reboot requests.
class FakeReboot final : public RebootRequester {
 public:
  QString CheckReboot() override {
    ++checks;
    return checkFails;
  }
  QString RequestReboot() override {
    ++requests;
    return requestFails;
  }
  QString checkFails, requestFails;
  int checks = 0, requests = 0;
};

class SystemServicesTest : public ::testing::Test {
 protected:
  SystemServicesTest() { log.SetEnabled(true); }
  QByteArray Log() const {
    QFile f(log.FilePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static QByteArray Entry(const char* event, const char* detail) {
    return QByteArray("\"07/03/2001\",\"09:05:03\",\"ERR\",\"") + event + "\",\"" + detail + "\"\r\n";
  }
  QTemporaryDir dir;
  FixedClock clock{QDateTime(QDate(2001, 3, 7), QTime(9, 5, 3))};
  PlayLog log{clock, dir.path() + QLatin1Char('/')};
  SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
  FakeReboot reboot;
  LinuxSystemServices services{settings, log, reboot, dir.filePath(QStringLiteral("NoSuchVidshift"))};
};

TEST_F(SystemServicesTest, RestartIsRefusedUnlessTheStationAllowsIt) {
  for (const QString& value : {QString(), QStringLiteral("0"), QStringLiteral("yes"), QStringLiteral(" 1")}) {
    if (!value.isNull()) settings.WriteSettingValue(QStringLiteral("Allow System Restart"), value);
    services.RestartSystem();
  }
  EXPECT_EQ(reboot.checks + reboot.requests, 0);
  const QByteArray refused = Entry("ERROR SHUTTING DOWN", "Restart not allowed");
  EXPECT_EQ(Log(), refused + refused + refused + refused);
}

TEST_F(SystemServicesTest, AllowedRestartLogsThenRequestsOrNamesTheFailedStep) {
  settings.WriteSettingValue(QStringLiteral("Allow System Restart"), QStringLiteral("1"));
  struct Case {
    QString checkFails, requestFails;
    int requests;
    QByteArray log;
  };
  const Case cases[] = {
      {{}, {}, 1, Entry("SYSTEM SHUTTING DOWN", "")},
      {QStringLiteral("CanReboot"), {}, 0, Entry("ERROR SHUTTING DOWN", "CanReboot")},
      {QStringLiteral("Connect System Bus"), {}, 0, Entry("ERROR SHUTTING DOWN", "Connect System Bus")},
      {{}, QStringLiteral("Reboot"), 1, Entry("SYSTEM SHUTTING DOWN", "") + Entry("ERROR SHUTTING DOWN", "Reboot")},
  };
  for (const Case& c : cases) {
    QFile::remove(log.FilePath());
    reboot.checkFails = c.checkFails;
    reboot.requestFails = c.requestFails;
    reboot.requests = 0;
    services.RestartSystem();
    EXPECT_EQ(reboot.requests, c.requests) << qPrintable(c.checkFails);
    EXPECT_EQ(Log(), c.log) << qPrintable(c.checkFails);
  }
}

TEST_F(SystemServicesTest, DisplayModeGoesThroughTheLibraryExport) {
  EXPECT_EQ(services.ChangeDisplayMode(800, 600), -1);  // library missing

  LinuxSystemServices noExport(settings, log, reboot, QStringLiteral(NO_EXPORT_VIDSHIFT));
  EXPECT_EQ(noExport.ChangeDisplayMode(800, 600), -1);

  // The stand-in answers 0 only for (800, 600, 0) and 7 otherwise.
  LinuxSystemServices fake(settings, log, reboot, QStringLiteral(FAKE_VIDSHIFT));
  EXPECT_EQ(fake.ChangeDisplayMode(800, 600), 0);
  EXPECT_EQ(fake.ChangeDisplayMode(1024, 768), -1);
}

TEST_F(SystemServicesTest, StartingAMissingSiblingProgramFails) {
  EXPECT_FALSE(services.StartProgram(QStringLiteral("NoSuchKorvoTool"), {}));
}

}  // namespace
