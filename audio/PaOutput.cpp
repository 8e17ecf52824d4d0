#include "audio/PaOutput.h"
#include <algorithm>

PaOutput::PaOutput(const VoiceSlots& voices, const std::atomic<float>& mainGain, int paDevice)
    : AudioOutput(voices, mainGain), device_(paDevice) {}

PaOutput::~PaOutput() { Stop(); }

bool PaOutput::Start() {
  if (stream_) return true;
  const PaDeviceInfo* info = Pa_GetDeviceInfo(device_);
  if (!info || info->maxOutputChannels < 2) return false;
  rate_ = int(info->defaultSampleRate);
  PaStreamParameters params{};
  params.device = device_;
  params.channelCount = 2;
  params.sampleFormat = paFloat32;
  params.suggestedLatency = std::max(0.02, info->defaultLowOutputLatency);
  if (Pa_OpenStream(&stream_, nullptr, &params, rate_, paFramesPerBufferUnspecified, paNoFlag, &PaOutput::Callback,
                    this) != paNoError) {
    stream_ = nullptr;
    return false;
  }
  if (const PaStreamInfo* si = Pa_GetStreamInfo(stream_)) SetLatency(si->outputLatency);  // until the first callback
  if (Pa_StartStream(stream_) != paNoError) {
    Pa_CloseStream(stream_);
    stream_ = nullptr;
    return false;
  }
  return true;
}

void PaOutput::Stop() {
  if (!stream_) return;
  Pa_StopStream(stream_);  // returns after the last callback
  Pa_CloseStream(stream_);
  stream_ = nullptr;
}

int PaOutput::Callback(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo* time,
                       PaStreamCallbackFlags flags, void* self) {
  auto* out = static_cast<PaOutput*>(self);
  if (flags & paOutputUnderflow) out->underflows_.fetch_add(1, std::memory_order_relaxed);
  out->Render(static_cast<float*>(output), int(frames));
  // What the device says now: this buffer starts to sound at outputBufferDacTime, and the
  // frames just counted as played end one buffer later. Host APIs without timing give 0.
  if (time && time->outputBufferDacTime > time->currentTime && time->currentTime > 0)
    out->SetLatency(time->outputBufferDacTime - time->currentTime + double(frames) / out->rate_);
  return paContinue;
}
