// Getting clips into the songs list: the "Load clips" command with its questions, PRL and
// M3U lists, and dropped files.
#include "PlaylistFixture.h"
#include "songs/ClipLoader.h"
#include "songs/RememberedFolders.h"

#include <QDir>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QByteArray PrlBytes(const QStringList& clipLines) {
  QByteArray b =
      "\"Tevro Play List - Version 2.0\"\r\n\"Date: \"\r\n\"Owner: KORVO XA user\"\r\n\"Clips: 1\"\r\n"
      "\"Duration: 01:02:03:04\"\r\n\"Style: \"\r\n\"Description: Created By KORVO XA\"\r\n\"Date to play: \"\r\n"
      "\"Time to play: \"\r\n";
  for (const QString& l : clipLines) b += '"' + l.toUtf8() + "\"\r\n";
  return b;
}

}  // namespace

class LoaderTest : public PlaylistFixture {
 protected:
  LoaderTest() : loader(list, dialogs, log, folders, StatusSink(), [this](const QString& p) { epls << p; }) {}

  // A folder of MP3 files (contents do not matter here) plus one file of another kind.
  QString MakeMp3Folder(const QStringList& names) {
    const QString folder = Folder() + "songs/";
    QDir().mkpath(folder);
    for (const QString& n : names) WriteFile(folder + n, "x");
    WriteFile(folder + "notes.txt", "x");
    return folder;
  }

  RememberedFolders folders;
  QStringList epls;
  ClipLoader loader;
};

TEST_F(LoaderTest, FolderLoadAnsweredNoGoesBeforeTheSelectedItem) {
  const QString folder = MakeMp3Folder({"b.mp3", "a.mp3", "C.MP3"});
  Fill(10);
  list.SelectItem(5);
  dialogs.openFiles.enqueue({folder + "a.mp3"});
  dialogs.answers.enqueue(Dialogs::Answer::No);

  loader.LoadClips(ClipLoader::kMp3);

  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text, "Clear 10 clips and empty the Play List?");
  EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::YesNoCancel);
  EXPECT_EQ(dialogs.messages[0].defaultButton, Dialogs::Answer::No);
  EXPECT_EQ(Titles(), QStringList({"clip0", "clip1", "clip2", "clip3", "clip4", "a", "b", "C", "clip5", "clip6",
                                   "clip7", "clip8", "clip9"}));
  EXPECT_EQ(list.SelectedRow(), 8);
  EXPECT_EQ(model.At(5).path, folder + "a.mp3");
  EXPECT_EQ(model.At(5).duration, "");
  EXPECT_EQ(folders.mp3Folder, folder);
  EXPECT_EQ(dialogs.fileDialogs[0].filter.section(";;", 0, 0), "MPEG Audio Files (*.mp3)");
}

TEST_F(LoaderTest, ClearQuestionYesEmptiesFirstCancelKeepsEverything) {
  const QString folder = MakeMp3Folder({"a.mp3"});
  struct Case {
    Dialogs::Answer answer;
    QStringList titles;
    QString status;
  };
  const Case cases[] = {
      {Dialogs::Answer::Yes, {"a"}, "Loading files..."},
      {Dialogs::Answer::Cancel, {"clip0", "clip1"}, "Load canceled"},
  };
  for (const Case& c : cases) {
    model.Clear();
    Fill(2);
    dialogs.openFiles.enqueue({folder + "a.mp3"});
    dialogs.answers.enqueue(c.answer);
    loader.LoadClips(ClipLoader::kMp3);
    EXPECT_EQ(Titles(), c.titles);
    EXPECT_EQ(LastStatus(), c.status);
  }
}

