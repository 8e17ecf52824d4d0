// A 16-bit PCM stereo WAV file written as rendering goes; the header's sizes are filled
// in by Finish. Used by one player's decode thread.
#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>

class WavWriter {
 public:
  ~WavWriter() { Finish(); }
  bool Open(const QString& path, int rate);
  bool IsOpen() const { return file_ != nullptr; }
  // Interleaved stereo float, clipped to 16 bits.
  bool Write(const float* frames, int count);
  // Completes the header and closes the file.
  void Finish();

 private:
  std::FILE* file_ = nullptr;
  uint32_t dataBytes_ = 0;
  int rate_ = 44100;
};
