// A PortAudio output device: float32 stereo at the device's default rate, ~20 ms latency.
// Start/Stop on the GUI thread; the callback renders on PortAudio's thread.
#pragma once

#include "audio/AudioOutput.h"

#include <portaudio.h>

class PaOutput final : public AudioOutput {
 public:
  PaOutput(const VoiceSlots& voices, const std::atomic<float>& mainGain, int paDevice);
  ~PaOutput() override;
  bool Start() override;
  void Stop() override;

  // PortAudio's stream callback (public so it can be driven without a device).
  static int Callback(const void* input, void* output, unsigned long frames, const PaStreamCallbackTimeInfo* time,
                      PaStreamCallbackFlags flags, void* self);

 private:
  int device_;
  PaStream* stream_ = nullptr;
};
