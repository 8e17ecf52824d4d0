// A 16-bit PCM stereo WAV file written as rendering goes; the header's sizes are filled
// in by Finish. The file is written under a temporary name and renamed into place by
// Finish, so no reader meets a half-written copy; a device ("/dev/null") is written
// directly. Used by one player's decode thread.
#pragma once

#include <QFileDevice>
#include <QString>

#include <cstdint>
#include <memory>

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
  void Abandon();
  std::unique_ptr<QFileDevice> file_;
  uint32_t dataBytes_ = 0;
  int rate_ = 44100;
};
