// Bringing clips in, counting, saving with the creator's questions and header, quitting.
#include <QTest>

#include "CreatorFixture.h"
#include "scanner/ScanPlan.h"

namespace {

class CreatorFilesTest : public CreatorFixture {
 protected:
  void SetUp() override { Start(); }
  bool WaitCounted() {
    return QTest::qWaitFor([this] { return !creator->Counter().Running(); }, 30000);
  }
  QByteArray SaveTo(const QString& name) {
    dialogs.saveFiles.enqueue(Path(name));
    EXPECT_EQ(creator->Files().Save(), 0);
    return ReadBytes(Path(name));
  }
};

// One clip never measured: the save asks about it; once counted the question is gone, and
// the saved list carries 25-frame durations although the station counts 30.
TEST_F(CreatorFilesTest, UnmeasuredClipsAreAskedAboutUntilCounted) {
  settings.Write(settings::kFps, 30);
  Add({"a.mp3=00:03:00:24", "b.mp3=00:00:10:00", "c.mp3"});
  engine.durationsMs[Path("c.mp3")] = 1960;  // 1 s 24 frames at 25 fps
  List().RecomputeTotal();

  Answers({Dialogs::Answer::No});
  EXPECT_EQ(creator->Files().Save(), -1);
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text, "In 1 Clips Times are not counted\n\nDo you want to save the Play List anyway?");
  EXPECT_EQ(dialogs.messages[0].defaultButton, Dialogs::Answer::No);
  EXPECT_TRUE(dialogs.fileDialogs.isEmpty());

  List().SetModified(false);
  ASSERT_EQ(creator->Counter().CountTimes(), 0);
  ASSERT_TRUE(WaitCounted());
  EXPECT_EQ(List().List().At(2).duration, "00:00:01:24");
  EXPECT_EQ(List().Total(), "00:03:12:23");
  EXPECT_EQ(List().Status(), "Ready");
  EXPECT_TRUE(List().Modified());

  dialogs.messages.clear();
  const QByteArray bytes = SaveTo("list.prl");
  EXPECT_TRUE(dialogs.messages.isEmpty());
  const QString today = QDate::currentDate().toString("dd/MM/yyyy");
  const QByteArray expected = "\"Tevro Play List - Version 2.0\"\r\n\"Date: " + today.toLatin1() +
                              "\"\r\n\"Owner: KORVO XA user\"\r\n\"Clips: 3\"\r\n\"Duration: 00:03:12:23\"\r\n"
                              "\"Style: \"\r\n\"Description: Created By KORVOPRL\"\r\n\"Date to play: \"\r\n"
                              "\"Time to play: \"\r\n\"00:03:00:24" +
                              QFile::encodeName(Path("a.mp3")) + "\"\r\n\"00:00:10:00" +
                              QFile::encodeName(Path("b.mp3")) + "\"\r\n\"00:00:01:24" +
                              QFile::encodeName(Path("c.mp3")) + "\"\r\n";
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(List().Status(), "KORVO PRL List Saved");
}

// Counting keeps the durations the list already holds and measures only what is missing.
TEST_F(CreatorFilesTest, CountMeasuresOnlyClipsWithoutDuration) {
  Add({"a.mp3=00:00:02:00", "b.mp3=00:00:00:00", "c.mp3", "bad.mp3"});
  engine.durationsMs[Path("a.mp3")] = 99000;  // not asked: its text stands
  engine.durationsMs[Path("b.mp3")] = 1000;
  engine.durationsMs[Path("c.mp3")] = 40;
  List().SetModified(false);
  ASSERT_EQ(creator->Counter().CountTimes(), 0);
  ASSERT_TRUE(WaitCounted());
  QStringList durations;
  for (const ClipEntry& e : List().Model().Rows()) durations << e.duration;
  EXPECT_EQ(durations, QStringList({"00:00:02:00", "00:00:01:00", "00:00:00:01", "00:00:00:00"}));
  EXPECT_EQ(List().Total(), "00:00:03:01");

  // Everything measured: counting again changes nothing and marks nothing.
  List().Model().SetDuration(3, "00:00:00:05");
  List().SetModified(false);
  ASSERT_EQ(creator->Counter().CountTimes(), 0);
  ASSERT_TRUE(WaitCounted());
  EXPECT_FALSE(List().Modified());
  EXPECT_EQ(List().Total(), "00:00:03:06");

  creator->New();
  EXPECT_EQ(creator->Counter().CountTimes(), -1);
  EXPECT_EQ(List().Status(), "Nothing to count");
}

