// The "Mix Style" group's model: loading and applying styles, the controls that mirror the
// settings in force, the user's moves, and which changes it reports.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "mix/MixStyleModel.h"
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "support/ScriptedDialogs.h"

namespace {

QByteArray StyleLine(const QStringList& fields) {
  QByteArray out;
  for (int i = 0; i < fields.size(); ++i)
    out += '"' + fields[i].toUtf8() + '"' + (i + 1 < fields.size() ? "," : "\r\n");
  return out;
}

const QByteArray kTable =
    StyleLine({"ADVS", "1", "0", "1", "2", "0", "10", "1", "1", "0", "0", "0", "0", "0", "0"}) +
    StyleLine({"DEF1", "6", "0", "1", "2", "0", "10", "46", "1", "95", "0", "0", "0", "0", "0"}) +
    StyleLine({"WILD", "30", "-3", "0", "12", "9", "5", "1", "1", "100", "0", "0", "0", "0", "0"}) +
    StyleLine({"SLOW", "12", "20", "1", "3", "1", "40", "1", "1", "50", "0", "0", "0", "0", "0"}) +
    StyleLine({"SLOW2", "12", "20", "1", "4", "1", "40", "1", "1", "50", "0", "0", "0", "0", "0"});

class MixStyleModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    log.SetEnabled(true);
    QObject::connect(&model, &MixStyleModel::statusText, [this](const QString& t) { status << t; });
    QObject::connect(&model, &MixStyleModel::sliderChanged, [this](MixSlider s) { changed << s; });
  }
  void WriteTable(const QByteArray& bytes) {
    QFile f(dir.filePath("MxStyles.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  const SliderState& Slider(MixSlider s) const { return model.Slider(s); }
  QString Label(MixSlider s) const { return model.Slider(s).label; }
  QString ListText() const {
    const int i = model.ListIndex();
    return i >= 0 && i < model.StyleNames().size() ? model.StyleNames()[i] : QString();
  }

  QTemporaryDir dir;
  FixedClock clock{QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9))};
  PlayLog log{clock, dir.path()};
  ScriptedDialogs dialogs;
  MixSettings settings;
  MixStyleModel model{settings, &log, &dialogs, dir.path() + "/"};
  QStringList status;
  QList<MixSlider> changed;
};

TEST_F(MixStyleModelTest, InitialControlsMatchTheSettings) {
  struct Case {
    MixSlider slider;
    int min, max, value;
    const char* label;
    bool enabled;
  } cases[] = {{MixSlider::Skip, 0, 60, 4, "Skip the last 4 seconds", true},
               {MixSlider::WaitLevel, 0, 45, 0, "0 db", false},
               {MixSlider::InSpeed, 0, 10, 2, "In Speed 2", true},
               {MixSlider::OutSpeed, 0, 3, 0, "Out Speed 0", true},
               {MixSlider::MixSpeed, 10, 50, 25, "100", true},
               {MixSlider::StartVolume, 0, 95, 95, "-95", true}};
  const MixSettings fresh;
  MixSettings copy = fresh;
  for (const Case& s : cases) {
    const int i = static_cast<int>(s.slider);
    EXPECT_EQ(RangeOf(s.slider).min, s.min) << i;
    EXPECT_EQ(RangeOf(s.slider).max, s.max) << i;
    EXPECT_EQ(Slider(s.slider).value, s.value) << i;
    EXPECT_EQ(Label(s.slider), s.label) << i;
    EXPECT_EQ(Slider(s.slider).enabled, s.enabled) << i;
    EXPECT_EQ(SettingOf(copy, s.slider), s.value) << i;
  }
  EXPECT_FALSE(model.MixAt());
  EXPECT_EQ(fresh.waitVolume, 0);
  EXPECT_EQ(model.ListIndex(), -1);
  EXPECT_EQ(model.currentStyleName(), "DEF1");
}

