// The remote through a simulated one on a pseudo-terminal, against a station on fakes:
// the handshake, reports in the chunks the station reads, held buttons, closing, and a
// remote that never answers or goes away. Real time: order and outcome, generous limits.
#include <gtest/gtest.h>

#include <QTest>

#include "RemoteStation.h"
#include "audio/DecoderEngine.h"
#include "platform/TimerIds.h"

namespace {

constexpr int kWaitMs = 20000;

class RemoteLinkTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(s.simulated) << "no pseudo-terminal"; }

  RemoteControl& Remote() { return s.station->Remote(); }
  RemoteModes& Modes() { return s.station->RemoteButtons(); }

  void Open() {
    s.PressR();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Remote().RemoteOpen(); }, kWaitMs))
        << s.dialogs.Texts().join('|').toStdString();
    // LD 2 is the last of the opening's commands.
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return !s.sim.Commands().isEmpty() && s.sim.Commands().last() == 3; }, kWaitMs));
    // The remote answers every version request, and one more answer may be on its way:
    // a few polls read it, so that the first report does not share its chunk.
    QTest::qWait(200);
  }
  // One report at a time, each read by its own poll; done waits for its effect.
  template <typename Done>
  bool Send(const QByteArray& bytes, Done done) {
    s.sim.Send(bytes);
    return QTest::qWaitFor(done, kWaitMs);
  }
  bool Press(int button, std::function<bool()> done) {
    return Send(SimulatedRemote::Frame(SimulatedRemote::PressedState(button)), done);
  }
  void StepToMode(int mode) {
    while (Modes().RemoteMode() != mode) {
      const int next = Modes().RemoteMode() % 5 + 1;
      ASSERT_TRUE(Press(8, [&] { return Modes().RemoteMode() == next; }));
    }
  }
  // A clip parked in Player 1 and a row selected: what a mix needs.
  void ParkClipInPlayer1() {
    s.station->Songs().InsertAtCurrent({ClipEntry{QStringLiteral("One"), QStringLiteral("/music/one.mp3"), QString()}});
    s.station->Songs().SelectItem(0);
    s.station->DeckSet().OpenReady(1, QStringLiteral("/music/one.mp3"));
    s.engine.Notify(s.engine.PlayerAt(0), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PAUSED);
    ASSERT_EQ(s.station->DeckSet().State(1), PlayerState::Paused);
  }

  RemoteStation s;
};

TEST_F(RemoteLinkTest, OpeningResetsAsksForTheVersionAndShowsModeOne) {
  Open();
  ASSERT_TRUE(QTest::qWaitFor([this] { return s.sim.Commands().size() >= 5; }, kWaitMs));
  const QList<int> got = s.sim.Commands();
  EXPECT_EQ(got.mid(0, 3), (QList<int>{6, 8, 0}));
  EXPECT_EQ(got.mid(got.size() - 2), (QList<int>{7, 3}));
  EXPECT_EQ(s.station->StatusText(), QStringLiteral("COM2 opened for <KORVO Ver 3.1 r> Remote Control"));
  EXPECT_TRUE(s.station->Timers().IsRunning(timerid::kRemotePoll));
  EXPECT_EQ(Modes().RemoteMode(), 1);
  EXPECT_TRUE(s.dialogs.messages.isEmpty());
}

TEST_F(RemoteLinkTest, AReportCountsOnlyWhereTheStationLooksForIt) {
  ParkClipInPlayer1();
  Open();
  struct Case {
    const char* what;
    QByteArray bytes;
    QByteArray later;  // sent after a few polls
    bool mixes;
  };
  const QByteArray mix = SimulatedRemote::Frame(254);
  const Case cases[] = {
      {"'Start' at byte 12", QByteArray(11, 'x') + mix, {}, false},
      {"two buttons at once", SimulatedRemote::Frame(252), {}, false},
      {"garbage", QByteArrayLiteral("\xfe\xfe Strat \xfe"), {}, false},
      {"split across two reads", mix.left(6), mix.mid(6), false},
      {"after two junk bytes", QByteArrayLiteral("\x01\x02") + mix, {}, true},
  };
  // A mix sends play to the incoming deck (and may be over before anyone looks).
  const auto plays = [this] { return s.engine.Commands(s.engine.PlayerAt(0), XA_MSG_COMMAND_PLAY).size(); };
  for (const Case& c : cases) {
    const size_t before = plays();
    s.sim.Send(c.bytes);
    // Enough polls for the chunk and what is left of it.
    QTest::qWait(300);
    if (!c.later.isEmpty()) {
      s.sim.Send(c.later);
      QTest::qWait(300);
    }
    EXPECT_EQ(plays() > before, c.mixes) << c.what;
  }
}

