// Play/pause, load, reset, cue and seeking of a deck.
#include <QTest>

#include "DeckFixture.h"

namespace {

// Hooks that record what the loader asked for.
struct RecordingHooks : ClipLoadHooks {
  int MeasureClip(const QString& path) override {
    calls << QStringLiteral("measure ") + path;
    return measuredMs;
  }
  void RemoveCurrentClip() override { calls << QStringLiteral("remove"); }
  int ApplyStyleForClip(const QString& title) override {
    calls << QStringLiteral("style ") + title;
    return 40;
  }
  void SetClipInfoText(const QString& text) override { calls << QStringLiteral("info ") + text; }
  int StartVolume() override {
    calls << QStringLiteral("start volume");
    return 30;
  }
  int measuredMs = 0;
  QStringList calls;
};

}  // namespace

using TransportTest = DeckFixture;

TEST_F(TransportTest, PlayPauseByState) {
  struct Case {
    int engineState;
    std::vector<int> codes;
    bool logged;
  } cases[] = {
      {XA_STATE_PLAYING, {XA_MSG_COMMAND_PAUSE}, false},
      {XA_STATE_PAUSED, {XA_MSG_SET_OUTPUT_VOLUME, XA_MSG_COMMAND_PLAY, XA_MSG_SET_OUTPUT_VOLUME}, true},
      {XA_STATE_STOPPED, {XA_MSG_SET_OUTPUT_VOLUME, XA_MSG_COMMAND_PLAY, XA_MSG_SET_OUTPUT_VOLUME}, true},
      {XA_STATE_EOF, {}, true},
  };
  D().LoadClip(1, QStringLiteral("Song"), QStringLiteral("/music/Song.mp3"));
  for (const Case& c : cases) {
    Loaded(1, 100, c.engineState);
    QFile::remove(log.FilePath());
    D().PlayPause(1);
    EXPECT_EQ(Codes(1), c.codes) << c.engineState;
    const QStringList expected =
        c.logged ? QStringList{R"("CLP","/music/Song.mp3","Player 1")"} : QStringList{};
    EXPECT_EQ(LogLines(), expected) << c.engineState;
  }
}

TEST_F(TransportTest, PlaySendsTheFaderLevel) {
  Loaded(2, 100, XA_STATE_PAUSED);
  D().SetFader(2, 12, false);
  D().PlayPause(2);
  EXPECT_EQ(engine.Trace(P(2)), QStringList({"48:255,88,255", "3:0,0,0", "48:255,88,255"}));
}

TEST_F(TransportTest, LoadOpensStartsLevelsEqualisesAndWaitsPaused) {
  RecordingHooks hooks;
  D().SetClipLoadHooks(&hooks);
  Loaded(2, 100, XA_STATE_PAUSED);
  EXPECT_EQ(D().LoadClip(2, QStringLiteral("Next"), QStringLiteral("/music/Next.mp3")), 2);
  EXPECT_EQ(Codes(2), (std::vector<int>{XA_MSG_COMMAND_OUTPUT_RESET, XA_MSG_COMMAND_INPUT_OPEN, XA_MSG_COMMAND_PLAY,
                                        XA_MSG_SET_OUTPUT_VOLUME, XA_MSG_SET_CODEC_EQUALIZER, XA_MSG_COMMAND_PAUSE}));
  EXPECT_EQ(engine.Commands(P(2), XA_MSG_COMMAND_INPUT_OPEN)[0].text, QStringLiteral("/music/Next.mp3"));
  EXPECT_EQ(engine.Commands(P(2), XA_MSG_SET_OUTPUT_VOLUME)[0].b, 60);  // the style's start volume 40
  EXPECT_EQ(D().Fader(2), 40);
  EXPECT_EQ(M(2).FaderLabel(), QStringLiteral("-40 db"));
  EXPECT_EQ(D().RemainingText(2), QStringLiteral("00:00:00:00"));
  EXPECT_EQ(hooks.calls, QStringList{"style Next"});
  EXPECT_TRUE(timers.IsRunning(9));
  EXPECT_EQ(timers.Period(9), 100);
}

