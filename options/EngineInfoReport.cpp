#include "options/EngineInfoReport.h"

QStringList EngineInfoLines(const EngineInfoSources& s) {
  QStringList lines;
  for (int i = 0; i < 2; ++i) {
    const EngineInfoSources::Deck& d = s.decks[i];
    lines << QStringLiteral("===Player %1 info===").arg(i + 1);
    lines << QStringLiteral("State: %1").arg(d.stateText);
    lines << QStringLiteral("Equalizer: %1").arg(d.eqOn ? QStringLiteral("ON") : QStringLiteral("OFF"));
    lines << QStringLiteral("Outpout: %1").arg(d.monitorOut ? QStringLiteral("Monitor") : QStringLiteral("Main"));
  }
  lines << QStringLiteral("---------------------------------");
  const int v = s.apiVersion;
  lines << QString::asprintf("Async API Version %d.%d.%d", (v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff);
  lines << QStringLiteral("Output Devices: %1").arg(s.outputDevices);
  lines << QStringLiteral("-----------defaults reg----------");
  lines << QStringLiteral("FPS: %1").arg(s.fps);
  lines << QStringLiteral("Output  Device: %1").arg(s.outputDevice);
  lines << QStringLiteral("Monitor Device: %1").arg(s.monitorDevice);
  lines << QStringLiteral("Default Mix Style: %1").arg(s.defMixStyle);
  lines << QStringLiteral("--- -- ---  Play List Info --- -- ---");
  const struct {
    const char* label;
    PrlField field;
  } header[] = {{"File Name: ", PrlField::FilePath},
                {"Creation Date: ", PrlField::Date},
                {"Clips: ", PrlField::Clips},
                {"Duration: ", PrlField::Duration},
                {"Style: ", PrlField::Style},
                {"Date To Play: ", PrlField::DateToPlay},
                {"Time To Play: ", PrlField::TimeToPlay},
                {"Owner: ", PrlField::Owner},
                {"Descreption: ", PrlField::Description},
                {"Play List Version: ", PrlField::Version}};
  for (const auto& h : header) lines << QString::fromLatin1(h.label) + s.playList.Value(h.field);
  lines << QStringLiteral("--- -- ---  Mix Style Info --- -- ---");
  const MixSettings& m = s.mix;
  lines << QStringLiteral("MIX STYLE NAME: %1").arg(m.appliedStyleName);
  const struct {
    const char* label;
    int value;
  } mix[] = {{"SKIP SEC OFFSET: ", m.skipSecOffset},
             {"WAIT VOLUME VALUE: ", m.waitVolumeValue},
             {"WAIT VOLUME: ", m.waitVolume},
             {"IN SPEED STEP: ", m.inSpeedStep},
             {"OUT SPEED STEP: ", m.outSpeedStep},
             {"MIX TIMER INTERVAL: ", m.mixTimerInterval},
             {"IN SPEED: ", m.inSpeed},
             {"OUT SPEED: ", m.outSpeed},
             {"STYLE START VOLUME: ", m.styleStartVolume}};
  for (const auto& f : mix) lines << QString::fromLatin1(f.label) + QString::number(f.value);
  lines << (s.advertsLoadingType != 0 ? QStringLiteral("Load Adverts as Filenames & Titles")
                                      : QStringLiteral("Load Adverts as Coded from Spotwright"));
  return lines;
}
