#include "audio/OutputRouter.h"

#include "audio/NullOutput.h"
#include "audio/PaOutput.h"

#include <QByteArray>
#include <QtGlobal>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

namespace {

// PortAudio's ALSA/JACK probing prints pages of harmless noise on machines without sound.
PaError QuietPaInitialize() {
  fflush(stderr);
  const int saved = dup(2);
  const int devNull = open("/dev/null", O_WRONLY);
  if (saved >= 0 && devNull >= 0) dup2(devNull, 2);
  const PaError result = Pa_Initialize();
  if (saved >= 0) {
    dup2(saved, 2);
    close(saved);
  }
  if (devNull >= 0) close(devNull);
  return result;
}

}  // namespace

OutputRouter& OutputRouter::Instance() {
  static OutputRouter router;
  return router;
}

OutputRouter::OutputRouter() {
  nullOnly_ = qgetenv("KORVO_AUDIO") == "null";
  levelLogPath_ = qgetenv("KORVO_LEVEL_LOG").toStdString();
}

OutputRouter::~OutputRouter() {
  outputs_.clear();
  if (paReady_) Pa_Terminate();
}

void OutputRouter::ProbeDevices() {
  if (probed_) return;
  probed_ = true;
  if (nullOnly_) {
    for (int i = 0; i < nullDevices_; ++i) {
      XaOutputDevice d;
      d.index = i;
      d.name = i == 0 ? QStringLiteral("Null output") : QStringLiteral("Null output %1").arg(i + 1);
      d.hostApi = QStringLiteral("none");
      d.maxChannels = 2;
      d.defaultRate = nullRate_;
      d.defaultLatencyMs = 10;
      d.isNull = true;
      devices_.append(d);
    }
    return;
  }
  paReady_ = QuietPaInitialize() == paNoError;
  if (!paReady_) return;
  const int count = Pa_GetDeviceCount();
  for (int i = 0; i < count; ++i) {
    const PaDeviceInfo* info = Pa_GetDeviceInfo(i);
    if (!info || info->maxOutputChannels < 2) continue;
    XaOutputDevice d;
    d.index = int(devices_.size());
    d.name = QString::fromUtf8(info->name);
    const PaHostApiInfo* api = Pa_GetHostApiInfo(info->hostApi);
    d.hostApi = api ? QString::fromUtf8(api->name) : QString();
    d.maxChannels = info->maxOutputChannels;
    d.defaultRate = info->defaultSampleRate;
    d.defaultLatencyMs = info->defaultLowOutputLatency * 1000.0;
    devices_.append(d);
    paIndexOf_.push_back(i);
  }
}

QList<XaOutputDevice> OutputRouter::Devices() {
  std::lock_guard<std::mutex> lock(mutex_);
  ProbeDevices();
  return devices_;
}

std::unique_ptr<AudioOutput> OutputRouter::OpenOutput(int listIndex, unsigned mask) {
  std::unique_ptr<AudioOutput> out;
  if (paReady_ && !paIndexOf_.empty()) {
    const bool listed = listIndex >= 0 && listIndex < int(paIndexOf_.size());
    int fallback = Pa_GetDefaultOutputDevice();
    if (fallback == paNoDevice) fallback = paIndexOf_.front();
    // A chosen device that will not open (busy, unplugged since the list was made) gives
    // way to the default device before the null output: sound rather than silence.
    for (const int pa : {listed ? paIndexOf_[size_t(listIndex)] : fallback, fallback}) {
      out = std::make_unique<PaOutput>(slots_, mainGain_, pa);
      out->SetRouteMask(mask);
      out->PublishLatencyTo(routeLatency_);
      if (out->Start()) break;
      out.reset();
    }
  }
  if (!out) {  // no device, or none would open: keep time with the null output
    auto null = std::make_unique<NullOutput>(slots_, mainGain_, nullRate_);
    null->SetRouteMask(mask);
    if (mask & 1u) RecordLevels(*null);
    null->Start();
    out = std::move(null);
  }
  for (int route = 0; route < 2; ++route) {
    if (!(mask & (1u << route))) continue;
    routeRate_[route].store(out->Rate());
    routeLatency_[route].store(out->LatencySeconds());
  }
  return out;
}

void OutputRouter::RecordLevels(NullOutput& out) {
  if (levelLogPath_.empty()) return;
  // Outputs are rebuilt when the devices are applied: one recorder serves them all while
  // the rate stays, so the log keeps one time line. The old outputs are stopped by now.
  if (!levelLog_ || levelLog_->Rate() != out.Rate()) {
    levelLog_.reset();
    auto recorder = std::make_unique<LevelRecorder>(levelLogPath_, out.Rate());
    if (!recorder->Open()) {
      qWarning("audio: cannot write the level log %s", levelLogPath_.c_str());
      levelLogPath_.clear();
      return;
    }
    recorder->StartWriter();
    levelLog_ = std::move(recorder);
  }
  out.SetTap(&LevelRecorder::Tap, levelLog_.get());
}

