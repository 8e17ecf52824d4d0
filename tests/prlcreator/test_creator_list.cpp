// The list's own edits: moves, delete, new, the total and the modified flag.
#include "CreatorFixture.h"

namespace {

class CreatorListTest : public CreatorFixture {
 protected:
  void SetUp() override {
    Start();
    Add({"a.mp3=00:00:01:24", "b.mp3=00:00:00:01", "c.mp3"});
    List().SetModified(false);
  }
};

TEST_F(CreatorListTest, MovesChangeTheListOnlyWhenTheClipCanMove) {
  struct Case {
    const char* name;
    int selected;
    bool up;
    QStringList order;
    int selectedAfter;
    bool modified;
  };
  const Case cases[] = {
      {"first up", 0, true, {"a", "b", "c"}, 0, false},   {"last down", 2, false, {"a", "b", "c"}, 2, false},
      {"middle up", 1, true, {"b", "a", "c"}, 0, true},   {"middle down", 1, false, {"a", "c", "b"}, 2, true},
      {"first down", 0, false, {"b", "a", "c"}, 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    List().Model().Replace({MakeClipEntry(Path("a.mp3"), "00:00:01:24"), MakeClipEntry(Path("b.mp3")),
                            MakeClipEntry(Path("c.mp3"), "00:00:02:00")});
    List().SetModified(false);
    List().List().SelectItem(c.selected);
    if (c.up)
      List().MoveUp();
    else
      List().MoveDown();
    EXPECT_EQ(Titles(), c.order);
    EXPECT_EQ(List().List().SelectedRow(), c.selectedAfter);
    EXPECT_EQ(List().Modified(), c.modified);
    // The moved clip keeps its duration.
    const int a = Titles().indexOf("a");
    EXPECT_EQ(List().List().At(a).duration, "00:00:01:24");
  }
}

TEST_F(CreatorListTest, DeleteSelectsTheRowNowAtItsPlaceAndRecomputesTheTotal) {
  List().List().SelectItem(0);
  List().DeleteClip();
  EXPECT_EQ(Titles(), QStringList({"b", "c"}));
  EXPECT_EQ(List().List().SelectedRow(), 0);
  EXPECT_EQ(List().Total(), "00:00:00:01");
  EXPECT_TRUE(List().Modified());

  List().List().SelectItem(1);
  List().DeleteClip();  // the last row: the new last one is selected
  EXPECT_EQ(Titles(), QStringList({"b"}));
  EXPECT_EQ(List().List().SelectedRow(), 0);
  List().DeleteClip();
  EXPECT_EQ(List().Count(), 0);
  EXPECT_EQ(List().Total(), "00:00:00:00");
  List().DeleteClip();  // nothing left: nothing happens
  EXPECT_EQ(List().Count(), 0);
}

// Frames are counted at 25 a second whatever the station's FPS says.
TEST_F(CreatorListTest, TotalCountsTwentyFiveFramesASecondWhateverTheStationFps) {
  settings.Write(settings::kFps, 30);
  List().RecomputeTotal();
  EXPECT_EQ(List().Total(), "00:00:02:00");  // 1 s 24 fr + 1 fr; at 30 fps it would be 00:00:01:25
  EXPECT_EQ(List().UnmeasuredCount(), 1);
}

TEST_F(CreatorListTest, NewAsksOnlyAboutAModifiedList) {
  Answers({Dialogs::Answer::No});
  List().SetModified(true);
  EXPECT_FALSE(creator->New());
  EXPECT_EQ(dialogs.Texts(), QStringList({"Clear all items?"}));
  EXPECT_EQ(List().Count(), 3);

  EXPECT_TRUE(creator->New());  // answered Yes
  EXPECT_EQ(List().Count(), 0);
  EXPECT_EQ(List().Total(), "00:00:00:00");
  EXPECT_EQ(List().Status(), "Ready");

  Add({"d.mp3"});
  List().SetModified(false);  // as after a save
  EXPECT_TRUE(creator->New());
  EXPECT_EQ(dialogs.Texts().size(), 2);
  EXPECT_EQ(List().Count(), 0);
  EXPECT_FALSE(List().Modified());
}

TEST_F(CreatorListTest, ShuffleKeepsEveryClipAndTheSelectedOneSelected) {
  Add({"d.mp3", "e.mp3", "f.mp3", "g.mp3"});
  List().List().SelectItem(4);
  List().SetModified(false);
  creator->Shuffle();
  EXPECT_EQ(List().Status(), "Ready - Play List Suffled");
  EXPECT_TRUE(List().Modified());
  QStringList titles = Titles();
  EXPECT_NE(titles, QStringList({"a", "b", "c", "d", "e", "f", "g"}));
  EXPECT_EQ(List().List().At(List().List().SelectedRow()).title, "e");
  titles.sort();
  EXPECT_EQ(titles, QStringList({"a", "b", "c", "d", "e", "f", "g"}));

  creator->New();
  creator->Shuffle();
  EXPECT_EQ(List().Status(), "Nothing to suffle");
}

}  // namespace