TEST_F(TransportTest, LoadDeckNumbers) {
  D();
  EXPECT_EQ(D().LoadClip(3, QStringLiteral("a"), QStringLiteral("/m/a.mp3")), 1);
  for (int bad : {0, 4, -1}) {
    engine.Clear();
    EXPECT_EQ(D().LoadClip(bad, QStringLiteral("a"), QStringLiteral("/m/a.mp3")), -1);
    EXPECT_TRUE(engine.sent.empty());
  }
}

TEST_F(TransportTest, CheckOnLoadRejectsAClipThatDoesNotMeasure) {
  RecordingHooks hooks;
  D().SetClipLoadHooks(&hooks);
  D().SetCheckOnLoad(true);
  hooks.measuredMs = 0;
  EXPECT_EQ(D().LoadClip(1, QStringLiteral("Bad"), QStringLiteral("/m/Bad.mp3")), -2);
  EXPECT_EQ(hooks.calls, QStringList({"info Loading...", "measure /m/Bad.mp3", "remove"}));
  EXPECT_TRUE(engine.sent.empty());
  hooks.measuredMs = 184000;
  EXPECT_EQ(D().LoadClip(1, QStringLiteral("Good"), QStringLiteral("/m/Good.mp3")), 1);
  EXPECT_EQ(D().RemainingText(1), QStringLiteral("00:03:04:00"));
  EXPECT_EQ(D().DurationText(1), QStringLiteral("00:03:04:00"));
}

TEST_F(TransportTest, DefaultHooksMeasureWithTheEngineAndStartAt95) {
  engine.durationsMs.insert(QStringLiteral("/m/ok.mp3"), 5000);
  D().SetCheckOnLoad(true);
  EXPECT_EQ(D().LoadClip(1, QStringLiteral("x"), QStringLiteral("/m/missing.mp3")), -2);
  EXPECT_EQ(D().LoadClip(1, QStringLiteral("ok"), QStringLiteral("/m/ok.mp3")), 1);
  EXPECT_EQ(D().Fader(1), 95);
}

TEST_F(TransportTest, AClipThatFailsToOpenLeavesNoStaleTitleAndTheDeckUsable) {
  D().LoadClip(1, QStringLiteral("Old"), QStringLiteral("/m/Old Song.mp3"));
  engine.NotifyText(P(1), XA_MSG_NOTIFY_INPUT_NAME, QStringLiteral("/m/Old Song.mp3"));
  Loaded(1, 100, XA_STATE_PAUSED);
  D().LoadClip(1, QStringLiteral("Broken"), QStringLiteral("/m/Broken.mp3"));
  engine.Notify(P(1), XA_MSG_NOTIFY_NACK, XA_MSG_COMMAND_INPUT_OPEN, XA_ERROR_OPEN_FAILED);
  EXPECT_EQ(D().Title(1), QString());
  EXPECT_EQ(D().InputName(1), QString());
  QFile::remove(log.FilePath());
  D().PlayPause(1);
  EXPECT_EQ(LogLines(), QStringList());  // nothing went on air
  EXPECT_EQ(D().LoadClip(1, QStringLiteral("New"), QStringLiteral("/m/New.mp3")), 1);
  engine.NotifyText(P(1), XA_MSG_NOTIFY_INPUT_NAME, QStringLiteral("/m/New Song.mp3"));
  EXPECT_EQ(D().Title(1), QStringLiteral("New Song"));
}

TEST_F(TransportTest, ResetClosesTheDeckAndClearsItsTexts) {
  D().LoadClip(1, QStringLiteral("Song"), QStringLiteral("/music/Song.mp3"));
  Loaded(1, 100, XA_STATE_PLAYING);
  engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_POSITION, 250, 2500);
  D().SetCueMark(1);
  engine.Clear();
  D().Reset(1);
  EXPECT_EQ(Codes(1), (std::vector<int>{5, 21, 8, 17}));
  EXPECT_EQ(D().StateText(1), QStringLiteral("CLOSED"));
  EXPECT_EQ(D().Title(1), QString());
  for (const QString& text : {D().RemainingText(1), D().DurationText(1), D().CueMarkText(1), D().ElapsedText(1)}) {
    EXPECT_EQ(text, QStringLiteral("00:00:00:00"));
  }
  EXPECT_EQ(M(1).CounterText(), QStringLiteral("00:00:10:00"));  // keeps its last time
  EXPECT_EQ(M(1).Position(), 1);

  // What the engine reports while it stops and closes changes none of that, and the deck
  // holds no clip the mix could bring in.
  engine.Notify(P(1), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_STOPPED);
  engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_POSITION, 0, 2500);
  engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_STATE, 1);
  EXPECT_EQ(D().State(1), PlayerState::None);
  EXPECT_EQ(D().StateText(1), QStringLiteral("CLOSED"));
  EXPECT_EQ(D().RemainingText(1), QStringLiteral("00:00:00:00"));
  EXPECT_EQ(M(1).CounterText(), QStringLiteral("00:00:10:00"));

  // The next load is followed again.
  D().LoadClip(1, QStringLiteral("Next"), QStringLiteral("/music/Next.mp3"));
  Loaded(1, 100, XA_STATE_PAUSED);
  EXPECT_EQ(D().State(1), PlayerState::Paused);
}

