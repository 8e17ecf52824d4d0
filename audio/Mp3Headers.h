// Reads the few MP3 structures the engine needs without decoding: where the audio starts
// (past an ID3v2 tag) and ends (before ID3v1 and APE tags), whether it starts with a run of
// consistent frame headers, the first frame's Xing/Info header, and an ID3v1 tag.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// How far libmpg123 looks past junk for the next frame (its MPG123_RESYNC_LIMIT); the
// start of a file is held to the same limit, so what is accepted is what decodes.
constexpr int kMp3ResyncLimit = 4096;

// One MPEG audio frame header.
struct FrameHeader {
  int version = 0;  // 1 MPEG-1, 2 MPEG-2, 3 MPEG-2.5
  int layer = 0;
  int rate = 0;
  int kbps = 0;
  int bytes = 0;    // the whole frame, header included
  bool mono = false;
};
// False unless the 4 bytes at p are a frame header with a known length (free-format
// frames, whose length only the next header tells, are not).
bool ParseFrameHeader(const unsigned char* p, FrameHeader* header);

struct XingHeader {
  bool present = false;
  uint32_t frames = 0;  // 0 when the header has no frame count
  uint32_t bytes = 0;   // 0 when the header has no byte count
};

// Where the MPEG audio lies in a file.
struct Mp3Layout {
  // The audio starts with a run of frames of one version, layer and rate, each found
  // exactly where the previous one's length says (or ending the file). Anything else (a
  // WAV file, text, noise) may hold a false frame header within the resync window but not
  // such a run.
  bool mpeg = false;
  int64_t audioStart = 0;  // the first frame
  int64_t audioEnd = 0;    // past the last frame: before ID3v1 and APE tags
  FrameHeader first;
  XingHeader xing;         // in the first frame
  int64_t AudioBytes() const { return audioEnd - audioStart; }
};
Mp3Layout ReadMp3Layout(const QString& path);

struct Id3v1Tag {
  bool present = false;
  QString title;
  QString artist;
};
Id3v1Tag ReadId3v1(const QString& path);
