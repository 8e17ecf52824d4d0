// The values Options APPLY writes, in order, each through the settings table's typed
// writes (so the text forms are the table's own).
#pragma once

#include <QString>
#include <variant>
#include <vector>

#include "platform/SettingsTable.h"

class SettingsStore;

struct OptionsWrite {
  std::variant<std::pair<settings::TextSetting, QString>, std::pair<settings::NumberSetting, int>,
               std::pair<settings::SwitchSetting, bool>>
      value;
  const char* Name() const;
  // The text the value is stored as.
  QString Text() const;
  void WriteTo(SettingsStore& store) const;
};
using OptionsWrites = std::vector<OptionsWrite>;
