// The mix function: renders the players' voices into an output buffer.
// Runs on output callbacks, and on a decode thread writing a WAV file. It never locks,
// allocates, logs or touches files: it reads atomics and rings only.
#pragma once

#include "audio/Voice.h"

#include <atomic>

// The voices the outputs look at. Slots are filled and cleared on the GUI thread. Every
// access is seq_cst: publishing a voice needs release/acquire, and retiring one is the
// handshake with the renders described at AudioOutput::Render.
class VoiceSlots {
 public:
  static constexpr int kSlots = 32;
  bool Add(Voice* voice);
  void Remove(Voice* voice);
  Voice* At(int i) const { return slots_[i].load(std::memory_order_seq_cst); }

 private:
  std::atomic<Voice*> slots_[kSlots] = {};
};

// Level L (0-100) as a gain: (L - 100) dB, 0 is silence.
float LevelToGain(int level);
// Master value v (1-65535) as a gain: attenuation (65536 - v) / 728 dB.
float MasterToGain(int value);

// Renders one voice at outRate (ramping its gain from the last block's) and adds it to
// out (interleaved stereo). Returns the frames of real audio, 0 when paused, busy or dry.
int RenderVoiceAdd(Voice& voice, float* out, int frames, int outRate, float extraGain);

// out = the sum of every voice whose route is in routeMask (bit 0 main, bit 1 monitor);
// voices on the main route are also scaled by mainGain.
void MixVoices(const VoiceSlots& voices, float* out, int frames, int outRate, unsigned routeMask, float mainGain);
