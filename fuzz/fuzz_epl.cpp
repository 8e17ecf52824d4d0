// EPL advert play lists.
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

#include "formats/EplReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  (void)epl::ParseEpl(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
  return 0;
}
