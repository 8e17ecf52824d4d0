// The station's own text files (play lists, style table, programs table) are runs of
// double-quoted values; whatever stands between the values is ignored, and there is no
// escaping. This scanner is the one place that walks such bytes.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace quoted {

// Calls onValue(QByteArrayView) for every quoted value in order. The scan stops when
// fewer than two bytes are left unread (a closing quote followed by one line-end byte
// ends the data). A value whose closing quote is missing runs to the end of the data and
// no further. onValue returns false to stop the scan early.
template <typename OnValue>
void ForEachValue(QByteArrayView data, OnValue&& onValue) {
  qsizetype i = 0;
  const qsizetype n = data.size();
  while (n - i >= 2) {
    if (data[i] != '"') {
      ++i;
      continue;
    }
    const qsizetype start = i + 1;
    qsizetype end = data.indexOf('"', start);
    qsizetype next = end + 1;
    if (end < 0) {
      end = n;
      next = n;
    }
    if (!onValue(data.sliced(start, end - start))) return;
    i = next;
  }
}

// All values of the data, in order.
QList<QByteArray> Values(QByteArrayView data);

// The bytes a writer puts between the quotes: always UTF-8, how native file names are
// spelt here. Readers take a file as UTF-8 or the old code page as a whole (StationText).
QByteArray EncodeValue(const QString& text);

}  // namespace quoted
