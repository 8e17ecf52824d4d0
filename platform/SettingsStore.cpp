#include "platform/SettingsStore.h"

#include "platform/SettingsKeys.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace {

// One short-lived QSettings per operation, like opening and closing the key each time, so
// values written by the other programs of the suite are seen at once.
std::unique_ptr<QSettings> Open(const QString& path) {
  std::unique_ptr<QSettings> s;
  if (path.isEmpty())
    s = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quillmore"),
                                    QStringLiteral("KORVO XA"));
  else
    s = std::make_unique<QSettings>(path, QSettings::IniFormat);
  // Only the current user's values count; no system-wide or organisation-wide files.
  s->setFallbacksEnabled(false);
  return s;
}

}  // namespace

QString SettingsStore::ReadSettingValue(const QString& name) const {
  const QString notOpen = QString::fromLatin1(settings::kNotOpen);
  auto s = Open(path_);
  // A file Qt could not parse or read counts as a key that cannot be opened.
  if (s->status() != QSettings::NoError) return notOpen;
  const QVariant v = s->value(name);
  if (!v.isValid()) return notOpen;
  switch (v.typeId()) {
    case QMetaType::QString:
      return v.toString();
    case QMetaType::QStringList:
      // Qt splits an unquoted "a, b" written by hand into a list; give the text back.
      return v.toStringList().join(QStringLiteral(", "));
    case QMetaType::QByteArray:
      return QString::fromUtf8(v.toByteArray());
    default:
      // Anything else is not a text value (e.g. a damaged "@Variant(...)").
      return v.canConvert<QString>() && v.typeId() < QMetaType::User ? v.toString() : notOpen;
  }
}

void SettingsStore::WriteSettingValue(const QString& name, const QString& value) {
  WriteSettingValues({{name, value}});
}

void SettingsStore::WriteSettingValues(const QList<QPair<QString, QString>>& values) {
  auto s = Open(path_);
  for (const auto& [name, value] : values) s->setValue(name, value);
  // QSettings writes through a temporary file and renames it into place; a failure is
  // deliberately not reported (readers fall back to their defaults).
  s->sync();
}

QString SettingsStore::FilePath() const { return path_.isEmpty() ? Open(path_)->fileName() : path_; }