TEST_F(RemoteLinkTest, HeldPlusGrowsItsStepAndStartsAgainAfterARelease) {
  Open();
  StepToMode(4);
  Decks& decks = s.station->DeckSet();
  decks.SetMasterVolume(30000, true);
  const int steps[] = {728, 910, 1092, 0, 728};
  int position = decks.MasterPosition();
  for (int step : steps) {
    if (step == 0) {
      ASSERT_TRUE(Send(SimulatedRemote::Frame(255), [&] { return Modes().RepeatCount() == 0; }));
      continue;
    }
    ASSERT_TRUE(Press(3, [&] { return decks.MasterPosition() != position; })) << step;
    EXPECT_EQ(position - decks.MasterPosition(), step);
    position = decks.MasterPosition();
  }
}

TEST_F(RemoteLinkTest, ChooseLeavesMinusAndPlusWithoutEffect) {
  Open();
  StepToMode(4);
  Decks& decks = s.station->DeckSet();
  decks.SetMasterVolume(30000, true);
  ASSERT_TRUE(Press(4, [&] { return Modes().SelectedBand() == 2; }));
  EXPECT_TRUE(Modes().ModeText().contains(QStringLiteral("42Hz")));
  s.sim.Press(2);
  QTest::qWait(100);
  s.sim.Press(3);
  QTest::qWait(100);
  // The next CHOOSE shows that both reports were read before it.
  ASSERT_TRUE(Press(4, [&] { return Modes().SelectedBand() == 3; }));
  EXPECT_EQ(decks.MasterPosition(), 30000);
}

// REW held on Player 1 and let go, through the console commands the buttons run: each
// report seeks 10, 11, 12 frames back from where the last one left the slider, the deck
// pauses once, and letting go plays it on and logs its clip.
TEST_F(RemoteLinkTest, HeldRewindStepsBackFurtherEachReportAndPlaysOnWhenLetGo) {
  ParkClipInPlayer1();
  XA_Player* player = s.engine.PlayerAt(0);
  s.engine.Notify(player, XA_MSG_NOTIFY_INPUT_DURATION, 60);
  s.station->DeckSet().Step(1, 999);  // the slider at frame 1000
  s.engine.Clear();
  RemoteModes& modes = Modes();
  modes.ShowFirstMode();
  modes.OnButtonState(SimulatedRemote::PressedState(8));
  ASSERT_EQ(modes.RemoteMode(), 2);
  for (int report = 0; report < 3; ++report) modes.OnButtonState(SimulatedRemote::PressedState(2));
  std::vector<int> seeks;
  for (const XA_Message& m : s.engine.Commands(player, XA_MSG_COMMAND_SEEK)) seeks.push_back(m.a);
  EXPECT_EQ(seeks, (std::vector<int>{990, 979, 967}));
  EXPECT_EQ(s.engine.Commands(player, XA_MSG_COMMAND_PAUSE).size(), 1u);
  EXPECT_EQ(s.station->DeckSet().CueMarkText(1), s.station->DeckSet().Model(1)->ElapsedText());
  modes.OnButtonState(255);
  EXPECT_EQ(s.engine.Commands(player, XA_MSG_COMMAND_PLAY).size(), 1u);
  EXPECT_EQ(modes.RepeatCount(), 0);
}

TEST_F(RemoteLinkTest, ClosingSendsLd2BeforeThePortCloses) {
  Open();
  const int before = s.sim.Commands().size();
  s.PressR();
  EXPECT_FALSE(Remote().RemoteOpen());
  EXPECT_EQ(s.station->StatusText(), QStringLiteral("Remote Disabled"));
  EXPECT_FALSE(s.station->Timers().IsRunning(timerid::kRemotePoll));
  EXPECT_EQ(Modes().RemoteMode(), -1);
  EXPECT_TRUE(Modes().ModeText().isEmpty());
  ASSERT_TRUE(QTest::qWaitFor([&] { return s.sim.Commands().size() > before; }, kWaitMs));
  EXPECT_EQ(s.sim.Commands().mid(before), QList<int>{3});
}

