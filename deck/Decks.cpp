#include "deck/Decks.h"

#include <QLabel>
#include <QPushButton>

#include "deck/CentrePanel.h"
#include "deck/DeckLevels.h"
#include "deck/DeckPanel.h"
#include "deck/DeckTransport.h"
#include "deck/DigitStrip.h"
#include "deck/Equalizer.h"
#include "deck/MasterFader.h"
#include "deck/Player.h"
#include "formats/TimeText.h"
#include "platform/Dialogs.h"

Decks::Decks(DecoderEngine& engine, Dialogs& dialogs, PlayLog& log, TimerTable& timers, QWidget* parent)
    : engine_(engine), dialogs_(dialogs), defaultHooks_(engine), hooks_(&defaultHooks_) {
  checkOnLoad_ = new QPushButton(QStringLiteral("Check On Load"), parent);
  checkOnLoad_->setCheckable(true);
  checkOnLoad_->setFocusPolicy(Qt::NoFocus);
  checkOnLoad_->setToolTip(QStringLiteral("Check Clip before load"));
  connect(checkOnLoad_, &QPushButton::clicked, this, [this] { hooks_->SetClipInfoText(QString()); });
  const QPixmap strip = MakeDigitStrip(16, 24);
  centre_ = new CentrePanel(parent);
  connect(centre_, &CentrePanel::MixClicked, this, &Decks::MixClicked);
  for (int i = 0; i < 2; ++i) {
    const int deck = i + 1;
    panels_[i] = new DeckPanel(deck, strip, parent);
    players_[i] = std::make_unique<Player>(deck, engine, dialogs, log, config_, *panels_[i], *checkOnLoad_);
    transports_[i] = std::make_unique<DeckTransport>(*players_[i], *panels_[i], timers, log, config_);
    levels_[i] = std::make_unique<DeckLevels>(*players_[i], *panels_[i], engine, dialogs);
    players_[i]->SendText(XA_MSG_SET_OUTPUT_NAME, QString::fromLatin1(kMainOutput));
    connect(panels_[i]->Open(), &QPushButton::clicked, this, [this, deck] { emit OpenRequested(deck); });
    connect(players_[i].get(), &Player::ModuleReported, this, &Decks::ModuleReported);
    connect(players_[i].get(), &Player::OpenFailed, this, &Decks::ClipOpenFailed);
    connect(players_[i].get(), &Player::Opened, this, &Decks::ClipOpened);
  }
  equalizer_ = std::make_unique<Equalizer>(*centre_, std::array<Player*, 2>{players_[0].get(), players_[1].get()},
                                           panels_);
  for (auto& player : players_) connect(player.get(), &Player::EqualizerReported, equalizer_.get(), &Equalizer::OnReported);
  master_ = std::make_unique<MasterFader>(*centre_, engine, config_);
  widgets_ = {panels_[0], panels_[1], centre_, checkOnLoad_};
}

Decks::~Decks() {
  // The controllers refer to the widgets: they go first. Widgets the main window adopted
  // are its to delete; the others are ours.
  master_.reset();
  equalizer_.reset();
  for (int i = 0; i < 2; ++i) {
    levels_[i].reset();
    transports_[i].reset();
    players_[i].reset();
  }
  for (const QPointer<QWidget>& w : widgets_) {
    if (w && !w->parentWidget()) delete w.data();
  }
}

void Decks::SetFps(int fps) { config_.fps = (fps == 25 || fps == 30) ? fps : 25; }

void Decks::SetClipLoadHooks(ClipLoadHooks* hooks) { hooks_ = hooks ? hooks : &defaultHooks_; }

DeckPanel* Decks::Panel(int deck) const { return Index(deck) < 0 ? nullptr : panels_[Index(deck)]; }
bool Decks::CheckOnLoad() const { return checkOnLoad_->isChecked(); }
void Decks::SetCheckOnLoad(bool down) { checkOnLoad_->setChecked(down); }

int Decks::LoadClip(int deck, const QString& title, const QString& path) {
  const int i = deck == 3 ? 0 : Index(deck);
  if (i < 0) return -1;
  DeckPanel& panel = *panels_[i];
  if (CheckOnLoad()) {
    hooks_->SetClipInfoText(QStringLiteral("Loading..."));
    const int ms = hooks_->MeasureClip(path);
    if (ms < 1) {
      hooks_->RemoveCurrentClip();
      return -2;
    }
    // The duration notification leaves the texts alone while the box is down: the
    // measured time is the clip's total time, shown in both.
    const QString total = FormatTimecode(static_cast<uint64_t>(ms), config_.fps);
    panel.SetRemaining(total);
    panel.SetDuration(total);
  } else {
    panel.SetRemaining(QString::fromLatin1(kZeroTime));
  }
  OpenParked(i, title, path, hooks_->ApplyStyleForClip(title));
  return i + 1;
}

void Decks::OpenParked(int i, const QString& title, const QString& path, int startVolume) {
  Player& player = *players_[i];
  if (player.State() == PlayerState::Paused) player.Send(XA_MSG_COMMAND_OUTPUT_RESET);
  player.BeginLoad(title, path);
  player.SendText(XA_MSG_COMMAND_INPUT_OPEN, path);
  player.Send(XA_MSG_COMMAND_PLAY);
  levels_[i]->SetFader(startVolume, true);
  equalizer_->Apply();
  // The clip waits, paused at its start, for the mix or the operator.
  player.Send(XA_MSG_COMMAND_PAUSE);
  transports_[i]->StartLoadBlink();
}

