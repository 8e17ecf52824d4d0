// The decks' part of the settings and of the start-up sequence.
#include "audio/DecoderEngine.h"
#include "deck/DeckLevels.h"
#include "deck/Decks.h"
#include "deck/Equalizer.h"
#include "deck/MasterFader.h"
#include "platform/Dialogs.h"
#include "platform/SettingsTable.h"
#include "platform/SettingsStore.h"

namespace {

const char* const kEqStatus[2] = {settings::kEqPlayer1Status, settings::kEqPlayer2Status};
const char* const kPitch[2] = {settings::kPitch1, settings::kPitch2};
const char* const kAutoCue[2] = {settings::kAutoCue1, settings::kAutoCue2};

QString EqName(int n) { return QString::fromLatin1(settings::kEqPrefix) + QString::number(n); }

// A stored number, or false when it is missing or not a number.
bool ReadNumber(const SettingsStore& store, const QString& name, int* value) {
  const QString text = store.ReadSettingValue(name);
  if (text == QLatin1String(settings::kNotOpen)) return false;
  bool ok = false;
  *value = text.trimmed().toInt(&ok);
  return ok;
}

}  // namespace

void Decks::ReadDeckSettings(const SettingsStore& store) {
  EqualizerSliders sliders = equalizer_->Sliders();
  for (int n = 1; n <= 6; ++n) {
    int value = 0;
    if (ReadNumber(store, EqName(n), &value)) sliders[n - 1] = value;
  }
  equalizer_->SetSliders(sliders);  // no engine command here; start-up applies them
  for (int i = 0; i < 2; ++i) {
    const QString eq = store.ReadSettingValue(QString::fromLatin1(kEqStatus[i]));
    if (eq != QLatin1String(settings::kNotOpen)) equalizer_->SetEqOn(i + 1, eq == QLatin1String("1"));
    int pitch = 0;
    if (ReadNumber(store, QString::fromLatin1(kPitch[i]), &pitch)) levels_[i]->ApplyStoredPitch(pitch);
    levels_[i]->SetAutoCue(store.ReadSettingValue(QString::fromLatin1(kAutoCue[i])) == QLatin1String("1"));
  }
}

void Decks::SaveDeckSettings(SettingsStore& store) const {
  QList<QPair<QString, QString>> values;
  const EqualizerSliders sliders = equalizer_->Sliders();
  for (int n = 1; n <= 6; ++n) values.append({EqName(n), QString::number(sliders[n - 1])});
  for (int i = 0; i < 2; ++i) {
    values.append({QString::fromLatin1(kEqStatus[i]), equalizer_->EqOn(i + 1) ? QStringLiteral("1") : QStringLiteral("0")});
  }
  values.append({QString::fromLatin1(settings::kEqPresetName), QStringLiteral("NS")});
  for (int i = 0; i < 2; ++i) values.append({QString::fromLatin1(kPitch[i]), QString::number(levels_[i]->Pitch())});
  for (int i = 0; i < 2; ++i) {
    values.append({QString::fromLatin1(kAutoCue[i]), levels_[i]->AutoCue() ? QStringLiteral("1") : QStringLiteral("0")});
  }
  store.WriteSettingValues(values);
}

void Decks::StartupAfterSettings() {
  // Twice each: the icon and the engine end up following the stored switch.
  for (int deck = 1; deck <= 2; ++deck) {
    equalizer_->Toggle(deck);
    equalizer_->Toggle(deck);
  }
  for (auto& levels : levels_) levels->DrawPitchIndicator();
}

void Decks::StartupMasterVolume() {
  if (engine_.OutputDevices().isEmpty()) {
    dialogs_.Message(QStringLiteral("KORVOxa needs one or more audio devices to work with\n[Audio Device(s) Not found]"),
                     QStringLiteral("KORVO XA"), Dialogs::Icon::Warning);
  } else {
    master_->InitFromSystem();
  }
  config_.mainOutputIndex = 0;
}
