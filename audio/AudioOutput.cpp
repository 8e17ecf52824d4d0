#include "audio/AudioOutput.h"

#include "audio/Denormals.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

// Retiring a voice is a store then a load on each side:
//   remover:  slot = nullptr          then  read renderSeq_
//   render:   renderSeq_ += 1 (odd)   then  read the slot
// Either the render sees the empty slot or the remover sees the render in flight, but
// only if all four are sequentially consistent (one total order); with acquire/release
// alone both could miss each other. So the slot store and load (VoiceSlots) and the start
// of a render here are seq_cst. The render's end is a release that the remover's acquire
// waits for: everything the render did with the voice happens before the voice is freed.
void AudioOutput::Render(float* out, int frames) {
  renderSeq_.fetch_add(1, std::memory_order_seq_cst);
  FlushDenormalsOnThisThread();  // a few cycles; the output's thread is not ours to set up
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
  Rendered(out, frames);
  renderSeq_.fetch_add(1, std::memory_order_release);
}

bool AudioOutput::WaitForRendersInFlight(std::chrono::milliseconds limit) const {
  const uint64_t seq = renderSeq_.load(std::memory_order_seq_cst);
  if (seq % 2 == 0) return true;  // none running: later renders see the empty slot
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (renderSeq_.load(std::memory_order_acquire) == seq) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return true;
}

void AudioOutput::SetLatency(double seconds) {
  latency_.store(seconds, std::memory_order_relaxed);
  if (!latencySinks_) return;
  const unsigned mask = routeMask_.load(std::memory_order_relaxed);
  for (int route = 0; route < 2; ++route)
    if (mask & (1u << route)) latencySinks_[route].store(seconds, std::memory_order_relaxed);
}
