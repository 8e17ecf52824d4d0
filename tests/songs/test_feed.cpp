// Feeding the decks: the free-Player rule, load errors, removing the current clip, and
// clips that fail their check on load.
#include "PlaylistFixture.h"
#include "songs/PlayerFeed.h"

using State = PlayerState;

class FeedTest : public PlaylistFixture {
 protected:
  FeedTest() : feed(list, decks, log, StatusSink()) {}
  PlayerFeed feed;
};

TEST_F(FeedTest, ClipGoesToTheFirstPlayerThatIsNotPlaying) {
  struct Case {
    State p1, p2;
    int rc;
    const char* load;
  };
  const Case cases[] = {
      {State::None, State::None, 0, "load 1 clip1"},
      {State::Paused, State::Playing, 0, "load 1 clip1"},
      {State::Playing, State::AtEnd, 0, "load 2 clip1"},
      {State::Playing, State::Playing, -1, ""},
  };
  Fill(3);
  for (const Case& c : cases) {
    decks.calls.clear();
    statuses.clear();
    decks.deck[1].state = c.p1;
    decks.deck[2].state = c.p2;
    EXPECT_EQ(feed.LoadSelectedIntoPlayer(1), c.rc);
    EXPECT_EQ(decks.Calls("load ").join(""), c.load);
    if (c.rc < 0) {
      EXPECT_EQ(LastStatus(), "Play List empty, or nothing is selected");
    }
  }
}

TEST_F(FeedTest, NothingToLoadAndLoadErrorsAreReported) {
  EXPECT_EQ(feed.LoadSelectedIntoPlayer(list.CurrentItem()), -1);
  EXPECT_EQ(LastStatus(), "Play List empty, or nothing is selected");

  Fill(2, "broken");
  decks.failWord = "broken";
  EXPECT_EQ(feed.LoadSelectedIntoPlayer(0), -1);
  EXPECT_EQ(LastStatus(), "Clip Load error");
  EXPECT_EQ(list.Count(), 2);  // a failed open removes nothing
}

TEST_F(FeedTest, LoadNextWrapsToTheFirstClip) {
  Fill(3);
  list.SelectItem(2);
  EXPECT_EQ(feed.LoadNextIntoPlayer(), 0);
  EXPECT_EQ(decks.Calls("load "), QStringList({"load 1 clip0"}));
  EXPECT_EQ(list.SelectedRow(), 0);
}

TEST_F(FeedTest, RemovingTheLastOfThreeSelectsAndLoadsTheFirst) {
  Fill(3);
  list.SelectItem(2);
  EXPECT_EQ(feed.RemoveCurrentClip(), 0);
  EXPECT_EQ(Titles(), QStringList({"clip0", "clip1"}));
  EXPECT_EQ(list.SelectedRow(), 0);
  EXPECT_EQ(decks.Calls("load "), QStringList({"load 1 clip0"}));
  EXPECT_TRUE(statuses.contains("clip2 removed from Play List"));
  EXPECT_TRUE(LogText().contains("\"ACC\",\"Clip Removed from Play List\",\"clip2\""));
}

TEST_F(FeedTest, RemovingTheOnlyClipLeavesAnEmptyList) {
  Fill(1);
  EXPECT_EQ(feed.RemoveCurrentClip(), -1);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(decks.Calls("load ").isEmpty());
  EXPECT_EQ(feed.RemoveCurrentClip(), -1);
  EXPECT_EQ(LastStatus(), "Play List empty, or nothing is selected");
}

// The decks ask the list to remove a clip that fails its check, while the list is in the
// middle of loading it. Each bad clip must be dealt with by the same load, never by a
// load nested inside the deck's call.
TEST_F(FeedTest, ARunOfBadClipsIsRemovedWithoutNestingLoads) {
  const int bad = 3000;
  Fill(2, "good");
  std::vector<ClipEntry> rows;
  for (int i = 0; i < bad; ++i) rows.push_back(MakeClipEntry(QStringLiteral("/music/bad%1.mp3").arg(i)));
  model.Insert(1, std::move(rows));  // good0, bad..., good1
  decks.rejectWord = "bad";
  decks.onReject = [this] { feed.RemoveCurrentClip(); };
  list.SelectItem(1);

  EXPECT_EQ(feed.LoadSelectedIntoPlayer(1), 0);

  EXPECT_EQ(decks.rejected, bad);
  EXPECT_EQ(decks.maxDepth, 1);
  EXPECT_EQ(decks.Calls("load "), QStringList({"load 1 good1"}));
  EXPECT_EQ(Titles(), QStringList({"good0", "good1"}));
  EXPECT_EQ(list.SelectedRow(), 1);
}

TEST_F(FeedTest, BadClipsAtTheEndWrapToTheFirstAndAnAllBadListEndsEmpty) {
  Fill(1, "good");
  Fill(2, "bad");
  decks.rejectWord = "bad";
  decks.onReject = [this] { feed.RemoveCurrentClip(); };
  EXPECT_EQ(feed.LoadSelectedIntoPlayer(1), 0);
  EXPECT_EQ(decks.Calls("load "), QStringList({"load 1 good0"}));

  model.Clear();
  Fill(3, "bad");
  EXPECT_EQ(feed.LoadSelectedIntoPlayer(0), -1);
  EXPECT_EQ(list.Count(), 0);

  // A deck that rejects without asking for the removal still cannot make the load spin.
  decks.onReject = nullptr;
  Fill(2, "bad");
  EXPECT_EQ(feed.LoadSelectedIntoPlayer(0), -1);
  EXPECT_EQ(list.Count(), 0);
}
