#include "platform/PlainIni.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QStringList>

namespace plainini {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// Qt's spelling of a name in an INI file: letters, digits, '_', '-' and '.' as they are,
// '/' as '\', anything else as %XX or %UXXXX.
QByteArray EscapedName(const QString& name) {
  QByteArray out;
  out.reserve(name.size());
  for (const QChar c : name) {
    const char16_t u = c.unicode();
    if (u == u'/') {
      out += '\\';
    } else if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_' ||
               u == u'-' || u == u'.') {
      out += char(u);
    } else if (u <= 0xFF) {
      out += '%';
      out += kHex[u >> 4];
      out += kHex[u & 0xF];
    } else {
      out += "%U";
      for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(u >> shift) & 0xF];
    }
  }
  return out;
}

int HexValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  return -1;
}

// The other way; a '%' that starts no valid escape stays as it is.
QString UnescapedName(QStringView text) {
  if (!text.contains(u'%') && !text.contains(u'\\')) return text.toString();
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\\') {
      out += u'/';
      continue;
    }
    if (c == u'%') {
      const bool wide = i + 1 < text.size() && text[i + 1] == u'U';
      const qsizetype digits = wide ? 4 : 2, start = i + (wide ? 2 : 1);
      int value = 0;
      bool ok = start + digits <= text.size();
      for (qsizetype k = 0; ok && k < digits; ++k) {
        const int h = HexValue(text[start + k]);
        ok = h >= 0;
        value = value * 16 + h;
      }
      if (ok) {
        out += QChar(char16_t(value));
        i = start + digits - 1;
        continue;
      }
    }
    out += c;
  }
  return out;
}

QVariant ValueFromText(const QString& text) {
  if (text.startsWith(QLatin1String("@@"))) return text.mid(1);
  static const QRegularExpression typed(QStringLiteral("^@[A-Za-z]+\\("));
  if (!typed.match(text).hasMatch()) return text;
  if (text.startsWith(QLatin1String("@ByteArray(")) && text.endsWith(u')')) return text.mid(11).chopped(1);
  return {};  // not a text value
}

QByteArray TextOfValue(const QVariant& value) {
  QString text = UpToLineBreak(value.toString());
  if (text.startsWith(u'@')) text.prepend(u'@');
  return text.toUtf8();
}

bool IsGeneral(QStringView name) { return name.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0; }

QString Normalised(const QString& key) {
  if (!key.startsWith(u'/') && !key.endsWith(u'/') && !key.contains(QLatin1String("//"))) return key;
  return key.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

}  // namespace

QString UpToLineBreak(const QString& text) {
  qsizetype end = 0;
  while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
  return text.first(end);
}

bool Read(QIODevice& device, QSettings::SettingsMap& map) {
  QByteArray data = device.readAll();
  if (data.startsWith("\xEF\xBB\xBF")) data.remove(0, 3);
  const QString text = QString::fromUtf8(data);
  static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
  QString group;
  for (const QString& line : text.split(lineEnd)) {
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) continue;
    if (trimmed.startsWith(u'[')) {
      const qsizetype close = trimmed.indexOf(u']');
      if (close < 0) return false;  // a damaged section header: not a file we can trust
      const QStringView raw = QStringView(trimmed).sliced(1, close - 1).trimmed();
      // "[General]" holds the values of no group; a group of that name is "[%General]".
      if (raw.startsWith(u'%') && IsGeneral(raw.sliced(1))) {
        group = raw.sliced(1).toString();
      } else {
        const QString name = UnescapedName(raw);
        group = IsGeneral(name) ? QString() : name;
      }
      continue;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) continue;
    const QString name = UnescapedName(QStringView(line).first(eq).trimmed());
    // Keys as QSettings keeps them: no empty parts between, before or after the slashes,
    // so that what is read is written back under the same key.
    const QString key = Normalised(group.isEmpty() ? name : group + u'/' + name);
    if (key.isEmpty()) continue;
    map.insert(key, ValueFromText(line.sliced(eq + 1)));
  }
  return true;
}

bool Write(QIODevice& device, const QSettings::SettingsMap& map) {
  // Values of no group go under [General], as Qt's own format has them; then one
  // section per group, in name order.
  QByteArray general;
  QMap<QString, QByteArray> sections;
  for (auto it = map.cbegin(); it != map.cend(); ++it) {
    const QString key = Normalised(it.key());
    if (key.isEmpty()) continue;
    const qsizetype slash = key.indexOf(u'/');
    const QByteArray line = EscapedName(slash < 0 ? key : key.sliced(slash + 1)) + '=' + TextOfValue(it.value()) + '\n';
    (slash < 0 ? general : sections[key.first(slash)]) += line;
  }
  QByteArray out;
  auto section = [&out](const QByteArray& header, const QByteArray& lines) {
    if (!out.isEmpty()) out += '\n';
    out += '[' + header + "]\n" + lines;
  };
  if (!general.isEmpty()) section("General", general);
  for (auto it = sections.cbegin(); it != sections.cend(); ++it)
    section(IsGeneral(it.key()) ? '%' + it.key().toUtf8() : EscapedName(it.key()), it.value());
  return device.write(out) == out.size();
}

}  // namespace plainini
