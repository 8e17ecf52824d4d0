#include "audio/AudioOutput.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

void AudioOutput::Render(float* out, int frames) {
  rendersStarted_.fetch_add(1, std::memory_order_seq_cst);
  const unsigned mask = routeMask_.load(std::memory_order_relaxed);
  MixVoices(slots_, out, frames, rate_, mask, mainGain_.load(std::memory_order_relaxed));
  if (mask & 1u) {
    float peak = 0.0f;
    for (int i = 0; i < frames * 2; ++i) peak = std::max(peak, std::fabs(out[i]));
    const auto scaled = uint32_t(std::min(peak, 1.0f) * 100000.0f);
    uint32_t prev = peakScaled_.load(std::memory_order_relaxed);
    while (scaled > prev && !peakScaled_.compare_exchange_weak(prev, scaled, std::memory_order_relaxed)) {
    }
  }
  rendersDone_.fetch_add(1, std::memory_order_seq_cst);
}

void AudioOutput::WaitForRendersInFlight() const {
  const uint64_t started = rendersStarted_.load(std::memory_order_seq_cst);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (rendersDone_.load(std::memory_order_seq_cst) < started && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::microseconds(200));
}