TEST_F(MixStyleModelTest, LoadSelectsTheLastStyleWithoutApplyingIt) {
  WriteTable(kTable);
  ASSERT_EQ(model.LoadStyles(), 5);
  ASSERT_EQ(model.ApplyStyle("DEF1"), 1);
  ASSERT_EQ(model.LoadStyles(), 5);
  EXPECT_EQ(status.last(), "Mix Styles loaded: 5");
  EXPECT_EQ(model.StyleNames(), (QStringList{"ADVS", "DEF1", "WILD", "SLOW", "SLOW2"}));
  EXPECT_EQ(ListText(), "SLOW2");
  EXPECT_EQ(settings.appliedStyleName, "DEF1");
  EXPECT_EQ(settings.mixTimerInterval, 10);
  EXPECT_EQ(settings.skipSecOffset, 6);
}

TEST_F(MixStyleModelTest, AFailedLoadLeavesTheListAsItWas) {
  WriteTable(kTable);
  ASSERT_EQ(model.LoadStyles(), 5);
  QFile::remove(dir.filePath("MxStyles.txt"));
  int reloads = 0;
  QObject::connect(&model, &MixStyleModel::stylesChanged, [&reloads] { ++reloads; });
  EXPECT_LT(model.LoadStyles(), 0);
  EXPECT_EQ(reloads, 0);
  EXPECT_EQ(model.StyleNames().size(), 5);
  EXPECT_EQ(ListText(), "SLOW2");
  EXPECT_EQ(status.last(), "Mix Styles loaded: 5");
}

TEST_F(MixStyleModelTest, ApplyStyleSetsControlsAndClampedValues) {
  WriteTable(kTable);
  ASSERT_EQ(model.LoadStyles(), 5);
  ASSERT_EQ(model.ApplyStyle("WILD"), 2);
  EXPECT_EQ(settings.appliedStyleName, "WILD");
  EXPECT_EQ(settings.skipSecOffset, 30);
  EXPECT_EQ(settings.waitVolumeValue, 0);  // -3
  EXPECT_EQ(settings.waitVolume, 0);
  EXPECT_EQ(settings.inSpeedStep, 10);       // 12
  EXPECT_EQ(settings.outSpeedStep, 3);       // 9
  EXPECT_EQ(settings.mixTimerInterval, 10);  // 5
  EXPECT_EQ(settings.styleStartVolume, 95);  // 100
  EXPECT_EQ(model.currentStyleName(), "WILD");
  EXPECT_EQ(ListText(), "WILD");
  EXPECT_EQ(Label(MixSlider::Skip), "Skip the last 30 seconds");
  EXPECT_EQ(Label(MixSlider::WaitLevel), "-0 db");
  EXPECT_EQ(Label(MixSlider::InSpeed), "In Speed 10");
  EXPECT_EQ(Label(MixSlider::OutSpeed), "Out Speed 3");
  EXPECT_EQ(Label(MixSlider::MixSpeed), "-10");
  EXPECT_EQ(Label(MixSlider::StartVolume), "-95");
  for (MixSlider s : kMixSliders) EXPECT_EQ(Slider(s).value, SettingOf(settings, s)) << static_cast<int>(s);
  EXPECT_FALSE(Slider(MixSlider::WaitLevel).enabled);
  EXPECT_EQ(status.last(), "");

  ASSERT_EQ(model.ApplyStyle("SLOW"), 3);
  EXPECT_TRUE(model.MixAt());
  EXPECT_TRUE(Slider(MixSlider::WaitLevel).enabled);
  EXPECT_EQ(settings.waitVolume, 1);
  EXPECT_EQ(settings.waitVolumeValue, 20);
  EXPECT_EQ(Label(MixSlider::WaitLevel), "-20 db");
}

