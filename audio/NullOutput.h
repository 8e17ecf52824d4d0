// The null output: a thread that consumes sound at real-time pace, so positions, ends of
// clips and crossfades behave as on a sound card when there is none (or KORVO_AUDIO=null).
#pragma once

#include "audio/AudioOutput.h"

#include <atomic>
#include <thread>

class NullOutput final : public AudioOutput {
 public:
  NullOutput(const VoiceSlots& voices, const std::atomic<float>& mainGain, int rate);
  ~NullOutput() override;
  bool Start() override;
  void Stop() override;
  // Called with every rendered buffer on the pacing thread, inside the render (tests,
  // benchmarks and the soak's level log). Returns once the previous tap can no longer be
  // running.
  using Tap = void (*)(void* context, const float* frames, int count);
  void SetTap(Tap tap, void* context);

 protected:
  void Rendered(const float* out, int frames) override;

 private:
  void Run();
  std::thread thread_;
  std::atomic<bool> running_{false};
  std::atomic<Tap> tap_{nullptr};
  std::atomic<void*> tapContext_{nullptr};
};
