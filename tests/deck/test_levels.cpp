// Faders, pitch, monitor routing, equaliser and master volume, and the keys that drive them.
#include "DeckFixture.h"
#include "deck/MasterFader.h"

using LevelsTest = DeckFixture;

TEST_F(LevelsTest, FaderSendsTheLevelAndLabelsIt) {
  struct Case {
    int position;
    int level;
    const char* label;
  } cases[] = {{0, 100, "-0 db"}, {30, 70, "-30 db"}, {95, 5, "-95 db"}, {96, 4, "oo"}, {100, 0, "oo"}};
  Loaded(1, 100, XA_STATE_PLAYING);
  for (const Case& c : cases) {
    engine.Clear();
    D().MoveFader(1, c.position);
    EXPECT_EQ(engine.Trace(P(1)), QStringList(QStringLiteral("48:255,%1,255").arg(c.level))) << c.position;
    EXPECT_EQ(M(1).FaderLabel(), QLatin1String(c.label));
  }
}

TEST_F(LevelsTest, SetFaderSendsOnlyOnRequest) {
  D().SetFader(2, 20, false);
  EXPECT_TRUE(engine.sent.empty());
  D().SetFader(2, 20, true);
  EXPECT_EQ(engine.Trace(P(2)), QStringList{"48:255,80,255"});
  EXPECT_EQ(D().Fader(2), 20);
}

TEST_F(LevelsTest, PitchSliderSendsAndShowsLabelAndIndicator) {
  struct Case {
    int pitch;
    const char* label;
    DeckIcon icon;
  } cases[] = {{1060, "6", DeckIcon::PitchAbove},
               {1009, "0", DeckIcon::PitchNormal},
               {955, "-4", DeckIcon::PitchBelow},
               {990, "-1", DeckIcon::PitchNormal},
               {1011, "1", DeckIcon::PitchAbove}};
  D();
  for (const Case& c : cases) {
    engine.Clear();
    D().SetPitch(2, c.pitch, false);
    EXPECT_EQ(engine.Trace(P(2)), QStringList(QStringLiteral("31:%1,0,0:OUTPUT.DIRECTSOUND.PITCH").arg(c.pitch)));
    EXPECT_EQ(M(2).PitchLabel(), QLatin1String(c.label));
    EXPECT_EQ(M(2).PitchIcon(), c.icon) << c.pitch;
  }
}

TEST_F(LevelsTest, PitchStepsStopAtTheEndsOfTheScale) {
  D().SetPitch(2, 1098, false);
  engine.Clear();
  D().SetPitch(2, 2, true);
  EXPECT_EQ(D().Pitch(2), 1100);
  EXPECT_EQ(engine.Trace(P(2)), QStringList{"31:1100,0,0:OUTPUT.DIRECTSOUND.PITCH"});
  engine.Clear();
  D().SetPitch(2, 2, true);  // 1102: past the scale
  EXPECT_EQ(D().Pitch(2), 1100);
  EXPECT_TRUE(engine.sent.empty());
  EXPECT_EQ(D().Pitch(1), 1000);
  D().SetPitch(1, -2, true);
  EXPECT_EQ(D().Pitch(1), 998);
}

TEST_F(LevelsTest, PitchResetOnlyWhenAudiblyOff) {
  D().SetPitch(1, 1005, false);
  engine.Clear();
  D().ResetPitch(1);
  EXPECT_TRUE(engine.sent.empty());
  EXPECT_EQ(D().Pitch(1), 1005);
  D().SetPitch(1, 940, false);
  engine.Clear();
  D().ResetPitch(1);
  EXPECT_EQ(engine.Trace(P(1)), QStringList{"31:1000,0,0:OUTPUT.DIRECTSOUND.PITCH"});
  EXPECT_EQ(D().Pitch(1), 1000);
  EXPECT_EQ(M(1).PitchLabel(), QStringLiteral("0"));
  EXPECT_EQ(M(1).PitchIcon(), DeckIcon::PitchNormal);
}

TEST_F(LevelsTest, MonitorNeedsTwoDevices) {
  Loaded(1, 100, XA_STATE_PLAYING);
  D().ToggleMonitor(1);
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("KORVO needs two audio devices to work with cue options"));
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Warning);
  EXPECT_TRUE(engine.sent.empty());
  EXPECT_FALSE(D().MonitorOut(1));
}