TEST_F(MixStyleModelTest, AdvertStyleKeepsTheSkipTime) {
  WriteTable(kTable);
  ASSERT_EQ(model.LoadStyles(), 5);
  ASSERT_EQ(model.ApplyStyle("SLOW"), 3);
  ASSERT_EQ(model.ApplyStyle("ADVS"), 0);
  EXPECT_EQ(settings.appliedStyleName, "ADVS");
  EXPECT_EQ(settings.skipSecOffset, 12);
  EXPECT_EQ(Slider(MixSlider::Skip).value, 12);
  EXPECT_EQ(settings.styleStartVolume, 0);
  EXPECT_EQ(Label(MixSlider::Skip), "Skip the last 15 frames");
  EXPECT_FALSE(Slider(MixSlider::Skip).enabled);
  EXPECT_EQ(model.currentStyleName(), "SLOW");  // adverts never become the user's choice
  EXPECT_EQ(ListText(), "ADVS");

  // A crossfade of the advert starts from the controls, which still hold the skip time.
  settings.skipSecOffset = 0;
  model.CaptureMixSettings();
  EXPECT_EQ(settings.skipSecOffset, 12);

  ASSERT_EQ(model.ApplyStyle("DEF1"), 1);
  EXPECT_TRUE(Slider(MixSlider::Skip).enabled);
  EXPECT_EQ(Label(MixSlider::Skip), "Skip the last 6 seconds");
}

TEST_F(MixStyleModelTest, UnknownOrEmptyChoices) {
  EXPECT_EQ(model.ApplyStyle("DEF1"), 0);  // nothing loaded
  EXPECT_EQ(settings.appliedStyleName, "");
  model.ChooseStyle(-1);
  EXPECT_EQ(status.last(), "Styles List is Empty!!!");
  model.ChooseStyle(0);
  EXPECT_EQ(status.size(), 2);
  EXPECT_EQ(status.last(), "Styles List is Empty!!!");

  WriteTable(kTable);
  ASSERT_EQ(model.LoadStyles(), 5);
  ASSERT_EQ(model.ApplyStyle("SLOW"), 3);
  const MixSettings before = settings;
  EXPECT_EQ(model.ApplyStyle("def1"), 0);
  EXPECT_EQ(model.currentStyleName(), "DEF1");
  EXPECT_EQ(ListText(), "DEF1");
  EXPECT_EQ(settings.appliedStyleName, before.appliedStyleName);
  EXPECT_EQ(settings.mixTimerInterval, before.mixTimerInterval);
  EXPECT_EQ(settings.waitVolumeValue, before.waitVolumeValue);
  EXPECT_EQ(Slider(MixSlider::MixSpeed).value, 40);

  // A table without "DEF1": the list shows no choice at all.
  WriteTable(StyleLine({"ONLY", "1", "0", "1", "2", "0", "10", "1", "1", "0", "0", "0", "0", "0", "0"}));
  ASSERT_EQ(model.LoadStyles(), 1);
  EXPECT_EQ(model.ApplyStyle("nope"), 0);
  EXPECT_EQ(model.ListIndex(), -1);
  model.ChooseStyle(5);
  EXPECT_EQ(status.last(), "Styles List is Empty!!!");
}

TEST_F(MixStyleModelTest, ChoosingInTheListAppliesTheStyle) {
  WriteTable(kTable);
  ASSERT_EQ(model.LoadStyles(), 5);
  model.ChooseStyle(2);
  EXPECT_EQ(settings.appliedStyleName, "WILD");
  EXPECT_EQ(model.currentStyleName(), "WILD");
  EXPECT_EQ(model.ListIndex(), 2);
}

