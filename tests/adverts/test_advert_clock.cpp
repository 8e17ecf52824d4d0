// The advert check of timer 3 and the insertion of a block into the running songs list.
#include <memory>

#include "AdvertsFixture.h"

namespace {

using State = PlayerState;

class AdvertClockTest : public AdvertsFixture {};

TEST_F(AdvertClockTest, BlockGoesInTwoMinutesAheadBeforeTheCurrentClipIntoTheFreePlayer) {
  FillSongs(3, 1);
  decks.deck[1].state = State::Playing;
  LoadDay();

  TickAt(7, 57, 59);
  EXPECT_EQ(SongTitles(), QStringList({"clip0", "clip1", "clip2"}));
  EXPECT_EQ(Blocks(), QStringList({"08:00", "12:30"}));

  TickAt(7, 58, 0);
  EXPECT_EQ(SongTitles(), QStringList({"clip0", "* 08:00 MORNING SPOT", "* 08:00 SECOND SPOT", "clip1", "clip2"}));
  EXPECT_EQ(Blocks(), QStringList({"12:30"}));
  EXPECT_EQ(decks.Calls("load "), QStringList({"load 2 * 08:00 MORNING SPOT"}));
  EXPECT_EQ(decks.deck[2].path, DriveC() + "/Adverts/LOGO1-1.MP3");  // not on disk: still goes in
  EXPECT_EQ(songs.SelectedRow(), 1);
  const SongsListModel& m = songs.Model();
  EXPECT_EQ(m.data(m.index(1, 0), SongsListModel::kPictureRole), 1);
  EXPECT_EQ(m.data(m.index(3, 0), SongsListModel::kPictureRole), 0);
  EXPECT_EQ(m.At(1).duration, "");
  EXPECT_EQ(adverts.List().SelectedRow(), 0);  // the block's first row of the adverts list

  // Once per load: later ticks of the same minute find no entry.
  TickAt(7, 58, 1);
  EXPECT_EQ(songs.Count(), 5);
  EXPECT_EQ(decks.Calls("load ").size(), 1);
}

// Every block goes in two minutes ahead, those just after midnight included, and not a
// second before.
TEST_F(AdvertClockTest, BlocksRoundMidnightGoInTwoMinutesAhead) {
  struct Case {
    const char* block;
    QTime due;
  } cases[] = {
      {"00:00", QTime(23, 58)}, {"00:01", QTime(23, 59)}, {"00:02", QTime(0, 0)},
      {"08:00", QTime(7, 58)},  {"23:59", QTime(23, 57)},
  };
  for (const Case& c : cases) {
    const auto station = std::make_unique<AdvertStation>();
    auto& s = *station;
    ASSERT_EQ(s.adverts.LoadAdvertList(s.WriteEpl({QString(c.block) + "   LOGO1-1   SPOT"})), 1);
    s.adverts.SetAdvertsEnabled(true);
    const QTime before = c.due.addSecs(-1);
    s.TickAt(before.hour(), before.minute(), before.second());
    EXPECT_EQ(s.songs.Count(), 0) << c.block;
    s.TickAt(c.due.hour(), c.due.minute(), 0);
    EXPECT_EQ(s.SongTitles(), QStringList({QString("* ") + c.block + " SPOT"})) << c.block;
  }
}

// After a hit nothing else is due in that tick: the block at 00:02, next in the list
// after 00:00 and 00:01, waits for its own minute.
TEST_F(AdvertClockTest, OneHitATickLeavesTheNextBlocksToTheirOwnMinutes) {
  ASSERT_EQ(adverts.LoadAdvertList(WriteEpl({"00:00   LOGO1-1   A", "00:01   LOGO1-1   B", "00:02   LOGO1-1   C"})), 3);
  adverts.SetAdvertsEnabled(true);
  TickAt(23, 58, 0);
  EXPECT_EQ(SongTitles(), QStringList({"* 00:00 A"}));
  EXPECT_EQ(Blocks(), QStringList({"00:01", "00:02"}));
  songs.SelectItem(0);
  TickAt(23, 59, 0);
  EXPECT_EQ(SongTitles(), QStringList({"* 00:01 B", "* 00:00 A"}));
  songs.SelectItem(0);
  TickAt(0, 0, 0);
  EXPECT_EQ(SongTitles(), QStringList({"* 00:02 C", "* 00:01 B", "* 00:00 A"}));
  EXPECT_TRUE(Blocks().isEmpty());
}

// A list loaded one minute before a block is too late for it: the difference is never 2
// again that day.
TEST_F(AdvertClockTest, ListLoadedAMinuteBeforeABlockMissesIt) {
  At(7, 59, 0);
  LoadDay();
  const QDateTime start = clock.Now();
  for (int s = 0; s <= 6 * 60; ++s) {
    clock.Set(start.addSecs(s));
    timers.Fire(timerid::kAdvertCheck);
  }
  EXPECT_EQ(songs.Count(), 0);
  EXPECT_EQ(Blocks(), QStringList({"08:00", "12:30"}));
}

TEST_F(AdvertClockTest, ManualAsksAndCancelDropsTheBlockButLoadBlockStillInsertsIt) {
  FillSongs(2, 0);
  LoadDay();
  adverts.SetManual(true);
  EXPECT_TRUE(adverts.List().LoadBlockEnabled());
  EXPECT_FALSE(adverts.List().BlockListEnabled());

  Answer(Dialogs::Answer::Cancel);
  TickAt(7, 58, 0);
  EXPECT_EQ(dialogs.Texts(), QStringList({"Press OK to Load 08:00 clips"}));
  EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::OkCancel);
  EXPECT_EQ(songs.Count(), 2);
  EXPECT_EQ(Blocks(), QStringList({"12:30"}));
  TickAt(7, 58, 1);
  EXPECT_EQ(dialogs.messages.size(), 1);  // dropped for good

