// The automatic mix against fake decks and list: fader paths tick by tick, when the watch
// fires, which deck comes in, and what ensure play does when the station falls silent.
#include "mix/MixEngine.h"
#include "platform/SystemServices.h"
#include "platform/TimerIds.h"
#include "platform/TimerTable.h"
#include "support/FakeDecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class FakeList : public MixList {
 public:
  int count = 10;
  int current = 0;
  int loads = 0;
  int hot = -1;
  int Count() const override { return count; }
  int CurrentIndex() override { return count ? current : -1; }
  void MarkHot(int i) override { hot = i; }
  void LoadNextIntoPlayer() override { ++loads; }
};

class FakeControls : public MixControls {
 public:
  MixSettings styleValues;  // what the sliders hold
  MixSettings* inForce = nullptr;
  QString status;
  void CaptureMixSettings() override {
    const int inSpeed = inForce->inSpeed, outSpeed = inForce->outSpeed;
    *inForce = styleValues;
    inForce->inSpeed = inSpeed;
    inForce->outSpeed = outSpeed;
  }
  void SetStatus(const QString& t) override { status = t; }
  void ShowMixNextPicture(bool) override {}
  void SetBusyCursor(bool) override {}
};

MixSettings Def1() {
  MixSettings s;
  s.skipSecOffset = 6;
  s.waitVolumeValue = 0;
  s.waitVolume = 1;
  s.inSpeedStep = 2;
  s.outSpeedStep = 0;
  s.mixTimerInterval = 10;
  s.styleStartVolume = 95;
  return s;
}

class MixEngineTest : public ::testing::Test {
 protected:
  MixEngineTest() {
    controls.inForce = &settings;
    controls.styleValues = Def1();
    settings = Def1();
    engine.SetFps(25);
  }
  // Player 2 on air at full level, Player 1 holding the next clip cued at 95.
  void OrdinaryCase() {
    decks.deck[1] = {PlayerState::Paused, 0, 5000, QStringLiteral("Next"), 95};
    decks.deck[2] = {PlayerState::Playing, 4000, 5000, QStringLiteral("On air"), 0};
  }
  // Runs crossfade ticks until the mix ends; returns the number of ticks.
  int RunCrossfade(std::vector<int>* inPath = nullptr, std::vector<int>* outPath = nullptr, int in = 1) {
    const int out = 3 - in;
    int ticks = 0;
    while (engine.Mixing() && ticks < 1000) {
      engine.OnTimer(timerid::kCrossfade);
      ++ticks;
      if (inPath) inPath->push_back(decks.deck[in].fader);
      if (outPath) outPath->push_back(decks.deck[out].fader);
    }
    return ticks;
  }

  FakeDecks decks;
  FakeList list;
  FakeControls controls;
  TimerTable timers;
  MixSettings settings;
  FakeSystemServices system;
  MixEngine engine{decks, list, controls, timers, settings, system};
};

TEST_F(MixEngineTest, Def1CrossfadeFollowsTheWorkedExample) {
  OrdinaryCase();
  engine.SetLoadNext(true);
  engine.StartMix();
  ASSERT_TRUE(engine.Mixing());
  EXPECT_EQ(engine.Direction(), MixDirection::Player1In);
  EXPECT_TRUE(timers.IsRunning(timerid::kCrossfade));
  EXPECT_EQ(timers.Period(timerid::kCrossfade), 10);
  EXPECT_EQ(decks.calls, QStringList({"play 1", "log 1"}));

  std::vector<int> in, out;
  const int ticks = RunCrossfade(&in, &out);
  const std::vector<int> firstTen(in.begin(), in.begin() + 10);
  EXPECT_EQ(firstTen, (std::vector<int>{94, 91, 86, 79, 70, 59, 46, 31, 14, 0}));
  // The outgoing fader waits for full level, then moves one step a tick.
  EXPECT_TRUE(std::all_of(out.begin(), out.begin() + 10, [](int p) { return p == 0; }));
  for (size_t i = 10; i + 1 < out.size() && out[i] < 100; ++i) EXPECT_EQ(out[i], int(i) - 9) << i;
  // Completion on the tick that starts with 0 and 100: ten ticks in, a hundred out, one more.
  EXPECT_EQ(ticks, 111);
  EXPECT_FALSE(engine.Mixing());
  EXPECT_FALSE(timers.IsRunning(timerid::kCrossfade));
  EXPECT_EQ(list.loads, 1);
  EXPECT_EQ(list.hot, 0);
  // Paused (never stopped) from the tick that read it past 80, on every tick until it reports.
  EXPECT_EQ(decks.Count("pause 2"), 99 - 81 + 1);
  EXPECT_EQ(decks.Count("level 1 100"), 111 - 10 + 1);
}

