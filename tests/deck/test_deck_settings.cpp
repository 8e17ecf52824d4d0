// The decks' settings values read at start-up and written at exit, and the start-up steps.
#include "DeckFixture.h"
#include "platform/SettingsStore.h"

using DeckSettingsTest = DeckFixture;

TEST_F(DeckSettingsTest, StoredValuesReachSlidersSwitchesAndEngine) {
  SettingsStore store(dir.filePath(QStringLiteral("in.ini")));
  store.WriteSettingValues({{"EQ1", "-30"}, {"EQ2", "4"}, {"EQ3", "0"}, {"EQ4", "-10"}, {"EQ5", "12"}, {"EQ6", "70"},
                            {"EQ PLAYER 1 STATUS", "0"}, {"EQ PLAYER 2 STATUS", "1"}, {"PITCH 1", "1060"},
                            {"PITCH 2", "955"}, {"AUTO CUE PLAYER 1 STATUS", "2"}, {"AUTO CUE PLAYER 2 STATUS", "1"}});
  D().ReadDeckSettings(store);
  const int expected[6] = {-30, 4, 0, -10, 12, 70};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(D().Centre().EqualizerSlider(i), expected[i]);
  EXPECT_TRUE(engine.Commands(nullptr, XA_MSG_SET_CODEC_EQUALIZER).empty());  // not sent while reading
  EXPECT_FALSE(D().EqOn(1));
  EXPECT_TRUE(D().EqOn(2));
  EXPECT_EQ(engine.Trace(P(2)), QStringList{"31:955,0,0:OUTPUT.DIRECTSOUND.PITCH"});
  EXPECT_EQ(M(2).PitchLabel(), QStringLiteral("-4"));
  EXPECT_EQ(M(1).PitchLabel(), QStringLiteral("6"));
  EXPECT_FALSE(D().AutoCue(1));  // only "1" ticks the box
  EXPECT_TRUE(D().AutoCue(2));

  engine.Clear();
  D().StartupAfterSettings();
  const auto eq1 = engine.Commands(P(1), XA_MSG_SET_CODEC_EQUALIZER);
  ASSERT_FALSE(eq1.empty());
  EXPECT_EQ(eq1.back().eq, (std::array<int8_t, 64>{}));  // off: ends flat
  const auto eq2 = engine.Commands(P(2), XA_MSG_SET_CODEC_EQUALIZER);
  ASSERT_FALSE(eq2.empty());
  EXPECT_EQ(eq2.back().eq[0], 30);
  EXPECT_EQ(M(1).EqualizerIcon(), DeckIcon::EqOff);
  EXPECT_EQ(M(2).EqualizerIcon(), DeckIcon::EqOn);
  EXPECT_EQ(M(1).PitchIcon(), DeckIcon::PitchAbove);
  EXPECT_EQ(M(2).PitchIcon(), DeckIcon::PitchBelow);

  SettingsStore out(dir.filePath(QStringLiteral("out.ini")));
  D().SaveDeckSettings(out);
  for (const char* name : {"EQ1", "EQ2", "EQ4", "EQ6", "EQ PLAYER 1 STATUS", "EQ PLAYER 2 STATUS", "PITCH 1",
                           "PITCH 2", "AUTO CUE PLAYER 2 STATUS"}) {
    EXPECT_EQ(out.ReadSettingValue(QLatin1String(name)), store.ReadSettingValue(QLatin1String(name))) << name;
  }
  EXPECT_EQ(out.ReadSettingValue(QStringLiteral("AUTO CUE PLAYER 1 STATUS")), QStringLiteral("0"));
  EXPECT_EQ(out.ReadSettingValue(QStringLiteral("EQ PRESET NAME")), QStringLiteral("NS"));
}

TEST_F(DeckSettingsTest, MissingOrDamagedValuesKeepTheDefaults) {
  SettingsStore store(dir.filePath(QStringLiteral("damaged.ini")));
  store.WriteSettingValues({{"EQ3", "loud"}, {"PITCH 1", "fast"}});
  D().ReadDeckSettings(store);
  EXPECT_TRUE(engine.sent.empty());
  EXPECT_TRUE(D().EqOn(1));
  EXPECT_TRUE(D().EqOn(2));
  EXPECT_FALSE(D().AutoCue(1));
  EXPECT_EQ(D().Pitch(1), 1000);
  EXPECT_EQ(D().Centre().EqualizerSlider(2), 0);
}

