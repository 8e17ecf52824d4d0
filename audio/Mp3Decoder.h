// One MP3 input: libmpg123 decoding to stereo float, exact length, accurate seeking and
// the 32-band equaliser. Owned and used by one thread (a player's decode thread, or the
// analyser's caller).
#pragma once

#include <mpg123.h>

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

struct Mp3StreamInfo {
  int version = 1;  // 1 MPEG-1, 2 MPEG-2, 3 MPEG-2.5
  int layer = 3;
  int kbps = 0;
  int rate = 0;
  int channels = 0;
};

class Mp3Decoder {
 public:
  Mp3Decoder();
  ~Mp3Decoder();
  Mp3Decoder(const Mp3Decoder&) = delete;
  Mp3Decoder& operator=(const Mp3Decoder&) = delete;

  // 0, or an XaError / decoder error code (see XA_ERROR_DECODER_BASE).
  int Open(const QString& path);
  void Close();
  bool IsOpen() const { return open_; }

  const Mp3StreamInfo& Info() const { return info_; }
  int Rate() const { return info_.rate; }
  int64_t LengthFrames() const { return length_; }

  // Decodes up to maxFrames stereo frames into out; returns the count, 0 at the end
  // (then AtEnd() is true) or on a decoding error that ends the stream.
  int Read(float* out, int maxFrames);
  bool AtEnd() const { return atEnd_; }
  // Positions the next Read at frame (clamped to the length); 0 or an error code.
  int Seek(int64_t frame);
  // Signed band values, 32 left then 32 right; gain v * 12 / 127 dB.
  void SetEqualizer(const std::array<int8_t, 64>& bands);
  static double EqualizerFactor(int value);

 private:
  int OpenHandle(const QByteArray& file, long* rate);
  mpg123_handle* handle_ = nullptr;
  bool open_ = false;
  bool atEnd_ = false;
  Mp3StreamInfo info_;
  int64_t length_ = 0;
  std::array<int8_t, 64> eq_{};
  static constexpr int64_t kSeekPrerollFrames = 4 * 1152;
  std::array<float, 2 * 1152> scratch_{};
};