  // ">>" on the 08:00 row.
  adverts.List().SelectRow(2);
  Answer(Dialogs::Answer::Ok);
  adverts.LoadBlock();
  EXPECT_EQ(SongTitles(), QStringList({"* 08:00 MORNING SPOT", "* 08:00 SECOND SPOT", "clip0", "clip1"}));
  EXPECT_TRUE(LogText().contains("\"ACC\",\"AD Block Loaded Manual\",\"08:00\""));
  EXPECT_EQ(Blocks(), QStringList({"12:30"}));

  // Answered OK, a due block goes in as without Manual.
  Answer(Dialogs::Answer::Ok);
  TickAt(12, 28, 0);
  EXPECT_EQ(songs.At(0).title, "* 12:30 NOON SPOT");
  EXPECT_TRUE(Blocks().isEmpty());
}

// The Manual question is modal: ticks keep coming while it is open and may take entries
// from the block list under the check that asked.
TEST_F(AdvertClockTest, TicksDuringTheManualQuestionNeitherRepeatNorLoseABlock) {
  struct TickingDialogs final : Dialogs {
    AdvertStation* station = nullptr;
    QStringList asked;
    Answer Message(const QString& text, const QString&, Icon, Buttons, Answer) override {
      asked << text;
      if (asked.size() == 1) station->TickAt(7, 59, 0);  // a minute passes before OK
      return Answer::Ok;
    }
    QStringList OpenFiles(const QString&, const QString&, const QString&, bool) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString Folder(const QString&, const QString&) override { return {}; }
    QString Text(const QString&, const QString&, const QString&, bool* ok) override {
      if (ok) *ok = false;
      return {};
    }
  } ticking;
  Adverts manual(songs, feed, timers, ticking, clock, log, {});
  ticking.station = this;
  QObject::disconnect(&timers, nullptr, &adverts, nullptr);
  QObject::connect(&timers, &TimerTable::Timeout, &manual, [&manual](int id) { manual.OnTimer(id); });
  ASSERT_EQ(manual.LoadAdvertList(WriteEpl({"08:00   LOGO1-1   A", "08:01   LOGO1-1   B", "12:30   LOGO1-1   C"})), 3);
  manual.SetManual(true);

  TickAt(7, 58, 0);
  EXPECT_EQ(ticking.asked, QStringList({"Press OK to Load 08:00 clips", "Press OK to Load 08:01 clips"}));
  EXPECT_EQ(SongTitles(), QStringList({"* 08:00 A", "* 08:01 B"}));
  EXPECT_EQ(manual.List().Blocks().Entries(), QStringList({"12:30"}));
}