TEST_F(DeckSettingsTest, StoredPitchOutsideTheScaleIsSentAsTheSliderShowsIt) {
  SettingsStore store(dir.filePath(QStringLiteral("wild.ini")));
  store.WriteSettingValues({{"PITCH 1", "5000"}});
  D().ReadDeckSettings(store);
  EXPECT_EQ(engine.Trace(P(1)), QStringList{"31:1100,0,0:OUTPUT.DIRECTSOUND.PITCH"});
}

TEST_F(DeckSettingsTest, StartupMasterFollowsTheEngineOrWarnsWithoutDevices) {
  engine.masterVolume = 32776;
  D().StartupMasterVolume();
  EXPECT_EQ(D().MasterPosition(), 32760);
  EXPECT_EQ(D().Centre().MasterLabel(), QStringLiteral("-45 db"));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  engine.devices.clear();
  D().SetMasterVolume(100, true);
  D().StartupMasterVolume();
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("KORVOxa needs one or more audio devices to work with\n[Audio Device(s) Not found]"));
  EXPECT_EQ(D().MasterPosition(), 100);
}

namespace {

struct EqualizerOffCase {
  const char* name;
  const char* player1Status;
  const char* player2Status;
  bool switchPlayer2Off;  // while running, after start-up
};

void PrintTo(const EqualizerOffCase& c, std::ostream* os) { *os << c.name; }

class EqualizerOffTest : public DeckFixture, public ::testing::WithParamInterface<EqualizerOffCase> {
 protected:
  // The engine answers every equaliser table with a report of it, as the real one does.
  // Each player reports on its own, so Player 2's reports may well come in first.
  void EchoEqualizerTables() {
    const std::vector<FakeEngine::Sent> sent = engine.sent;
    engine.Clear();
    for (int deck : {2, 1}) {
      for (const FakeEngine::Sent& s : sent) {
        if (s.player != P(deck) || s.message.code != XA_MSG_SET_CODEC_EQUALIZER) continue;
        XA_Message report;
        report.code = XA_MSG_NOTIFY_CODEC_EQUALIZER;
        report.eq = s.message.eq;
        engine.Notify(s.player, report);
      }
    }
  }
};

}  // namespace

TEST_P(EqualizerOffTest, ADeckSwitchedOffLeavesTheSharedSlidersAndTheStoredValues) {
  const EqualizerOffCase& c = GetParam();
  SettingsStore store(dir.filePath(QStringLiteral("in.ini")));
  store.WriteSettingValues({{"EQ1", "-30"}, {"EQ2", "4"}, {"EQ3", "0"}, {"EQ4", "-10"}, {"EQ5", "12"}, {"EQ6", "70"},
                            {"EQ PLAYER 1 STATUS", c.player1Status}, {"EQ PLAYER 2 STATUS", c.player2Status}});
  D().ReadDeckSettings(store);
  D().StartupAfterSettings();
  EchoEqualizerTables();
  if (c.switchPlayer2Off) {
    D().ToggleEqualizer(2);
    EchoEqualizerTables();
  }
  const int expected[6] = {-30, 4, 0, -10, 12, 70};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(D().Centre().EqualizerSlider(i), expected[i]) << i;
  SettingsStore out(dir.filePath(QStringLiteral("out.ini")));
  D().SaveDeckSettings(out);
  for (const char* name : {"EQ1", "EQ2", "EQ3", "EQ4", "EQ5", "EQ6"}) {
    EXPECT_EQ(out.ReadSettingValue(QLatin1String(name)), store.ReadSettingValue(QLatin1String(name))) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(StoredAndSwitched, EqualizerOffTest,
                         ::testing::Values(EqualizerOffCase{"player1StoredOff", "0", "1", false},
                                           EqualizerOffCase{"bothStoredOff", "0", "0", false},
                                           EqualizerOffCase{"player2SwitchedOff", "1", "1", true}),
                         [](const ::testing::TestParamInfo<EqualizerOffCase>& info) { return info.param.name; });
