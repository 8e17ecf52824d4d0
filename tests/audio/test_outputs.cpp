// The outputs without a sound card: PortAudio's callback driven by hand, and the null
// output's thread.
#include "audio/NullOutput.h"
#include "audio/PaOutput.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

TEST(PaOutputCallback, CountsUnderflowsAndTakesTheLatencyFromTheDacTime) {
  VoiceSlots slots;
  std::atomic<float> gain{1.0f};
  PaOutput out(slots, gain, 0);  // never started: no device is opened
  std::atomic<double> perRoute[2] = {0.0, 0.0};
  out.SetRouteMask(1u);
  out.PublishLatencyTo(perRoute);
  const int frames = 441;  // 10 ms at the default 44.1 kHz
  std::vector<float> buffer(size_t(frames) * 2);
  PaStreamCallbackTimeInfo time{};
  time.currentTime = 100.0;
  time.outputBufferDacTime = 100.05;
  struct Case {
    PaStreamCallbackFlags flags;
    bool underflow;
  };
  const Case cases[] = {{0, false},
                        {paOutputUnderflow, true},
                        {paOutputOverflow, false},
                        {paPrimingOutput, false},
                        {paOutputUnderflow | paPrimingOutput, true}};
  uint64_t expected = 0;
  for (const Case& c : cases) {
    EXPECT_EQ(PaOutput::Callback(nullptr, buffer.data(), frames, &time, c.flags, &out), paContinue);
    expected += c.underflow;
    EXPECT_EQ(out.Underflows(), expected) << c.flags;
  }
  // The buffer starts to sound 50 ms from now and ends 10 ms after that.
  EXPECT_NEAR(out.LatencySeconds(), 0.06, 1e-9);
  EXPECT_NEAR(perRoute[0].load(), 0.06, 1e-9);
  EXPECT_EQ(perRoute[1].load(), 0.0);  // not a route this output serves
  time.outputBufferDacTime = 100.1;
  PaOutput::Callback(nullptr, buffer.data(), frames, &time, 0, &out);
  EXPECT_NEAR(perRoute[0].load(), 0.11, 1e-9);
  // Host APIs that give no timing leave the last figure.
  time = PaStreamCallbackTimeInfo{};
  PaOutput::Callback(nullptr, buffer.data(), frames, &time, 0, &out);
  EXPECT_NEAR(out.LatencySeconds(), 0.11, 1e-9);
}

// Runs on the output's thread inside a render: is a denormal flushed to zero there?
void DenormalProbe(void* context, const float*, int) {
  volatile float tiny = 1e-39f;  // below FLT_MIN: a denormal
  const float product = tiny * 0.5f;
  static_cast<std::atomic<int>*>(context)->store(product == 0.0f ? 1 : 2);
}

TEST(NullOutputThread, RendersWithDenormalsFlushedToZero) {
  VoiceSlots slots;
  std::atomic<float> gain{1.0f};
  NullOutput out(slots, gain, 44100);
  std::atomic<int> flushed{0};
  out.SetTap(&DenormalProbe, &flushed);
  out.Start();
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (flushed.load() == 0 && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  out.Stop();
  EXPECT_EQ(flushed.load(), 1);
}

}  // namespace
