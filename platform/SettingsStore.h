// The suite's shared settings: named text values in one INI file of the current user
// ($XDG_CONFIG_HOME/Quillmore/KORVO XA.ini). A missing value or an unreadable file reads
// as "ERR_KEY_NOT_OPEN"; a failed write is not reported.
#pragma once

#include <QList>
#include <QPair>
#include <QString>

class SettingsStore {
 public:
  SettingsStore() = default;
  // A store over an explicit file, for tests and tools.
  explicit SettingsStore(QString iniPath) : path_(std::move(iniPath)) {}

  QString ReadSettingValue(const QString& name) const;
  // Present and readable?
  bool Has(const QString& name) const { return ReadSettingValue(name) != QLatin1String("ERR_KEY_NOT_OPEN"); }
  void WriteSettingValue(const QString& name, const QString& value);
  // Several writes at once, in order, then one flush.
  void WriteSettingValues(const QList<QPair<QString, QString>>& values);
  QString FilePath() const;

 private:
  QString path_;  // empty: the per-user default file
};
