// The mix styles table, MxStyles.txt.
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

#include "formats/StyleTableFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const StyleTable table = stylefile::ParseStyles(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
  // What was read must write back out without trouble.
  (void)stylefile::StyleTableBytes(table);
  return 0;
}
