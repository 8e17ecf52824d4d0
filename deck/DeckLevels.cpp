#include "deck/DeckLevels.h"

#include <algorithm>

#include "deck/DeckModel.h"
#include "deck/Player.h"
#include "platform/Dialogs.h"

namespace {

DeckIcon PitchIcon(int position) {
  if (position < 990) return DeckIcon::PitchBelow;
  if (position > 1010) return DeckIcon::PitchAbove;
  return DeckIcon::PitchNormal;
}

}  // namespace

DeckLevels::DeckLevels(Player& player, DeckModel& model, DecoderEngine& engine, Dialogs& dialogs)
    : player_(player), model_(model), engine_(engine), dialogs_(dialogs) {}

void DeckLevels::MoveFader(int position) {
  model_.SetFader(position);
  if (static_cast<int>(player_.State()) > 0) player_.SendLevel();
}

void DeckLevels::SetFader(int position, bool sendLevel) {
  model_.SetFader(position);
  if (sendLevel) player_.SendLevel();
}

int DeckLevels::Fader() const { return model_.Fader(); }

void DeckLevels::SetPitch(int value, bool move) {
  if (move) value += model_.Pitch();
  model_.SetPitch(value);  // the pitch keeps itself within 900 to 1100
  if (value < 895 || value > 1101) return;
  // The engine hears what the slider shows, never a value past its scale.
  player_.SendPitch(std::clamp(value, DeckModel::kPitchMin, DeckModel::kPitchMax));
  ShowPitch(model_.Pitch());
}

void DeckLevels::ShowPitch(int position) {
  model_.SetPitchLabel(QString::number((position - DeckModel::kPitchNormal) / 10));
  model_.SetPitchIcon(PitchIcon(position));
}

void DeckLevels::ResetPitch() {
  if (model_.Pitch() >= 990 && model_.Pitch() <= 1010) return;
  model_.SetPitch(DeckModel::kPitchNormal);
  player_.SendPitch(DeckModel::kPitchNormal);
  ShowPitch(DeckModel::kPitchNormal);
}

void DeckLevels::ApplyStoredPitch(int value) {
  model_.SetPitch(value);
  // A damaged stored value reaches the engine only as far as the slider's scale.
  player_.SendPitch(model_.Pitch());
  model_.SetPitchLabel(QString::number((value - DeckModel::kPitchNormal) / 10));
}

void DeckLevels::DrawPitchIndicator() { model_.SetPitchIcon(PitchIcon(model_.Pitch())); }

int DeckLevels::Pitch() const { return model_.Pitch(); }

void DeckLevels::ToggleMonitor() {
  if (engine_.OutputDevices().size() < 2) {
    dialogs_.Message(QStringLiteral("KORVO needs two audio devices to work with cue options"),
                     QStringLiteral("KORVO XA"), Dialogs::Icon::Warning);
    return;
  }
  const PlayerState state = player_.State();
  if (state != PlayerState::Playing && state != PlayerState::Paused) return;
  monitorOut_ = !monitorOut_;
  player_.SendText(XA_MSG_SET_OUTPUT_NAME, QString::fromLatin1(monitorOut_ ? kMonitorOutput : kMainOutput));
  model_.SetMonitorIcon(monitorOut_ ? DeckIcon::MonitorCue : DeckIcon::MonitorMain);
  if (monitorOut_) player_.SendLevel();
}

bool DeckLevels::AutoCue() const { return model_.AutoCue(); }
void DeckLevels::SetAutoCue(bool on) { model_.SetAutoCue(on); }
