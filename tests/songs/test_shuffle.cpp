// Shuffling: the order the station's rand gives, repeatable after every start, with the
// marked and the selected clip keeping their marks.
#include "PlaylistFixture.h"
#include "songs/CrtRand.h"
#include "songs/ListShuffler.h"

namespace {

// The shuffle written out step by step from its description, with its own generator:
// work list in reverse order, take row rand % count, put it at the top of the list.
QStringList ReferenceShuffle(const QStringList& items, std::uint32_t& state, int times) {
  QStringList list = items;
  for (int t = 0; t < times; ++t) {
    QStringList work;
    for (const QString& s : list) work.prepend(s);
    list.clear();
    while (!work.isEmpty()) {
      state = state * 214013u + 2531011u;
      const int r = static_cast<int>((state >> 16) & 0x7fff) % work.size();
      list.prepend(work.takeAt(r));
    }
  }
  return list;
}

QStringList TenTitles() {
  QStringList t;
  for (int i = 0; i < 10; ++i) t << QStringLiteral("clip%1").arg(i);
  return t;
}

}  // namespace

class ShuffleTest : public PlaylistFixture {
 protected:
  ShuffleTest() : shuffler(list, rand, log, StatusSink()) {}
  CrtRand rand;
  ListShuffler shuffler;
};

TEST(CrtRandTest, FirstNumbersOfAnUnseededRun) {
  CrtRand r;
  EXPECT_EQ(r.Next(), 41);
  EXPECT_EQ(r.Next(), 18467);
  EXPECT_EQ(r.Next(), 6334);
  EXPECT_EQ(r.Next(), 26500);
}

TEST_F(ShuffleTest, FirstShufflesOfTenClipsFollowTheGenerator) {
  Fill(10);
  for (int run = 1; run <= 3; ++run) {
    shuffler.ShufflePlayList();
    std::uint32_t fresh = 1;
    EXPECT_EQ(Titles(), ReferenceShuffle(TenTitles(), fresh, run)) << "shuffle " << run;
  }
  // The first order pinned (worked out by hand from the generator), so a wrong reference
  // cannot hide a wrong shuffle.
  CrtRand again;
  EXPECT_EQ(ShuffleOrder(10, again), (std::vector<int>{5, 7, 9, 6, 4, 1, 3, 2, 0, 8}));
}

TEST_F(ShuffleTest, EveryStartShufflesTheSameWay) {
  Fill(10);
  shuffler.ShufflePlayList();
  const QStringList first = Titles();

  PlaylistFixture::model.Clear();
  Fill(10);
  CrtRand restarted;
  ListShuffler other(list, restarted, log, StatusSink());
  other.ShufflePlayList();
  EXPECT_EQ(Titles(), first);
  EXPECT_NE(first, TenTitles());
}

TEST_F(ShuffleTest, MarkedAndSelectedClipsKeepTheirMarks) {
  Fill(10);
  model.SetMarkedRow(3);
  list.SelectItem(7);
  shuffler.ShufflePlayList();
  ASSERT_GE(model.MarkedRow(), 0);
  EXPECT_EQ(model.At(model.MarkedRow()).title, "clip3");
  ASSERT_GE(list.SelectedRow(), 0);
  EXPECT_EQ(model.At(list.SelectedRow()).title, "clip7");
  EXPECT_EQ(LastStatus(), "Ready - Play List Suffled");
  EXPECT_FALSE(list.Busy());
}

TEST_F(ShuffleTest, OneClipStaysAndIsStillLoggedEmptyListIsNot) {
  shuffler.ShufflePlayList();
  EXPECT_EQ(LastStatus(), "Nothing to suffle");
  EXPECT_FALSE(LogText().contains("Play List Suffle"));

  Fill(1);
  shuffler.ShufflePlayList();
  EXPECT_EQ(Titles(), QStringList({"clip0"}));
  EXPECT_TRUE(LogText().contains("\"ACC\",\"Play List Suffle\",\"\""));
}
