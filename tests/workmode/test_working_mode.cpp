// The working-mode chooser: the stored mode it shows, APPLY, and the question on CLOSE.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "platform/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "workmode/WorkingModeChooser.h"

namespace {

class WorkingMode : public ::testing::Test {
 protected:
  QString Stored() const { return store.ReadSettingValue(QStringLiteral("KORVO xa WORKING MODE")); }
  QTemporaryDir dir;
  SettingsStore store{dir.filePath(QStringLiteral("KORVO XA.ini"))};
  ScriptedDialogs dialogs;
  WorkingModeChooser chooser{store, dialogs};
};

TEST_F(WorkingMode, ShowsTheStoredModeAndAnythingElseAsNoMonitor) {
  struct Case {
    std::optional<const char*> stored;  // nullopt: no settings file at all
    WorkingModeChooser::Mode shown;
  };
  for (const Case c : {Case{"1", WorkingModeChooser::kMonitor}, Case{"0", WorkingModeChooser::kNoMonitor},
                       Case{"2", WorkingModeChooser::kNoMonitor}, Case{"11", WorkingModeChooser::kNoMonitor},
                       Case{"", WorkingModeChooser::kNoMonitor}, Case{std::nullopt, WorkingModeChooser::kNoMonitor}}) {
    QFile::remove(store.FilePath());
    if (c.stored) store.WriteSettingValue(QStringLiteral("KORVO xa WORKING MODE"), QString::fromLatin1(*c.stored));
    chooser.Open();
    EXPECT_EQ(chooser.Shown(), c.shown) << (c.stored ? *c.stored : "no file");
    EXPECT_FALSE(chooser.ApplyEnabled());
  }
}

TEST_F(WorkingMode, ApplyCreatesTheSettingAndWritesTheTickedMode) {
  ASSERT_FALSE(QFile::exists(store.FilePath()));
  chooser.Open();
  chooser.Choose(WorkingModeChooser::kMonitor);
  EXPECT_TRUE(chooser.ApplyEnabled());
  chooser.Apply();
  EXPECT_FALSE(chooser.ApplyEnabled());
  EXPECT_EQ(Stored(), QStringLiteral("1"));
  chooser.Choose(WorkingModeChooser::kNoMonitor);
  chooser.Apply();
  EXPECT_EQ(Stored(), QStringLiteral("0"));
  chooser.Open();
  EXPECT_EQ(chooser.Shown(), WorkingModeChooser::kNoMonitor);
}

TEST_F(WorkingMode, CloseAsksOnlyAfterAChoiceAndFollowsTheAnswer) {
  struct Case {
    const char* name;
    bool choose;
    Dialogs::Answer answer;
    bool asked;
    bool closes;
    QString stored;  // after the close
  };
  const QString untouched = QStringLiteral("0");
  const Case cases[] = {
      {"no change", false, Dialogs::Answer::Yes, false, true, untouched},
      {"yes", true, Dialogs::Answer::Yes, true, true, QStringLiteral("1")},
      {"no", true, Dialogs::Answer::No, true, true, untouched},
      {"cancel", true, Dialogs::Answer::Cancel, true, false, untouched},
  };
  for (const Case& c : cases) {
    store.WriteSettingValue(QStringLiteral("KORVO xa WORKING MODE"), untouched);
    dialogs.messages.clear();
    dialogs.answers.clear();
    dialogs.answers.enqueue(c.answer);
    chooser.Open();
    if (c.choose) chooser.Choose(WorkingModeChooser::kMonitor);
    EXPECT_EQ(chooser.Close(), c.closes) << c.name;
    ASSERT_EQ(dialogs.messages.size(), c.asked ? 1 : 0) << c.name;
    if (c.asked) {
      EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Do you want to save the changes?"));
      EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::YesNoCancel);
      EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Question);
    }
    EXPECT_EQ(Stored(), c.stored) << c.name;
  }
  // Cancelled: the choice is still there, so a second close asks again.
  dialogs.messages.clear();
  dialogs.answers.clear();
  dialogs.answers.enqueue(Dialogs::Answer::Cancel);
  dialogs.answers.enqueue(Dialogs::Answer::No);
  chooser.Open();
  chooser.Choose(WorkingModeChooser::kMonitor);
  EXPECT_FALSE(chooser.Close());
  EXPECT_TRUE(chooser.Close());
  EXPECT_EQ(dialogs.messages.size(), 2);
}

}  // namespace