void OutputRouter::RebuildOutputs() {
  ProbeDevices();
  for (auto& out : outputs_) pastUnderflows_ += out->Underflows();
  outputs_.clear();  // stops them: no render runs past this point
  // Which device an index stands for; an unlisted index is the default device.
  auto resolve = [this](int index) {
    if (nullOnly_) return (index >= 0 && index < nullDevices_) ? index : 0;
    return (index >= 0 && index < int(paIndexOf_.size())) ? paIndexOf_[size_t(index)] : -1;
  };
  const bool shared = (!nullOnly_ && paIndexOf_.empty()) || resolve(mainIndex_) == resolve(monitorIndex_);
  if (shared) {
    outputs_.push_back(OpenOutput(mainIndex_, 3u));
  } else {
    outputs_.push_back(OpenOutput(mainIndex_, 1u));
    outputs_.push_back(OpenOutput(monitorIndex_, 2u));
  }
}

bool OutputRouter::AddVoice(Voice* voice) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (outputs_.empty()) RebuildOutputs();
  return slots_.Add(voice);
}

namespace {

// Voices a stuck render may still hold. Kept for the life of the process and reachable
// from here, so they are neither freed under the render nor reported as leaks.
std::vector<Voice*>& ParkedList() {
  static auto* parked = new std::vector<Voice*>;
  return *parked;
}

}  // namespace

void OutputRouter::RemoveVoice(std::unique_ptr<Voice> voice) {
  std::lock_guard<std::mutex> lock(mutex_);
  slots_.Remove(voice.get());
  // A render lasts a few ms; one still running after this long is stuck in its device.
  constexpr auto kRenderLimit = std::chrono::seconds(2);
  bool done = true;
  for (auto& out : outputs_) done = out->WaitForRendersInFlight(kRenderLimit) && done;
  if (!done) {
    qWarning("audio: an output render did not finish; the player's voice is kept alive");
    ParkedList().push_back(voice.release());
  }
}

int OutputRouter::ParkedVoices() {
  std::lock_guard<std::mutex> lock(mutex_);
  return int(ParkedList().size());
}

int OutputRouter::RouteRate(int route) const { return routeRate_[route == kRouteMonitor ? 1 : 0].load(); }
double OutputRouter::RouteLatency(int route) const { return routeLatency_[route == kRouteMonitor ? 1 : 0].load(); }

void OutputRouter::SetOutputDevices(int mainIndex, int monitorIndex) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (mainIndex == mainIndex_ && monitorIndex == monitorIndex_ && !outputs_.empty()) return;
  mainIndex_ = mainIndex;
  monitorIndex_ = monitorIndex;
  RebuildOutputs();
}

void OutputRouter::SetMasterVolume(int value) {
  std::lock_guard<std::mutex> lock(mutex_);
  masterValue_ = qBound(1, value, 65535);
  mainGain_.store(MasterToGain(masterValue_));
}

float OutputRouter::TakeMainPeak() {
  std::lock_guard<std::mutex> lock(mutex_);
  float peak = 0.0f;
  for (auto& out : outputs_)
    if (out->RouteMask() & 1u) peak = std::max(peak, out->TakePeak());
  return peak;
}

uint64_t OutputRouter::OutputUnderflows() {
  std::lock_guard<std::mutex> lock(mutex_);
  uint64_t total = pastUnderflows_;
  for (auto& out : outputs_) total += out->Underflows();
  return total;
}

void OutputRouter::SetNullOutputRate(int rate) {
  std::lock_guard<std::mutex> lock(mutex_);
  nullRate_ = rate;
  if (!outputs_.empty()) RebuildOutputs();
}

void OutputRouter::SetNullDeviceCount(int count) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (probed_) return;  // the list the dialogs showed stays what it was
  nullDevices_ = std::max(1, count);
}

NullOutput* OutputRouter::NullOutputFor(int route) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (outputs_.empty()) RebuildOutputs();
  for (auto& out : outputs_)
    if (out->RouteMask() & (1u << route)) return dynamic_cast<NullOutput*>(out.get());
  return nullptr;
}

// devices.h
QList<XaOutputDevice> xaudio_output_devices() { return OutputRouter::Instance().Devices(); }
void xaudio_set_output_devices(int mainIndex, int monitorIndex) {
  OutputRouter::Instance().SetOutputDevices(mainIndex, monitorIndex);
}
void xaudio_set_master_volume(int value) { OutputRouter::Instance().SetMasterVolume(value); }
int xaudio_get_master_volume() { return OutputRouter::Instance().MasterVolume(); }
float xaudio_main_peak() { return OutputRouter::Instance().TakeMainPeak(); }
uint64_t xaudio_output_underflows() { return OutputRouter::Instance().OutputUnderflows(); }
