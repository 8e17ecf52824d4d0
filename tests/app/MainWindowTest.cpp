// The main window's start-up and exit against fakes: settings in a temporary file, a fixed
// clock, scripted dialogs and a fake engine, in a temporary station folder.
#include "StationFixture.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(MainWindowStart, FirstStartWithoutSettingsUsesTheDefaults) {
  TestStation s;
  auto w = s.Open();
  const StationSettings& st = w->Settings();
  EXPECT_EQ(st.fps, 30);
  EXPECT_EQ(st.outputDevice, QStringLiteral("DEVICE_NOT_SELECTED"));
  EXPECT_EQ(st.monitorDevice, QStringLiteral("DEVICE_NOT_SELECTED"));
  EXPECT_EQ(st.monitorDeviceId, -1);
  EXPECT_EQ(st.defMixStyle, QStringLiteral("DEF1"));
  EXPECT_EQ(st.remotePort, QStringLiteral("NULL"));
  EXPECT_TRUE(st.audioFolder.isEmpty() && st.playListFolder.isEmpty() && st.adListFolder.isEmpty());
  EXPECT_TRUE(st.startUpProgram.isEmpty());
  EXPECT_FALSE(st.keepPlayLog);
  EXPECT_FALSE(w->PlayLogIndicatorShown());
  EXPECT_EQ(w->windowTitle(), QStringLiteral("KORVO XA"));
  EXPECT_EQ(w->size(), QSize(800, 600));
}

TEST(MainWindowStart, StationFoldersAreCreatedAndReportedOnce) {
  TestStation s;
  s.Open();
  EXPECT_TRUE(QFile::exists(s.driveC + QStringLiteral("/Adverts/korvodir.txt")));
  EXPECT_TRUE(QDir(s.startFolder + QStringLiteral("Prglists")).exists());
  EXPECT_EQ(s.dialogs.Texts(), QStringList({QStringLiteral("Directory (folder) 'C:\\Adverts' created"),
                                            QStringLiteral("Program Lists Directory created"),
                                            QStringLiteral("Default Mix Styles created!")}));
  s.dialogs.messages.clear();
  s.Open();
  EXPECT_TRUE(s.dialogs.messages.isEmpty()) << s.dialogs.Texts().join(QLatin1Char('|')).toStdString();
}

TEST(MainWindowStart, FpsOtherThan25Or30CountsAs25) {
  struct Case {
    const char* stored;
    int expected;
  };
  for (const Case c : {Case{"24", 25}, Case{"25", 25}, Case{"30", 30}, Case{"garbage", 25}, Case{nullptr, 30}}) {
    TestStation s;
    if (c.stored) s.settings.WriteSettingValue(QStringLiteral("FPS"), QString::fromLatin1(c.stored));
    EXPECT_EQ(s.Open()->Settings().fps, c.expected) << (c.stored ? c.stored : "missing");
  }
}

TEST(MainWindowStart, PlayLogFollowsTheSettingAndTheClockShowsLocalTime) {
  TestStation s;
  s.settings.WriteSettingValue(QStringLiteral("Keep Play Log"), QStringLiteral("1"));
  auto w = s.Open();
  EXPECT_TRUE(w->PlayLogIndicatorShown());
  EXPECT_TRUE(w->Timers().IsRunning(99));
  s.clock.AddSecs(60);
  w->Timers().Fire(99);
  EXPECT_EQ(w->ClockText(), QStringLiteral("09:06:03"));
}

TEST(MainWindowStart, NoAudioDeviceIsReported) {
  TestStation s;
  s.engine.devices.clear();
  s.Open();
  EXPECT_TRUE(s.dialogs.Texts().contains(
      QStringLiteral("KORVOxa needs one or more audio devices to work with\n[Audio Device(s) Not found]")));
}

TEST(MainWindowExit, NoKeepsEverythingRunning) {
  TestStation s;
  auto w = s.Open();
  s.dialogs.answers.enqueue(Dialogs::Answer::No);
  EXPECT_FALSE(w->RequestExit());
  EXPECT_EQ(s.dialogs.messages.last().text, QStringLiteral("Quit KORVO xa?"));
  EXPECT_EQ(s.dialogs.messages.last().defaultButton, Dialogs::Answer::No);
  EXPECT_TRUE(w->Timers().IsRunning(99));
}

TEST(MainWindowExit, YesSavesTheSettingsThenStopsAndLogs) {
  TestStation s;
  s.settings.WriteSettingValue(QStringLiteral("Keep Play Log"), QStringLiteral("1"));
  s.settings.WriteSettingValue(QStringLiteral("Def Audio Folder"), QStringLiteral("/music/"));
  auto w = s.Open();
  s.dialogs.answers.enqueue(Dialogs::Answer::Yes);
  EXPECT_TRUE(w->RequestExit());
  EXPECT_FALSE(w->Timers().IsRunning(99));
  EXPECT_EQ(s.settings.ReadSettingValue(QStringLiteral("Def Audio Folder")), QStringLiteral("/music/"));
  EXPECT_EQ(s.settings.ReadSettingValue(QStringLiteral("Def AD List Folder")), QString());
  const QString log = s.LogText();
  const int saved = int(log.indexOf(QStringLiteral("\"APP\",\"Registry Entries Saved\"")));
  const int exited = int(log.indexOf(QStringLiteral("\"APP\",\"APPLICATION EXITED\"")));
  EXPECT_GE(saved, 0);
  EXPECT_GT(exited, saved);
  EXPECT_TRUE(log.startsWith(QStringLiteral("\"07/03/2001\",\"09:05:03\"")));
}

}  // namespace