void Decks::OpenReady(int deck, const QString& path, int startVolume) {
  const int i = Index(deck);
  if (i < 0 || path.isEmpty()) return;
  panels_[i]->SetRemaining(QString::fromLatin1(kZeroTime));
  OpenParked(i, ClipTitleFromPath(path), path, startVolume);
}

void Decks::PlayPause(int deck) {
  if (Index(deck) >= 0) transports_[Index(deck)]->PlayPause();
}
void Decks::ResetPlayer(int deck) {
  if (Index(deck) >= 0) transports_[Index(deck)]->ResetPlayer();
}
void Decks::CueToMark(int deck, bool pause) {
  if (Index(deck) >= 0) transports_[Index(deck)]->CueToMark(pause);
}
void Decks::SetCueMark(int deck) {
  if (Index(deck) >= 0) transports_[Index(deck)]->SetCueMark();
}
void Decks::SetPitch(int deck, int value, bool move) {
  if (Index(deck) >= 0) levels_[Index(deck)]->SetPitch(value, move);
}
void Decks::SetMasterVolume(int position, bool move) { master_->SetMasterVolume(position, move); }
int Decks::MasterPosition() const { return master_->Position(); }
void Decks::ToggleEqualizer(int deck) {
  if (Index(deck) >= 0) equalizer_->Toggle(deck);
}
bool Decks::EqOn(int deck) const { return Index(deck) >= 0 && equalizer_->EqOn(deck); }
void Decks::ToggleMonitor(int deck) {
  if (Index(deck) >= 0) levels_[Index(deck)]->ToggleMonitor();
}
bool Decks::MonitorOut(int deck) const { return Index(deck) >= 0 && levels_[Index(deck)]->MonitorOut(); }
void Decks::ToggleAutoCue(int deck) {
  if (Index(deck) >= 0) levels_[Index(deck)]->SetAutoCue(!levels_[Index(deck)]->AutoCue());
}
bool Decks::AutoCue(int deck) const { return Index(deck) >= 0 && levels_[Index(deck)]->AutoCue(); }
void Decks::ApplyEqualizer() { equalizer_->Apply(); }
void Decks::ResetEqualizer() { equalizer_->Reset(); }
void Decks::SetFader(int deck, int position, bool sendLevel) {
  if (Index(deck) >= 0) levels_[Index(deck)]->SetFader(position, sendLevel);
}
int Decks::Fader(int deck) const { return Index(deck) < 0 ? 100 : levels_[Index(deck)]->Fader(); }
int Decks::Pitch(int deck) const { return Index(deck) < 0 ? 1000 : levels_[Index(deck)]->Pitch(); }
void Decks::SendLevel(int deck) {
  if (Index(deck) >= 0) players_[Index(deck)]->SendLevel();
}
void Decks::ShowLoadPicture(int deck, int picture) {
  if (Index(deck) >= 0) panels_[Index(deck)]->SetLoadPicture(picture);
}
void Decks::Send(int deck, int code, int a, int b, int c) {
  if (Index(deck) >= 0) players_[Index(deck)]->Send(code, a, b, c);
}

PlayerState Decks::State(int deck) const {
  return Index(deck) < 0 ? PlayerState::None : players_[Index(deck)]->State();
}
uint32_t Decks::PositionFrames(int deck) const {
  return Index(deck) < 0 ? 0 : players_[Index(deck)]->PositionFrames();
}
uint32_t Decks::LengthFrames(int deck) const { return Index(deck) < 0 ? 0 : players_[Index(deck)]->LengthFrames(); }
QString Decks::StateText(int deck) const { return Index(deck) < 0 ? QString() : panels_[Index(deck)]->StateText(); }
QString Decks::Title(int deck) const { return Index(deck) < 0 ? QString() : panels_[Index(deck)]->Title()->text(); }
QString Decks::InputName(int deck) const { return Index(deck) < 0 ? QString() : players_[Index(deck)]->InputName(); }
QString Decks::ClipPath(int deck) const { return Index(deck) < 0 ? QString() : players_[Index(deck)]->ClipPath(); }
QString Decks::ElapsedText(int deck) const {
  return Index(deck) < 0 ? QString() : panels_[Index(deck)]->ElapsedText();
}
QString Decks::RemainingText(int deck) const {
  return Index(deck) < 0 ? QString() : panels_[Index(deck)]->Remaining()->text();
}
QString Decks::DurationText(int deck) const {
  return Index(deck) < 0 ? QString() : panels_[Index(deck)]->Duration()->text();
}
QString Decks::CueMarkText(int deck) const {
  return Index(deck) < 0 ? QString() : panels_[Index(deck)]->CueMarkText();
}

bool Decks::HandleKeyCommand(const KeyAction& action) {
  const int deck = action.deck;
  switch (action.command) {
    case KeyCommand::PitchDown:
      SetPitch(deck, -2, true);
      return true;
    case KeyCommand::PitchUp:
      SetPitch(deck, 2, true);
      return true;
    case KeyCommand::ToggleAutoCue:
      ToggleAutoCue(deck);
      return true;
    case KeyCommand::CueToMark:
      CueToMark(deck, false);
      return true;
    case KeyCommand::SetCueMark:
      SetCueMark(deck);
      return true;
    case KeyCommand::ToggleEqualizer:
      ToggleEqualizer(deck);
      return true;
    case KeyCommand::MasterUp:
      SetMasterVolume(MasterPosition() - MasterFader::kStep, true);
      return true;
    case KeyCommand::MasterDown:
      SetMasterVolume(MasterPosition() + MasterFader::kStep, true);
      return true;
    default:
      return false;
  }
}
