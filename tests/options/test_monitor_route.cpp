// The station on the real engine with two devices (two null outputs stand in for two
// sound cards): main and monitor play on the devices stored by Options, and a clip cued
// on the monitor is heard there only.
#include "audio/DecoderEngine.h"
#include "audio/OutputRouter.h"
#include "audio/NullOutput.h"
#include "platform/Clock.h"
#include "platform/PlayLog.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"
#include "station/Station.h"
#include "support/NoRenamePrompt.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

QString Fixture(const char* name) {
  return qEnvironmentVariable("KORVO_FIXTURES") + QLatin1Char('/') + QLatin1String(name);
}

struct PeakTap {
  std::atomic<float> peak{0.0f};
  static void Tap(void* context, const float* frames, int count) {
    auto* self = static_cast<PeakTap*>(context);
    float p = self->peak.load(std::memory_order_relaxed);
    for (int i = 0; i < count * 2; ++i) p = std::max(p, std::fabs(frames[i]));
    self->peak.store(p, std::memory_order_relaxed);
  }
};

TEST(MonitorRoute, ACueOnTheMonitorIsHeardOnTheMonitorDeviceOnly) {
  qputenv("KORVO_AUDIO", "null");
  OutputRouter::Instance().SetNullDeviceCount(2);
  QTemporaryDir dir;
  QDir(dir.path()).mkpath(QStringLiteral("station"));
  const QString startFolder = dir.filePath(QStringLiteral("station")) + QLatin1Char('/');
  SettingsStore settings(dir.filePath(QStringLiteral("KORVO XA.ini")));
  // What Options APPLY stored: the main on the second device, the monitor on the first.
  settings.Write(settings::kOutputDevice, QStringLiteral("Null output 2"));
  settings.Write(settings::kOutputDeviceId, 1);
  settings.Write(settings::kMonitorDevice, QStringLiteral("Null output"));
  settings.Write(settings::kMonitorDeviceId, 0);
  FixedClock clock(QDateTime(QDate(2001, 3, 7), QTime(9, 5, 3)));
  ScriptedDialogs dialogs;
  dialogs.defaultAnswer = Dialogs::Answer::Ok;
  FakeSystemServices system;
  XaudioEngine engine;
  PlayLog log(clock, startFolder);
  NoRenamePrompt renamePrompt;
  AppContext ctx{settings, clock, dialogs, system, engine, log, startFolder, dir.filePath(QStringLiteral("c")),
                 renamePrompt};
  Station station(ctx);
  station.Start();
  for (const QString& text : dialogs.Texts()) EXPECT_FALSE(text.contains(QStringLiteral("not present")));

  NullOutput* mainOut = OutputRouter::Instance().NullOutputFor(kRouteMain);
  NullOutput* monitorOut = OutputRouter::Instance().NullOutputFor(kRouteMonitor);
  ASSERT_NE(mainOut, nullptr);
  ASSERT_NE(monitorOut, nullptr);
  ASSERT_NE(mainOut, monitorOut);

  Decks& decks = station.DeckSet();
  decks.SetCheckOnLoad(false);
  ASSERT_GE(decks.LoadClip(1, QStringLiteral("tone"), Fixture("tone440_44k_cbr.mp3")), 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return decks.State(1) == PlayerState::Paused; }, 10000));
  decks.SetFader(1, 0, true);
  decks.PlayPause(1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return decks.PositionFrames(1) > 0; }, 10000));

  // Measures what each device renders for a while (generous, the clip lasts 3 s).
  const auto listen = [&](float* main, float* monitor) {
    PeakTap m, c;
    mainOut->SetTap(&PeakTap::Tap, &m);
    monitorOut->SetTap(&PeakTap::Tap, &c);
    QTest::qWait(300);
    mainOut->SetTap(nullptr, nullptr);
    monitorOut->SetTap(nullptr, nullptr);
    *main = m.peak.load();
    *monitor = c.peak.load();
  };
  float main = 0, monitor = 0;
  listen(&main, &monitor);
  EXPECT_GT(main, 0.05f);
  EXPECT_EQ(monitor, 0.0f);

  decks.ToggleMonitor(1);
  ASSERT_TRUE(decks.MonitorOut(1));
  QTest::qWait(50);  // the switch reaches the engine
  listen(&main, &monitor);
  EXPECT_EQ(main, 0.0f);
  EXPECT_GT(monitor, 0.05f);
  decks.Send(1, XA_MSG_COMMAND_STOP);
}

}  // namespace