TEST_F(LevelsTest, MonitorSwitchesOutputAndBack) {
  engine.devices = TwoDevices();
  Loaded(2, 100, XA_STATE_PAUSED);
  D().SetFader(2, 10, false);
  D().ToggleMonitor(2);
  EXPECT_EQ(engine.Trace(P(2)), QStringList({"44:0,0,0:/dev/dsound/2", "48:255,90,255"}));
  EXPECT_EQ(M(2).MonitorIcon(), DeckIcon::MonitorCue);
  engine.Clear();
  D().ToggleMonitor(2);
  EXPECT_EQ(engine.Trace(P(2)), QStringList{"44:0,0,0:/dev/dsound/1"});
  EXPECT_EQ(M(2).MonitorIcon(), DeckIcon::MonitorMain);
  engine.Clear();
  engine.Notify(P(2), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_STOPPED);
  D().ToggleMonitor(2);  // a stopped deck is not switched
  EXPECT_TRUE(engine.sent.empty());
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(LevelsTest, EqualiserGoesOnlyToDecksThatHaveItOn) {
  D();
  D().ToggleEqualizer(1);  // off: a flat table to Player 1
  auto eq1 = engine.Commands(P(1), XA_MSG_SET_CODEC_EQUALIZER);
  ASSERT_EQ(eq1.size(), 1u);
  EXPECT_EQ(eq1[0].eq, (std::array<int8_t, 64>{}));
  EXPECT_EQ(M(1).EqualizerIcon(), DeckIcon::EqOff);
  engine.Clear();
  D().MoveEqualizerSlider(3, -10);
  EXPECT_TRUE(engine.Commands(P(1)).empty());
  auto eq2 = engine.Commands(P(2), XA_MSG_SET_CODEC_EQUALIZER);
  ASSERT_EQ(eq2.size(), 1u);
  EXPECT_EQ(eq2[0].eq[5], 10);
  EXPECT_EQ(eq2[0].eq[37], 10);
  engine.Clear();
  D().ToggleEqualizer(2);
  D().ToggleEqualizer(2);  // back on: applies to Player 2 only
  EXPECT_TRUE(engine.Commands(P(1)).empty());
  EXPECT_EQ(engine.Commands(P(2), XA_MSG_SET_CODEC_EQUALIZER).size(), 2u);
  EXPECT_EQ(M(2).EqualizerIcon(), DeckIcon::EqOn);
}

TEST_F(LevelsTest, EqualiserResetFlattensBothDecks) {
  D();
  D().ToggleEqualizer(1);
  D().MoveEqualizerSlider(0, 20);
  D().MoveEqualizerSlider(5, -70);
  engine.Clear();
  D().ResetEqualizer();
  for (int deck : {1, 2}) {
    const auto eq = engine.Commands(P(deck), XA_MSG_SET_CODEC_EQUALIZER);
    ASSERT_EQ(eq.size(), 1u) << deck;
    EXPECT_EQ(eq[0].eq, (std::array<int8_t, 64>{}));
  }
  for (int i = 0; i < 6; ++i) EXPECT_EQ(D().Centre().EqualizerSlider(i), 0);
}

TEST_F(LevelsTest, MasterVolumeLabelsAndSetsTheEngine) {
  D();
  D().SetMasterVolume(32760, true);
  EXPECT_EQ(D().Centre().MasterLabel(), QStringLiteral("-45 db"));
  EXPECT_EQ(engine.masterVolume, 32776);
  EXPECT_EQ(D().MasterPosition(), 32760);
  for (int outside : {0, 65536, -728}) {
    D().SetMasterVolume(outside, true);
    EXPECT_EQ(D().MasterPosition(), 32760) << outside;
    EXPECT_EQ(engine.masterVolume, 32776);
  }
  D().SetMainOutputIndex(2);  // a device the master fader does not act on
  D().SetMasterVolume(728, true);
  EXPECT_EQ(engine.masterVolume, 32776);
  EXPECT_EQ(D().Centre().MasterLabel(), QStringLiteral("-1 db"));
}

TEST_F(LevelsTest, MasterStepsMoveTheMasterFaderAndItsLabel) {
  D().SetMasterVolume(32760, true);
  D().SetMasterVolume(D().MasterPosition() - MasterFader::kStep, true);
  EXPECT_EQ(D().MasterPosition(), 32760 - 728);
  EXPECT_EQ(D().Centre().MasterLabel(), QStringLiteral("-44 db"));
  D().SetMasterVolume(D().MasterPosition() + MasterFader::kStep, true);
  D().SetMasterVolume(D().MasterPosition() + MasterFader::kStep, true);
  EXPECT_EQ(D().MasterPosition(), 32760 + 728);
}

TEST_F(LevelsTest, DeckCommandsActOnTheirSideOnly) {
  Loaded(2, 100, XA_STATE_PLAYING);
  D().ToggleAutoCue(2);
  EXPECT_TRUE(D().AutoCue(2));
  EXPECT_FALSE(D().AutoCue(1));
  D().ToggleEqualizer(2);
  EXPECT_FALSE(D().EqOn(2));
  EXPECT_TRUE(D().EqOn(1));
  engine.Notify(P(2), XA_MSG_NOTIFY_INPUT_POSITION, 50, 2500);
  D().SetCueMark(2);
  EXPECT_EQ(D().CueMarkText(2), QStringLiteral("00:00:02:00"));
  engine.Clear();
  D().CueToMark(2, false);
  EXPECT_EQ(engine.Trace(P(2)), QStringList({"6:25,2500,0", "4:0,0,0"}));  // AUTO CUE is on
}
