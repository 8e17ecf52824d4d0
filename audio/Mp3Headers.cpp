#include "audio/Mp3Headers.h"

#include <QFile>

#include <cstring>

namespace {

// Frames in a row that make a stream MPEG audio. One false header in PCM or text is
// common; four chained ones by chance are not.
constexpr int kRunFrames = 4;

uint32_t BigEndian32(const unsigned char* p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }
uint32_t LittleEndian32(const unsigned char* p) { return uint32_t(p[3]) << 24 | p[2] << 16 | p[1] << 8 | p[0]; }

QString Latin1Field(const char* p, int size) {
  int n = 0;
  while (n < size && p[n] != '\0') ++n;
  return QString::fromLatin1(p, n).trimmed();
}

XingHeader ReadXing(const unsigned char* frame, int size, const FrameHeader& h) {
  XingHeader x;
  const int side = h.version == 1 ? (h.mono ? 17 : 32) : (h.mono ? 9 : 17);
  const int tag = 4 + side;
  if (h.layer != 3 || tag + 16 > size) return x;
  if (std::memcmp(frame + tag, "Xing", 4) != 0 && std::memcmp(frame + tag, "Info", 4) != 0) return x;
  x.present = true;
  const uint32_t flags = BigEndian32(frame + tag + 4);
  int at = tag + 8;
  if (flags & 1) {
    x.frames = BigEndian32(frame + at);
    at += 4;
  }
  if ((flags & 2) && at + 4 <= size) x.bytes = BigEndian32(frame + at);
  return x;
}

// Where the audio ends: before an ID3v1 tag and an APEv2 tag (in either order).
int64_t AudioEnd(QFile& f) {
  int64_t end = f.size();
  for (int round = 0; round < 2; ++round) {
    if (end >= 128 && f.seek(end - 128) && f.read(3) == "TAG") {
      end -= 128;
      continue;
    }
    if (end >= 32 && f.seek(end - 32)) {
      const QByteArray footer = f.read(32);
      if (footer.size() == 32 && footer.startsWith("APETAGEX")) {
        const auto* p = reinterpret_cast<const unsigned char*>(footer.constData());
        int64_t size = LittleEndian32(p + 12);  // items and footer
        if (LittleEndian32(p + 20) & 0x80000000u) size += 32;  // and a header
        if (size <= end) {
          end -= size;
          continue;
        }
      }
    }
    break;
  }
  return end;
}

}  // namespace

bool ParseFrameHeader(const unsigned char* b, FrameHeader* h) {
  if (b[0] != 0xff || (b[1] & 0xe0) != 0xe0) return false;
  const int versionBits = (b[1] >> 3) & 3;  // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
  const int layerBits = (b[1] >> 1) & 3;    // 3 layer I, 2 layer II, 1 layer III
  const int bitrateIndex = b[2] >> 4;
  const int rateIndex = (b[2] >> 2) & 3;
  if (versionBits == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3) return false;
  static const int kKbps[2][3][15] = {
      {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
       {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
       {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
      {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
       {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
       {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};
  static const int kRates[3] = {44100, 48000, 32000};
  h->version = versionBits == 3 ? 1 : versionBits == 2 ? 2 : 3;
  h->layer = 4 - layerBits;
  h->rate = kRates[rateIndex] >> (h->version - 1);
  h->kbps = kKbps[h->version == 1 ? 0 : 1][h->layer - 1][bitrateIndex];
  h->mono = ((b[3] >> 6) & 3) == 3;
  const int padding = (b[2] >> 1) & 1;
  if (h->layer == 1) {
    h->bytes = (12 * h->kbps * 1000 / h->rate + padding) * 4;
  } else {
    const int perKbps = (h->layer == 3 && h->version != 1) ? 72 : 144;
    h->bytes = perKbps * h->kbps * 1000 / h->rate + padding;
  }
  return h->bytes > 4;
}

Mp3Layout ReadMp3Layout(const QString& path) {
  Mp3Layout layout;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return layout;
  // Past the ID3v2 tags (some taggers add a second one in front of the first).
  int64_t start = 0;
  for (;;) {
    if (!f.seek(start)) return layout;
    const QByteArray head = f.read(10);
    if (head.size() != 10 || !head.startsWith("ID3")) break;
    const auto* h = reinterpret_cast<const unsigned char*>(head.constData());
    start += 10 + (int64_t(h[6] & 0x7f) << 21 | (h[7] & 0x7f) << 14 | (h[8] & 0x7f) << 7 | (h[9] & 0x7f));
    if (h[5] & 0x10) start += 10;  // footer
  }
  const int64_t end = AudioEnd(f);
  if (start >= end || !f.seek(start)) return layout;
  // The resync window and a run of the largest frames (MPEG-2.5 layer II at 8 kHz).
  const int64_t want = std::min<int64_t>(end - start, kMp3ResyncLimit + kRunFrames * 2881 + 4);
  const QByteArray block = f.read(want);
  const auto* b = reinterpret_cast<const unsigned char*>(block.constData());
  const int size = int(block.size());
  for (int i = 0; i <= kMp3ResyncLimit && i + 4 <= size; ++i) {
    FrameHeader first;
    if (!ParseFrameHeader(b + i, &first)) continue;
    int run = 1;
    int at = i + first.bytes;
    bool ok = true;
    while (run < kRunFrames && start + at != end) {
      FrameHeader next;
      if (at + 4 > size || !ParseFrameHeader(b + at, &next) || next.version != first.version ||
          next.layer != first.layer || next.rate != first.rate) {
        ok = false;
        break;
      }
      ++run;
      at += next.bytes;
    }
    if (!ok || start + at > end) continue;
    layout.mpeg = true;
    layout.audioStart = start + i;
    layout.audioEnd = end;
    layout.first = first;
    layout.xing = ReadXing(b + i, size - i, first);
    return layout;
  }
  return layout;
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