TEST_F(MixEngineTest, OutgoingFaderStartByWaitSetting) {
  struct Case {
    int waitVolume;
    int waitValue;
    int firstOutTick;  // 1-based tick on which the outgoing fader first moves
  };
  for (const Case c : {Case{0, 0, 1}, Case{1, 45, 9}, Case{1, 0, 11}}) {
    OrdinaryCase();
    controls.styleValues.waitVolume = c.waitVolume;
    controls.styleValues.waitVolumeValue = c.waitValue;
    engine.StartMix();
    std::vector<int> out;
    for (int t = 0; t < 15; ++t) {
      engine.OnTimer(timerid::kCrossfade);
      out.push_back(decks.deck[2].fader);
    }
    const auto moved = std::find_if(out.begin(), out.end(), [](int p) { return p != 0; });
    EXPECT_EQ(int(moved - out.begin()) + 1, c.firstOutTick) << c.waitVolume << "/" << c.waitValue;
    engine.EndMix();
  }
}

TEST_F(MixEngineTest, OutSpeedStepGrowsTheOutgoingSteps) {
  OrdinaryCase();
  controls.styleValues.waitVolume = 0;
  controls.styleValues.outSpeedStep = 3;
  engine.StartMix();
  std::vector<int> out;
  for (int t = 0; t < 4; ++t) {
    engine.OnTimer(timerid::kCrossfade);
    out.push_back(decks.deck[2].fader);
  }
  EXPECT_EQ(out, (std::vector<int>{1, 5, 12, 22}));  // steps 1, 4, 7, 10
}

// A tick runs every 10-50 ms, so it must stay cheap on the decks: each fader that moves is
// moved once without sending, then each deck's level goes out once.
TEST_F(MixEngineTest, EachTickMovesEachFaderOnceAndSendsEachLevelOnce) {
  struct Case {
    int waitVolume;
    QStringList firstTick;
  };
  const Case cases[] = {
      {1, {"fader 1 94", "level 1 6", "level 2 100"}},
      {0, {"fader 1 94", "fader 2 1", "level 1 6", "level 2 99"}},
  };
  for (const Case& c : cases) {
    OrdinaryCase();
    controls.styleValues.waitVolume = c.waitVolume;
    engine.StartMix();
    decks.calls.clear();
    engine.OnTimer(timerid::kCrossfade);
    EXPECT_EQ(decks.calls, c.firstTick) << c.waitVolume;
    engine.EndMix();
  }
}

TEST_F(MixEngineTest, WatchStartsTheMixAtTheSkipPointOrTheLastFrames) {
  struct Case {
    const char* what;
    QString title;
    int skipSec;
    uint32_t position, length;
    bool starts;
  };
  const Case cases[] = {
      {"at the skip point", "Song", 6, 4850, 5000, false},
      {"past the skip point", "Song", 6, 4851, 5000, true},
      {"short clip before its last 15 frames", "Song", 6, 100, 140, false},
      {"short clip in its last 15 frames", "Song", 6, 125, 140, true},
      {"skip 0 waits for the last 15 frames", "Song", 0, 4984, 5000, false},
      {"skip 0 at the last 15 frames", "Song", 0, 4985, 5000, true},
      {"advert ignores the skip point", "* Advert", 6, 4900, 5000, false},
      {"advert in its last 15 frames", "* Advert", 6, 4985, 5000, true},
  };
  for (const Case& c : cases) {
    OrdinaryCase();
    decks.deck[2].title = c.title;
    decks.deck[2].position = c.position;
    decks.deck[2].length = c.length;
    settings.skipSecOffset = c.skipSec;
    controls.styleValues.skipSecOffset = c.skipSec;
    engine.SetLoadNext(true);
    engine.SetMixNext(true);
    engine.OnTimer(timerid::kWatch);
    EXPECT_EQ(engine.Mixing(), c.starts) << c.what;
    EXPECT_EQ(timers.IsRunning(timerid::kWatch), !c.starts) << c.what;
    engine.EndMix();
    engine.SetLoadNext(false);
  }
}

