#include "formats/QuotedValues.h"

namespace quoted {

QList<QByteArray> Values(QByteArrayView data) {
  QList<QByteArray> out;
  ForEachValue(data, [&out](QByteArrayView v) {
    out.append(v.toByteArray());
    return true;
  });
  return out;
}

QByteArray EncodeValue(const QString& text) { return text.toUtf8(); }

}  // namespace quoted