TEST_F(LoaderTest, CancelledDialogAndForeignPlayListAreReported) {
  loader.LoadClips(ClipLoader::kPrl);  // nothing scripted: cancelled
  EXPECT_EQ(LastStatus(), "Loading canceled");
  EXPECT_EQ(dialogs.fileDialogs[0].filter.section(";;", 0, 0), "KORVO, TEVRO Play Lists (*.prl)");

  const QString fake = Folder() + "other.prl";
  WriteFile(fake, "\"Some other list format of no interest\"\r\n\"x\"\r\n");
  dialogs.openFiles.enqueue({fake});
  loader.LoadClips(ClipLoader::kPrl);
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text, fake + " is not a KORVO xa Play List");
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Warning);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(LogText(), "\"01/03/2024\",\"10:00:00\",\"ERR\",\"File Is Not a PRL Play List\",\"" + fake + "\"\r\n");

  // Too short to be tested at all: refused without a log entry.
  QFile::remove(log.FilePath());
  const QString tiny = Folder() + "tiny.prl";
  WriteFile(tiny, "\"Tevro\"");
  dialogs.openFiles.enqueue({tiny});
  loader.LoadClips(ClipLoader::kPrl);
  EXPECT_EQ(dialogs.messages.last().text, tiny + " is not a KORVO xa Play List");
  EXPECT_EQ(LogText(), "");
}

TEST_F(LoaderTest, PlayListGoesInAtTheCurrentItemWithItsHeader) {
  const QString prl = Folder() + "list.prl";
  WriteFile(prl, PrlBytes({"00:03:25:12C:\\Music\\Song name.mp3", "00:01:00:00/abs/Other.mp3", "00:00:10:00rel/x.mp3"}));
  Fill(2);
  list.SelectItem(1);
  EXPECT_EQ(loader.LoadPrl(prl), 0);
  EXPECT_EQ(Titles(), QStringList({"clip0", "Song name", "Other", "x", "clip1"}));
  EXPECT_EQ(model.At(1).duration, "00:03:25:12");
  EXPECT_EQ(model.At(1).path, "C:\\Music\\Song name.mp3");
  EXPECT_EQ(model.At(3).path, Folder() + "rel/x.mp3");  // relative to the list's folder
  EXPECT_EQ(list.ListDuration(), "01:02:03:04");
  EXPECT_EQ(list.Header().Value(PrlField::Owner), "KORVO XA user");
  EXPECT_EQ(LastStatus(), "Songs List Loaded");
  EXPECT_TRUE(LogText().contains("\"ACC\",\"PRL Play List Loaded\",\"" + prl + "\""));

  EXPECT_EQ(loader.LoadPrl(Folder() + "missing.prl"), -6);
  EXPECT_EQ(list.Count(), 5);
}

TEST_F(LoaderTest, M3uWithCrLfGivesCleanPathsAndTitles) {
  const QString m3u = Folder() + "list.m3u";
  WriteFile(m3u, "#EXTM3U\r\n#EXTINF:100,Artist - One\r\n/music/One.mp3\r\n/music/Two.mp3\r\n/music/Three.mp3");
  Fill(1);
  dialogs.openFiles.enqueue({m3u});
  loader.LoadClips(ClipLoader::kM3u);
  EXPECT_TRUE(dialogs.messages.isEmpty());  // no clear question for an import
  EXPECT_EQ(Titles(), QStringList({"One", "Two", "Three", "clip0"}));
  EXPECT_EQ(model.At(0).path, "/music/One.mp3");
  EXPECT_EQ(LastStatus(), "Songs List Loaded");
  EXPECT_TRUE(LogText().contains("\"ACC\",\"M3U Play List Imported\",\"" + m3u + "\""));
}

