// The list tools that talk to the operator: clear, save, search, favourites, rename.
#include "PlaylistFixture.h"
#include "formats/PrlReader.h"
#include "songs/ClipRenamer.h"
#include "songs/Favourites.h"
#include "songs/ListSearch.h"
#include "songs/PlayListTools.h"
#include "songs/PlayerFeed.h"
#include "songs/RememberedFolders.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

using State = PlayerState;

class ToolsTest : public PlaylistFixture {
 protected:
  ToolsTest()
      : feed(list, decks, log, StatusSink()),
        search(list, feed, dialogs, StatusSink(), [this] { ++focusMoves; }),
        tools(list, dialogs, log, folders, StatusSink(), [this] { ++releases; }),
        favourites(list, decks, dialogs, Folder(), &log) {}

  PlayerFeed feed;
  ListSearch search;
  RememberedFolders folders;
  PlayListTools tools;
  Favourites favourites;
  int focusMoves = 0;
  int releases = 0;
};

TEST_F(ToolsTest, ClearAsksAndNoKeepsTheList) {
  EXPECT_EQ(tools.ClearPlayList(), -1);
  EXPECT_EQ(LastStatus(), "Nothing to delete");
  Fill(3);
  Answers({Dialogs::Answer::No, Dialogs::Answer::Yes});
  EXPECT_EQ(tools.ClearPlayList(), -1);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(dialogs.messages.last().defaultButton, Dialogs::Answer::No);
  EXPECT_EQ(tools.ClearPlayList(), 0);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(releases, 1);
  EXPECT_EQ(LastStatus(), "Ready");
  EXPECT_TRUE(LogText().contains("\"ACC\",\"Play List Clear\""));
}

TEST_F(ToolsTest, SaveWritesTheListAndReadsBack) {
  EXPECT_EQ(tools.SavePlayList(), -1);
  EXPECT_EQ(dialogs.messages.last().text, "Play List is empty");
  Fill(2);
  model.SetDuration(0, "00:03:00:00");
  list.SetListDuration("00:06:00:00");
  dialogs.saveFiles.enqueue(Folder() + "saved");
  EXPECT_EQ(tools.SavePlayList(), 0);
  PrlPlayList back;
  ASSERT_EQ(prl::LoadPrl(Folder() + "saved.prl", back), 0);
  ASSERT_EQ(back.clips.size(), 2);
  EXPECT_EQ(back.clips[0], (PrlClip{"00:03:00:00", "/music/clip0.mp3"}));
  EXPECT_EQ(back.clips[1], (PrlClip{"00:00:00:00", "/music/clip1.mp3"}));
  EXPECT_EQ(back.header.Value(PrlField::Duration), "00:06:00:00");
  EXPECT_EQ(folders.playListFolder, Folder());
  EXPECT_TRUE(LogText().contains("\"Play List Saved\",\"" + Folder() + "saved.prl\""));

  dialogs.saveFiles.enqueue(Folder() + "no/such/folder/x.prl");
  EXPECT_EQ(tools.SavePlayList(), -1);
  EXPECT_EQ(dialogs.messages.last().title, "KORVO couldn't create out file");
  EXPECT_EQ(dialogs.messages.last().text, Folder() + "no/such/folder/x.prl");
}

// A play list value cannot hold a double quote: such clips are left out of the file, the
// header counts what is written, and the operator and the play log are told which.
TEST_F(ToolsTest, SaveLeavesOutClipsWithQuotesAndSaysWhich) {
  model.Insert(0, {MakeClipEntry("/music/a.mp3"), MakeClipEntry("/music/12\" Mix.mp3"), MakeClipEntry("/music/b.mp3"),
                   MakeClipEntry("/music/\"Live\".mp3")});
  dialogs.saveFiles.enqueue(Folder() + "q.prl");
  EXPECT_EQ(tools.SavePlayList(), 0);

  PrlPlayList back;
  ASSERT_EQ(prl::LoadPrl(Folder() + "q.prl", back), 0);
  EXPECT_EQ(back.header.Value(PrlField::Clips), "2");
  EXPECT_EQ(back.clips, (QList<PrlClip>{{"00:00:00:00", "/music/a.mp3"}, {"00:00:00:00", "/music/b.mp3"}}));

  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Warning);
  EXPECT_TRUE(dialogs.messages[0].text.endsWith(":\n/music/12\" Mix.mp3\n/music/\"Live\".mp3"))
      << qPrintable(dialogs.messages[0].text);
  const QString path = Folder() + "q.prl";
  EXPECT_EQ(LogText(), "\"01/03/2024\",\"10:00:00\",\"ACC\",\"Play List Saved\",\"" + path + "\"\r\n" +
                           "\"01/03/2024\",\"10:00:00\",\"ERR\",\"Clips Not Saved: 2\",\"" + path + "\"\r\n");

  // Nothing to tell when every clip could be written.
  model.Clear();
  Fill(2);
  dialogs.saveFiles.enqueue(Folder() + "plain.prl");
  EXPECT_EQ(tools.SavePlayList(), 0);
  EXPECT_EQ(dialogs.messages.size(), 1);
  EXPECT_FALSE(LogText().contains("plain.prl\"\r\n\"01/03/2024\",\"10:00:00\",\"ERR\""));
}