TEST_F(MixStyleModelTest, HandMovesStoreAtOnce) {
  model.MoveSlider(MixSlider::Skip, 33);
  model.MoveSlider(MixSlider::MixSpeed, 44);
  model.MoveSlider(MixSlider::StartVolume, 120);
  model.MoveSlider(MixSlider::InSpeed, 7);
  model.MoveSlider(MixSlider::OutSpeed, 1);
  model.SetMixAt(true);
  model.MoveSlider(MixSlider::WaitLevel, 12);
  EXPECT_EQ(settings.skipSecOffset, 33);
  EXPECT_EQ(Label(MixSlider::Skip), "Skip the last 33 seconds");
  EXPECT_EQ(settings.mixTimerInterval, 44);
  EXPECT_EQ(Label(MixSlider::MixSpeed), "44");
  EXPECT_EQ(settings.styleStartVolume, 95);
  EXPECT_EQ(Slider(MixSlider::StartVolume).value, 95);
  EXPECT_EQ(settings.inSpeedStep, 7);
  EXPECT_EQ(Label(MixSlider::InSpeed), "In Speed 7");
  EXPECT_EQ(settings.outSpeedStep, 1);
  EXPECT_EQ(Label(MixSlider::OutSpeed), "Out Speed 1");
  EXPECT_EQ(settings.waitVolume, 1);
  EXPECT_TRUE(Slider(MixSlider::WaitLevel).enabled);
  EXPECT_EQ(settings.waitVolumeValue, 12);
  EXPECT_EQ(Label(MixSlider::WaitLevel), "-12 db");
  model.MoveSlider(MixSlider::MixSpeed, 3);
  EXPECT_EQ(settings.mixTimerInterval, 10);
  model.SetMixAt(false);
  EXPECT_EQ(settings.waitVolume, 0);
  EXPECT_FALSE(Slider(MixSlider::WaitLevel).enabled);
}

TEST_F(MixStyleModelTest, CaptureCopiesTheControlsAndRestartsTheSteps) {
  model.MoveSlider(MixSlider::InSpeed, 6);
  model.SetMixAt(true);
  // The crossfade has run its steps up, and something wrote the values in force.
  settings.inSpeed = 40;
  settings.outSpeed = 9;
  settings.inSpeedStep = 1;
  settings.waitVolume = 0;
  settings.mixTimerInterval = 50;
  model.CaptureMixSettings();
  EXPECT_EQ(settings.inSpeedStep, 6);
  EXPECT_EQ(settings.waitVolume, 1);
  EXPECT_EQ(settings.mixTimerInterval, 25);
  EXPECT_EQ(settings.inSpeed, 1);
  EXPECT_EQ(settings.outSpeed, 1);
}

// The panel redraws what the model reports, so it must report each slider that changed
// and none that did not; a style applied for every clip then costs nothing on screen.
TEST_F(MixStyleModelTest, ReportsOnlyWhatChanged) {
  WriteTable(kTable);
  ASSERT_EQ(model.LoadStyles(), 5);
  ASSERT_EQ(model.ApplyStyle("SLOW"), 3);
  int listMoves = 0, boxFlips = 0;
  QObject::connect(&model, &MixStyleModel::listIndexChanged, [&listMoves] { ++listMoves; });
  QObject::connect(&model, &MixStyleModel::mixAtChanged, [&boxFlips] { ++boxFlips; });

  changed.clear();
  ASSERT_EQ(model.ApplyStyle("SLOW"), 3);
  model.CaptureMixSettings();
  EXPECT_TRUE(changed.isEmpty());
  EXPECT_EQ(listMoves, 0);
  EXPECT_EQ(boxFlips, 0);

  ASSERT_EQ(model.ApplyStyle("SLOW2"), 4);  // differs in the in speed alone
  EXPECT_EQ(changed, QList<MixSlider>{MixSlider::InSpeed});
  EXPECT_EQ(listMoves, 1);

  changed.clear();
  model.MoveSlider(MixSlider::OutSpeed, 1);  // where it already is
  EXPECT_TRUE(changed.isEmpty());
  model.SetMixAt(false);
  EXPECT_EQ(changed, QList<MixSlider>{MixSlider::WaitLevel});
  EXPECT_EQ(boxFlips, 1);

  // Reading the same table again only moves the choice back to its last entry.
  int reloads = 0;
  QObject::connect(&model, &MixStyleModel::stylesChanged, [&reloads] { ++reloads; });
  model.ChooseStyle(1);
  listMoves = 0;
  ASSERT_EQ(model.LoadStyles(), 5);
  EXPECT_EQ(reloads, 0);
  EXPECT_EQ(listMoves, 1);
  EXPECT_EQ(ListText(), "SLOW2");
  WriteTable(kTable + StyleLine({"NEW"}));
  ASSERT_EQ(model.LoadStyles(), 6);
  EXPECT_EQ(reloads, 1);
  EXPECT_EQ(ListText(), "NEW");
}

