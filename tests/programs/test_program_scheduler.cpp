// The programs list and its check: the table read in, the "PRG" switch, programs that fire
// three minutes before their time round the clock, and lists that cannot be read.
#include "ProgramsFixture.h"
#include "songs/ListShuffler.h"

namespace {

TEST_F(ProgramsFixture, ThePrgSwitchLoadsTheTableAndSaysHowMany) {
  struct Case {
    int rows;
    const char* status;
    bool on;
  };
  const Case cases[] = {{1, "1 PROGRAM LOADED", true}, {3, "3 PROGRAMS LOADED", true}, {0, "0 programs found", false}};
  for (const Case& c : cases) {
    programs.SetProgramsEnabled(false);
    QList<std::array<QString, 3>> rows;
    for (int i = 0; i < c.rows; ++i)
      rows.append({QStringLiteral("/l%1.prl").arg(i), QStringLiteral("1%1:00").arg(i), "0"});
    if (c.rows > 0)
      WriteTable(rows);
    else
      QFile::remove(programs::ProgramsFilePath(startFolder));
    programs.SetProgramsEnabled(true);
    EXPECT_EQ(statuses.last(), c.status);
    EXPECT_EQ(programs.ProgramsEnabled(), c.on);
    EXPECT_EQ(timers.IsRunning(timerid::kProgramCheck), c.on);
  }
  EXPECT_TRUE(LogText().contains("\"ACC\",\"Programs Loaded\",\"3 PROGRAMS LOADED\""));
  EXPECT_TRUE(LogText().contains("\"ACC\",\"Programs Not Found\",\"\""));

  WriteTable({{"/a.prl", "10:00", "0"}});
  programs.SetProgramsEnabled(true);
  programs.SetProgramsEnabled(false);
  EXPECT_EQ(statuses.last(), "PROGRAMS UNLOADED");
  EXPECT_EQ(programs.List().Count(), 0);
  EXPECT_FALSE(timers.IsRunning(timerid::kProgramCheck));
}

// Each record goes in at the top; records without a path or a time never do.
TEST_F(ProgramsFixture, TheListShowsTheFileInReverseWithoutRecordsThatNameNothing) {
  WriteTable({{"/a.prl", "08:00", "0"}, {"", "09:00", "0"}, {"/c.prl", "", "0"}, {"/d.prl", "11:30", "1"}});
  ASSERT_EQ(programs.LoadProgramsTable(), 1);
  EXPECT_EQ(ProgramTimes(), (QStringList{"11:30", "08:00"}));
  EXPECT_EQ(programs.List().At(0).name, "SHOW 11:30");
  EXPECT_EQ(programs.List().At(0).shuffle, "1");
}

TEST_F(ProgramsFixture, AProgramAtTenReplacesTheSongsListAtNineFiftySeven) {
  FillSongs({"old one", "old two"});
  const QString prl = WritePrl("morning.prl", {"first", "second", "third"});
  WriteTable({{prl, "10:00", "0"}, {"/other.prl", "12:00", "0"}});
  programs.SetProgramsEnabled(true);

  TickAt(9, 56, 59);
  EXPECT_EQ(SongTitles(), (QStringList{"old one", "old two"}));
  TickAt(9, 57, 0);
  EXPECT_EQ(SongTitles(), (QStringList{"first", "second", "third"}));
  EXPECT_EQ(decks.Calls("load "), (QStringList{"load 1 first"}));
  EXPECT_EQ(ProgramTimes(), (QStringList{"12:00"}));
  EXPECT_EQ(songs.SelectedRow(), 0);
  TickAt(9, 57, 1);
  EXPECT_EQ(decks.Calls("load ").size(), 1) << "a row fires once";
}

// Round the clock: midnight counts as 1440, and a program just after it is three minutes
// ahead of 23:58 as any other.
TEST_F(ProgramsFixture, ProgramsAroundMidnight) {
  struct Case {
    const char* time;
    QTime fires;
    QTime notYet;
  };
  const Case cases[] = {{"00:00", {23, 57}, {23, 56, 59}}, {"00:01", {23, 58}, {23, 57}}, {"00:30", {0, 27}, {0, 26}}};
  const QString prl = WritePrl("night.prl", {"night"});
  for (const Case& c : cases) {
    WriteTable({{prl, c.time, "0"}});
    programs.SetProgramsEnabled(true);
    TickAt(c.notYet.hour(), c.notYet.minute(), c.notYet.second());
    EXPECT_EQ(programs.List().Count(), 1) << c.time;
    TickAt(c.fires.hour(), c.fires.minute(), 0);
    EXPECT_EQ(programs.List().Count(), 0) << c.time;
  }
}

// The second row of one time moves up into the first's place and waits for the next tick.
TEST_F(ProgramsFixture, TwoRowsOfOneTimeFireOneTickApart) {
  const QString a = WritePrl("a.prl", {"a1"});
  const QString b = WritePrl("b.prl", {"b1"});
  WriteTable({{b, "10:00", "0"}, {a, "10:00", "0"}});  // read in reverse: a on top
  programs.SetProgramsEnabled(true);
  TickAt(9, 57, 0);
  EXPECT_EQ(SongTitles(), (QStringList{"a1"}));
  EXPECT_EQ(programs.List().Count(), 1);
  TickAt(9, 57, 1);
  EXPECT_EQ(SongTitles(), (QStringList{"b1"}));
  EXPECT_EQ(programs.List().Count(), 0);
}

TEST_F(ProgramsFixture, NothingFiresDuringACrossfade) {
  WriteTable({{WritePrl("a.prl", {"a1"}), "10:00", "0"}});
  programs.SetProgramsEnabled(true);
  mixing = true;
  TickAt(9, 57, 0);
  EXPECT_EQ(programs.List().Count(), 1);
  mixing = false;
  TickAt(9, 57, 1);
  EXPECT_EQ(programs.List().Count(), 0);
}

// The songs list is emptied first; an unreadable list leaves it empty, the row goes all
// the same and the free deck gets nothing.
TEST_F(ProgramsFixture, AProgramWhoseListIsMissing) {
  FillSongs({"old"});
  WriteTable({{startFolder + "gone.prl", "10:00", "0"}});
  programs.SetProgramsEnabled(true);
  TickAt(9, 57, 0);
  EXPECT_EQ(songs.Count(), 0);
  EXPECT_EQ(programs.List().Count(), 0);
  EXPECT_TRUE(decks.Calls("load ").isEmpty());
}

// Shuffled silently from the shared generator: the same order the "S" shuffle's draws
// give, no status text, no log entry.
TEST_F(ProgramsFixture, AShuffledProgramIsLoadedInTheGeneratorsOrder) {
  QStringList clips;
  for (int i = 0; i < 12; ++i) clips << QStringLiteral("c%1").arg(i);
  WriteTable({{WritePrl("s.prl", clips), "10:00", "1"}});
  programs.SetProgramsEnabled(true);
  statuses.clear();
  TickAt(9, 57, 0);
  CrtRand fresh;
  QStringList expected;
  for (int from : ShuffleOrder(12, fresh)) expected << clips[from];
  EXPECT_EQ(SongTitles(), expected);
  EXPECT_NE(SongTitles(), clips);
  EXPECT_FALSE(statuses.contains("Ready - Play List Suffled"));
  EXPECT_FALSE(LogText().contains("Play List Suffle"));
}

TEST_F(ProgramsFixture, LoadProgramNowTakesTheSelectedRowAndFeedsADeckOnlyWithLoadNext) {
  WriteTable({{WritePrl("a.prl", {"a1"}), "10:00", "0"}, {WritePrl("b.prl", {"b1"}), "11:00", "0"}});
  programs.SetProgramsEnabled(true);
  programs.LoadSelectedProgramNow();
  EXPECT_EQ(programs.List().Count(), 2) << "nothing selected";
  loadNext = false;
  programs.NoteSelected(1);
  programs.LoadSelectedProgramNow();
  EXPECT_EQ(SongTitles(), (QStringList{"a1"}));
  EXPECT_TRUE(decks.Calls("load ").isEmpty());
  loadNext = true;
  programs.NoteSelected(0);
  programs.LoadSelectedProgramNow();
  EXPECT_EQ(decks.Calls("load "), (QStringList{"load 1 b1"}));
  EXPECT_EQ(programs.List().Count(), 0);
}

}  // namespace
