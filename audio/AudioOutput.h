// One output in use (a PortAudio device or the null output): renders the voices routed
// to it. Start/Stop and the setters run on the GUI thread; Render runs on the output's
// own thread (PortAudio's callback or the null output's pacing thread).
#pragma once

#include "audio/Mixer.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

class AudioOutput {
 public:
  AudioOutput(const VoiceSlots& voices, const std::atomic<float>& mainGain) : slots_(voices), mainGain_(mainGain) {}
  virtual ~AudioOutput() = default;
  virtual bool Start() = 0;
  virtual void Stop() = 0;

  int Rate() const { return rate_; }
  // Time from rendering a frame to hearing it.
  double LatencySeconds() const { return latency_.load(std::memory_order_relaxed); }
  // Before Start: also keep perRoute[route] up to date for each route this output serves.
  void PublishLatencyTo(std::atomic<double>* perRoute) { latencySinks_ = perRoute; }
  // Times the device ran out of audio to play (the callback came too late).
  uint64_t Underflows() const { return underflows_.load(std::memory_order_relaxed); }
  void SetRouteMask(unsigned mask) { routeMask_.store(mask, std::memory_order_relaxed); }
  unsigned RouteMask() const { return routeMask_.load(std::memory_order_relaxed); }
  // Peak of the main route since the last call, 0-1.
  float TakePeak() {
    const uint32_t bits = peakScaled_.exchange(0, std::memory_order_relaxed);
    return bits / 100000.0f;
  }
  // True once no render that might have seen a voice just removed from the slots is still
  // running (a render that starts later cannot see it); false when one is still running
  // after limit, so the caller must not free the voice.
  bool WaitForRendersInFlight(std::chrono::milliseconds limit) const;

 protected:
  void Render(float* out, int frames);
  // Called inside the render, with the mixed buffer.
  virtual void Rendered(const float* out, int frames) {}
  void SetLatency(double seconds);
  int rate_ = 44100;
  std::atomic<uint64_t> underflows_{0};

 private:
  const VoiceSlots& slots_;
  const std::atomic<float>& mainGain_;
  std::atomic<unsigned> routeMask_{1};
  std::atomic<double> latency_{0.0};
  std::atomic<double>* latencySinks_ = nullptr;
  std::atomic<uint32_t> peakScaled_{0};
  // Odd while a render runs. See Render for the handshake with WaitForRendersInFlight.
  std::atomic<uint64_t> renderSeq_{0};
};
