#include "audio/WavWriter.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

void Put32(unsigned char* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}
void Put16(unsigned char* p, uint16_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
}

void Header(unsigned char* h, int rate, uint32_t dataBytes) {
  std::memcpy(h, "RIFF", 4);
  Put32(h + 4, 36 + dataBytes);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  Put32(h + 16, 16);
  Put16(h + 20, 1);  // PCM
  Put16(h + 22, 2);
  Put32(h + 24, uint32_t(rate));
  Put32(h + 28, uint32_t(rate) * 4);
  Put16(h + 32, 4);
  Put16(h + 34, 16);
  std::memcpy(h + 36, "data", 4);
  Put32(h + 40, dataBytes);
}

}  // namespace

bool WavWriter::Open(const QString& path, int rate) {
  Finish();
  file_ = std::fopen(QFile::encodeName(path).constData(), "wb");
  if (!file_) return false;
  dataBytes_ = 0;
  rate_ = rate;
  unsigned char h[44];
  Header(h, rate, 0);
  if (std::fwrite(h, 1, sizeof h, file_) != sizeof h) {
    std::fclose(file_);
    file_ = nullptr;
    return false;
  }
  return true;
}

bool WavWriter::Write(const float* frames, int count) {
  if (!file_) return false;
  int16_t buffer[1024];
  for (int done = 0; done < count * 2;) {
    const int n = std::min(count * 2 - done, 1024);
    for (int i = 0; i < n; ++i) {
      const float s = std::clamp(frames[done + i], -1.0f, 1.0f);
      buffer[i] = int16_t(std::lrint(s * 32767.0f));
    }
    if (std::fwrite(buffer, sizeof(int16_t), size_t(n), file_) != size_t(n)) return false;
    dataBytes_ += uint32_t(n) * 2;
    done += n;
  }
  return true;
}

void WavWriter::Finish() {
  if (!file_) return;
  unsigned char h[44];
  Header(h, rate_, dataBytes_);
  std::fseek(file_, 0, SEEK_SET);
  std::fwrite(h, 1, sizeof h, file_);
  std::fclose(file_);
  file_ = nullptr;
}
