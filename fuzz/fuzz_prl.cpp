// PRL play lists: the main program's, the creator's, favourites and the drive scanner's.
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

#include "formats/PrlReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A view on libFuzzer's own buffer: no terminating zero, so a read past the end is caught.
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  int unused = 0;
  // Only the parse: resolving the clips' paths looks at the disk and is no reader of bytes.
  (void)prl::ParsePrl(bytes, QStringLiteral("/lists/a.prl"), {}, &unused);
  (void)prl::ParsePrlFiltered(bytes, QStringLiteral("a"));
  return 0;
}
