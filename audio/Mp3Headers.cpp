#include "audio/Mp3Headers.h"

#include <QFile>

#include <cstring>

namespace {

uint32_t BigEndian32(const unsigned char* p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

QString Latin1Field(const char* p, int size) {
  int n = 0;
  while (n < size && p[n] != '\0') ++n;
  return QString::fromLatin1(p, n).trimmed();
}

}  // namespace

XingHeader ReadXingHeader(const QString& path) {
  XingHeader x;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return x;
  QByteArray head = f.read(10);
  int64_t start = 0;
  if (head.size() == 10 && head.startsWith("ID3")) {
    const auto* h = reinterpret_cast<const unsigned char*>(head.constData());
    start = 10 + (int64_t(h[6] & 0x7f) << 21 | (h[7] & 0x7f) << 14 | (h[8] & 0x7f) << 7 | (h[9] & 0x7f));
    if (h[5] & 0x10) start += 10;  // footer
  }
  if (!f.seek(start)) return x;
  const QByteArray block = f.read(8192);
  const auto* b = reinterpret_cast<const unsigned char*>(block.constData());
  const int size = int(block.size());
  for (int i = 0; i + 4 <= size; ++i) {
    if (b[i] != 0xff || (b[i + 1] & 0xe0) != 0xe0) continue;
    const int version = (b[i + 1] >> 3) & 3;  // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    const int layer = (b[i + 1] >> 1) & 3;
    if (version == 1 || layer == 0 || (b[i + 2] >> 4) == 0xf || ((b[i + 2] >> 2) & 3) == 3) continue;
    x.audioStart = start + i;
    const bool mono = ((b[i + 3] >> 6) & 3) == 3;
    const int side = version == 3 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    const int tag = i + 4 + side;
    if (tag + 16 > size) return x;
    if (std::memcmp(b + tag, "Xing", 4) != 0 && std::memcmp(b + tag, "Info", 4) != 0) return x;
    x.present = true;
    const uint32_t flags = BigEndian32(b + tag + 4);
    int at = tag + 8;
    if (flags & 1) {
      x.frames = BigEndian32(b + at);
      at += 4;
    }
    if ((flags & 2) && at + 4 <= size) x.bytes = BigEndian32(b + at);
    return x;
  }
  return x;
}

Id3v1Tag ReadId3v1(const QString& path) {
  Id3v1Tag t;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly) || f.size() < 128 || !f.seek(f.size() - 128)) return t;
  const QByteArray tag = f.read(128);
  if (tag.size() != 128 || !tag.startsWith("TAG")) return t;
  t.present = true;
  t.title = Latin1Field(tag.constData() + 3, 30);
  t.artist = Latin1Field(tag.constData() + 33, 30);
  return t;
}
