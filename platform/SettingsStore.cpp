#include "platform/SettingsStore.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <limits>
#include <memory>

namespace {

// The INI text every program of the suite reads and writes. Qt's own INI format turns
// an unquoted "a,b" into a list, drops blanks around a value and reads backslashes as
// escapes, so a value typed by hand came back altered; this format keeps values as
// plain text and leaves the rest (names, groups, locking, atomic replace) to QSettings.
// The one mark kept from Qt's format: a value beginning with '@' is written with a
// second '@', and "@Type(...)" values Qt wrote for non-text data read as missing.

constexpr char kHex[] = "0123456789ABCDEF";

// Qt's spelling of a name in an INI file: letters, digits, '_', '-' and '.' as they are,
// '/' as '\', anything else as %XX or %UXXXX.
QByteArray EscapedName(const QString& name) {
  QByteArray out;
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
  QString out;
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

// A value is one line of the file.
QString UpToLineBreak(const QString& text) {
  qsizetype end = 0;
  while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
  return text.first(end);
}

QByteArray TextOfValue(const QVariant& value) {
  QString text = UpToLineBreak(value.toString());
  if (text.startsWith(u'@')) text.prepend(u'@');
  return text.toUtf8();
}

bool ReadPlainIni(QIODevice& device, QSettings::SettingsMap& map) {
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
      const QString name = UnescapedName(QStringView(trimmed).sliced(1, close - 1).trimmed());
      group = name.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0 ? QString() : name;
      continue;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) continue;
    const QString name = UnescapedName(QStringView(line).first(eq).trimmed());
    if (name.isEmpty()) continue;
    map.insert(group.isEmpty() ? name : group + u'/' + name, ValueFromText(line.sliced(eq + 1)));
  }
  return true;
}

bool WritePlainIni(QIODevice& device, const QSettings::SettingsMap& map) {
  // Values of no group go under [General], as Qt's own format has them; then one
  // section per group, in name order.
  QMap<QString, QByteArray> sections;
  for (auto it = map.cbegin(); it != map.cend(); ++it) {
    const qsizetype slash = it.key().indexOf(u'/');
    const QString group = slash < 0 ? QStringLiteral("General") : it.key().first(slash);
    const QString name = slash < 0 ? it.key() : it.key().sliced(slash + 1);
    sections[group] += EscapedName(name) + '=' + TextOfValue(it.value()) + '\n';
  }
  QByteArray out;
  auto section = [&out](const QString& group, const QByteArray& lines) {
    if (!out.isEmpty()) out += '\n';
    out += '[' + EscapedName(group) + "]\n" + lines;
  };
  if (sections.contains(QStringLiteral("General")))
    section(QStringLiteral("General"), sections.take(QStringLiteral("General")));
  for (auto it = sections.cbegin(); it != sections.cend(); ++it) section(it.key(), it.value());
  return device.write(out) == out.size();
}

QSettings::Format PlainIniFormat() {
  static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("ini"), ReadPlainIni, WritePlainIni);
  return format;
}

// One short-lived QSettings per operation, like opening and closing the key each time, so
// values written by the other programs of the suite are seen at once.
std::unique_ptr<QSettings> Open(const QString& path) {
  std::unique_ptr<QSettings> s;
  if (path.isEmpty())
    s = std::make_unique<QSettings>(PlainIniFormat(), QSettings::UserScope, QStringLiteral("Quillmore"),
                                    QStringLiteral("KORVO XA"));
  else
    s = std::make_unique<QSettings>(path, PlainIniFormat());
  // Only the current user's values count; no system-wide or organisation-wide files.
  s->setFallbacksEnabled(false);
  return s;
}

// The old readers' decimal conversion: leading blanks and a sign, digits up to the first
// other character, no digits give 0; saturates instead of overflowing.
int DecimalOf(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i].isSpace()) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  constexpr qint64 kLimit = qint64(std::numeric_limits<int>::max()) + 1;
  qint64 value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
    value = qMin(value * 10 + (text[i].unicode() - u'0'), kLimit);
  if (negative) return int(-value);
  return int(qMin<qint64>(value, std::numeric_limits<int>::max()));
}

}  // namespace

QString SettingsStore::ReadSettingValue(const QString& name) const {
  const QString notOpen = QString::fromLatin1(settings::kNotOpen);
  auto s = Open(path_);
  // A file that could not be parsed or read counts as a key that cannot be opened.
  if (s->status() != QSettings::NoError) return notOpen;
  const QVariant v = s->value(name);
  return v.typeId() == QMetaType::QString ? v.toString() : notOpen;
}

void SettingsStore::WriteSettingValue(const QString& name, const QString& value) {
  WriteSettingValues({{name, value}});
}

void SettingsStore::WriteSettingValues(const QList<QPair<QString, QString>>& values) {
  auto s = Open(path_);
  // Cut here too, so this process's cached copy matches what the file holds.
  for (const auto& [name, value] : values) s->setValue(name, UpToLineBreak(value));
  // QSettings writes through a temporary file and renames it into place; a failure is
  // deliberately not reported (readers fall back to their defaults).
  s->sync();
}

QString SettingsStore::FilePath() const { return path_.isEmpty() ? Open(path_)->fileName() : path_; }

QString SettingsStore::Read(const settings::TextSetting& setting) const {
  const QString v = ReadSettingValue(QString::fromLatin1(setting.name));
  return v == QLatin1String(settings::kNotOpen) ? QString::fromUtf8(setting.fallback) : v;
}

int SettingsStore::Read(const settings::NumberSetting& setting) const {
  return Find(setting).value_or(setting.fallback);
}

bool SettingsStore::Read(const settings::SwitchSetting& setting) const {
  const QString v = ReadSettingValue(QString::fromLatin1(setting.name));
  if (v == QLatin1String(settings::kNotOpen)) return setting.fallback;
  return v == QLatin1String("1");
}

std::optional<int> SettingsStore::Find(const settings::NumberSetting& setting) const {
  const QString v = ReadSettingValue(QString::fromLatin1(setting.name));
  if (v == QLatin1String(settings::kNotOpen)) return std::nullopt;
  return DecimalOf(v);
}

void SettingsStore::Write(const settings::TextSetting& setting, const QString& value) {
  WriteSettingValue(QString::fromLatin1(setting.name), value);
}

void SettingsStore::Write(const settings::NumberSetting& setting, int value) {
  WriteSettingValue(QString::fromLatin1(setting.name), QString::number(value));
}

void SettingsStore::Write(const settings::SwitchSetting& setting, bool on) {
  WriteSettingValue(QString::fromLatin1(setting.name), on ? QStringLiteral("1") : QStringLiteral("0"));
}
