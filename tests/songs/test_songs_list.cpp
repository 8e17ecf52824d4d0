// The songs list itself: titles and pictures of rows, the current-item rule, moving
// through the list, the marked row and the clear.
#include "PlaylistFixture.h"

#include <QSignalSpy>

using SongsListTest = PlaylistFixture;

TEST_F(SongsListTest, RowsTakeTheirTitleAndPictureFromThePath) {
  struct Case {
    const char* path;
    const char* title;
    int picture;
  };
  const Case cases[] = {
      {"C:\\Music\\Song name.mp3", "Song name", 0},
      {"D:clip.mp3", "clip", 0},  // drive letter and colon, no backslash
      {"/music/rock/Track 01.mp3", "Track 01", 0},
      {"C:\\ADVERTS\\* Spot 30s.mp3", "* Spot 30s", 1},
      {"/music/*clip.mp3", "*clip", 0},  // only "* " marks an advert
      {"", "ERR", 0},
  };
  for (const Case& c : cases) {
    model.Clear();
    model.Insert(0, {MakeClipEntry(QString::fromUtf8(c.path))});
    SCOPED_TRACE(c.path);
    EXPECT_EQ(model.data(model.index(0, SongsListModel::kTitleColumn), Qt::DisplayRole).toString(), c.title);
    EXPECT_EQ(model.data(model.index(0, SongsListModel::kPathColumn), Qt::DisplayRole).toString(), c.path);
    EXPECT_EQ(model.data(model.index(0, 0), SongsListModel::kPictureRole).toInt(), c.picture);
  }
  EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Audio Clip Title");
  EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Audio Clip URL & Title");
  EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Duration");
}

TEST_F(SongsListTest, CurrentItemIsTheSelectionElseTheTopRowWhichThenIsSelected) {
  EXPECT_EQ(list.CurrentItem(), -1);
  Fill(5);
  EXPECT_EQ(list.SelectedRow(), -1);
  EXPECT_EQ(list.CurrentItem(), 0);
  EXPECT_EQ(list.SelectedRow(), 0);
  list.SelectItem(3);
  EXPECT_EQ(list.CurrentItem(), 3);
}

TEST_F(SongsListTest, NextAndPreviousWrapRound) {
  Fill(4);
  list.SelectItem(3);
  list.SelectNext();
  EXPECT_EQ(list.SelectedRow(), 0);
  list.SelectPrevious();
  EXPECT_EQ(list.SelectedRow(), 3);
  list.SelectPrevious();
  EXPECT_EQ(list.SelectedRow(), 2);

  model.Clear();
  list.SelectNext();  // nothing to move to, nothing happens
  EXPECT_EQ(list.SelectedRow(), -1);
}

TEST_F(SongsListTest, InsertionGoesBeforeTheCurrentRowWhichStaysSelected) {
  Fill(4);
  list.SelectItem(2);
  std::vector<ClipEntry> rows = {MakeClipEntry("/new/a.mp3"), MakeClipEntry("/new/b.mp3")};
  EXPECT_EQ(list.InsertAtCurrent(std::move(rows)), 2);
  EXPECT_EQ(Titles(), QStringList({"clip0", "clip1", "a", "b", "clip2", "clip3"}));
  EXPECT_EQ(list.SelectedRow(), 4);
}

TEST_F(SongsListTest, MarkedRowStaysOnItsClipThroughInsertsAndRemovals) {
  Fill(5);
  model.SetMarkedRow(2);
  model.Insert(0, {MakeClipEntry("/x/new.mp3")});
  EXPECT_EQ(model.At(model.MarkedRow()).title, "clip2");
  model.Remove(0);
  model.Remove(4);
  EXPECT_EQ(model.At(model.MarkedRow()).title, "clip2");
  model.Remove(model.MarkedRow());
  EXPECT_EQ(model.MarkedRow(), -1);
}

TEST_F(SongsListTest, RowsAreFoundAgainByIdAfterTheyMoved) {
  Fill(6);
  const std::uint64_t id = model.At(4).id;
  model.Insert(0, {MakeClipEntry("/x/a.mp3"), MakeClipEntry("/x/b.mp3")});
  EXPECT_EQ(model.RowOfId(id, 4), 6);
  model.Remove(6);
  EXPECT_EQ(model.RowOfId(id, 4), -1);
}

TEST_F(SongsListTest, ClearEmptiesTheListResetsHeaderAndDurationAndLogs) {
  Fill(3);
  list.Header().SetValue(PrlField::Owner, "someone");
  list.SetListDuration("01:00:00:00");
  QSignalSpy counts(&list, &SongsList::clipCountChanged);
  list.ClearSongsList();
  EXPECT_EQ(list.Count(), 0);
  ASSERT_EQ(counts.size(), 1);
  EXPECT_EQ(counts.first().first().toInt(), 0);
  EXPECT_EQ(list.ListDuration(), "00:00:00:00");
  EXPECT_EQ(list.Header().Value(PrlField::Owner), "");
  EXPECT_EQ(list.Header().Value(PrlField::Clips), "0");
  EXPECT_TRUE(LogText().contains("\"APP\",\"Play List Initialized\",\"\"")) << LogText().toStdString();
}