// Lists as other players and old stations write them, through the "Import m3u List"
// command: what goes in, what the status line says and what the play log gets.
TEST_F(LoaderTest, M3uListsOfOtherPlayers) {
  qputenv("KORVO_DRIVE_C", (Folder() + "drive_c").toUtf8());
  struct Case {
    const char* fixture;
    QStringList titles;
    QString status;
    QStringList logEvents;
  } cases[] = {
      {"linux_player.m3u8", {QStringLiteral("Caf\u00e9 Noir"), "Blank Edges"}, "Songs List Loaded, 1 line not used",
       {"M3U Play List Imported", "M3U Lines Not Used: 1"}},
      {"old_station_cr.m3u",
       {QStringLiteral("Don\u2019t Stop"), QStringLiteral("\u201cHit\u201d")},
       "Songs List Loaded",
       {"M3U Play List Imported"}},
      {"windows_utf16le.m3u",
       {QStringLiteral("\u00dcber"), "Two Words"},
       "Songs List Loaded",
       {"M3U Play List Imported"}},
      {"mac_utf16be.m3u", {QStringLiteral("\u201cQuoted\u201d")}, "Songs List Loaded", {"M3U Play List Imported"}},
      {"streams_only.m3u", {}, "No clips found in the M3U list, 2 lines not used",
       {"No Clips in M3U Play List", "M3U Lines Not Used: 2"}},
  };
  for (const Case& c : cases) {
    model.Clear();
    statuses.clear();
    QFile::remove(log.FilePath());
    const QString path = qEnvironmentVariable("KORVO_FIXTURES") + "/m3u/" + c.fixture;
    ASSERT_TRUE(QFile::exists(path)) << c.fixture;
    dialogs.openFiles.enqueue({path});
    loader.LoadClips(ClipLoader::kM3u);
    EXPECT_EQ(Titles(), c.titles) << c.fixture;
    EXPECT_EQ(LastStatus(), c.status) << c.fixture;
    QStringList events;
    for (const QString& line : LogText().split("\r\n", Qt::SkipEmptyParts)) events << line.section("\",\"", 3, 3);
    EXPECT_EQ(events, c.logEvents) << c.fixture;
    EXPECT_TRUE(LogText().endsWith(",\"" + path + "\"\r\n")) << c.fixture;
  }
  qunsetenv("KORVO_DRIVE_C");
  EXPECT_TRUE(dialogs.fileDialogs[0].filter.section(";;", 0, 0).contains("*.m3u8"));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(LoaderTest, DroppedM3uListsAreImported) {
  const QString m3u = Folder() + "a.m3u", m3u8 = Folder() + "b.M3U8";
  WriteFile(m3u, "/music/One.mp3\n");
  WriteFile(m3u8, "\xEF\xBB\xBF/music/Two.mp3\n");
  Fill(1);
  list.SelectItem(0);
  loader.DropFiles({m3u});
  EXPECT_EQ(Titles(), QStringList({"One", "clip0"}));
  loader.DropFiles({m3u8, "/d/x.mp3"});
  EXPECT_EQ(Titles(), QStringList({"One", "Two", "clip0", "x"}));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(LogText().count("\"M3U Play List Imported\""), 2);
}

TEST_F(LoaderTest, DroppedMp3sFollowTheCurrentItemInTheirOrder) {
  Fill(3);
  list.SelectItem(1);
  loader.DropFiles({"/d/x.mp3", "/d/y.MP3", "/d/z.mp3"});
  EXPECT_EQ(Titles(), QStringList({"clip0", "clip1", "x", "y", "z", "clip2"}));
  EXPECT_EQ(list.SelectedRow(), 4);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(LoaderTest, PlayListDroppedWithAClipIsRefusedAndTheClipGoesIn) {
  const QString prl = Folder() + "list.prl";
  WriteFile(prl, PrlBytes({"00:01:00:00/music/FromList.mp3"}));
  loader.DropFiles({prl, "/d/x.mp3", "/d/readme.txt"});
  EXPECT_EQ(Titles(), QStringList({"x"}));
  ASSERT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(dialogs.messages[0].text, "Please drop a 'prl', 'epl' Play List or a mp3 clip");
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Information);

  loader.DropFiles({prl});  // alone it loads, without a question
  EXPECT_EQ(Titles(), QStringList({"FromList", "x"}));
  loader.DropFiles({Folder() + "block.EPL"});
  EXPECT_EQ(epls, QStringList({Folder() + "block.EPL"}));
  EXPECT_EQ(dialogs.messages.size(), 2);
}