TEST_F(RemoteLinkTest, ARemoteThatNeverAnswersIsGivenUpWhileACrossfadeRunsToItsEnd) {
  s.sim.SetAnswer(SimulatedRemote::Answer::Other);
  Remote().SetAttemptInterval(4);
  ParkClipInPlayer1();
  QStringList events;
  QObject::connect(&s.station->Mix(), &AutoMix::busyChanged, [&](bool busy) {
    if (!busy) events << QStringLiteral("mix ended");
  });
  s.station->Commands().Run(ConsoleCommand::Mix);
  ASSERT_TRUE(s.station->Timers().IsRunning(timerid::kCrossfade));
  s.PressR();
  ASSERT_TRUE(Remote().Handshaking());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Remote().Handshaking(); }, 120000));
  events << QStringLiteral("handshake ended");

  EXPECT_EQ(events, (QStringList{QStringLiteral("mix ended"), QStringLiteral("handshake ended")}));
  EXPECT_FALSE(s.station->Timers().IsRunning(timerid::kCrossfade));
  ASSERT_EQ(s.dialogs.messages.size(), 1);
  EXPECT_EQ(s.dialogs.messages[0].title, QStringLiteral("Not any version of KORVO Remote control was found"));
  EXPECT_EQ(s.dialogs.messages[0].icon, Dialogs::Icon::Information);
  EXPECT_FALSE(Remote().RemoteOpen());
  EXPECT_EQ(s.station->StatusText(), QStringLiteral("Remote Disabled"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return s.sim.Commands().contains(3); }, kWaitMs));
  EXPECT_EQ(s.sim.Commands().count(0), RemoteControl::kMaxAttempts);
  // A failed opening still shows mode 1.
  EXPECT_EQ(Modes().RemoteMode(), 1);
}

TEST_F(RemoteLinkTest, APortPulledWhileOpenClosesTheLinkOnce) {
  Open();
  s.sim.Pull();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Remote().RemoteOpen(); }, kWaitMs));
  QTest::qWait(200);
  EXPECT_FALSE(s.station->Timers().IsRunning(timerid::kRemotePoll));
  EXPECT_EQ(Modes().RemoteMode(), -1);
  EXPECT_EQ(s.dialogs.messages.size(), 1) << s.dialogs.Texts().join('|').toStdString();
  // R opens afresh: the device is gone now.
  s.PressR();
  ASSERT_GE(s.dialogs.messages.size(), 2);
  EXPECT_EQ(s.dialogs.messages.last().title, QStringLiteral("COM2 Not opened"));
}

TEST_F(RemoteLinkTest, APortThatCannotBeOpenedIsReportedWithTheSystemsReason) {
  s.settings.Write(settings::kComDevice[1], s.dir.filePath(QStringLiteral("no-such-tty")));
  s.PressR();
  ASSERT_EQ(s.dialogs.messages.size(), 1);
  EXPECT_EQ(s.dialogs.messages[0].title, QStringLiteral("COM2 Not opened"));
  EXPECT_FALSE(s.dialogs.messages[0].text.isEmpty());
  EXPECT_FALSE(Remote().RemoteOpen());
  EXPECT_EQ(Modes().RemoteMode(), 1);
}

TEST_F(RemoteLinkTest, WithoutAPortTheRButtonAsksForOne) {
  s.settings.Write(settings::kRemotePort, QStringLiteral("NULL"));
  s.dialogs.answers.enqueue(Dialogs::Answer::No);
  s.PressR();
  EXPECT_EQ(s.dialogs.Texts(),
            QStringList{QStringLiteral("NULL Port for Remote Control found\nDo you want to setup a Port now?")});
  // Yes, but the Options dialog left it at NULL.
  s.PressR();
  EXPECT_EQ(s.dialogs.Texts().last(), QStringLiteral("You didn't set a port\nRemote operates on COM1-COM4"));
  // Options set COM2: asked once more, then opened.
  s.station->Commands().Define(ConsoleCommand::Options,
                               [this](int) { s.settings.Write(settings::kRemotePort, QStringLiteral("COM2")); });
  s.settings.Write(settings::kRemotePort, QStringLiteral("NULL"));
  s.PressR();
  EXPECT_EQ(s.dialogs.Texts().last(), QStringLiteral("You picked COM2\nDo you want to enable Remote Control now?"));
  EXPECT_TRUE(QTest::qWaitFor([this] { return Remote().RemoteOpen(); }, kWaitMs));
}

}  // namespace