TEST_F(CreatorFilesTest, CountTheCurrentClip) {
  Add({"a.mp3", "b.mp3=00:00:01:00"});
  engine.durationsMs[Path("a.mp3")] = 2000;
  List().List().SelectItem(0);
  List().SetModified(false);
  creator->Counter().CountCurrentClip();
  EXPECT_EQ(List().List().At(0).duration, "00:00:02:00");
  EXPECT_EQ(List().Total(), "00:00:03:00");
  EXPECT_EQ(List().Status(), "Ready");
  EXPECT_TRUE(List().Modified());
}

TEST_F(CreatorFilesTest, SaveRefusesAnEmptyListAndAsksAboutAZeroTotal) {
  EXPECT_EQ(creator->Files().Save(), -1);
  EXPECT_EQ(dialogs.Texts(), QStringList({"Play List is empty"}));
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Warning);

  Add({"a.mp3=00:00:00:00"});
  dialogs.messages.clear();
  Answers({Dialogs::Answer::Yes, Dialogs::Answer::No});
  EXPECT_EQ(creator->Files().Save(), -1);
  EXPECT_EQ(dialogs.Texts(),
            QStringList({"In 1 Clips Times are not counted\n\nDo you want to save the Play List anyway?",
                         "Total Play List Time is not created\n\nDo you want to save anyway?"}));

  // The file cannot be made: the path is the text, the caption says why; still modified.
  dialogs.messages.clear();
  dialogs.saveFiles.enqueue(Path("no/such/folder/list.prl"));
  EXPECT_EQ(creator->Files().Save(), -1);
  ASSERT_EQ(dialogs.messages.size(), 3);
  EXPECT_EQ(dialogs.messages[2].text, Path("no/such/folder/list.prl"));
  EXPECT_EQ(dialogs.messages[2].title, "KORVO couldn't create out file");
  EXPECT_TRUE(List().Modified());
}

TEST_F(CreatorFilesTest, QuitAsksOnlyWhileTheListHoldsUnsavedChanges) {
  Add({"a.mp3=00:00:03:00"});
  List().RecomputeTotal();
  SaveTo("list.prl");
  EXPECT_TRUE(creator->ConfirmQuit());
  EXPECT_TRUE(dialogs.messages.isEmpty());

  List().List().SelectItem(0);
  List().MoveUp();  // no change
  EXPECT_TRUE(creator->ConfirmQuit());
  EXPECT_TRUE(dialogs.messages.isEmpty());

  Add({"b.mp3"});
  Answers({Dialogs::Answer::No});
  EXPECT_FALSE(creator->ConfirmQuit());
  EXPECT_EQ(dialogs.Texts(), QStringList({"QUIT KORVO PRL?"}));
}

TEST_F(CreatorFilesTest, InsertMp3FolderAndItsQuestions) {
  for (const char* name : {"m/x.mp3", "m/y.mp3", "m/notes.txt"}) WriteBytes(Path(name), "x");
  dialogs.openFiles.enqueue({});
  creator->Files().InsertMp3Folder();
  EXPECT_EQ(List().Status(), "Loading canceled");

  dialogs.openFiles.enqueue({Path("m/y.mp3")});
  creator->Files().InsertMp3Folder();
  EXPECT_EQ(Titles(), QStringList({"x", "y"}));
  EXPECT_EQ(List().Status(), "2 audio file(s) loaded");
  EXPECT_TRUE(List().Modified());
  EXPECT_TRUE(dialogs.messages.isEmpty());  // nothing to clear in an empty list

  struct Case {
    Dialogs::Answer answer;
    int rows;
    QString status;
  };
  for (const Case& c :
       {Case{Dialogs::Answer::Cancel, 2, "Load canceled"}, Case{Dialogs::Answer::No, 4, "2 audio file(s) loaded"},
        Case{Dialogs::Answer::Yes, 2, "2 audio file(s) loaded"}}) {
    dialogs.messages.clear();
    dialogs.openFiles.enqueue({Path("m/x.mp3")});
    Answers({c.answer, Dialogs::Answer::Yes});  // Yes then "Clear all items?" Yes
    const int before = List().Count();
    creator->Files().InsertMp3Folder();
    EXPECT_EQ(List().Count(), c.rows);
    EXPECT_EQ(List().Status(), c.status);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Clear %1 clips and empty the Play List?").arg(before));
  }
}

