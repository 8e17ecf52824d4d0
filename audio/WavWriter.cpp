#include "audio/WavWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
  const QFileInfo target(path);
  if (target.exists() && !target.isFile()) {
    file_ = std::make_unique<QFile>(path);  // a device: no temporary file beside it
  } else {
    auto save = std::make_unique<QSaveFile>(path);
    save->setDirectWriteFallback(false);
    file_ = std::move(save);
  }
  if (!file_->open(QIODevice::WriteOnly)) {
    file_.reset();
    return false;
  }
  dataBytes_ = 0;
  rate_ = rate;
  unsigned char h[44];
  Header(h, rate, 0);
  if (file_->write(reinterpret_cast<const char*>(h), sizeof h) != qint64(sizeof h)) {
    Abandon();
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
    const qint64 bytes = qint64(n) * qint64(sizeof(int16_t));
    if (file_->write(reinterpret_cast<const char*>(buffer), bytes) != bytes) return false;
    dataBytes_ += uint32_t(n) * 2;
    done += n;
  }
  return true;
}

void WavWriter::Finish() {
  if (!file_) return;
  unsigned char h[44];
  Header(h, rate_, dataBytes_);
  auto* save = dynamic_cast<QSaveFile*>(file_.get());
  if (!save) {  // a device keeps no header to complete
    file_.reset();
    return;
  }
  if (!save->seek(0) || save->write(reinterpret_cast<const char*>(h), sizeof h) != qint64(sizeof h)) {
    Abandon();
    return;
  }
  save->commit();
  file_.reset();
}

void WavWriter::Abandon() {
  if (auto* save = dynamic_cast<QSaveFile*>(file_.get())) save->cancelWriting();
  file_.reset();  // a cancelled QSaveFile removes its temporary file
}
