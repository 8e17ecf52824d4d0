// The suite's shared settings: named text values in one INI file of the current user
// ($XDG_CONFIG_HOME/Quillmore/KORVO XA.ini, group [General], names percent-encoded as Qt
// writes them: "Def%20Mix%20Style=DEF1"). A value is plain text: everything after the
// '=' up to the line end, byte for byte, commas, quotes, blanks and backslashes
// included, so a value typed by hand reads back as typed. A missing value or an
// unreadable file reads as "ERR_KEY_NOT_OPEN"; a failed write is not reported.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

#include "platform/SettingsTable.h"

class SettingsStore {
 public:
  SettingsStore() = default;
  // A store over an explicit file, for tests and tools.
  explicit SettingsStore(QString iniPath) : path_(std::move(iniPath)) {}

  QString ReadSettingValue(const QString& name) const;
  // Present and readable?
  bool Has(const QString& name) const { return ReadSettingValue(name) != QLatin1String(settings::kNotOpen); }
  // A value cannot span lines: one holding a line break is written up to it.
  void WriteSettingValue(const QString& name, const QString& value);
  // Several writes at once, in order, then one flush.
  void WriteSettingValues(const QList<QPair<QString, QString>>& values);
  QString FilePath() const;

  // Typed reads over the settings table: a missing value reads as the table's fallback.
  // Numbers are read as the old readers did (leading blanks and a sign allowed, stop at
  // the first non-digit, no digits give 0); a switch is on only for the text "1".
  QString Read(const settings::TextSetting& setting) const;
  int Read(const settings::NumberSetting& setting) const;
  bool Read(const settings::SwitchSetting& setting) const;
  // For values whose absence leaves the reader's own value alone (the slider positions).
  std::optional<int> Find(const settings::NumberSetting& setting) const;

  // Typed writes in the table's text forms: decimal text, "1" / "0".
  void Write(const settings::TextSetting& setting, const QString& value);
  void Write(const settings::NumberSetting& setting, int value);
  void Write(const settings::SwitchSetting& setting, bool on);

 private:
  QString path_;  // empty: the per-user default file
};
