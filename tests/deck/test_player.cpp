// A deck's answers to the engine's notifications, as its model shows them.
#include <functional>

#include "DeckFixture.h"
#include "deck/Player.h"
#include "platform/Paths.h"

using PlayerTest = DeckFixture;

TEST_F(PlayerTest, ReadyRegistersTheOutputAndRaisesPriority) {
  D().SetWindowHandle(77);
  engine.Notify(P(1), XA_MSG_NOTIFY_READY);
  EXPECT_EQ(engine.Trace(P(1)), QStringList({"26:0,0,0:dsound_output_module_register@xa_dsound_output.dll",
                                              "31:77,0,0:OUTPUT.DIRECTSOUND.WINDOW"}));
  EXPECT_EQ(engine.priorities, QList<int>{2});
}

TEST_F(PlayerTest, BothPlayersStartOnTheMainOutput) {
  D();
  decks.reset();  // rebuild to see the construction commands
  decks = std::make_unique<Decks>(engine, dialogs, log, timers);
  for (int n : {2, 3}) {
    const auto out = engine.Commands(engine.PlayerAt(n), XA_MSG_SET_OUTPUT_NAME);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].text, QStringLiteral("/dev/dsound/1"));
  }
  EXPECT_EQ(engine.deleted, 2);  // the first pair was deleted with its Decks
}

TEST_F(PlayerTest, PositionShowsElapsedRemainingAndMovesTheSlider) {
  Loaded(1, 200, XA_STATE_PLAYING);
  engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_POSITION, 250, 5000);
  EXPECT_EQ(D().ElapsedText(1), QStringLiteral("00:00:10:00"));
  EXPECT_EQ(M(1).CounterText(), QStringLiteral("00:00:10:00"));
  EXPECT_EQ(D().RemainingText(1), QStringLiteral("00:03:10:00"));
  EXPECT_EQ(M(1).Position(), 250);
  EXPECT_EQ(D().PositionFrames(1), 250u);
  EXPECT_EQ(D().LengthFrames(1), 5000u);
  // A position past the reported length shows no time left rather than a wrapped one.
  engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_POSITION, 5100, 5000);
  EXPECT_EQ(D().RemainingText(1), QStringLiteral("00:00:00:00"));
}

TEST_F(PlayerTest, DurationSetsRangeSliderAndClearsTheCounters) {
  D().SetFps(30);
  Loaded(2, 10, XA_STATE_PLAYING);
  engine.Notify(P(2), XA_MSG_NOTIFY_INPUT_POSITION, 150, 300);
  D().SetCueMark(2);
  ASSERT_EQ(D().CueMarkText(2), QStringLiteral("00:00:05:00"));
  engine.Clear();
  engine.Notify(P(2), XA_MSG_NOTIFY_INPUT_DURATION, 184);
  EXPECT_EQ(engine.Trace(P(2)), QStringList({"40:5520,0,0", "29:1,0,0"}));
  EXPECT_EQ(M(2).PositionMax(), 5520);
  EXPECT_EQ(M(2).Position(), 1);
  EXPECT_EQ(M(2).PositionTick(), 30);
  EXPECT_EQ(D().DurationText(2), QStringLiteral("00:03:04:00"));
  EXPECT_EQ(D().CueMarkText(2), QStringLiteral("00:00:00:00"));
  EXPECT_EQ(D().ElapsedText(2), QStringLiteral("00:00:00:00"));
  EXPECT_EQ(D().PositionFrames(2), 0u);
}

TEST_F(PlayerTest, AClipShorterThanASecondStillGetsAPositionRange) {
  // The duration comes in whole seconds: 0 for a jingle of 0.2 s.
  struct Case {
    int seconds;
    int range;
  } cases[] = {{0, 1}, {1, 25}, {2, 50}};
  D();
  for (const Case& c : cases) {
    engine.Clear();
    engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_DURATION, c.seconds);
    EXPECT_EQ(engine.Trace(P(1)), QStringList({QStringLiteral("40:%1,0,0").arg(c.range), "29:1,0,0"})) << c.seconds;
    EXPECT_EQ(M(1).PositionMax(), c.range) << c.seconds;
  }
}