TEST_F(AdvertClockTest, LoadBlockAsksFirstAndLeavesTheBlockListAlone) {
  FillSongs(1, 0);
  LoadDay();
  adverts.List().SelectRow(1);  // 12:30
  Answer(Dialogs::Answer::Cancel);
  adverts.LoadBlock();
  EXPECT_EQ(songs.Count(), 1);

  // "Load Block Now" ticks Manual on the way.
  EXPECT_FALSE(adverts.List().Manual());
  Answer(Dialogs::Answer::Ok);
  adverts.LoadBlockNow();
  EXPECT_TRUE(adverts.List().Manual());
  EXPECT_TRUE(adverts.List().LoadBlockEnabled());
  EXPECT_EQ(SongTitles(), QStringList({"* 12:30 NOON SPOT", "clip0"}));
  EXPECT_EQ(Blocks(), QStringList({"08:00", "12:30"}));

  // Still due by the clock: Manual asks again then.
  Answer(Dialogs::Answer::Ok);
  TickAt(12, 28, 0);
  EXPECT_EQ(SongTitles(), QStringList({"* 12:30 NOON SPOT", "* 12:30 NOON SPOT", "clip0"}));
}

TEST_F(AdvertClockTest, BlockWhoseSpotsWereAllRemovedStillFiresAndLoadsTheCurrentClip) {
  FillSongs(3, 2);
  ASSERT_EQ(adverts.LoadAdvertList(WriteEpl({"08:00   LOGO1-1   ONLY SPOT", "12:30   LOGO1-X   NOON SPOT"})), 2);
  adverts.SetAdvertsEnabled(true);
  adverts.List().SelectRow(0);
  adverts.RemoveAd();
  ASSERT_EQ(adverts.List().Count(), 1);

  TickAt(7, 58, 0);
  EXPECT_EQ(SongTitles(), QStringList({"clip0", "clip1", "clip2"}));
  EXPECT_EQ(Blocks(), QStringList({"12:30"}));
  EXPECT_EQ(songs.SelectedRow(), 2);
  EXPECT_EQ(decks.Calls("load "), QStringList({"load 1 clip2"}));
}

TEST_F(AdvertClockTest, WithBothPlayersPlayingTheBlockGoesInAndNothingIsLoaded) {
  FillSongs(2, 1);
  decks.deck[1].state = State::Playing;
  decks.deck[2].state = State::Playing;
  LoadDay();
  TickAt(7, 58, 0);
  EXPECT_EQ(SongTitles(), QStringList({"clip0", "* 08:00 MORNING SPOT", "* 08:00 SECOND SPOT", "clip1"}));
  EXPECT_EQ(songs.SelectedRow(), 1);
  EXPECT_TRUE(decks.Calls("load ").isEmpty());
  EXPECT_EQ(statuses.last(), "Play List empty, or nothing is selected");
}

TEST_F(AdvertClockTest, IntoAnEmptySongsListTheBlockStartsTheList) {
  LoadDay();
  TickAt(7, 58, 0);
  EXPECT_EQ(SongTitles(), QStringList({"* 08:00 MORNING SPOT", "* 08:00 SECOND SPOT"}));
  EXPECT_EQ(decks.Calls("load "), QStringList({"load 1 * 08:00 MORNING SPOT"}));
}

TEST_F(AdvertClockTest, NothingGoesInWhileMixingOrSwitchedOff) {
  LoadDay();
  mixing = true;
  TickAt(7, 58, 0);
  EXPECT_EQ(songs.Count(), 0);
  mixing = false;
  TickAt(7, 58, 1);
  EXPECT_EQ(songs.Count(), 2);

  adverts.SetAdvertsEnabled(false);
  EXPECT_FALSE(timers.IsRunning(timerid::kAdvertCheck));
  EXPECT_EQ(Blocks(), QStringList({"12:30"}));  // kept while off
  adverts.SetAdvertsEnabled(true);
  TickAt(12, 28, 0);
  EXPECT_EQ(songs.At(0).title, "* 12:30 NOON SPOT");
}

}  // namespace
