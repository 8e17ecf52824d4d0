// Single-producer/single-consumer ring of interleaved stereo float frames.
// Producer: a player's decode thread. Consumer: the output callback that renders the
// player (or the decode thread itself when it writes a WAV file). Indices are frame
// counters that only grow; the storage is allocated once, so neither side allocates.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <vector>

class SpscRing {
 public:
  // capacityFrames must be a power of two.
  explicit SpscRing(int capacityFrames)
      : capacity_(capacityFrames), mask_(capacityFrames - 1), data_(size_t(capacityFrames) * 2, 0.0f) {}

  int Capacity() const { return capacity_; }

  // Producer side.
  int64_t WriteIndex() const { return write_.load(std::memory_order_relaxed); }
  int Writable() const {
    return capacity_ - int(write_.load(std::memory_order_relaxed) - read_.load(std::memory_order_acquire));
  }
  // Copies up to frames frames; returns how many fitted.
  int Write(const float* frames, int count) {
    const int n = std::min(count, Writable());
    const int64_t w = write_.load(std::memory_order_relaxed);
    const int start = int(w & mask_);
    const int first = std::min(n, capacity_ - start);
    std::memcpy(&data_[size_t(start) * 2], frames, size_t(first) * 2 * sizeof(float));
    std::memcpy(&data_[0], frames + size_t(first) * 2, size_t(n - first) * 2 * sizeof(float));
    write_.store(w + n, std::memory_order_release);
    return n;
  }

  // Consumer side.
  int64_t ReadIndex() const { return read_.load(std::memory_order_relaxed); }
  int Readable() const { return int(Published() - read_.load(std::memory_order_relaxed)); }
  // The write index as published: every frame below it is written (acquire pairs with the
  // release in Write).
  int64_t Published() const { return write_.load(std::memory_order_acquire); }
  // The frames below end (a Published() value) that lie in one piece from the read position.
  const float* Contiguous(int64_t end, int* frames) const {
    const int64_t r = read_.load(std::memory_order_relaxed);
    const int start = int(r & mask_);
    *frames = int(std::clamp<int64_t>(end - r, 0, capacity_ - start));
    return &data_[size_t(start) * 2];
  }
  void Advance(int frames) { read_.store(read_.load(std::memory_order_relaxed) + frames, std::memory_order_release); }
  // Drops everything written before index (a flush the producer asked for). The read index
  // never moves back: the producer may already be writing over what lies behind it.
  void DiscardTo(int64_t index) {
    if (index > read_.load(std::memory_order_relaxed)) read_.store(index, std::memory_order_release);
  }

 private:
  const int capacity_;
  const int mask_;
  std::vector<float> data_;
  std::atomic<int64_t> write_{0};
  std::atomic<int64_t> read_{0};
};
