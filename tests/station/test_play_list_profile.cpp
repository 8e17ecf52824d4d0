// The "APL" / "FPL" button: the scanner library bound by name makes the profile off the
// caller's thread, and the songs list takes all of it or the clips matching the word.
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "songs/ClipLoader.h"
#include "songs/RememberedFolders.h"
#include "songs/SongsList.h"
#include "station/PlayListProfile.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("KORVO_DRIVE_C", dir.filePath("drive_c").toUtf8());
    QDir(dir.path()).mkpath("drive_c");
    QDir(dir.path()).mkpath("music/Rock");
    for (const char* name : {"music/Rock/Red Song.mp3", "music/Blue Song.mp3", "music/Green Song.mp3"}) {
      QFile f(dir.filePath(name));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write("not empty");
    }
    qputenv("KORVO_SCAN_ROOTS", dir.filePath("music").toUtf8());
    log.SetEnabled(true);
  }
  void TearDown() override {
    qunsetenv("KORVO_DRIVE_C");
    qunsetenv("KORVO_SCAN_ROOTS");
  }

  // Runs the button and waits for a scan it starts.
  void Press(PlayListProfile& profile, const QString& word) {
    QSignalSpy done(&profile, &PlayListProfile::done);
    profile.Run(word);
    if (profile.Scanning()) {
      ASSERT_TRUE(done.wait(30000));
    }
  }
  QStringList Titles() const {
    QStringList t;
    for (const ClipEntry& e : list.Model().Rows()) t << e.title;
    t.sort();
    return t;
  }
  QString LogText() const {
    QFile f(log.FilePath());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }

  QTemporaryDir dir;
  FixedClock clock;
  PlayLog log{clock, dir.path() + u'/'};
  ScriptedDialogs dialogs;
  RememberedFolders folders;
  QStringList statuses;
  SongsList list{log};
  ClipLoader loader{list, dialogs, log, folders, [this](const QString& s) { statuses << s; }};
};

TEST_F(ProfileTest, AScanAskedForLoadsEveryClipAndAWordLaterOnlyItsOwn) {
  PlayListProfile profile(loader, dialogs, log, [this](const QString& s) { statuses << s; }, QStringLiteral(TUNE_SWEEP));
  dialogs.answers.enqueue(Dialogs::Answer::Yes);
  Press(profile, QString());
  EXPECT_EQ(dialogs.Texts(), QStringList{"Create Play List Profile?"});
  EXPECT_EQ(Titles(), (QStringList{"Blue Song", "Green Song", "Red Song"}));
  EXPECT_TRUE(LogText().contains("\"ACC\",\"Auto Play List Created\""));
  EXPECT_EQ(statuses.first(), "PLEASE WAIT...");
  EXPECT_EQ(statuses.last(), "Ready");

  // A word uses the profile there is, without asking or scanning again.
  list.ClearSongsList();
  dialogs.messages.clear();
  QFile::remove(dir.filePath("music/Blue Song.mp3"));
  Press(profile, QStringLiteral("Rock"));
  EXPECT_TRUE(dialogs.Texts().isEmpty());
  EXPECT_EQ(Titles(), QStringList{"Red Song"});
}

TEST_F(ProfileTest, NoAnswerNoScanAndTheThreeOutcomesOfTheBinding) {
  {
    PlayListProfile profile(loader, dialogs, log, [this](const QString& s) { statuses << s; },
                            QStringLiteral(TUNE_SWEEP));
    dialogs.answers.enqueue(Dialogs::Answer::No);
    Press(profile, QString());
    EXPECT_FALSE(profile.Scanning());
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(QFile::exists(PlayListProfile::ProfilePath()));
  }
  struct Case {
    const char* library;
    const char* status;
    const char* logged;  // nullptr: nothing logged
  } cases[] = {
      {NO_EXPORT_SCANNER, "tunesweep.dll not found", "\"ERR\",\"tunesweep.dll not found\",\"Play List Profile not Created\""},
      {"/nowhere/NoSuchScanner", "Ready", nullptr},
  };
  for (const Case& c : cases) {
    statuses.clear();
    QFile::remove(log.FilePath());
    PlayListProfile profile(loader, dialogs, log, [this](const QString& s) { statuses << s; },
                            QString::fromLatin1(c.library));
    dialogs.answers.enqueue(Dialogs::Answer::Yes);
    Press(profile, QString());
    EXPECT_EQ(statuses.last(), QLatin1String(c.status)) << c.library;
    EXPECT_EQ(list.Count(), 0) << c.library;
    if (c.logged)
      EXPECT_TRUE(LogText().contains(QLatin1String(c.logged))) << LogText().toStdString();
    else
      EXPECT_TRUE(LogText().isEmpty()) << c.library;
  }
}

}  // namespace
