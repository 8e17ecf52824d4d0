// The programs table, KorvoxaPrgs.txt.
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

#include "formats/ProgramsTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QList<ProgramEntry> rows =
      programs::ParsePrograms(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
  (void)programs::ProgramsBytes(rows);
  return 0;
}