// The favourites list is read at start and is no edit; an opened list is one.
TEST_F(CreatorFilesTest, FavouritesAtStartAndOpenedPlayLists) {
  const QByteArray header =
      "\"Tevro Play List - Version 2.0\"\r\n\"Date: \"\r\n\"Owner: \"\r\n\"Clips: 1\"\r\n\"Duration: 00:00:00:00\"\r\n"
      "\"Style: \"\r\n\"Description: \"\r\n\"Date to play: \"\r\n\"Time to play: \"\r\n";
  WriteBytes(Path("favorits.prl"), header + "\"00:00:05:00/m/fav.mp3\"\r\n");
  WriteBytes(Path("other.prl"), header + "\"00:00:01:00/m/one.mp3\"\r\n\"00:00:02:00/m/two.mp3\"\r\n");
  Start();
  EXPECT_EQ(Titles(), QStringList({"fav"}));
  EXPECT_FALSE(List().Modified());
  EXPECT_EQ(List().Total(), "00:00:05:00");

  Answers({Dialogs::Answer::No});  // keep what is there
  dialogs.openFiles.enqueue({Path("other.prl")});
  creator->Files().OpenPlayList();
  EXPECT_EQ(Titles(), QStringList({"one", "two", "fav"}));
  EXPECT_EQ(List().Status(), "Songs List Loaded");
  EXPECT_EQ(List().Total(), "00:00:08:00");
  EXPECT_TRUE(List().Modified());

  Answers({Dialogs::Answer::Cancel});
  creator->Files().OpenPlayList();
  EXPECT_EQ(List().Count(), 3);
  EXPECT_EQ(dialogs.fileDialogs.size(), 1);  // no dialog after Cancel
}

TEST_F(CreatorFilesTest, AutoPlayIsReadAtStartAndStoredWhenClicked) {
  EXPECT_FALSE(creator->Preview().AutoPlay());  // no value: off
  creator->SetAutoPlay(true);
  EXPECT_EQ(settings.ReadSettingValue("AUTO PLAY KorvoxaPrl"), "1");
  Start();
  EXPECT_TRUE(creator->Preview().AutoPlay());
  creator->SetAutoPlay(false);
  EXPECT_EQ(settings.ReadSettingValue("AUTO PLAY KorvoxaPrl"), "0");
}

TEST_F(CreatorFilesTest, AutoListReadsTheScanIntoTheListAndLeavesNoProfile) {
  const QString driveC = Path("drive_c");
  QDir().mkpath(driveC);
  qputenv("KORVO_DRIVE_C", QFile::encodeName(driveC));
  WriteBytes(Path("disk/Rock/a.mp3"), "x");
  WriteBytes(Path("disk/b.mp3"), "x");
  WriteBytes(Path("drive_c/_mp3files.txt"), "\"stale\"");
  creator = std::make_unique<creator::Creator>(engine, dialogs, settings, [this] {
    return scanner::PlanForRoots({Path("disk")}, {}, [](const scanner::MountEntry&) { return false; });
  });
  ASSERT_EQ(creator->Start(dir.path()), 0);

  Answers({Dialogs::Answer::No});
  EXPECT_EQ(creator->AutoList().CreateAutoList(), -1);
  EXPECT_EQ(dialogs.Texts(), QStringList({"Create Auto Play List from hard disks mp3's?"}));

  ASSERT_EQ(creator->AutoList().CreateAutoList(), 0);
  EXPECT_TRUE(List().List().Busy());
  ASSERT_TRUE(QTest::qWaitFor([this] { return !creator->AutoList().Running(); }, 30000));
  QStringList titles = Titles();
  titles.sort();
  EXPECT_EQ(titles, QStringList({"a", "b"}));
  for (const ClipEntry& e : List().Model().Rows()) EXPECT_EQ(e.duration, "00:00:00:00");
  EXPECT_FALSE(QFile::exists(Path("drive_c/_mp3files.txt")));
  EXPECT_EQ(List().Status(), "Ready");
  EXPECT_FALSE(List().List().Busy());
  qunsetenv("KORVO_DRIVE_C");
}

}  // namespace