TEST_F(ToolsTest, FindInPathsIgnoresCaseAndNoAtEveryMatchEndsNotFound) {
  model.Insert(0, {MakeClipEntry("/Music/ROCK/One.mp3"), MakeClipEntry("/music/pop/Two.mp3"),
                   MakeClipEntry("/music/Rock/Three.mp3")});
  Answers({Dialogs::Answer::No, Dialogs::Answer::No});
  search.SearchPlayList(ListSearch::kPaths, "rock");
  ASSERT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(dialogs.messages[0].text, "Load /music/rock/one.mp3?");
  EXPECT_EQ(dialogs.messages[1].text, "Load /music/rock/three.mp3?");
  EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::YesNoCancel);
  EXPECT_EQ(LastStatus(), "File not found in play list, check the spelling and retry");
  EXPECT_TRUE(decks.Calls("load ").isEmpty());

  // Titles only for Find 1: the folder name "rock" is not searched.
  dialogs.messages.clear();
  search.SearchPlayList(ListSearch::kTitles, "rock");
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ToolsTest, FindAcceptedLoadsThatClipCancelStops) {
  Fill(5);
  Answers({Dialogs::Answer::No, Dialogs::Answer::Yes});
  search.SearchPlayList(ListSearch::kTitles, "CLIP");
  EXPECT_EQ(decks.Calls("load "), QStringList({"load 1 clip1"}));
  EXPECT_EQ(list.SelectedRow(), 1);
  EXPECT_EQ(focusMoves, 1);

  statuses.clear();
  Answers({Dialogs::Answer::Cancel});
  search.SearchPlayList(ListSearch::kTitles, "clip");
  EXPECT_TRUE(statuses.isEmpty());

  search.SearchPlayList(ListSearch::kTitles, "");
  EXPECT_EQ(LastStatus(), "Type a word to search");
  model.Clear();
  search.SearchPlayList(ListSearch::kTitles, "x");
  EXPECT_EQ(LastStatus(), "Play List is empty");
}

TEST_F(ToolsTest, FavouriteAddedTwiceGivesTwoLinesUnderAOneClipHeader) {
  Fill(3);
  model.SetDuration(1, "00:04:00:00");
  decks.deck[1].state = State::Playing;
  decks.deck[1].title = "clip1";
  Answers({Dialogs::Answer::Yes, Dialogs::Answer::Ok, Dialogs::Answer::Yes, Dialogs::Answer::Ok});
  EXPECT_EQ(favourites.AddToFavourites(), 0);
  EXPECT_EQ(favourites.AddToFavourites(), 0);
  EXPECT_EQ(dialogs.messages[0].text, "Do you want to add 'clip1' to favorites?");
  EXPECT_EQ(dialogs.messages[1].text, "'/music/clip1.mp3' added to favorits");

  PrlPlayList fav;
  ASSERT_EQ(prl::LoadPrl(Folder() + "favorits.prl", fav), 0);
  EXPECT_EQ(fav.header.Value(PrlField::Clips), "1");
  EXPECT_EQ(fav.clips, (QList<PrlClip>{{"00:04:00:00", "/music/clip1.mp3"}, {"00:04:00:00", "/music/clip1.mp3"}}));
}

TEST_F(ToolsTest, FavouriteWithAQuoteInItsPathIsRefusedAndLogged) {
  model.Insert(0, {MakeClipEntry("/music/12\" Mix.mp3")});
  decks.deck[2].state = State::Playing;
  decks.deck[2].title = "12\" Mix";
  Answers({Dialogs::Answer::Yes});
  EXPECT_EQ(favourites.AddToFavourites(), -1);
  ASSERT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(dialogs.messages[1].text,
            "'/music/12\" Mix.mp3' can't be added to favorits, its path holds a double quote");
  EXPECT_EQ(dialogs.messages[1].icon, Dialogs::Icon::Warning);
  EXPECT_EQ(LogText(),
            "\"01/03/2024\",\"10:00:00\",\"ERR\",\"Clip Not Added to Favorits\",\"" + Folder() + "favorits.prl\"\r\n");
  EXPECT_FALSE(QFileInfo::exists(Folder() + "favorits.prl"));
}