TEST_F(MixStyleModelTest, StartUpWritesDefaultsWhenNoUsableTable) {
  WriteTable("no quotes here\r\n");
  model.StartUp("DEF1");
  EXPECT_EQ(status.first(), "Mix Styles loaded: 0");
  EXPECT_EQ(dialogs.Texts(), QStringList{"Default Mix Styles created!"});
  EXPECT_EQ(model.StyleNames(), (QStringList{"ADVS", "DEF1"}));
  EXPECT_EQ(settings.appliedStyleName, "DEF1");
  EXPECT_EQ(settings.styleStartVolume, 95);
  EXPECT_EQ(model.currentStyleName(), "DEF1");
}

TEST_F(MixStyleModelTest, DefaultStylesWrittenAreAnnouncedUnwritableOnesLogged) {
  ASSERT_TRUE(model.WriteDefaultStyles(dir.path()));
  EXPECT_EQ(dialogs.Texts(), QStringList{"Default Mix Styles created!"});
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Information);
  EXPECT_FALSE(QFile::exists(log.FilePath()));

  dialogs.messages.clear();
  const QString folder = dir.filePath("missing");
  EXPECT_FALSE(model.WriteDefaultStyles(folder));
  EXPECT_TRUE(dialogs.Texts().isEmpty());
  QFile f(log.FilePath());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().contains("\"ERR\",\"Can't create default mix styles\",\"" + (folder + "/MxStyles.txt").toUtf8() +
                                   "\"\r\n"));
}

TEST_F(MixStyleModelTest, StartUpWithATableAppliesNothing) {
  WriteTable(kTable);
  model.StartUp("SLOW");
  EXPECT_TRUE(dialogs.Texts().isEmpty());
  EXPECT_EQ(model.currentStyleName(), "SLOW");
  EXPECT_EQ(settings.appliedStyleName, "");
  EXPECT_EQ(settings.mixTimerInterval, 25);
  EXPECT_EQ(model.StyleForClip("Song", false, "DEF1"), "SLOW");
  EXPECT_EQ(model.StyleForClip("Song", true, "DEF1"), "DEF1");
  EXPECT_EQ(model.StyleForClip("* Spot", true, "DEF1"), "ADVS");
}

TEST_F(MixStyleModelTest, ReloadAfterEditorAppliesTheDefaultStyle) {
  WriteTable(kTable);
  ASSERT_EQ(model.LoadStyles(), 5);
  ASSERT_EQ(model.ApplyStyle("WILD"), 2);
  WriteTable(StyleLine({"DEF1", "9", "0", "1", "2", "0", "20", "1", "1", "80", "0", "0", "0", "0", "0"}));
  model.ReloadAfterEditor("DEF1");
  EXPECT_EQ(model.StyleNames(), QStringList{"DEF1"});
  EXPECT_EQ(settings.appliedStyleName, "DEF1");
  EXPECT_EQ(settings.skipSecOffset, 9);
  EXPECT_EQ(settings.mixTimerInterval, 20);
  EXPECT_EQ(settings.styleStartVolume, 80);
  EXPECT_EQ(model.currentStyleName(), "DEF1");
}

}  // namespace
