#include "formats/MixStyle.h"

#include <limits>

qsizetype StyleTable::IndexOf(const QString& name) const {
  for (qsizetype i = 0; i < rows_.size(); ++i)
    if (rows_[i].Name() == name) return i;
  return -1;
}

QStringList StyleTable::Names() const {
  QStringList names;
  for (const MixStyle& row : rows_) names.append(row.Name());
  return names;
}

int StyleNumber(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r' ||
                             text[i] == u'\v' || text[i] == u'\f'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  qint64 value = 0;
  constexpr qint64 kLimit = qint64(std::numeric_limits<int>::max()) + 1;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = qMin(value * 10 + (text[i].unicode() - u'0'), kLimit);
  }
  if (negative) return int(-value);
  return int(qMin<qint64>(value, std::numeric_limits<int>::max()));
}