TEST_F(ToolsTest, FavouriteNeedsAClipOnAirAndAYes) {
  Fill(3);
  EXPECT_EQ(favourites.AddToFavourites(), -1);  // nothing playing
  decks.deck[1].state = State::Playing;
  decks.deck[1].title = "clip0";
  decks.deck[2].state = State::Playing;
  decks.deck[2].title = "clip2";  // both playing: Player 2's clip
  Answers({Dialogs::Answer::No});
  EXPECT_EQ(favourites.AddToFavourites(), -1);
  EXPECT_EQ(dialogs.messages[0].text, "Do you want to add 'clip2' to favorites?");
  EXPECT_FALSE(QFileInfo::exists(Folder() + "favorits.prl"));
}

class RenameTest : public PlaylistFixture {
 protected:
  struct FakePrompt final : RenamePrompt {
    std::optional<QString> AskNewName(const QString& f, const QString& n) override {
      folder = f;
      name = n;
      return answer;
    }
    std::optional<QString> answer;
    QString folder, name;
  };

  RenameTest() : renamer(list, decks, prompt, StatusSink()) {
    clipFolder = Folder() + "clips/";
    QDir().mkpath(clipFolder);
    for (const char* n : {"Old Song.mp3", "Taken.mp3", "Other.mp3"}) {
      QFile f(clipFolder + n);
      EXPECT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(n);
    }
    model.Insert(0, {MakeClipEntry(clipFolder + "Other.mp3"), MakeClipEntry(clipFolder + "Old Song.mp3")});
    list.SelectItem(1);
  }

  QString clipFolder;
  FakePrompt prompt;
  ClipRenamer renamer;
};

TEST_F(RenameTest, RenameMovesTheFileAndUpdatesTheRowAfterStoppingItsDeck) {
  decks.deck[2].title = "Old Song";
  decks.deck[1].title = "Other";
  prompt.answer = "New Song";
  EXPECT_EQ(renamer.RenameClipFile(), 0);
  EXPECT_EQ(prompt.folder, clipFolder);
  EXPECT_EQ(prompt.name, "Old Song");
  EXPECT_EQ(decks.calls, QStringList({"pause 2", "reset 2"}));
  EXPECT_EQ(model.At(1).title, "New Song");
  EXPECT_EQ(model.At(1).path, clipFolder + "New Song.mp3");
  EXPECT_TRUE(QFileInfo::exists(clipFolder + "New Song.mp3"));
  EXPECT_FALSE(QFileInfo::exists(clipFolder + "Old Song.mp3"));
  EXPECT_EQ(LastStatus(), "File Renamed");
}

TEST_F(RenameTest, FailedOrCancelledRenameLeavesFilesAndListAlone) {
  struct Case {
    std::optional<QString> answer;
    const char* status;
  };
  const Case cases[] = {
      {QString("Taken"), "Failed to rename file"},  // never overwrites another clip
      {QString("../escaped"), "Failed to rename file"},
      {std::nullopt, "Action Canceled"},
  };
  for (const Case& c : cases) {
    prompt.answer = c.answer;
    EXPECT_EQ(renamer.RenameClipFile(), -1);
    EXPECT_EQ(LastStatus(), c.status);
    EXPECT_EQ(model.At(1).path, clipFolder + "Old Song.mp3");
    EXPECT_EQ(model.At(1).title, "Old Song");
  }
  QFile taken(clipFolder + "Taken.mp3");
  ASSERT_TRUE(taken.open(QIODevice::ReadOnly));
  EXPECT_EQ(taken.readAll(), "Taken.mp3");
  EXPECT_TRUE(QFileInfo::exists(clipFolder + "Old Song.mp3"));
  EXPECT_FALSE(QFileInfo::exists(Folder() + "escaped.mp3"));
}

TEST_F(RenameTest, ReadOnlyFolderFailsAndKeepsTheRow) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write into a read-only folder";
  QFile::setPermissions(clipFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  prompt.answer = "New Song";
  EXPECT_EQ(renamer.RenameClipFile(), -1);
  QFile::setPermissions(clipFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(LastStatus(), "Failed to rename file");
  EXPECT_EQ(model.At(1).title, "Old Song");
}

TEST_F(RenameTest, ClipWhoseFileIsGoneFailsAndKeepsTheRow) {
  QFile::remove(clipFolder + "Old Song.mp3");
  prompt.answer = "New Song";
  EXPECT_EQ(renamer.RenameClipFile(), -1);
  EXPECT_EQ(LastStatus(), "Failed to rename file");
  EXPECT_EQ(model.At(1).title, "Old Song");
}
