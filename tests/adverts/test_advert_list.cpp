// Loading and clearing the adverts list, the "ADVS" switch, and the list commands.
#include <QSignalSpy>

#include "AdvertsFixture.h"

namespace {

class AdvertListTest : public AdvertsFixture {
 protected:
  QStringList Rows() const {
    QStringList out;
    for (const AdvertSpot& s : adverts.List().Model().Rows()) out << s.blockTime + "|" + s.name;
    return out;
  }
  // An existing clip chosen in the "Import AD" dialog.
  QString ChooseClip(const QString& name) {
    QDir().mkpath(DriveC() + "/Adverts");
    const QString path = DriveC() + "/Adverts/" + name;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    dialogs.openFiles.enqueue({path});
    return path;
  }
};

TEST_F(AdvertListTest, LoadFillsBothListsAndLogs) {
  ASSERT_EQ(adverts.LoadAdvertList(WriteEpl({"12:30   LOGO1-X   NOON", "08:00   LOGO1-1   MORNING",
                                             "23:05   LOGO2-1   LATE", "08:00   00000-S   SECOND"})),
            4);
  const AdvertList& list = adverts.List();
  EXPECT_EQ(Rows(), QStringList({"12:30|NOON", "08:00|MORNING", "23:05|LATE", "08:00|SECOND"}));
  EXPECT_EQ(Blocks(), QStringList({"08:00", "12:30", "23:05"}));
  EXPECT_EQ(list.Blocks().Index(), 0);
  EXPECT_EQ(list.SelectedRow(), 0);
  EXPECT_EQ(list.StatusLabel(), "Ready");
  EXPECT_EQ(list.EplPath(), dir.filePath("day.epl"));
  EXPECT_EQ(list.At(1).clipPath, DriveC() + "/Adverts/LOGO1-1.MP3");
  EXPECT_TRUE(LogText().contains("\"ACC\",\"AD's Play List Loaded\",\"" + dir.filePath("day.epl") + "\""));
  EXPECT_FALSE(LogText().contains("Initialized"));  // the list was empty

  // Clips by name, and a reload replaces the lot.
  loadingType = 1;
  ASSERT_EQ(adverts.LoadAdvertList(WriteEpl({"09:00   LOGO1-1   NEWS"}, "two.epl")), 1);
  EXPECT_EQ(Rows(), QStringList({"09:00|NEWS"}));
  EXPECT_EQ(Blocks(), QStringList({"09:00"}));
  EXPECT_EQ(adverts.List().At(0).clipPath, DriveC() + "/Adverts/NEWS.MP3");
  EXPECT_TRUE(LogText().contains("\"ACC\",\"AD's Play List Initialized\",\"\""));
}

TEST_F(AdvertListTest, UnreadableFilesChangeNothingAndAHeaderAloneEmptiesTheList) {
  LoadDay();
  const QString before = LogText();
  for (const QString& path : {WriteFile("empty.epl", ""), dir.filePath("missing.epl")}) {
    EXPECT_EQ(adverts.LoadAdvertList(path), -6);
    EXPECT_EQ(adverts.List().Count(), 3);
    EXPECT_EQ(Blocks(), QStringList({"08:00", "12:30"}));
    EXPECT_EQ(adverts.List().EplPath(), dir.filePath("day.epl"));
  }
  EXPECT_EQ(LogText(), before);

  const QString headerOnly = WriteEpl({}, "header.epl");
  EXPECT_EQ(adverts.LoadAdvertList(headerOnly), 0);
  EXPECT_EQ(adverts.List().Count(), 0);
  EXPECT_TRUE(Blocks().isEmpty());
  EXPECT_EQ(adverts.List().EplPath(), headerOnly);
}

TEST_F(AdvertListTest, ClearAsksAndLogsOnlyWhenThereIsSomethingToClear) {
  adverts.List().ClearAdvertList();
  adverts.Clear();
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(adverts.List().StatusLabel(), "");
  EXPECT_FALSE(LogText().contains("Initialized"));

  LoadDay();
  adverts.SetManual(true);
  Answer(Dialogs::Answer::No);
  adverts.Clear();
  ASSERT_EQ(dialogs.Texts(), QStringList({"Clear Adverts Play List?"}));
  EXPECT_EQ(dialogs.messages[0].defaultButton, Dialogs::Answer::No);
  EXPECT_EQ(adverts.List().Count(), 3);

  Answer(Dialogs::Answer::Yes);
  adverts.Clear();
  const AdvertList& list = adverts.List();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(Blocks().isEmpty());
  EXPECT_EQ(list.StatusLabel(), "");
  EXPECT_FALSE(list.Manual());
  EXPECT_TRUE(list.LoadBlockEnabled());  // Manual went off without its handler
  EXPECT_TRUE(list.BlockListEnabled());
  EXPECT_EQ(LogText().count("AD's Play List Initialized"), 1);
}

TEST_F(AdvertListTest, AdvsSwitchRunsTheCheckOnTimer3AndLogs) {
  FillSongs(2, 1);
  QSignalSpy changed(&adverts, &Adverts::advertsEnabledChanged);
  adverts.SetAdvertsEnabled(true);
  EXPECT_TRUE(adverts.AdvertsEnabled());
  EXPECT_EQ(timers.Record(timerid::kAdvertCheck), 3);
  EXPECT_EQ(timers.Period(timerid::kAdvertCheck), 1000);
  adverts.SetAdvertsEnabled(false);
  EXPECT_EQ(timers.Record(timerid::kAdvertCheck), -1);
  ASSERT_EQ(changed.size(), 2);
  EXPECT_EQ(changed[0][0].toBool(), true);
  EXPECT_EQ(changed[1][0].toBool(), false);
  EXPECT_TRUE(LogText().contains("\"ACC\",\"Adverts Enabled\",\"\""));
  EXPECT_TRUE(LogText().contains("\"ACC\",\"Adverts Disabled\",\"\""));
  EXPECT_EQ(songs.SelectedRow(), 1);

  EXPECT_TRUE(adverts.OnTimer(timerid::kAdvertCheck));
  EXPECT_FALSE(adverts.OnTimer(timerid::kProgramCheck));
}

TEST_F(AdvertListTest, ImportAdIntoAnEmptyListMakesABlockTheClockNeverInserts) {
  const QString clip = ChooseClip("Jingle.mp3");
  adverts.SetAdvertsEnabled(true);
  adverts.ImportAd();
  ASSERT_EQ(dialogs.fileDialogs.size(), 1);
  EXPECT_EQ(dialogs.fileDialogs[0].folder, DriveC() + "/Adverts");
  EXPECT_EQ(Rows(), QStringList({"00:00|JINGLE"}));
  EXPECT_EQ(adverts.List().At(0).clipPath, clip);
  EXPECT_EQ(adverts.List().SelectedRow(), 0);
  EXPECT_TRUE(Blocks().isEmpty());
  TickAt(23, 58, 0);
  EXPECT_EQ(songs.Count(), 0);
}

TEST_F(AdvertListTest, ImportAdJoinsTheCurrentRowsBlockAfterIt) {
  LoadDay();
  adverts.List().SelectRow(1);  // 12:30
  ChooseClip("weather.mp3");
  adverts.ImportAd();
  EXPECT_EQ(Rows(), QStringList({"08:00|MORNING SPOT", "12:30|NOON SPOT", "12:30|WEATHER", "08:00|SECOND SPOT"}));
  EXPECT_EQ(adverts.List().SelectedRow(), 2);

  // Cancelled, or a file that is not there: nothing.
  adverts.ImportAd();
  dialogs.openFiles.enqueue({DriveC() + "/Adverts/gone.mp3"});
  adverts.ImportAd();
  EXPECT_EQ(adverts.List().Count(), 4);

  // The block now has both spots in list order.
  TickAt(12, 28, 0);
  EXPECT_EQ(SongTitles(), QStringList({"* 12:30 NOON SPOT", "* 12:30 WEATHER"}));
}

TEST_F(AdvertListTest, RemoveAdSelectsTheRowAtTheSameIndexOrTheNewLast) {
  LoadDay();
  adverts.List().SelectRow(1);
  adverts.RemoveAd();
  EXPECT_EQ(Rows(), QStringList({"08:00|MORNING SPOT", "08:00|SECOND SPOT"}));
  EXPECT_EQ(adverts.List().SelectedRow(), 1);
  adverts.RemoveAd();
  EXPECT_EQ(adverts.List().SelectedRow(), 0);
  adverts.RemoveAd();
  adverts.RemoveAd();  // empty: nothing
  EXPECT_EQ(adverts.List().Count(), 0);
  EXPECT_EQ(Blocks(), QStringList({"08:00", "12:30"}));
}

TEST_F(AdvertListTest, OpenDialogStartsInTheAdvertFolderAndRemembersTheFilesFolder) {
  adverts.SetAdListFolder("/planner/");
  adverts.OpenAdvertList();  // cancelled
  EXPECT_EQ(adverts.List().Count(), 0);
  EXPECT_EQ(adverts.AdListFolder(), "/planner/");

  const QString path = WriteEpl({"08:00   LOGO1-1   MORNING SPOT"});
  dialogs.openFiles.enqueue({path});
  adverts.OpenAdvertList();
  ASSERT_EQ(dialogs.fileDialogs.size(), 2);
  EXPECT_EQ(dialogs.fileDialogs[1].folder, "/planner/");
  EXPECT_TRUE(dialogs.fileDialogs[1].filter.contains("*.epl"));
  EXPECT_EQ(adverts.List().Count(), 1);
  EXPECT_EQ(adverts.AdListFolder(), dir.path() + "/");
}

}  // namespace
