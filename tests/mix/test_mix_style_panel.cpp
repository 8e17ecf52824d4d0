#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>

#include "mix/MixStylePanel.h"
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "support/ScriptedDialogs.h"

namespace {

QByteArray StyleLine(const QStringList& fields) {
  QByteArray out;
  for (int i = 0; i < fields.size(); ++i) out += '"' + fields[i].toUtf8() + '"' + (i + 1 < fields.size() ? "," : "\r\n");
  return out;
}

const QByteArray kTable = StyleLine({"ADVS", "1", "0", "1", "2", "0", "10", "1", "1", "0", "0", "0", "0", "0", "0"}) +
                          StyleLine({"DEF1", "6", "0", "1", "2", "0", "10", "46", "1", "95", "0", "0", "0", "0", "0"}) +
                          StyleLine({"WILD", "30", "-3", "0", "12", "9", "5", "1", "1", "100", "0", "0", "0", "0", "0"}) +
                          StyleLine({"SLOW", "12", "20", "1", "3", "1", "40", "1", "1", "50", "0", "0", "0", "0", "0"});

class MixStylePanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    log.SetEnabled(true);
    QObject::connect(&panel, &MixStylePanel::statusText, [this](const QString& t) { status << t; });
  }
  void WriteTable(const QByteArray& bytes) {
    QFile f(dir.filePath("MxStyles.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  template <typename W>
  W* Child(const char* name) {
    W* w = panel.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QString Label(const char* name) { return Child<QLabel>(name)->text(); }
  QComboBox* List() { return Child<QComboBox>("styleList"); }

  QTemporaryDir dir;
  FixedClock clock{QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9))};
  PlayLog log{clock, dir.path()};
  ScriptedDialogs dialogs;
  MixSettings settings;
  MixStylePanel panel{settings, &log, &dialogs, dir.path() + "/"};
  QStringList status;
};

TEST_F(MixStylePanelTest, InitialControlsMatchTheSettings) {
  EXPECT_EQ(panel.title(), "Mix Style");
  struct Slider {
    const char* name;
    int min, max, value;
  } sliders[] = {{"skipSlider", 0, 60, 4},     {"waitSlider", 0, 45, 0},      {"inSpeedSlider", 0, 10, 2},
                 {"outSpeedSlider", 0, 3, 0}, {"mixSpeedSlider", 10, 50, 25}, {"startVolumeSlider", 0, 95, 95}};
  for (const Slider& s : sliders) {
    QSlider* w = Child<QSlider>(s.name);
    EXPECT_EQ(w->minimum(), s.min) << s.name;
    EXPECT_EQ(w->maximum(), s.max) << s.name;
    EXPECT_EQ(w->value(), s.value) << s.name;
  }
  const MixSettings fresh;
  EXPECT_EQ(fresh.skipSecOffset, 4);
  EXPECT_EQ(fresh.mixTimerInterval, 25);
  EXPECT_EQ(fresh.styleStartVolume, 95);
  EXPECT_FALSE(Child<QCheckBox>("mixAtBox")->isChecked());
  EXPECT_FALSE(Child<QSlider>("waitSlider")->isEnabled());
  EXPECT_FALSE(Child<QLabel>("waitLabel")->isEnabled());
  EXPECT_EQ(Label("skipLabel"), "Skip the last 4 seconds");
  EXPECT_EQ(Label("inSpeedLabel"), "In Speed 2");
  EXPECT_EQ(Label("outSpeedLabel"), "Out Speed 0");
  EXPECT_EQ(Label("startVolumeLabel"), "-95");
  EXPECT_EQ(Child<QSlider>("mixSpeedSlider")->toolTip(), "Mix Time Duration (mix speed)");
  EXPECT_EQ(Child<QSlider>("startVolumeSlider")->toolTip(), "Set Start (on load) Volume");
}

TEST_F(MixStylePanelTest, LoadSelectsTheLastStyleWithoutApplyingIt) {
  WriteTable(kTable);
  ASSERT_EQ(panel.LoadStyles(), 4);
  ASSERT_EQ(panel.ApplyStyle("DEF1"), 1);
  ASSERT_EQ(panel.LoadStyles(), 4);
  EXPECT_EQ(status.last(), "Mix Styles loaded: 4");
  EXPECT_EQ(List()->currentText(), "SLOW");
  EXPECT_EQ(settings.appliedStyleName, "DEF1");
  EXPECT_EQ(settings.mixTimerInterval, 10);
  EXPECT_EQ(settings.skipSecOffset, 6);
}

TEST_F(MixStylePanelTest, ApplyStyleSetsControlsAndClampedValues) {
  WriteTable(kTable);
  ASSERT_EQ(panel.LoadStyles(), 4);
  ASSERT_EQ(panel.ApplyStyle("WILD"), 2);
  EXPECT_EQ(settings.appliedStyleName, "WILD");
  EXPECT_EQ(settings.skipSecOffset, 30);
  EXPECT_EQ(settings.waitVolumeValue, 0);    // -3
  EXPECT_EQ(settings.waitVolume, 0);
  EXPECT_EQ(settings.inSpeedStep, 10);       // 12
  EXPECT_EQ(settings.outSpeedStep, 3);       // 9
  EXPECT_EQ(settings.mixTimerInterval, 10);  // 5
  EXPECT_EQ(settings.styleStartVolume, 95);  // 100
  EXPECT_EQ(panel.currentStyleName(), "WILD");
  EXPECT_EQ(List()->currentText(), "WILD");
  EXPECT_EQ(Label("skipLabel"), "Skip the last 30 seconds");
  EXPECT_EQ(Label("waitLabel"), "-0 db");
  EXPECT_EQ(Label("inSpeedLabel"), "In Speed 10");
  EXPECT_EQ(Label("outSpeedLabel"), "Out Speed 3");
  EXPECT_EQ(Label("mixSpeedLabel"), "-10");
  EXPECT_EQ(Label("startVolumeLabel"), "-95");
  EXPECT_FALSE(Child<QSlider>("waitSlider")->isEnabled());
  EXPECT_EQ(status.last(), "");

  ASSERT_EQ(panel.ApplyStyle("SLOW"), 3);
  EXPECT_TRUE(Child<QCheckBox>("mixAtBox")->isChecked());
  EXPECT_TRUE(Child<QSlider>("waitSlider")->isEnabled());
  EXPECT_TRUE(Child<QLabel>("waitLabel")->isEnabled());
  EXPECT_EQ(settings.waitVolume, 1);
  EXPECT_EQ(settings.waitVolumeValue, 20);
  EXPECT_EQ(Label("waitLabel"), "-20 db");
}

TEST_F(MixStylePanelTest, AdvertStyleKeepsTheSkipTime) {
  WriteTable(kTable);
  ASSERT_EQ(panel.LoadStyles(), 4);
  ASSERT_EQ(panel.ApplyStyle("SLOW"), 3);
  ASSERT_EQ(panel.ApplyStyle("ADVS"), 0);
  EXPECT_EQ(settings.appliedStyleName, "ADVS");
  EXPECT_EQ(settings.skipSecOffset, 12);
  EXPECT_EQ(settings.styleStartVolume, 0);
  EXPECT_EQ(Label("skipLabel"), "Skip the last 15 frames");
  EXPECT_FALSE(Child<QSlider>("skipSlider")->isEnabled());
  EXPECT_FALSE(Child<QLabel>("skipLabel")->isEnabled());
  EXPECT_EQ(panel.currentStyleName(), "SLOW");  // adverts never become the user's choice

  ASSERT_EQ(panel.ApplyStyle("DEF1"), 1);
  EXPECT_TRUE(Child<QSlider>("skipSlider")->isEnabled());
  EXPECT_EQ(Label("skipLabel"), "Skip the last 6 seconds");
}

TEST_F(MixStylePanelTest, UnknownOrEmptyChoices) {
  EXPECT_EQ(panel.ApplyStyle("DEF1"), 0);  // nothing loaded
  EXPECT_EQ(settings.appliedStyleName, "");
  panel.OnStyleChosen();
  EXPECT_EQ(status.last(), "Styles List is Empty!!!");

  WriteTable(kTable);
  ASSERT_EQ(panel.LoadStyles(), 4);
  ASSERT_EQ(panel.ApplyStyle("SLOW"), 3);
  const MixSettings before = settings;
  EXPECT_EQ(panel.ApplyStyle("def1"), 0);
  EXPECT_EQ(panel.currentStyleName(), "DEF1");
  EXPECT_EQ(List()->currentText(), "DEF1");
  EXPECT_EQ(settings.appliedStyleName, before.appliedStyleName);
  EXPECT_EQ(settings.mixTimerInterval, before.mixTimerInterval);
  EXPECT_EQ(settings.waitVolumeValue, before.waitVolumeValue);
  EXPECT_EQ(Child<QSlider>("mixSpeedSlider")->value(), 40);
}

TEST_F(MixStylePanelTest, ChoosingInTheListAppliesTheStyle) {
  WriteTable(kTable);
  ASSERT_EQ(panel.LoadStyles(), 4);
  List()->setCurrentIndex(2);
  panel.OnStyleChosen();
  EXPECT_EQ(settings.appliedStyleName, "WILD");
  EXPECT_EQ(panel.currentStyleName(), "WILD");
}

TEST_F(MixStylePanelTest, HandMovesStoreAtOnce) {
  Child<QSlider>("skipSlider")->setValue(33);
  Child<QSlider>("mixSpeedSlider")->setValue(44);
  Child<QSlider>("startVolumeSlider")->setValue(120);
  Child<QSlider>("inSpeedSlider")->setValue(7);
  Child<QSlider>("outSpeedSlider")->setValue(1);
  Child<QCheckBox>("mixAtBox")->setChecked(true);
  Child<QSlider>("waitSlider")->setValue(12);
  EXPECT_EQ(settings.skipSecOffset, 33);
  EXPECT_EQ(Label("skipLabel"), "Skip the last 33 seconds");
  EXPECT_EQ(settings.mixTimerInterval, 44);
  EXPECT_EQ(Label("mixSpeedLabel"), "44");
  EXPECT_EQ(settings.styleStartVolume, 95);
  EXPECT_EQ(settings.inSpeedStep, 7);
  EXPECT_EQ(Label("inSpeedLabel"), "In Speed 7");
  EXPECT_EQ(settings.outSpeedStep, 1);
  EXPECT_EQ(settings.waitVolume, 1);
  EXPECT_TRUE(Child<QSlider>("waitSlider")->isEnabled());
  EXPECT_EQ(settings.waitVolumeValue, 12);
  EXPECT_EQ(Label("waitLabel"), "-12 db");
  Child<QCheckBox>("mixAtBox")->setChecked(false);
  EXPECT_EQ(settings.waitVolume, 0);
  EXPECT_FALSE(Child<QLabel>("waitLabel")->isEnabled());
}

TEST_F(MixStylePanelTest, StartUpWritesDefaultsWhenNoUsableTable) {
  WriteTable("no quotes here\r\n");
  panel.StartUp("DEF1");
  EXPECT_EQ(status.first(), "Mix Styles loaded: 0");
  EXPECT_EQ(dialogs.Texts(), QStringList{"Default Mix Styles created!"});
  EXPECT_EQ(List()->count(), 2);
  EXPECT_EQ(settings.appliedStyleName, "DEF1");
  EXPECT_EQ(settings.styleStartVolume, 95);
  EXPECT_EQ(panel.currentStyleName(), "DEF1");
}

TEST_F(MixStylePanelTest, DefaultStylesWrittenAreAnnouncedUnwritableOnesLogged) {
  ASSERT_TRUE(panel.WriteDefaultStyles(dir.path()));
  EXPECT_EQ(dialogs.Texts(), QStringList{"Default Mix Styles created!"});
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Information);
  EXPECT_FALSE(QFile::exists(log.FilePath()));

  dialogs.messages.clear();
  const QString folder = dir.filePath("missing");
  EXPECT_FALSE(panel.WriteDefaultStyles(folder));
  EXPECT_TRUE(dialogs.Texts().isEmpty());
  QFile f(log.FilePath());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "\"06/05/2024\",\"07:08:09\",\"ERR\",\"Can't create default mix styles\",\"" +
                             (folder + "/MxStyles.txt").toUtf8() + "\"\r\n");
}

TEST_F(MixStylePanelTest, StartUpWithATableAppliesNothing) {
  WriteTable(kTable);
  panel.StartUp("SLOW");
  EXPECT_TRUE(dialogs.Texts().isEmpty());
  EXPECT_EQ(panel.currentStyleName(), "SLOW");
  EXPECT_EQ(settings.appliedStyleName, "");
  EXPECT_EQ(settings.mixTimerInterval, 25);
  EXPECT_EQ(panel.StyleForClip("Song", false, "DEF1"), "SLOW");
  EXPECT_EQ(panel.StyleForClip("Song", true, "DEF1"), "DEF1");
}

}  // namespace
