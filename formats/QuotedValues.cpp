#include "formats/QuotedValues.h"

#include <QStringDecoder>

namespace quoted {

QList<QByteArray> Values(QByteArrayView data) {
  QList<QByteArray> out;
  ForEachValue(data, [&out](QByteArrayView v) {
    out.append(v.toByteArray());
    return true;
  });
  return out;
}

QString DecodeValue(QByteArrayView bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return text;
  // Windows-1252 stands in for the old stations' code page; Latin-1 agrees with it on
  // every letter a file name is likely to hold and never fails.
  return QString::fromLatin1(bytes.data(), bytes.size());
}

QByteArray EncodeValue(const QString& text) { return text.toUtf8(); }

}  // namespace quoted
