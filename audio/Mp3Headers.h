// Reads the few MP3 structures the analyser needs without decoding: where the audio
// starts (past an ID3v2 tag), the first frame's Xing/Info header, and an ID3v1 tag.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

struct XingHeader {
  bool present = false;
  uint32_t frames = 0;  // 0 when the header has no frame count
  uint32_t bytes = 0;   // 0 when the header has no byte count
  int64_t audioStart = 0;
};

struct Id3v1Tag {
  bool present = false;
  QString title;
  QString artist;
};

XingHeader ReadXingHeader(const QString& path);
Id3v1Tag ReadId3v1(const QString& path);
