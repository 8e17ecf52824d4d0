#include "audio/LevelRecorder.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cmath>

namespace {

constexpr auto kDrainPeriod = std::chrono::milliseconds(500);

int64_t EpochMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

LevelRecorder::LevelRecorder(std::string path, int rate, int ringRecords)
    : path_(std::move(path)), rate_(rate), ring_(ringRecords) {}

LevelRecorder::~LevelRecorder() {
  if (writer_.joinable()) {
    {
      std::lock_guard<std::mutex> lock(wakeMutex_);
      stopping_ = true;
    }
    wake_.notify_one();
    writer_.join();
  }
  if (!file_) return;
  // No render runs any more: what found the ring full last goes in after the ring's records.
  DrainRing();
  if (pendingFrames_ > 0) WriteRecord(pendingFrames_, pendingPeak_);
  WriteTimeLine();
  std::fclose(file_);
}

bool LevelRecorder::Open() {
  file_ = std::fopen(path_.c_str(), "a");
  if (!file_) return false;
  std::fprintf(file_, "# level log rate=%d start=%" PRId64 "\n", rate_, EpochMs());
  std::fflush(file_);
  return true;
}

void LevelRecorder::StartWriter() {
  if (!file_ || writer_.joinable()) return;
  writer_ = std::thread([this] { RunWriter(); });
}

void LevelRecorder::Tap(void* recorder, const float* frames, int count) {
  static_cast<LevelRecorder*>(recorder)->Feed(frames, count);
}

void LevelRecorder::Feed(const float* frames, int count) {
  float peak = pendingPeak_;
  for (int i = 0; i < count * 2; ++i) peak = std::max(peak, std::fabs(frames[i]));
  const int64_t total = pendingFrames_ + count;
  const float record[2] = {peak, float(total)};
  if (ring_.Write(record, 1) == 1) {
    pendingPeak_ = 0.0f;
    pendingFrames_ = 0;
  } else {
    pendingPeak_ = peak;
    pendingFrames_ = total;
  }
}

void LevelRecorder::Drain() {
  if (!file_) return;
  DrainRing();
  WriteTimeLine();
}

void LevelRecorder::DrainRing() {
  const int64_t end = ring_.Published();
  int n = 0;
  for (const float* records = ring_.Contiguous(end, &n); n > 0; records = ring_.Contiguous(end, &n)) {
    for (int i = 0; i < n; ++i) WriteRecord(int64_t(records[2 * i + 1]), records[2 * i]);
    ring_.Advance(n);
  }
}

void LevelRecorder::WriteRecord(int64_t frames, float peak) {
  std::fprintf(file_, "%" PRId64 " %.6g\n", frames, double(peak));
  framesWritten_ += frames;
}

void LevelRecorder::WriteTimeLine() {
  std::fprintf(file_, "@ %" PRId64 " %" PRId64 "\n", EpochMs(), framesWritten_);
  std::fflush(file_);
}

void LevelRecorder::RunWriter() {
  std::unique_lock<std::mutex> lock(wakeMutex_);
  while (!stopping_) {
    wake_.wait_for(lock, kDrainPeriod, [this] { return stopping_; });
    lock.unlock();
    Drain();
    lock.lock();
  }
}
