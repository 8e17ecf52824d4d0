#include "audio/Mp3Decoder.h"

#include "audio/Mp3Measure.h"
#include "audio/xaudio.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The library's own error when it names one; "not MPEG audio" otherwise.
int DecoderError(int mpgError) { return mpgError > 0 ? XA_ERROR_DECODER_BASE - mpgError : XA_ERROR_INVALID_FORMAT; }

}  // namespace

Mp3Decoder::Mp3Decoder() {
  handle_ = NewMp3Handle(MPG123_FORCE_STEREO);
  if (!handle_) return;
  mpg123_format_none(handle_);
  const long* rates = nullptr;
  size_t count = 0;
  mpg123_rates(&rates, &count);
  for (size_t i = 0; i < count; ++i) mpg123_format(handle_, rates[i], MPG123_STEREO, MPG123_ENC_FLOAT_32);
}

Mp3Decoder::~Mp3Decoder() {
  Close();
  if (handle_) mpg123_delete(handle_);
}

int Mp3Decoder::Open(const QString& path) {
  Close();
  if (!handle_) return XA_ERROR_OUT_OF_MEMORY;
  const QFileInfo fi(path);
  if (!fi.exists() || !fi.isFile()) return XA_ERROR_OPEN_FAILED;
  if (fi.size() == 0) return XA_ERROR_INVALID_FORMAT;
  // Only what starts as MPEG audio goes on air: libmpg123 would take a false frame header
  // in a WAV file or noise for a stream and play it as full-scale noise.
  const Mp3Layout layout = ReadMp3Layout(path);
  if (!layout.mpeg) return XA_ERROR_INVALID_FORMAT;
  const QByteArray file = QFile::encodeName(path);
  long rate = 0;
  int error = OpenHandle(file, &rate);
  if (error != XA_SUCCESS) return error;
  // A full header scan makes the length exact and seeking accurate; it reads frame
  // headers only (a few ms for a long clip).
  Mp3Length length;
  if (!ScanMp3Length(handle_, layout, &length)) {
    const int code = DecoderError(mpg123_errcode(handle_));
    mpg123_close(handle_);
    return code;
  }
  if (length.gaplessLost) {
    // Damaged or cut short: the scan cost this handle its start trim. Decode on a fresh
    // one; it finds its way through the file as it reads.
    mpg123_close(handle_);
    error = OpenHandle(file, &rate);
    if (error != XA_SUCCESS) return error;
  }
  mpg123_frameinfo fi2{};
  mpg123_info(handle_, &fi2);
  info_.version = fi2.version == MPG123_1_0 ? 1 : fi2.version == MPG123_2_0 ? 2 : 3;
  info_.layer = fi2.layer;
  info_.kbps = AverageKbps(layout, length.frames, int(mpg123_spf(handle_)), int(rate), fi2.bitrate);
  info_.rate = int(rate);
  info_.channels = fi2.mode == MPG123_M_MONO ? 1 : 2;
  length_ = length.samples;
  open_ = true;
  atEnd_ = false;
  SetEqualizer(eq_);
  return XA_SUCCESS;
}

int Mp3Decoder::OpenHandle(const QByteArray& file, long* rate) {
  if (mpg123_open(handle_, file.constData()) != MPG123_OK) return XA_ERROR_OPEN_FAILED;
  int channels = 0, encoding = 0;
  const int err = mpg123_getformat(handle_, rate, &channels, &encoding);
  if (err == MPG123_OK) return XA_SUCCESS;
  // Running out of data before a frame (empty, cut short) is no format at all.
  const int code = (err == MPG123_DONE || err == MPG123_NEED_MORE) ? XA_ERROR_INVALID_FORMAT
                                                                    : DecoderError(mpg123_errcode(handle_));
  mpg123_close(handle_);
  return code;
}

void Mp3Decoder::Close() {
  if (open_) mpg123_close(handle_);
  open_ = false;
  atEnd_ = false;
  length_ = 0;
}

int Mp3Decoder::Read(float* out, int maxFrames) {
  if (!open_ || atEnd_) return 0;
  size_t done = 0;
  const int err = mpg123_read(handle_, reinterpret_cast<unsigned char*>(out), size_t(maxFrames) * 2 * sizeof(float),
                              &done);
  const int frames = int(done / (2 * sizeof(float)));
  // NEW_FORMAT cannot change the layout: the output format is fixed to stereo float.
  if (err != MPG123_OK && err != MPG123_NEW_FORMAT && frames == 0) atEnd_ = true;
  return frames;
}

int Mp3Decoder::Seek(int64_t frame) {
  if (!open_) return XA_ERROR_NO_INPUT;
  frame = std::clamp<int64_t>(frame, 0, length_);
  // Layer III frames borrow bits from the frames before them (the bit reservoir); right
  // after a seek libmpg123 puts out silence until it has them. Land a few frames early
  // and decode up to the target, so the audio is there from the first sample.
  const int64_t preroll = std::min<int64_t>(frame, kSeekPrerollFrames);
  if (mpg123_seek(handle_, off_t(frame - preroll), SEEK_SET) < 0) return XA_ERROR_SEEK_FAILED;
  atEnd_ = false;
  for (int64_t left = preroll; left > 0;) {
    const int got = Read(scratch_.data(), int(std::min<int64_t>(left, int64_t(scratch_.size() / 2))));
    if (got <= 0) break;
    left -= got;
  }
  atEnd_ = atEnd_ || frame >= length_;
  return XA_SUCCESS;
}

double Mp3Decoder::EqualizerFactor(int value) { return std::pow(10.0, (value * 12.0 / 127.0) / 20.0); }

void Mp3Decoder::SetEqualizer(const std::array<int8_t, 64>& bands) {
  eq_ = bands;
  if (!handle_) return;
  for (int band = 0; band < 32; ++band) {
    mpg123_eq(handle_, MPG123_LEFT, band, EqualizerFactor(bands[size_t(band)]));
    mpg123_eq(handle_, MPG123_RIGHT, band, EqualizerFactor(bands[size_t(band) + 32]));
  }
}
