// Ensure play: the snapshot taken when "EP" goes on, the files deleted when it goes off,
// and the recovery at start-up in its order, with files that are missing, empty or not
// what they should be.
#include "ProgramsFixture.h"
#include "formats/PrlReader.h"

namespace {

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

const QByteArray kEpl = "\"Spotwright0116 Play List of: 05/12/2000\"\r\n\"08:00   LOGO1-1   MORNING SPOT\"\r\n";

TEST_F(ProgramsFixture, SwitchingOnTakesTheSnapshotAndSwitchingOffDeletesIt) {
  FillSongs({"one", "two"});
  const QString epl = startFolder + "day.epl";
  Write(epl, kEpl);
  ASSERT_EQ(adverts.LoadAdvertList(epl), 1);
  WriteTable({{"/a.prl", "10:00", "0"}});
  programs.SetProgramsEnabled(true);

  ensure.SetEnsurePlay(true);
  EXPECT_TRUE(ensure.EnsurePlayOn());
  EXPECT_TRUE(timers.IsRunning(timerid::kEnsurePlay));
  EXPECT_EQ(timers.Period(timerid::kEnsurePlay), 4000);
  EXPECT_EQ(autoPlays, 1);
  PrlPlayList copy;
  ASSERT_EQ(prl::LoadPrl(ensure.SongsSnapshotPath(), copy), 0);
  ASSERT_EQ(copy.clips.size(), 2);
  EXPECT_EQ(copy.clips[0].path, "/music/one.mp3");
  EXPECT_EQ(Bytes(ensure.AdvertsSnapshotPath()), kEpl);
  EXPECT_TRUE(Exists(ensure.ProgramsMarkerPath()));
  EXPECT_TRUE(LogText().contains("\"ACC\",\"Ensure Play Enabled\",\"\""));
  EXPECT_TRUE(LogText().contains("\"ACC\",\"Play List Saved\""));

  ensure.SetEnsurePlay(false);
  EXPECT_FALSE(timers.IsRunning(timerid::kEnsurePlay));
  EXPECT_EQ(passResets, 1);
  for (const QString& p : {ensure.SongsSnapshotPath(), ensure.AdvertsSnapshotPath(), ensure.ProgramsMarkerPath()})
    EXPECT_FALSE(Exists(p)) << p.toStdString();
  EXPECT_TRUE(LogText().contains("\"ACC\",\"Ensure Play Disabled\",\"\""));
}

// Without an advert list nothing is copied, and a copy from an earlier run stays; without
// "PRG" no marker is written.
TEST_F(ProgramsFixture, NoEplEverLoadedLeavesNoCopyOrTheOldOne) {
  FillSongs({"one"});
  ensure.SetEnsurePlay(true);
  EXPECT_FALSE(Exists(ensure.AdvertsSnapshotPath()));
  EXPECT_FALSE(Exists(ensure.ProgramsMarkerPath()));
  Write(ensure.AdvertsSnapshotPath(), "older copy");
  ensure.SetEnsurePlay(true);
  EXPECT_EQ(Bytes(ensure.AdvertsSnapshotPath()), "older copy");
}

TEST_F(ProgramsFixture, AnEmptySongsListIsRefused) {
  ensure.SetEnsurePlay(true);
  EXPECT_FALSE(ensure.EnsurePlayOn());
  EXPECT_FALSE(timers.IsRunning(timerid::kEnsurePlay));
  EXPECT_EQ(dialogs.Texts(), (QStringList{"To Ensure play you should have at least songs in play list"}));
  EXPECT_TRUE(LogText().contains("\"ERR\",\"Ensure Play Disabled\",\"Play List was Empty\""));
  EXPECT_FALSE(Exists(ensure.SongsSnapshotPath()));
}

// Switched off after the list was emptied: it still stops and forgets, so no later start
// brings back a list the operator is done with.
TEST_F(ProgramsFixture, SwitchingOffWorksWithAnEmptySongsList) {
  FillSongs({"one"});
  ensure.SetEnsurePlay(true);
  songs.ClearSongsList();
  ensure.SetEnsurePlay(false);
  EXPECT_FALSE(timers.IsRunning(timerid::kEnsurePlay));
  EXPECT_FALSE(Exists(ensure.SongsSnapshotPath()));
  EXPECT_TRUE(dialogs.Texts().isEmpty());
}

// A full recovery: the songs come back and ensure play goes on again, the advert copy and
// the programs marker survive it and bring back adverts and programs.
TEST_F(ProgramsFixture, RecoveryRestoresSongsAdvertsAndPrograms) {
  FillSongs({"one", "two", "three"});
  const QString epl = startFolder + "day.epl";
  Write(epl, kEpl);
  adverts.LoadAdvertList(epl);
  WriteTable({{"/a.prl", "10:00", "0"}});
  programs.SetProgramsEnabled(true);
  ensure.SetEnsurePlay(true);

  ProgramsStation next;
  QDir().mkpath(next.startFolder + "Prglists");
  ASSERT_TRUE(QFile::copy(programs::ProgramsFilePath(startFolder), programs::ProgramsFilePath(next.startFolder)));
  for (const QString& p : {ensure.SongsSnapshotPath(), ensure.AdvertsSnapshotPath(), ensure.ProgramsMarkerPath()})
    ASSERT_TRUE(QFile::copy(p, next.driveC + p.mid(driveC.size())));
  next.ensure.RecoverAfterRestart();

  EXPECT_EQ(next.SongTitles(), (QStringList{"one", "two", "three"}));
  EXPECT_TRUE(next.ensure.EnsurePlayOn());
  EXPECT_TRUE(next.timers.IsRunning(timerid::kEnsurePlay));
  EXPECT_EQ(next.adverts.List().Count(), 1);
  EXPECT_TRUE(next.adverts.AdvertsEnabled());
  EXPECT_TRUE(next.programs.ProgramsEnabled());
  EXPECT_EQ(next.ProgramTimes(), (QStringList{"10:00"}));
  EXPECT_EQ(Bytes(next.ensure.AdvertsSnapshotPath()), kEpl);
  EXPECT_TRUE(next.Exists(next.ensure.ProgramsMarkerPath()));
}

TEST_F(ProgramsFixture, RecoveryWithOnlyTheProgramsMarkerSwitchesOnProgramsButNotEnsurePlay) {
  WriteTable({{"/a.prl", "10:00", "0"}});
  Write(ensure.ProgramsMarkerPath(), "");
  ensure.RecoverAfterRestart();
  EXPECT_TRUE(programs.ProgramsEnabled());
  EXPECT_FALSE(ensure.EnsurePlayOn());
  EXPECT_FALSE(timers.IsRunning(timerid::kEnsurePlay));
  EXPECT_FALSE(adverts.AdvertsEnabled());
}

// Snapshots that are empty, cut short or not a play list: no crash, nothing made up, and a
// file that is not a play list is not written over. A list cut short still gives back the
// clips before the cut.
TEST_F(ProgramsFixture, RecoveryFromSnapshotsThatAreNotWhole) {
  QByteArray prl = "\"Tevro Play List - Version 2.0\"\r\n";
  for (const char* h :
       {"Date: ", "Owner: ", "Clips: 2", "Duration: ", "Style: ", "Description: ", "Date to play: ", "Time to play: "})
    prl += '"' + QByteArray(h) + "\"\r\n";
  prl += "\"00:03:00:00/music/one.mp3\"\r\n\"00:03:00:00/music/tw";
  struct Case {
    const char* what;
    QByteArray songs;
    QByteArray adverts;
    int clips;
  };
  const Case cases[] = {
      {"empty files", "", "", 0},
      {"not a play list", "\"just\" \"some\" \"quoted\" \"words\" and more text to pass thirty-one bytes", "junk", 0},
      {"cut short", prl, kEpl.left(kEpl.size() - 10), 1},
  };
  for (const Case& c : cases) {
    ProgramsStation s;
    Write(s.ensure.SongsSnapshotPath(), c.songs);
    Write(s.ensure.AdvertsSnapshotPath(), c.adverts);
    s.ensure.RecoverAfterRestart();
    ASSERT_GE(s.songs.Count(), c.clips) << c.what;
    if (c.clips > 0) {
      EXPECT_EQ(s.songs.At(0).path, "/music/one.mp3") << c.what;
    } else {
      EXPECT_EQ(s.songs.Count(), 0) << c.what;
    }
    EXPECT_EQ(s.ensure.EnsurePlayOn(), c.clips > 0) << c.what;
    EXPECT_EQ(s.adverts.List().Count(), 0) << c.what;
    EXPECT_FALSE(s.programs.ProgramsEnabled()) << c.what;
    if (c.clips == 0) {
      EXPECT_EQ(Bytes(s.ensure.SongsSnapshotPath()), c.songs) << c.what;
    }
  }
}

}  // namespace