TEST_F(PlayerTest, DurationLeavesTheCheckedTimeWhileCheckOnLoadIsDown) {
  engine.durationsMs.insert(QStringLiteral("/m/a.mp3"), 180400);
  D().SetCheckOnLoad(true);
  ASSERT_EQ(D().LoadClip(1, QStringLiteral("a"), QStringLiteral("/m/a.mp3")), 1);
  ASSERT_EQ(D().DurationText(1), QStringLiteral("00:03:00:10"));
  engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_DURATION, 184);
  EXPECT_EQ(D().DurationText(1), QStringLiteral("00:03:00:10"));
}

TEST_F(PlayerTest, StateNotificationsSetStateAndText) {
  struct Case {
    int code;
    PlayerState state;
    const char* text;
  } cases[] = {
      {XA_STATE_PLAYING, PlayerState::Playing, "PLAYING"}, {XA_STATE_PAUSED, PlayerState::Paused, "PAUSED"},
      {XA_STATE_STOPPED, PlayerState::Stopped, "STOPPED"}, {XA_STATE_EOF, PlayerState::AtEnd, "EOF"},
      {9, PlayerState::None, "EOF"},  // unknown: no state, the text stays
  };
  D();
  for (const Case& c : cases) {
    engine.Notify(P(1), XA_MSG_NOTIFY_PLAYER_STATE, c.code);
    EXPECT_EQ(D().State(1), c.state) << c.code;
    EXPECT_EQ(D().StateText(1), QLatin1String(c.text)) << c.code;
  }
  EXPECT_EQ(D().StateText(2), QStringLiteral("CLOSED"));
}

TEST_F(PlayerTest, EndOfClipRewindsToTheStart) {
  Loaded(1, 60, XA_STATE_PLAYING);
  engine.Notify(P(1), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_EOF);
  EXPECT_EQ(engine.Trace(P(1)), QStringList{"6:0,1,0"});
  EXPECT_EQ(D().StateText(1), QStringLiteral("EOF"));
  EXPECT_EQ(D().State(1), PlayerState::AtEnd);
}

TEST_F(PlayerTest, InputNamesUpdateTitleExceptForAdverts) {
  D().LoadClip(1, QStringLiteral("Before"), QStringLiteral("/m/b.mp3"));
  const QString native = paths::DriveCFolder() + QStringLiteral("/adverts/spot_0001.mp3");
  struct Case {
    QString name;
    QString title;
    QString inputName;
  } cases[] = {
      {QStringLiteral("c:\\Adverts\\spot_0001.mp3"), QStringLiteral("Before"), QStringLiteral("c:\\Adverts\\spot_0001.mp3")},
      {QStringLiteral("C:\\ADVERTS\\SPOT_0002.MP3"), QStringLiteral("Before"), QStringLiteral("C:\\ADVERTS\\SPOT_0002.MP3")},
      {native, QStringLiteral("Before"), native},
      {QStringLiteral("a\\bc.mp3"), QStringLiteral("Before"), native},  // 8 characters: ignored
      {QStringLiteral("/music/Some Song.mp3"), QStringLiteral("Some Song"), QStringLiteral("/music/Some Song.mp3")},
      {QStringLiteral("c:\\advertsX\\Jingle.mp3"), QStringLiteral("Jingle"), QStringLiteral("c:\\advertsX\\Jingle.mp3")},
  };
  for (const Case& c : cases) {
    engine.NotifyText(P(1), XA_MSG_NOTIFY_INPUT_NAME, c.name);
    EXPECT_EQ(D().Title(1), c.title) << qPrintable(c.name);
    EXPECT_EQ(D().InputName(1), c.inputName) << qPrintable(c.name);
  }
}