TEST_F(MixEngineTest, WatchMixesAfterAClipEndedUnseen) {
  using S = PlayerState;
  struct Case {
    const char* what;
    S ended, other;
    bool starts;
  };
  const Case cases[] = {
      {"the next clip waits", S::AtEnd, S::Paused, true},
      {"the other deck plays", S::AtEnd, S::Playing, false},
      {"nothing ended", S::Paused, S::Paused, false},
  };
  for (const Case& c : cases) {
    OrdinaryCase();
    // Rewound to its start at the end, as the decks do.
    decks.deck[2] = {c.ended, 0, 5000, QStringLiteral("* Advert"), 0};
    decks.deck[1].state = c.other;
    engine.SetLoadNext(true);
    engine.SetMixNext(true);
    engine.OnTimer(timerid::kWatch);
    EXPECT_EQ(engine.Mixing(), c.starts) << c.what;
    if (c.starts) {
      EXPECT_EQ(engine.Direction(), MixDirection::Player1In) << c.what;
    }
    engine.EndMix();
    engine.SetLoadNext(false);
  }
}

TEST_F(MixEngineTest, WatchDoesNothingWithoutMixNext) {
  OrdinaryCase();
  decks.deck[2].position = 4999;
  engine.SetMixNext(true);  // refused: needs LOAD NEXT
  EXPECT_FALSE(engine.MixNext());
  engine.OnTimer(timerid::kWatch);
  EXPECT_FALSE(engine.Mixing());
}

TEST_F(MixEngineTest, ChooseDirectionCoversEveryCombination) {
  using S = PlayerState;
  struct Case {
    S p1, p2;
    int fader1, fader2;
    MixDirection expected;
    bool pausesPlayer1;
  };
  const Case cases[] = {
      {S::Paused, S::None, 0, 0, MixDirection::Player1In, false},
      {S::None, S::Stopped, 0, 0, MixDirection::Player2In, false},
      {S::None, S::None, 0, 0, MixDirection::None, false},
      {S::Playing, S::Paused, 0, 95, MixDirection::Player2In, false},
      {S::Paused, S::Playing, 95, 0, MixDirection::Player1In, false},
      {S::Stopped, S::Paused, 0, 0, MixDirection::Player1In, false},
      // An ended clip is not brought in again over a clip that waits.
      {S::AtEnd, S::Stopped, 0, 0, MixDirection::Player2In, false},
      {S::Paused, S::AtEnd, 0, 0, MixDirection::Player1In, false},
      {S::AtEnd, S::AtEnd, 0, 0, MixDirection::Player1In, false},
      {S::Playing, S::Playing, 10, 40, MixDirection::Player2In, true},  // Player 1 louder
      {S::Playing, S::Playing, 40, 10, MixDirection::Player1In, true},
      {S::Playing, S::Playing, 20, 20, MixDirection::Player1In, true},
  };
  for (const Case& c : cases) {
    decks.calls.clear();
    decks.deck[1].state = c.p1;
    decks.deck[2].state = c.p2;
    decks.deck[1].fader = c.fader1;
    decks.deck[2].fader = c.fader2;
    EXPECT_EQ(engine.ChooseDirection(), c.expected) << int(c.p1) << " " << int(c.p2);
    EXPECT_EQ(decks.Count("playpause 1"), c.pausesPlayer1 ? 1 : 0);
  }
}

TEST_F(MixEngineTest, SecondMixDuringACrossfadePausesTheIncomingDeckAndStartsAfresh) {
  OrdinaryCase();
  engine.StartMix();
  for (int t = 0; t < 3; ++t) engine.OnTimer(timerid::kCrossfade);
  EXPECT_EQ(settings.inSpeed, 7);
  decks.calls.clear();
  // The engine has reported Player 1 playing by now.
  decks.deck[1].state = PlayerState::Playing;
  engine.StartMix();
  EXPECT_EQ(decks.calls.first(), QStringLiteral("playpause 1"));
  EXPECT_EQ(settings.inSpeed, 1);
  EXPECT_EQ(settings.outSpeed, 1);
  EXPECT_TRUE(engine.Mixing());
}

