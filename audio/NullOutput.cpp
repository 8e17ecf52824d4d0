#include "audio/NullOutput.h"

#include <chrono>
#include <vector>

namespace {
constexpr auto kTick = std::chrono::milliseconds(10);
}

NullOutput::NullOutput(const VoiceSlots& voices, const std::atomic<float>& mainGain, int rate)
    : AudioOutput(voices, mainGain) {
  rate_ = rate;
}

NullOutput::~NullOutput() { Stop(); }

bool NullOutput::Start() {
  if (running_.exchange(true)) return true;
  thread_ = std::thread([this] { Run(); });
  return true;
}

void NullOutput::Stop() {
  running_.store(false);
  if (thread_.joinable()) thread_.join();
}

void NullOutput::SetTap(Tap tap, void* context) {
  tap_.store(nullptr);
  // The same handshake as retiring a voice: a render that saw the old tap has finished.
  WaitForRendersInFlight(std::chrono::seconds(60));
  tapContext_.store(context);
  tap_.store(tap);
}

void NullOutput::Rendered(const float* out, int frames) {
  if (Tap tap = tap_.load(std::memory_order_seq_cst)) tap(tapContext_.load(), out, frames);
}

void NullOutput::Run() {
  // Absolute deadlines: a late tick is followed by a short sleep, so the pace never drifts.
  std::vector<float> buffer(size_t(rate_) * 2);
  auto deadline = std::chrono::steady_clock::now();
  int64_t framesDone = 0;
  int64_t ticks = 0;
  while (running_.load(std::memory_order_relaxed)) {
    ++ticks;
    // Frames due by this tick, so odd rates (44100 / 100) add up exactly.
    const int64_t due = ticks * rate_ / 100;
    const int frames = int(due - framesDone);
    framesDone = due;
    Render(buffer.data(), frames);
    deadline += kTick;
    const auto now = std::chrono::steady_clock::now();
    if (now - deadline > std::chrono::milliseconds(200)) deadline = now;  // stalled: do not race to catch up
    std::this_thread::sleep_until(deadline);
  }
}
