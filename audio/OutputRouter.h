// Where the players sound: the voice slots, the outputs in use for the main and monitor
// routes, the master gain and the device list. Created on first use (the C-style API has
// no handle to hang it on). Everything but RouteLatency/RouteRate runs on the GUI thread;
// a mutex keeps it whole should players be made or deleted on other threads as well.
#pragma once

#include "audio/AudioOutput.h"
#include "audio/LevelRecorder.h"
#include "audio/Mixer.h"
#include "audio/devices.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class NullOutput;

class OutputRouter {
 public:
  static OutputRouter& Instance();
  ~OutputRouter();

  // Makes a voice audible on its route.
  bool AddVoice(Voice* voice);
  // Takes the voice away from the outputs. The voice is the caller's to free again once
  // no output renders it; when an output's render does not finish (a stuck device) the
  // engine keeps the voice for good instead, since the render may still use it.
  void RemoveVoice(std::unique_ptr<Voice> voice);
  // Voices kept that way.
  int ParkedVoices();

  // Any thread: the rate and latency of the output serving a route.
  int RouteRate(int route) const;
  double RouteLatency(int route) const;

  QList<XaOutputDevice> Devices();
  void SetOutputDevices(int mainIndex, int monitorIndex);
  void SetMasterVolume(int value);
  int MasterVolume() const { return masterValue_; }
  float TakeMainPeak();
  uint64_t OutputUnderflows();

  // For tests and benchmarks: the null output's rate, and the null output serving a
  // route (nullptr when a device serves it).
  void SetNullOutputRate(int rate);
  // For tests, before the devices are first listed: with KORVO_AUDIO=null, list this many
  // null outputs (at least 1), so main and monitor can be told apart without a card.
  void SetNullDeviceCount(int count);
  NullOutput* NullOutputFor(int route);

 private:
  OutputRouter();
  void ProbeDevices();
  void RebuildOutputs();
  std::unique_ptr<AudioOutput> OpenOutput(int listIndex, unsigned mask);
  void RecordLevels(NullOutput& out);

  std::mutex mutex_;
  VoiceSlots slots_;
  std::atomic<float> mainGain_{1.0f};
  int masterValue_ = 65535;
  bool nullOnly_ = false;
  bool paReady_ = false;
  bool probed_ = false;
  int nullRate_ = 44100;
  int nullDevices_ = 1;
  QList<XaOutputDevice> devices_;
  std::vector<int> paIndexOf_;  // listed index -> PortAudio device index
  int mainIndex_ = -1;
  int monitorIndex_ = -1;
  // KORVO_LEVEL_LOG: where the null output's main route logs its level (the soak test);
  // declared before the outputs, so no render feeds the recorder once it is gone.
  std::string levelLogPath_;
  std::unique_ptr<LevelRecorder> levelLog_;
  std::vector<std::unique_ptr<AudioOutput>> outputs_;
  uint64_t pastUnderflows_ = 0;  // of outputs closed since
  std::atomic<int> routeRate_[2] = {44100, 44100};
  std::atomic<double> routeLatency_[2] = {0.0, 0.0};
};
