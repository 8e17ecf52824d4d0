// The logos and hours lists, and the quoted values and station text they are made of.
#include <QByteArrayView>
#include <QStringList>

#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "formats/LogoListFile.h"
#include "formats/QuotedValues.h"
#include "formats/StationText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  (void)quoted::Values(bytes);
  (void)stationtext::DecodeFile(bytes);
  (void)stationtext::Decode(bytes, stationtext::Encoding::Utf8);
  (void)stationtext::FromWindows1252(bytes);
  // The list reader takes a path only.
  QStringList values;
  (void)logolist::LoadListFile(fuzz::InputFile(data, size, ".txt"), values);
  return 0;
}