TEST_F(TransportTest, CueSeeksWithPreRollAndPausesOnRequest) {
  struct Case {
    int markFrame;  // the elapsed time the mark is set at
    const char* mark;
    bool pause;
    bool autoCue;
    QStringList trace;
  } cases[] = {
      {50, "00:00:02:00", false, false, {"6:25,2500,0"}},
      {26, "00:00:01:01", false, false, {"6:0,2500,0"}},
      {27, "00:00:01:02", true, false, {"6:2,2500,0", "4:0,0,0"}},
      {1500, "00:01:00:00", false, true, {"6:1475,2500,0", "4:0,0,0"}},
  };
  Loaded(1, 100, XA_STATE_PLAYING);
  for (const Case& c : cases) {
    engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_POSITION, c.markFrame, 2500);
    D().SetCueMark(1);
    ASSERT_EQ(D().CueMarkText(1), QLatin1String(c.mark));
    D().SetAutoCue(1, c.autoCue);
    engine.Clear();
    timers.StopAll();
    D().CueToMark(1, c.pause);
    EXPECT_EQ(engine.Trace(P(1)), c.trace) << c.mark;
    EXPECT_TRUE(timers.IsRunning(8));
  }
}

TEST_F(TransportTest, SetCueTakesTheElapsedTime) {
  Loaded(2, 100, XA_STATE_PLAYING);
  engine.Notify(P(2), XA_MSG_NOTIFY_INPUT_POSITION, 1234, 2500);
  D().SetCueMark(2);
  EXPECT_EQ(D().CueMarkText(2), QStringLiteral("00:00:49:09"));
  EXPECT_TRUE(timers.IsRunning(9));
}

TEST_F(TransportTest, FrameStepsSeekFromTheSliderAndAddUp) {
  Loaded(1, 100, XA_STATE_PAUSED);
  engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_POSITION, 100, 2500);
  engine.Clear();
  D().Step(1, 1);
  D().Step(1, 1);
  D().Step(1, -1);
  EXPECT_EQ(engine.Trace(P(1)), QStringList({"6:101,2500,0", "6:102,2500,0", "6:101,2500,0"}));
}

TEST_F(TransportTest, DraggingPausesKeepsTheTextAndPlaysOnWhenReleased) {
  Loaded(1, 100, XA_STATE_PLAYING);
  D().PressPosition(1);
  D().DragPosition(1, 500);
  D().DragPosition(1, 600);
  EXPECT_EQ(engine.Trace(P(1)), QStringList({"4:0,0,0", "6:500,2500,0", "6:600,2500,0"}));
  engine.Notify(P(1), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PAUSED);
  EXPECT_EQ(D().StateText(1), QStringLiteral("PLAYING"));
  // The engine's reports do not move the thumb out of the operator's hand.
  engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_POSITION, 200, 2500);
  EXPECT_EQ(M(1).Position(), 600);
  engine.Clear();
  D().ReleasePosition(1);
  EXPECT_EQ(engine.Trace(P(1)), QStringList({"6:600,2500,0", "3:0,0,0"}));
  EXPECT_TRUE(timers.IsRunning(8));
}

TEST_F(TransportTest, DraggingWithAutoCueStaysPaused) {
  Loaded(1, 100, XA_STATE_PLAYING);
  D().SetAutoCue(1, true);
  D().PressPosition(1);
  D().DragPosition(1, 500);
  engine.Notify(P(1), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PAUSED);
  engine.Clear();
  D().ReleasePosition(1);
  EXPECT_EQ(engine.Trace(P(1)), QStringList({"6:500,2500,0"}));
  EXPECT_EQ(D().StateText(1), QStringLiteral("PAUSED"));
}