TEST_F(MixEngineTest, MixWithNothingToPlayReportsOnTheStatusLine) {
  OrdinaryCase();
  list.count = 0;
  engine.StartMix();
  EXPECT_EQ(controls.status, QStringLiteral("Play list is empty!"));
  EXPECT_FALSE(engine.Mixing());

  list.count = 3;
  decks.deck[1].state = PlayerState::None;
  decks.deck[2].state = PlayerState::None;
  engine.SetLoadNext(true);
  engine.StartMix();
  EXPECT_FALSE(engine.Mixing());
  EXPECT_EQ(list.loads, 1) << "no clip in either deck: reset once and load the next clip";
}

TEST_F(MixEngineTest, EnsurePlayRestartsOnTheFifthIdlePassAndNeverStopsMixing) {
  list.count = 0;  // nothing can be mixed, so every pass stays idle
  for (int pass = 1; pass <= 4; ++pass) {
    engine.OnTimer(timerid::kEnsurePlay);
    EXPECT_EQ(engine.PassCount(), pass);
  }
  EXPECT_EQ(system.restarts, 0);
  // A pass with a deck on air does not count, nor reset the count.
  decks.deck[1].state = PlayerState::Playing;
  engine.OnTimer(timerid::kEnsurePlay);
  EXPECT_EQ(engine.PassCount(), 4);
  decks.deck[1].state = PlayerState::Paused;
  engine.OnTimer(timerid::kEnsurePlay);
  EXPECT_EQ(engine.PassCount(), 5);
  EXPECT_EQ(system.restarts, 1);
  // The restart did not happen (a station that does not allow it): idle passes go on
  // mixing instead of leaving the station silent, and the restart is not asked again.
  list.count = 3;
  OrdinaryCase();
  decks.deck[2].state = PlayerState::AtEnd;
  engine.OnTimer(timerid::kEnsurePlay);
  EXPECT_EQ(controls.status, QStringLiteral("pass 6"));
  EXPECT_TRUE(engine.Mixing());
  EXPECT_EQ(system.restarts, 1);
}

TEST_F(MixEngineTest, EnsurePlayStartsAMixOnAnIdlePass) {
  OrdinaryCase();
  decks.deck[2].state = PlayerState::AtEnd;
  engine.OnTimer(timerid::kEnsurePlay);
  EXPECT_EQ(controls.status, QStringLiteral("pass 1"));
  EXPECT_TRUE(engine.Mixing());
  EXPECT_EQ(decks.Count("play 1"), 1);
}

TEST_F(MixEngineTest, LoadBlinkShowsSecondFirstSecondFirstThenStops) {
  engine.StartLoadBlink(1);
  ASSERT_TRUE(timers.IsRunning(timerid::kLoadBlink1));
  for (int t = 0; t < 4; ++t) engine.OnTimer(timerid::kLoadBlink1);
  EXPECT_EQ(decks.calls, QStringList({"picture 1 1", "picture 1 0", "picture 1 1", "picture 1 0"}));
  EXPECT_FALSE(timers.IsRunning(timerid::kLoadBlink1));
}

TEST_F(MixEngineTest, StartUpMixStartsTheFirstClipOnceAndStopsItsTimer) {
  decks.deck[1] = {PlayerState::Paused, 0, 5000, QStringLiteral("First"), 95};
  timers.Start(timerid::kStartUpMix, 5000);
  engine.OnTimer(timerid::kStartUpMix);
  EXPECT_TRUE(engine.Mixing());
  EXPECT_EQ(decks.Count("log 1"), 1);
  EXPECT_FALSE(timers.IsRunning(timerid::kStartUpMix));
}

TEST_F(MixEngineTest, UnknownTimerIdsAreNotTheMixs) { EXPECT_FALSE(engine.OnTimer(99)); }

}  // namespace
