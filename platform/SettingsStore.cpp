#include "platform/SettingsStore.h"

#include "platform/PlainIni.h"

#include <QSettings>
#include <QVariant>
#include <limits>
#include <memory>

namespace {

QSettings::Format PlainIniFormat() {
  static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("ini"), plainini::Read, plainini::Write);
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
  for (const auto& [name, value] : values) s->setValue(name, plainini::UpToLineBreak(value));
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
