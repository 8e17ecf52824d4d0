#include "options/OptionsWrites.h"

#include "platform/SettingsStore.h"

const char* OptionsWrite::Name() const {
  return std::visit([](const auto& v) { return v.first.name; }, value);
}

QString OptionsWrite::Text() const {
  struct {
    QString operator()(const std::pair<settings::TextSetting, QString>& v) const { return v.second; }
    QString operator()(const std::pair<settings::NumberSetting, int>& v) const { return QString::number(v.second); }
    QString operator()(const std::pair<settings::SwitchSetting, bool>& v) const {
      return v.second ? QStringLiteral("1") : QStringLiteral("0");
    }
  } text;
  return std::visit(text, value);
}

void OptionsWrite::WriteTo(SettingsStore& store) const {
  std::visit([&store](const auto& v) { store.Write(v.first, v.second); }, value);
}
