// Main and monitor on devices of their own: with two null outputs listed, a clip cued on
// the monitor is heard on the monitor's device only, and one on the main on the main's.
// Its own program: the device list is made once per process.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>

#include "AudioHarness.h"
#include "audio/OutputRouter.h"
#include "audio/NullOutput.h"
#include "audio/devices.h"

namespace {

// The loudest sample an output rendered since the tap was set (runs inside the render).
struct PeakTap {
  std::atomic<float> peak{0.0f};
  static void Tap(void* context, const float* frames, int count) {
    auto* self = static_cast<PeakTap*>(context);
    float p = self->peak.load(std::memory_order_relaxed);
    for (int i = 0; i < count * 2; ++i) p = std::max(p, std::fabs(frames[i]));
    self->peak.store(p, std::memory_order_relaxed);
  }
};

class Routes : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qputenv("KORVO_AUDIO", "null");  // before the engine is first made
    OutputRouter::Instance().SetNullDeviceCount(2);
  }
  void TearDown() override {
    for (NullOutput* out :
         {OutputRouter::Instance().NullOutputFor(kRouteMain), OutputRouter::Instance().NullOutputFor(kRouteMonitor)})
      if (out) out->SetTap(nullptr, nullptr);
  }
  // Plays the tone on the output named and reports what each device rendered.
  void PlayOn(const char* outputName, float* mainPeak, float* monitorPeak) {
    NullOutput* mainOut = OutputRouter::Instance().NullOutputFor(kRouteMain);
    NullOutput* monitorOut = OutputRouter::Instance().NullOutputFor(kRouteMonitor);
    ASSERT_NE(mainOut, nullptr);
    ASSERT_NE(monitorOut, nullptr);
    // One device serving both routes reports through the main's figure.
    PeakTap main, monitor;
    mainOut->SetTap(&PeakTap::Tap, &main);
    if (monitorOut != mainOut) monitorOut->SetTap(&PeakTap::Tap, &monitor);
    TestPlayer p;
    p.SendText(XA_MSG_COMMAND_INPUT_OPEN, Fixture("tone440_44k_cbr.mp3"));
    p.SendText(XA_MSG_SET_OUTPUT_NAME, outputName);
    p.Send(XA_MSG_COMMAND_PLAY);
    // Generous limits: sound has reached one of the devices, and the player says so.
    EXPECT_TRUE(WaitUntil([&] { return std::max(main.peak.load(), monitor.peak.load()) > 0.05f; }));
    EXPECT_TRUE(WaitUntil([&] { return p.log.Find(XA_MSG_NOTIFY_INPUT_POSITION) >= 0; }));
    p.Send(XA_MSG_COMMAND_STOP);
    mainOut->SetTap(nullptr, nullptr);
    monitorOut->SetTap(nullptr, nullptr);
    *mainPeak = main.peak.load();
    *monitorPeak = monitor.peak.load();
  }
};

TEST_F(Routes, TwoNullDevicesAreListedAndEachRouteGetsItsOwn) {
  const QList<XaOutputDevice> devices = xaudio_output_devices();
  ASSERT_EQ(devices.size(), 2);
  EXPECT_EQ(devices[0].name, QStringLiteral("Null output"));
  EXPECT_EQ(devices[1].name, QStringLiteral("Null output 2"));
  xaudio_set_output_devices(0, 0);
  EXPECT_EQ(OutputRouter::Instance().NullOutputFor(kRouteMain), OutputRouter::Instance().NullOutputFor(kRouteMonitor));
  xaudio_set_output_devices(0, 1);
  EXPECT_NE(OutputRouter::Instance().NullOutputFor(kRouteMain), OutputRouter::Instance().NullOutputFor(kRouteMonitor));
}

TEST_F(Routes, EachRoutePlaysOnlyOnItsDevice) {
  struct Case {
    const char* output;
    bool onMonitor;
  };
  for (const Case c : {Case{"/dev/dsound/2", true}, Case{"/dev/dsound/1", false}}) {
    for (const auto& [mainIndex, monitorIndex] : {std::pair{0, 1}, std::pair{1, 0}}) {
      xaudio_set_output_devices(mainIndex, monitorIndex);
      ASSERT_NE(OutputRouter::Instance().NullOutputFor(kRouteMain), OutputRouter::Instance().NullOutputFor(kRouteMonitor));
      float main = 0, monitor = 0;
      PlayOn(c.output, &main, &monitor);
      const float heard = c.onMonitor ? monitor : main;
      const float silent = c.onMonitor ? main : monitor;
      EXPECT_GT(heard, 0.05f) << c.output << " main " << mainIndex;
      EXPECT_EQ(silent, 0.0f) << c.output << " main " << mainIndex;
    }
  }
}

TEST_F(Routes, AnUnlistedIndexPlaysOnTheDefaultDevice) {
  // A stored device that is gone: the route shares the first device instead of falling silent.
  xaudio_set_output_devices(0, 7);
  EXPECT_EQ(OutputRouter::Instance().NullOutputFor(kRouteMain), OutputRouter::Instance().NullOutputFor(kRouteMonitor));
  float main = 0, monitor = 0;
  PlayOn("/dev/dsound/2", &main, &monitor);
  EXPECT_GT(main, 0.05f);
}

}  // namespace
