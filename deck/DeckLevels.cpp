#include "deck/DeckLevels.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include <algorithm>

#include "deck/DeckPanel.h"
#include "deck/Player.h"
#include "platform/Dialogs.h"

namespace {

constexpr int kPitchNormal = 1000;

DeckIcon PitchIcon(int position) {
  if (position < 990) return DeckIcon::PitchBelow;
  if (position > 1010) return DeckIcon::PitchAbove;
  return DeckIcon::PitchNormal;
}

}  // namespace

DeckLevels::DeckLevels(Player& player, DeckPanel& panel, DecoderEngine& engine, Dialogs& dialogs)
    : player_(player), panel_(panel), engine_(engine), dialogs_(dialogs) {
  connect(panel_.Fader(), &QSlider::valueChanged, this, &DeckLevels::OnFaderChanged);
  connect(panel_.Pitch(), &QSlider::valueChanged, this, [this](int v) { SetPitch(v, false); });
  connect(panel_.PitchIndicator(), &QToolButton::clicked, this, &DeckLevels::ResetPitch);
  connect(panel_.Monitor(), &QToolButton::clicked, this, &DeckLevels::ToggleMonitor);
}

void DeckLevels::OnFaderChanged(int position) {
  // The label always follows the fader; the level goes only to a deck with a clip.
  panel_.SetFaderLabel(position);
  if (static_cast<int>(player_.State()) > 0) player_.SendLevel();
}

void DeckLevels::SetFader(int position, bool sendLevel) {
  QSlider* fader = panel_.Fader();
  {
    const QSignalBlocker block(fader);
    fader->setValue(std::clamp(position, fader->minimum(), fader->maximum()));
  }
  panel_.SetFaderLabel(fader->value());
  if (sendLevel) player_.SendLevel();
}

int DeckLevels::Fader() const { return panel_.Fader()->value(); }

void DeckLevels::SetPitch(int value, bool move) {
  QSlider* pitch = panel_.Pitch();
  if (move) {
    value += pitch->value();
    const QSignalBlocker block(pitch);
    pitch->setValue(value);  // the slider keeps itself within 900 to 1100
  }
  if (value < 895 || value > 1101) return;
  // The engine hears what the slider shows, never a value past its scale.
  player_.SendPitch(std::clamp(value, pitch->minimum(), pitch->maximum()));
  ShowPitch(pitch->value());
}

void DeckLevels::ShowPitch(int position) {
  panel_.SetPitchLabel(QString::number((position - kPitchNormal) / 10));
  DeckPanel::ShowIcon(panel_.PitchIndicator(), PitchIcon(position));
}

void DeckLevels::ResetPitch() {
  QSlider* pitch = panel_.Pitch();
  if (pitch->value() >= 990 && pitch->value() <= 1010) return;
  {
    const QSignalBlocker block(pitch);
    pitch->setValue(kPitchNormal);
  }
  player_.SendPitch(kPitchNormal);
  ShowPitch(kPitchNormal);
}

void DeckLevels::ApplyStoredPitch(int value) {
  QSlider* pitch = panel_.Pitch();
  {
    const QSignalBlocker block(pitch);
    pitch->setValue(value);
  }
  // A damaged stored value reaches the engine only as far as the slider's scale.
  player_.SendPitch(pitch->value());
  panel_.SetPitchLabel(QString::number((value - kPitchNormal) / 10));
}

void DeckLevels::DrawPitchIndicator() {
  DeckPanel::ShowIcon(panel_.PitchIndicator(), PitchIcon(panel_.Pitch()->value()));
}

int DeckLevels::Pitch() const { return panel_.Pitch()->value(); }

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
  DeckPanel::ShowIcon(panel_.Monitor(), monitorOut_ ? DeckIcon::MonitorCue : DeckIcon::MonitorMain);
  if (monitorOut_) player_.SendLevel();
}

bool DeckLevels::AutoCue() const { return panel_.AutoCue()->isChecked(); }
void DeckLevels::SetAutoCue(bool on) { panel_.AutoCue()->setChecked(on); }
