// The engine information report, line by line, and the module lists it shows beside it.
#include <gtest/gtest.h>

#include "audio/xaudio.h"
#include "options/EngineInfoReport.h"
#include "options/EngineModules.h"

namespace {

TEST(EngineInfoReport, EveryLineInOrder) {
  EngineInfoSources s;
  s.decks[0] = {QStringLiteral("PLAYING"), true, false};
  s.decks[1] = {QStringLiteral("PAUSED"), false, true};
  s.apiVersion = (3 << 16) | (2 << 8) | 7;
  s.outputDevices = 2;
  s.fps = 25;
  s.outputDevice = QStringLiteral("Card A");
  s.monitorDevice = QStringLiteral("Card B");
  s.defMixStyle = QStringLiteral("DEF1");
  s.advertsLoadingType = 0;
  s.playList.SetValue(PrlField::FilePath, QStringLiteral("/lists/a.prl"));
  s.playList.SetValue(PrlField::Version, QStringLiteral("2"));
  s.playList.SetValue(PrlField::Date, QStringLiteral("07/03/2001"));
  s.playList.SetValue(PrlField::Owner, QStringLiteral("Night desk"));
  s.playList.SetValue(PrlField::Clips, QStringLiteral("12"));
  s.playList.SetValue(PrlField::Duration, QStringLiteral("00:48:10:00"));
  s.playList.SetValue(PrlField::Style, QStringLiteral("SLOW"));
  s.playList.SetValue(PrlField::Description, QStringLiteral("late"));
  s.playList.SetValue(PrlField::DateToPlay, QStringLiteral("08/03/2001"));
  s.playList.SetValue(PrlField::TimeToPlay, QStringLiteral("23:00"));
  s.mix.appliedStyleName = QStringLiteral("SLOW");
  s.mix.skipSecOffset = 9;
  s.mix.waitVolumeValue = 30;
  s.mix.waitVolume = 1;
  s.mix.inSpeedStep = 3;
  s.mix.outSpeedStep = 2;
  s.mix.mixTimerInterval = 40;
  s.mix.inSpeed = 5;
  s.mix.outSpeed = 6;
  s.mix.styleStartVolume = 80;
  const QStringList expected{"===Player 1 info===",
                             "State: PLAYING",
                             "Equalizer: ON",
                             "Outpout: Main",
                             "===Player 2 info===",
                             "State: PAUSED",
                             "Equalizer: OFF",
                             "Outpout: Monitor",
                             "---------------------------------",
                             "Async API Version 3.2.7",
                             "Output Devices: 2",
                             "-----------defaults reg----------",
                             "FPS: 25",
                             "Output  Device: Card A",
                             "Monitor Device: Card B",
                             "Default Mix Style: DEF1",
                             "--- -- ---  Play List Info --- -- ---",
                             "File Name: /lists/a.prl",
                             "Creation Date: 07/03/2001",
                             "Clips: 12",
                             "Duration: 00:48:10:00",
                             "Style: SLOW",
                             "Date To Play: 08/03/2001",
                             "Time To Play: 23:00",
                             "Owner: Night desk",
                             "Descreption: late",
                             "Play List Version: 2",
                             "--- -- ---  Mix Style Info --- -- ---",
                             "MIX STYLE NAME: SLOW",
                             "SKIP SEC OFFSET: 9",
                             "WAIT VOLUME VALUE: 30",
                             "WAIT VOLUME: 1",
                             "IN SPEED STEP: 3",
                             "OUT SPEED STEP: 2",
                             "MIX TIMER INTERVAL: 40",
                             "IN SPEED: 5",
                             "OUT SPEED: 6",
                             "STYLE START VOLUME: 80",
                             "Load Adverts as Coded from Spotwright"};
  const QStringList lines = EngineInfoLines(s);
  ASSERT_EQ(lines.size(), expected.size());
  for (int i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << i;
}

TEST(EngineInfoReport, TheLastLineFollowsTheAdvertLoadingType) {
  for (const auto& [type, line] :
       {std::pair{0, "Load Adverts as Coded from Spotwright"}, std::pair{1, "Load Adverts as Filenames & Titles"},
        std::pair{7, "Load Adverts as Filenames & Titles"}}) {
    EngineInfoSources s;
    s.advertsLoadingType = type;
    EXPECT_EQ(EngineInfoLines(s).last(), QString::fromLatin1(line)) << type;
  }
}

TEST(EngineModules, EachAnswerGoesToItsListUntilCleared) {
  EngineModules modules;
  int changes = 0;
  QObject::connect(&modules, &EngineModules::changed, [&changes] { ++changes; });
  modules.Report(XA_MSG_NOTIFY_INPUT_MODULE_INFO, QStringLiteral("mp3 in"));
  modules.Report(XA_MSG_NOTIFY_OUTPUT_MODULE_INFO, QStringLiteral("PortAudio"));
  modules.Report(XA_MSG_NOTIFY_OUTPUT_MODULE_INFO, QStringLiteral("Null"));
  modules.Report(XA_MSG_NOTIFY_PLAYER_STATE, QStringLiteral("not a module"));
  EXPECT_EQ(modules.Inputs(), QStringList{QStringLiteral("mp3 in")});
  EXPECT_EQ(modules.Outputs(), (QStringList{"PortAudio", "Null"}));
  EXPECT_EQ(changes, 3);
  modules.Clear();
  EXPECT_TRUE(modules.Inputs().isEmpty());
  EXPECT_TRUE(modules.Outputs().isEmpty());
}

}  // namespace
