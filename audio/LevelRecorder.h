// A test log of the main output's level, for the soak script to find dead air in: the
// peak of every rendered block with its frame count. Fed inside the render (no lock,
// allocation or I/O there: records go into a ring allocated up front); a thread of its
// own appends them to the file twice a second and flushes, so a killed station leaves
// all but the last half second. Switched on by the router with KORVO_LEVEL_LOG.
//
// The file, one line each:
//   "# level log rate=<frames a second> start=<ms since the epoch>"  a recorder started
//   "<frames> <peak 0-1>"                                           a rendered block
//   "@ <ms since the epoch> <frames so far>"                         when a drain wrote
#pragma once

#include "audio/SpscRing.h"

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

class LevelRecorder {
 public:
  // ringRecords must be a power of two; the default holds 40 s of 10 ms blocks.
  LevelRecorder(std::string path, int rate, int ringRecords = 4096);
  // Writes what is left and closes the file. No render may feed it any more.
  ~LevelRecorder();
  LevelRecorder(const LevelRecorder&) = delete;
  LevelRecorder& operator=(const LevelRecorder&) = delete;

  // Opens the file for appending and writes the header; false when it cannot.
  bool Open();
  // Drains from a thread of its own from now on.
  void StartWriter();
  int Rate() const { return rate_; }

  // Render thread: one block of interleaved stereo frames.
  void Feed(const float* frames, int count);
  // NullOutput::Tap form of Feed.
  static void Tap(void* recorder, const float* frames, int count);

  // Writes the records the ring holds and a time line, then flushes. The writer's thread
  // calls it, or the owner when no writer was started.
  void Drain();

 private:
  void RunWriter();
  void DrainRing();
  void WriteRecord(int64_t frames, float peak);
  void WriteTimeLine();

  const std::string path_;
  const int rate_;
  // One ring "frame" a record: {peak, frame count}. A frame count is a whole number far
  // below 2^24 (a few hundred frames a block), so a float holds it exactly.
  SpscRing ring_;
  // Render thread only: blocks that found the ring full, written with the next one that
  // fits, so no frame is lost from the count when the writer falls behind.
  float pendingPeak_ = 0.0f;
  int64_t pendingFrames_ = 0;

  FILE* file_ = nullptr;
  int64_t framesWritten_ = 0;
  std::thread writer_;
  std::mutex wakeMutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
};
