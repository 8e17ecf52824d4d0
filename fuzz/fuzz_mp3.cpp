// The MP3 headers the analyser reads: ID3 tags, frame headers, the Xing header, APE tags.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "audio/Mp3Headers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FrameHeader header;
  for (size_t i = 0; i + 4 <= size; ++i) (void)ParseFrameHeader(data + i, &header);
  // The layout and the ID3v1 tag are read from a file only.
  const QString path = fuzz::InputFile(data, size, ".mp3");
  (void)ReadMp3Layout(path);
  (void)ReadId3v1(path);
  return 0;
}