TEST_F(TransportTest, PageStepsHoldUntilTheScrollingStops) {
  Loaded(2, 100, XA_STATE_PLAYING);
  engine.Notify(P(2), XA_MSG_NOTIFY_INPUT_POSITION, 100, 2500);
  engine.Clear();
  D().StepPosition(2, 110);
  D().StepPosition(2, 120);
  EXPECT_EQ(engine.Trace(P(2)), QStringList{"4:0,0,0"});  // the seek waits for the end
  engine.Notify(P(2), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PAUSED);
  ASSERT_TRUE(QTest::qWaitFor([&] { return engine.Commands(P(2)).size() >= 3; }, 5000));
  EXPECT_EQ(engine.Trace(P(2)), QStringList({"4:0,0,0", "6:120,2500,0", "3:0,0,0"}));
}

TEST_F(TransportTest, AnEmptyDeckIgnoresTheTransportControls) {
  D();
  D().PressPosition(1);
  D().DragPosition(1, 1);
  D().ReleasePosition(1);
  D().StepPosition(1, 10);
  D().Step(1, 1);
  D().CueToMark(1, false);
  D().MoveFader(1, 10);
  EXPECT_TRUE(engine.sent.empty());
  EXPECT_EQ(M(1).FaderLabel(), QStringLiteral("-10 db"));
  EXPECT_EQ(M(1).Position(), 1);
}

TEST_F(TransportTest, OpenReadiesTheFileAtTheStartVolumeWithoutCheckOrStyle) {
  RecordingHooks hooks;
  D().SetClipLoadHooks(&hooks);
  D().SetCheckOnLoad(true);  // "Open" never checks
  D().OpenReady(1, QStringLiteral("/music/Open Me.mp3"));
  EXPECT_EQ(hooks.calls, QStringList{"start volume"});
  EXPECT_EQ(Codes(1), (std::vector<int>{XA_MSG_COMMAND_INPUT_OPEN, XA_MSG_COMMAND_PLAY, XA_MSG_SET_OUTPUT_VOLUME,
                                        XA_MSG_SET_CODEC_EQUALIZER, XA_MSG_COMMAND_PAUSE}));
  EXPECT_EQ(D().Fader(1), 30);
  EXPECT_EQ(D().Title(1), QStringLiteral("Open Me"));
  EXPECT_EQ(D().ClipPath(1), QStringLiteral("/music/Open Me.mp3"));
  engine.Clear();
  D().OpenReady(1, QString());
  D().OpenReady(3, QStringLiteral("/music/x.mp3"));
  EXPECT_TRUE(engine.sent.empty());
}

TEST_F(TransportTest, ClickingCheckOnLoadSwitchesItAndEmptiesTheInformationBox) {
  RecordingHooks hooks;
  D().SetClipLoadHooks(&hooks);
  QList<bool> seen;
  QObject::connect(&D(), &Decks::CheckOnLoadChanged, [&](bool down) { seen << down; });
  D().ClickCheckOnLoad(true);
  EXPECT_TRUE(D().CheckOnLoad());
  EXPECT_EQ(hooks.calls, QStringList{"info "});
  D().SetCheckOnLoad(true);  // no change, no signal
  D().SetCheckOnLoad(false);
  EXPECT_EQ(seen, QList<bool>({true, false}));
}

TEST_F(TransportTest, TheMixsPlayAndPauseLogNothing) {
  D().LoadClip(2, QStringLiteral("Song"), QStringLiteral("/music/Song.mp3"));
  Loaded(2, 100, XA_STATE_PAUSED);
  QFile::remove(log.FilePath());
  D().Play(2);
  D().Pause(2);
  EXPECT_EQ(engine.Trace(P(2)), QStringList({"3:0,0,0", "4:0,0,0"}));
  EXPECT_EQ(LogLines(), QStringList());
  D().LogPlayerClip(2);
  EXPECT_EQ(LogLines(), QStringList{R"("CLP","/music/Song.mp3","Player 2")"});
  D().Reset(2);
  QFile::remove(log.FilePath());
  D().LogPlayerClip(2);  // an empty deck has nothing to log
  EXPECT_EQ(LogLines(), QStringList());
}
