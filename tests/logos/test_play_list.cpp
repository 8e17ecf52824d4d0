// The play list: where a spot goes (BlockPosition), inserting into one block or many,
// moves that keep a spot in its block, removals and Verify.
#include <optional>

#include "LogosFixture.h"

namespace {

PlayListRow Row(const char* time, const char* name) { return {{time, "LOGO1-1", name, QString()}, "00:00:00:00"}; }

void Fill(LogosPlayList& list, std::initializer_list<std::pair<const char*, const char*>> rows) {
  for (const auto& [time, name] : rows) list.Insert(list.Count(), Row(time, name));
}

QStringList Names(const LogosPlayList& list) {
  QStringList out;
  for (const PlayListRow& r : list.Rows()) out << r.spot.name;
  return out;
}

TEST(BlockPosition, EveryRuleInABlockAndEveryPlaceForANewOne) {
  LogosPlayList list;
  Fill(list, {{"08:00", "A"}, {"12:00", "B1"}, {"12:00", "B2"}, {"12:00", "B3"}, {"13:00", "C"}});
  using R = InsertRule;
  struct Case {
    const char* time;
    R rule;
    int position;
    bool create;
    std::optional<int> expected;
  } cases[] = {
      {"12:00", R::FirstInBlock, 1, true, 1},
      {"12:00", R::LastInBlock, 1, true, 4},
      {"12:00", R::Selected, 1, true, 1},
      {"12:00", R::Selected, 2, true, 2},  // becomes the second of the block
      {"12:00", R::Selected, 3, true, 3},
      {"12:00", R::Selected, 4, true, 4},  // one beyond the block: after its last
      {"12:00", R::Selected, 5, true, 4},
      {"12:00", R::Selected, 99, true, 4},
      {"12:00", R::Selected, 0, true, 1},      // never before the block
      {"12:00", R::LastInBlock, 1, false, 4},  // an existing block needs no "Create"
      {"13:00", R::LastInBlock, 1, true, 5},
      {"10:00", R::FirstInBlock, 1, true, 1},  // new blocks in time order, whatever the rule
      {"10:00", R::Selected, 3, true, 1},
      {"07:59", R::LastInBlock, 1, true, 0},
      {"00:00", R::FirstInBlock, 1, true, 0},
      {"12:01", R::FirstInBlock, 1, true, 4},
      {"23:55", R::FirstInBlock, 1, true, 5},
      {"10:00", R::FirstInBlock, 1, false, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(list.BlockPosition(c.time, {c.rule, c.position, c.create}), c.expected)
        << c.time << " rule " << int(c.rule) << " position " << c.position << " create " << c.create;

  LogosPlayList empty;
  EXPECT_EQ(empty.BlockPosition("12:00", {R::Selected, 5, true}), 0);
  EXPECT_EQ(empty.BlockPosition("12:00", {R::FirstInBlock, 1, false}), std::nullopt);
}

// A planner's file may leave a block in pieces; its n-th spot is still its n-th row.
TEST(BlockPosition, ABlockInPiecesNeverTakesASpotIntoAnotherBlock) {
  LogosPlayList list;
  Fill(list, {{"08:00", "A1"}, {"12:00", "B"}, {"08:00", "A2"}});
  EXPECT_EQ(list.BlockPosition("08:00", {InsertRule::LastInBlock, 1, true}), 3);
  EXPECT_EQ(list.BlockPosition("08:00", {InsertRule::Selected, 2, true}), 2);
  EXPECT_EQ(list.BlockPosition("08:00", {InsertRule::FirstInBlock, 1, true}), 0);
}

class PlayListTest : public LogosFixture {
 protected:
  int InsertAt(const char* hour) {
    job.Form().SetHour(hour);
    return job.PlayListCmds().InsertLogos();
  }
};

TEST_F(PlayListTest, AddOneMakesMissingBlocksInTimeOrderWithTheClipOfTheCode) {
  Logo("logo1", "x", "Morning Spot");
  EXPECT_EQ(InsertAt("12:00"), 1);
  EXPECT_EQ(InsertAt("08:00"), 1);
  EXPECT_EQ(InsertAt("13:00"), 1);
  EXPECT_EQ(Rows(),
            QStringList({"08:00 LOGO1-X Morning Spot", "12:00 LOGO1-X Morning Spot", "13:00 LOGO1-X Morning Spot"}));
  const PlayListRow& r = job.PlayList().At(0);
  EXPECT_EQ(r.spot.clipPath, Adverts() + "/LOGO1-X.mp3");
  EXPECT_EQ(r.clipTime, "00:00:00:00");
  EXPECT_EQ(job.Form().Status(), "3 Logos In Play List");
  // The fields stay for the next insertion.
  EXPECT_EQ(job.Form().Name(), "logo1");
}

TEST_F(PlayListTest, TheTypeIsChosenOnlyWhileTheListIsEmpty) {
  EXPECT_TRUE(job.Form().TypeChoosable());
  job.PlayListCmds().ChooseType(PlayListType::Mp3Clips);
  job.Form().SetDescription("Noon Jingle");
  ASSERT_EQ(InsertAt("12:00"), 1);
  EXPECT_EQ(job.PlayList().At(0).spot.clipCode, "XXXXX-X");
  EXPECT_EQ(job.PlayList().At(0).spot.clipPath, Adverts() + "/Noon Jingle.mp3");
  EXPECT_FALSE(job.Form().TypeChoosable());
  job.PlayListCmds().ChooseType(PlayListType::Spotwright);
  EXPECT_EQ(job.Form().Type(), PlayListType::Mp3Clips);

  job.PlayListCmds().Remove();
  EXPECT_TRUE(job.Form().TypeChoosable());
  job.PlayListCmds().ChooseType(PlayListType::Spotwright);
  EXPECT_EQ(job.Form().Type(), PlayListType::Spotwright);
}

TEST_F(PlayListTest, InsertionWithoutWhatItNeedsSaysSoAndInsertsNothing) {
  const QString fill =
      "Fill all logo fields\n\n'Logo Name' [5 characters],\n'Logo ID' Select one from list,\n"
      "'Logo Description' [2 to 40 characters]";
  Logo("LOGO", "1", "SPOT");
  EXPECT_EQ(InsertAt("12:00"), -1);
  EXPECT_EQ(LastText(), fill);
  Logo("LOGO1", "1", "");
  EXPECT_EQ(InsertAt("12:00"), -1);
  EXPECT_EQ(LastText(), fill);

  Logo("LOGO1", "1", "SPOT");
  job.Form().SetRule(InsertRule::Selected);
  for (const char* position : {"", "0", "x"}) {
    job.Form().SetPositionText(position);
    EXPECT_EQ(InsertAt("12:00"), -1) << position;
    EXPECT_EQ(LastText(), "You choosed selected position but you didnt set any\nSelect or type a position from 1-99");
  }
  job.Form().SetRule(InsertRule::FirstInBlock);
  job.HoursCmds().SetAddOne(false);
  EXPECT_EQ(job.PlayListCmds().InsertLogos(), -1);
  EXPECT_EQ(LastText(), "There are not any Hours (Blocks) in the Blocks List\nAdd some and try again");
  EXPECT_EQ(job.PlayList().Count(), 0);
}

TEST_F(PlayListTest, AddMultiPutsTheLogoIntoEveryTickedBlockByTheRule) {
  Logo("LOGO1", "1", "FIRST");
  ASSERT_EQ(InsertAt("09:00"), 1);
  for (const char* t : {"10:00", "09:00", "08:00"}) {
    job.Form().SetHour(t);
    job.HoursCmds().AddHour();
  }
  job.Hours().SetTicked(2, false);  // 10:00 stays out
  job.HoursCmds().SetAddOne(false);
  job.Form().SetRule(InsertRule::LastInBlock);
  Logo("LOGO2", "S", "MULTI");
  EXPECT_EQ(job.PlayListCmds().InsertLogos(), 2);
  EXPECT_EQ(Rows(), QStringList({"08:00 LOGO2-S MULTI", "09:00 LOGO1-1 FIRST", "09:00 LOGO2-S MULTI"}));

  // Without "Create" only the blocks already there take it; the status still counts rows.
  job.Form().SetCreate(false);
  job.Hours().SetTicked(2, true);
  Logo("LOGO3", "2", "NO NEW BLOCKS");
  EXPECT_EQ(job.PlayListCmds().InsertLogos(), 2);
  EXPECT_EQ(job.PlayList().BlockSize("10:00"), 0);
  EXPECT_EQ(job.Form().Status(), "5 Logos In Play List");
}

TEST_F(PlayListTest, MovesNeverTakeASpotOutOfItsBlock) {
  LogosPlayList& list = job.PlayList();
  struct Case {
    int row;
    bool up;
    QStringList expected;
    int selected;
  } cases[] = {
      {0, true, {"A", "B", "C", "D"}, 0},   // first of its block
      {2, false, {"A", "B", "C", "D"}, 2},  // last of its block: not into 09:00
      {0, false, {"B", "A", "C", "D"}, 1},
      {2, true, {"A", "C", "B", "D"}, 1},
  };
  for (const Case& c : cases) {
    list.Clear();
    Fill(list, {{"08:00", "A"}, {"08:00", "B"}, {"08:00", "C"}, {"09:00", "D"}});
    list.SelectRow(c.row);
    c.up ? job.PlayListCmds().MoveUp() : job.PlayListCmds().MoveDown();
    EXPECT_EQ(Names(list), c.expected) << c.row << (c.up ? " up" : " down");
    EXPECT_EQ(list.SelectedRow(), c.selected) << c.row << (c.up ? " up" : " down");
  }
  EXPECT_TRUE(dialogs.messages.isEmpty());
  list.Clear();
  Fill(list, {{"08:00", "A"}, {"08:00", "B"}, {"08:00", "C"}, {"09:00", "D"}});
  list.SelectRow(3);
  job.PlayListCmds().MoveUp();
  job.PlayListCmds().MoveDown();
  EXPECT_EQ(dialogs.Texts(), QStringList({"This Block has only one spot", "This Block has only one spot"}));
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::None);
  EXPECT_EQ(Names(list), QStringList({"A", "B", "C", "D"}));
}

TEST_F(PlayListTest, RemovalsKeepASelectionAndTheClipRemovalTakesEveryRowOfThePath) {
  LogosPlayList& list = job.PlayList();
  Fill(list, {{"08:00", "A"}, {"09:00", "B"}, {"10:00", "C"}});
  list.SelectRow(2);
  job.PlayListCmds().Remove();
  EXPECT_EQ(Names(list), QStringList({"A", "B"}));
  EXPECT_EQ(list.SelectedRow(), 1);  // the new last row

  list.Insert(2, {{"11:00", "LOGO2-2", "OTHER", Adverts() + "/LOGO2-2.mp3"}, {}});
  list.Insert(0, {{"07:00", "LOGO2-2", "OTHER", Adverts() + "/LOGO2-2.mp3"}, {}});
  list.SelectRow(0);
  Answer(Dialogs::Answer::Yes);
  job.PlayListCmds().RemoveSelectedClip();
  EXPECT_EQ(LastText(), "Do you want to remove all " + Adverts() + "/LOGO2-2.mp3 from the play list?");
  EXPECT_EQ(Names(list), QStringList({"A", "B"}));
}

TEST_F(PlayListTest, VerifyCountsRowsWhoseClipIsMissing) {
  job.PlayListCmds().Verify();
  EXPECT_EQ(LastText(), "Nothing To Verify!");
  WriteFile(Adverts() + "/LOGO1-1.mp3", "clip");
  WriteFile(Adverts() + "/logo2-s.MP3", "clip");  // the planner's case does not matter
  LogosPlayList& list = job.PlayList();
  list.Insert(0, {{"08:00", "LOGO1-1", "A", Adverts() + "/LOGO1-1.mp3"}, {}});
  list.Insert(1, {{"08:00", "LOGO2-S", "B", Adverts() + "/LOGO2-S.mp3"}, {}});
  list.Insert(2, {{"08:00", "LOGO3-X", "C", Adverts() + "/LOGO3-X.mp3"}, {}});
  job.PlayListCmds().Verify();
  EXPECT_EQ(LastText(), "Items In Play List: 3, Not Found: 1");
  list.Insert(3, {{"09:00", "LOGO4-X", "D", QString()}, {}});
  job.PlayListCmds().Verify();
  EXPECT_EQ(LastText(), "Items In Play List: 4, Not Found: 2");
}

TEST_F(PlayListTest, ADoubleClickedRowFillsTheFieldsAndReferencesCountItsCode) {
  Logo("LOGO1", "S", "MORNING");
  ASSERT_EQ(InsertAt("08:05"), 1);
  ASSERT_EQ(InsertAt("09:00"), 1);
  Logo("LOGO2", "4", "NOON");
  ASSERT_EQ(InsertAt("12:00"), 1);
  job.PlayListCmds().FillFromRow(0);
  EXPECT_EQ(job.Form().Hour(), "08:05");
  EXPECT_EQ(job.Form().Name(), "LOGO1");
  EXPECT_EQ(job.Form().Id(), "S");
  EXPECT_EQ(job.Form().Description(), "MORNING");
  job.PlayList().SelectRow(1);
  job.PlayListCmds().ClipReferences();
  EXPECT_EQ(LastText(), "References found for MORNING: 2. Items Checked: 3");
}

}  // namespace
