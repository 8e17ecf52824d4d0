#include "remote/RemoteModes.h"

#include "remote/RemoteProtocol.h"

namespace {

const char* const kBandNames[RemoteModes::kBands] = {"VOLUME", "42Hz",   "480Hz",  "1.5KHz",
                                                     "3.5KHz", "7.8KHz", "15.4KHz"};

QString ModeTextOf(int mode, int band) {
  switch (mode) {
    case 1:
      return QStringLiteral(" 1. MIX\n 2. PREV\n 3. NEXT\n 4. LOAD\n 5. PLAY 1\n 6. PLAY 2\n 7. \n 8. MODE");
    case 2:
      return QStringLiteral(" 1. PLAY\n 2. REW\n 3. FF\n 4. SET\n 5. LOOP\n 6. KEEP\n 7. OUT #1\n 8. MODE");
    case 3:
      return QStringLiteral(" 1. PLAY\n 2. REW\n 3. FF\n 4. SET\n 5. LOOP\n 6. KEEP\n 7. OUT #2\n 8. MODE");
    case 4:
      return QStringLiteral(" 1. FLAT\n 2. -\n 3. +\n 4. CHOOSE\n 5. EQ 1 ON\n 6. EQ 2 ON\n     %1 \n 8. MODE")
          .arg(RemoteModes::BandName(band));
    case 5:
      return QStringLiteral(" 1. CHECK\n 2. LOAD\n 3. MIX\n 4. SUFFLE\n 5. \n 6. \n 7. HELP\n 8. MODE");
    default:
      return {};
  }
}

}  // namespace

RemoteModes::RemoteModes(RemoteConsole& console, QObject* parent) : QObject(parent), console_(console) {}

QString RemoteModes::BandName(int band) {
  return band >= 1 && band <= kBands ? QString::fromLatin1(kBandNames[band - 1]) : QString();
}

bool RemoteModes::Held(int deck) const { return deck >= 0 && deck <= 2 && held_[deck]; }

void RemoteModes::ShowFirstMode() {
  held_[0] = held_[1] = held_[2] = false;
  repeatCount_ = 0;
  remoteMode_ = 0;
  selectedBand_ = kVolume;
  NextRemoteMode();
}

void RemoteModes::Clear() {
  remoteMode_ = -1;
  NextRemoteMode();
}

void RemoteModes::NextRemoteMode() {
  modeText_.clear();
  selectedBand_ = kVolume;
  picture_ = 0;
  if (remoteMode_ >= 0) {
    remoteMode_ = remoteMode_ == 0 || remoteMode_ >= 5 ? 1 : remoteMode_ + 1;
    picture_ = remoteMode_;
    modeText_ = ModeTextOf(remoteMode_, selectedBand_);
  }
  emit displayChanged();
}

void RemoteModes::OnButtonState(int state) {
  if (state == remote::kModeButton) {
    NextRemoteMode();
    return;
  }
  if (state == remote::kAllReleased) {
    Release();
    return;
  }
  const int button = remote::PressedButton(state);
  if (button == 0) return;  // two buttons at once, or noise
  switch (remoteMode_) {
    case 1: {
      constexpr RemoteAction kMix[] = {RemoteAction::Mix,        RemoteAction::SelectPrevious,
                                       RemoteAction::SelectNext, RemoteAction::LoadSelected,
                                       RemoteAction::PlayPause,  RemoteAction::PlayPause};
      if (button <= 6) console_.Run(kMix[button - 1], button == 5 ? 1 : button == 6 ? 2 : 0);
      return;
    }
    case 2:
    case 3:
      DeckButton(remoteMode_ - 1, button);
      return;
    case 4:
      EqualizerButton(button);
      return;
    case 5:
      AutomationButton(button);
      return;
    default:
      return;
  }
}

void RemoteModes::DeckButton(int deck, int button) {
  switch (button) {
    case 1:
      console_.Run(RemoteAction::PlayPause, deck);
      return;
    case 2:
      HeldSeek(deck, RemoteAction::Rewind);
      return;
    case 3:
      HeldSeek(deck, RemoteAction::FastForward);
      return;
    case 4:
      console_.Run(RemoteAction::SetCue, deck);
      return;
    case 5:
      console_.Run(RemoteAction::Cue, deck);
      return;
    case 6:
      console_.Run(RemoteAction::CueAndPause, deck);
      return;
    case 7:
      console_.Run(RemoteAction::ToggleMonitor, deck);
      return;
  }
}

void RemoteModes::EqualizerButton(int button) {
  switch (button) {
    case 1:
      console_.Run(RemoteAction::ResetEqualizers, 0);
      return;
    case 2:
      HeldVolume(RemoteAction::MasterDown);
      return;
    case 3:
      HeldVolume(RemoteAction::MasterUp);
      return;
    case 4:
      selectedBand_ = selectedBand_ % kBands + 1;
      modeText_ = ModeTextOf(remoteMode_, selectedBand_);
      emit displayChanged();
      return;
    case 5:
      console_.Run(RemoteAction::ToggleEqualizer, 1);
      return;
    case 6:
      console_.Run(RemoteAction::ToggleEqualizer, 2);
      return;
  }
}

void RemoteModes::AutomationButton(int button) {
  constexpr RemoteAction kAutomation[] = {RemoteAction::ToggleCheckOnLoad, RemoteAction::ToggleLoadNext,
                                          RemoteAction::ToggleMixNext, RemoteAction::Shuffle};
  if (button <= 4) console_.Run(kAutomation[button - 1], 0);
  if (button == 7) console_.Run(RemoteAction::Help, 0);
}

void RemoteModes::HeldSeek(int deck, RemoteAction action) {
  // The action reads repeatCount before it grows: 10, 11, 12, ... frames a report.
  console_.Run(action, deck);
  ++repeatCount_;
  held_[deck] = true;
}

void RemoteModes::HeldVolume(RemoteAction action) {
  // The bands have no step of their own: - and + move only the volume.
  if (selectedBand_ != kVolume) return;
  console_.Run(action, 0);
  held_[0] = true;
  repeatCount_ += kMasterStepGrowth;
}

void RemoteModes::Release() {
  for (int deck = 1; deck <= 2; ++deck) {
    if (!held_[deck]) continue;
    held_[deck] = false;
    repeatCount_ = 0;
    console_.Run(RemoteAction::ResumeAfterSeek, deck);
  }
  if (held_[0]) {
    held_[0] = false;
    repeatCount_ = 0;
  }
}
