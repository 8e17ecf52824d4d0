// The "Mix Style" panel as a view: it shows what the model holds, follows the model's
// changes, and hands the user's moves and choices to the model.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include "mix/MixStyleModel.h"
#include "mix/ui/MixStylePanel.h"

namespace {

QByteArray StyleLine(const QStringList& fields) {
  QByteArray out;
  for (int i = 0; i < fields.size(); ++i)
    out += '"' + fields[i].toUtf8() + '"' + (i + 1 < fields.size() ? "," : "\r\n");
  return out;
}

const QByteArray kTable = StyleLine({"ADVS", "1", "0", "1", "2", "0", "10", "1", "1", "0", "0", "0", "0", "0", "0"}) +
                          StyleLine({"DEF1", "6", "0", "1", "2", "0", "10", "46", "1", "95", "0", "0", "0", "0", "0"}) +
                          StyleLine({"SLOW", "12", "20", "1", "3", "1", "40", "1", "1", "50", "0", "0", "0", "0", "0"});

struct Names {
  MixSlider slider;
  const char* sliderName;
  const char* labelName;
};
const Names kNames[] = {{MixSlider::Skip, "skipSlider", "skipLabel"},
                        {MixSlider::WaitLevel, "waitSlider", "waitLabel"},
                        {MixSlider::InSpeed, "inSpeedSlider", "inSpeedLabel"},
                        {MixSlider::OutSpeed, "outSpeedSlider", "outSpeedLabel"},
                        {MixSlider::MixSpeed, "mixSpeedSlider", "mixSpeedLabel"},
                        {MixSlider::StartVolume, "startVolumeSlider", "startVolumeLabel"}};

class MixStylePanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile f(dir.filePath("MxStyles.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kTable);
  }
  template <typename W>
  W* Child(const char* name) {
    W* w = panel.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QComboBox* List() { return Child<QComboBox>("styleList"); }
  QCheckBox* Box() { return Child<QCheckBox>("mixAtBox"); }

  // Every slider, label and the box show exactly what the model holds.
  void ExpectShowsTheModel(const char* when) {
    for (const Names& n : kNames) {
      const SliderState& state = model.Slider(n.slider);
      QSlider* slider = Child<QSlider>(n.sliderName);
      QLabel* label = Child<QLabel>(n.labelName);
      EXPECT_EQ(slider->minimum(), RangeOf(n.slider).min) << when << " " << n.sliderName;
      EXPECT_EQ(slider->maximum(), RangeOf(n.slider).max) << when << " " << n.sliderName;
      EXPECT_EQ(slider->value(), state.value) << when << " " << n.sliderName;
      EXPECT_EQ(slider->isEnabled(), state.enabled) << when << " " << n.sliderName;
      EXPECT_EQ(label->text(), state.label) << when << " " << n.labelName;
      EXPECT_EQ(label->isEnabled(), state.enabled) << when << " " << n.labelName;
    }
    EXPECT_EQ(Box()->isChecked(), model.MixAt()) << when;
    QStringList entries;
    for (int i = 0; i < List()->count(); ++i) entries << List()->itemText(i);
    EXPECT_EQ(entries, model.StyleNames()) << when;
    EXPECT_EQ(List()->currentIndex(), model.ListIndex()) << when;
  }

  QTemporaryDir dir;
  MixSettings settings;
  MixStyleModel model{settings, nullptr, nullptr, dir.path() + "/"};
  MixStylePanel panel{model};
};

TEST_F(MixStylePanelTest, ShowsTheModelAndFollowsItsChanges) {
  EXPECT_EQ(panel.title(), "Mix Style");
  EXPECT_EQ(Box()->text(), "Mix at ");
  EXPECT_EQ(Child<QSlider>("mixSpeedSlider")->toolTip(), "Mix Time Duration (mix speed)");
  EXPECT_EQ(Child<QSlider>("startVolumeSlider")->toolTip(), "Set Start (on load) Volume");
  ExpectShowsTheModel("at first");
  EXPECT_EQ(Child<QLabel>("mixSpeedLabel")->text(), "100");

  ASSERT_EQ(model.LoadStyles(), 3);
  ExpectShowsTheModel("after loading");
  EXPECT_EQ(List()->currentText(), "SLOW");

  ASSERT_EQ(model.ApplyStyle("SLOW"), 2);
  ExpectShowsTheModel("after SLOW");
  EXPECT_TRUE(Box()->isChecked());
  EXPECT_EQ(Child<QLabel>("waitLabel")->text(), "-20 db");

  ASSERT_EQ(model.ApplyStyle("ADVS"), 0);
  ExpectShowsTheModel("after ADVS");
  EXPECT_FALSE(Child<QSlider>("skipSlider")->isEnabled());
  EXPECT_EQ(Child<QLabel>("skipLabel")->text(), "Skip the last 15 frames");
  EXPECT_EQ(List()->currentText(), "ADVS");
  // Showing a style is not a move of the user's.
  EXPECT_EQ(Child<QLabel>("mixSpeedLabel")->text(), "-10");
}

TEST_F(MixStylePanelTest, ForwardsTheUsersMovesToTheModel) {
  ASSERT_EQ(model.LoadStyles(), 3);
  Child<QSlider>("skipSlider")->setValue(33);
  Child<QSlider>("mixSpeedSlider")->setValue(44);
  Child<QSlider>("inSpeedSlider")->setValue(7);
  Child<QSlider>("outSpeedSlider")->setValue(1);
  Child<QSlider>("startVolumeSlider")->setValue(120);
  Box()->setChecked(true);
  Child<QSlider>("waitSlider")->setValue(12);
  EXPECT_EQ(settings.skipSecOffset, 33);
  EXPECT_EQ(settings.mixTimerInterval, 44);
  EXPECT_EQ(settings.inSpeedStep, 7);
  EXPECT_EQ(settings.outSpeedStep, 1);
  EXPECT_EQ(settings.styleStartVolume, 95);
  EXPECT_EQ(settings.waitVolume, 1);
  EXPECT_EQ(settings.waitVolumeValue, 12);
  EXPECT_TRUE(model.MixAt());
  ExpectShowsTheModel("after the moves");
  EXPECT_EQ(Child<QLabel>("mixSpeedLabel")->text(), "44");
  EXPECT_TRUE(Child<QSlider>("waitSlider")->isEnabled());

  // A choice in the list is confirmed by the user: the style goes into force.
  List()->setFocus();
  QTest::keyClick(List(), Qt::Key_Up);
  EXPECT_EQ(settings.appliedStyleName, "DEF1");
  EXPECT_EQ(model.currentStyleName(), "DEF1");
  ExpectShowsTheModel("after choosing DEF1");
  EXPECT_EQ(Child<QLabel>("skipLabel")->text(), "Skip the last 6 seconds");

  // Picking an entry in code is no choice of the user's.
  List()->setCurrentIndex(0);
  EXPECT_EQ(settings.appliedStyleName, "DEF1");
}

}  // namespace
