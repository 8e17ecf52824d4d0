// M3U and M3U8 lists of other players, in every text encoding they come in.
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

#include "formats/M3uReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  (void)m3u::ParseM3u(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
  return 0;
}