TEST_F(PlayerTest, FailedCommandsAreLoggedPerPlayer) {
  D();
  engine.Notify(P(1), XA_MSG_NOTIFY_NACK, XA_MSG_COMMAND_SEEK, XA_ERROR_SEEK_FAILED);
  engine.Notify(P(2), XA_MSG_NOTIFY_NACK, XA_MSG_COMMAND_PLAY, XA_ERROR_NO_INPUT);
  EXPECT_EQ(LogLines(), QStringList({R"("ERR","P1 Command 6 failed [error -8]","Decoder Error - Player 1")",
                                     R"("ERR","P2 Command 3 failed [error -4]","Decoder Error - Player 2")"}));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PlayerTest, OutputOpenedResendsLevelAndPitch) {
  D().SetFader(1, 30, false);
  D().SetPitch(1, 1040, false);
  engine.Clear();
  engine.Notify(P(1), XA_MSG_NOTIFY_OUTPUT_STATE, 1);
  EXPECT_TRUE(engine.Trace(P(1)).isEmpty());
  engine.Notify(P(1), XA_MSG_NOTIFY_OUTPUT_STATE, 0);
  EXPECT_EQ(engine.Trace(P(1)), QStringList({"48:255,70,255", "31:1040,0,0:OUTPUT.DIRECTSOUND.PITCH"}));
}

TEST_F(PlayerTest, ReportedEqualizerMovesTheSlidersWithoutSending) {
  D();
  XA_Message m;
  m.code = XA_MSG_NOTIFY_CODEC_EQUALIZER;
  m.eq.fill(0);
  m.eq[4] = 10;   // slider 4's group
  m.eq[14] = -40; // slider 6's group
  engine.Notify(P(2), m);
  EXPECT_EQ(D().Centre().EqualizerSlider(3), -10);
  EXPECT_EQ(D().Centre().EqualizerSlider(5), 40);
  EXPECT_TRUE(engine.sent.empty());
}

TEST_F(PlayerTest, VersionMismatchWarnsOncePerPlayerAndLeavesTheDecksSilent) {
  engine.apiVersion = (3 << 16) | (1 << 8);
  D();
  ASSERT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Xaudio DLL API version mismatch"));
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Xaudio Error"));
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Error);
  EXPECT_EQ(engine.PlayerAt(0), nullptr);
  D().PlayPause(1);
  EXPECT_EQ(D().LoadClip(2, QStringLiteral("x"), QStringLiteral("/m/x.mp3")), 2);
  D().Reset(1);
  EXPECT_TRUE(engine.sent.empty());
}

TEST_F(PlayerTest, TheModelSaysWhatChangedAndOnlyThat) {
  Loaded(1, 100, XA_STATE_PLAYING);
  unsigned parts = 0;
  QObject::connect(&M(1), &DeckModel::Changed, [&](unsigned changed) { parts |= changed; });
  struct Case {
    const char* what;
    std::function<void()> act;
    unsigned parts;
  } cases[] = {
      {"position", [&] { engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_POSITION, 250, 2500); },
       DeckModel::kElapsed | DeckModel::kRemaining | DeckModel::kPosition},
      {"the same position", [&] { engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_POSITION, 250, 2500); }, 0},
      {"pause", [&] { engine.Notify(P(1), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PAUSED); }, DeckModel::kState},
      {"cue mark", [&] { D().SetCueMark(1); }, DeckModel::kCueMark},
      {"duration", [&] { engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_DURATION, 184); },
       DeckModel::kDuration | DeckModel::kPositionRange | DeckModel::kPosition | DeckModel::kCueMark |
           DeckModel::kElapsed},
      {"fader", [&] { D().SetFader(1, 30, false); }, DeckModel::kFader},
      {"pitch", [&] { D().SetPitch(1, 1060, false); }, DeckModel::kPitch},
      {"equaliser off", [&] { D().ToggleEqualizer(1); }, DeckModel::kEqualizer},
      {"AUTO CUE", [&] { D().ToggleAutoCue(1); }, DeckModel::kAutoCue},
      {"load lamp", [&] { D().ShowLoadPicture(1, 1); }, DeckModel::kLoadLamp},
      {"load lamp again", [&] { D().ShowLoadPicture(1, 1); }, 0},
      {"the other deck", [&] { D().SetFader(2, 10, true); }, 0},
  };
  for (const Case& c : cases) {
    parts = 0;
    c.act();
    EXPECT_EQ(parts, c.parts) << c.what;
  }
}
