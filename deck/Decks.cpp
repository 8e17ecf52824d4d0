#include "deck/Decks.h"

#include "deck/DeckLevels.h"
#include "deck/DeckTransport.h"
#include "deck/Equalizer.h"
#include "deck/MasterFader.h"
#include "deck/Player.h"
#include "formats/TimeText.h"
#include "platform/Dialogs.h"

Decks::Decks(DecoderEngine& engine, Dialogs& dialogs, PlayLog& log, TimerTable& timers, QObject* parent)
    : QObject(parent), engine_(engine), dialogs_(dialogs), defaultHooks_(engine), hooks_(&defaultHooks_) {
  for (int i = 0; i < 2; ++i) {
    const int deck = i + 1;
    models_[i] = std::make_unique<DeckModel>(deck);
    players_[i] = std::make_unique<Player>(deck, engine, dialogs, log, config_, *models_[i]);
    transports_[i] = std::make_unique<DeckTransport>(*players_[i], *models_[i], timers, log, config_);
    levels_[i] = std::make_unique<DeckLevels>(*players_[i], *models_[i], engine, dialogs);
    players_[i]->SendText(XA_MSG_SET_OUTPUT_NAME, QString::fromLatin1(kMainOutput));
    connect(players_[i].get(), &Player::ModuleReported, this, &Decks::ModuleReported);
    connect(players_[i].get(), &Player::OpenFailed, this, &Decks::ClipOpenFailed);
    connect(players_[i].get(), &Player::Opened, this, &Decks::ClipOpened);
  }
  equalizer_ = std::make_unique<Equalizer>(centre_, std::array<Player*, 2>{players_[0].get(), players_[1].get()},
                                           std::array<DeckModel*, 2>{models_[0].get(), models_[1].get()});
  for (auto& player : players_) {
    connect(player.get(), &Player::EqualizerReported, this,
            [this](int deck, const std::array<int8_t, 32>& bands) { equalizer_->OnReported(deck, bands); });
  }
  master_ = std::make_unique<MasterFader>(centre_, engine, config_);
}

Decks::~Decks() {
  // The logic refers to the players, the players to the models: users go first.
  master_.reset();
  equalizer_.reset();
  for (int i = 0; i < 2; ++i) {
    levels_[i].reset();
    transports_[i].reset();
    players_[i].reset();
  }
}

void Decks::SetFps(int fps) { config_.fps = (fps == 25 || fps == 30) ? fps : 25; }

void Decks::SetClipLoadHooks(ClipLoadHooks* hooks) { hooks_ = hooks ? hooks : &defaultHooks_; }

const DeckModel* Decks::Model(int deck) const { return Index(deck) < 0 ? nullptr : models_[Index(deck)].get(); }

void Decks::SetCheckOnLoad(bool down) {
  if (config_.checkOnLoad == down) return;
  config_.checkOnLoad = down;
  emit CheckOnLoadChanged(down);
}

void Decks::ClickCheckOnLoad(bool down) {
  SetCheckOnLoad(down);
  hooks_->SetClipInfoText(QString());
}

int Decks::LoadClip(int deck, const QString& title, const QString& path) {
  const int i = deck == 3 ? 0 : Index(deck);
  if (i < 0) return -1;
  DeckModel& model = *models_[i];
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
    model.SetRemaining(total);
    model.SetDuration(total);
  } else {
    model.SetRemaining(QString::fromLatin1(timetext::kUnmeasured));
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

void Decks::OpenReady(int deck, const QString& path) {
  const int i = Index(deck);
  if (i < 0 || path.isEmpty()) return;
  models_[i]->SetRemaining(QString::fromLatin1(timetext::kUnmeasured));
  OpenParked(i, ClipTitleFromPath(path), path, hooks_->StartVolume());
}

void Decks::PlayPause(int deck) {
  if (Index(deck) >= 0) transports_[Index(deck)]->PlayPause();
}
void Decks::Play(int deck) { Send(deck, XA_MSG_COMMAND_PLAY); }
void Decks::Pause(int deck) { Send(deck, XA_MSG_COMMAND_PAUSE); }
void Decks::Reset(int deck) {
  if (Index(deck) >= 0) transports_[Index(deck)]->ResetPlayer();
}
void Decks::LogPlayerClip(int deck) {
  if (Index(deck) >= 0) transports_[Index(deck)]->LogPlayerClip();
}
void Decks::CueToMark(int deck, bool pause) {
  if (Index(deck) >= 0) transports_[Index(deck)]->CueToMark(pause);
}
void Decks::SetCueMark(int deck) {
  if (Index(deck) >= 0) transports_[Index(deck)]->SetCueMark();
}
void Decks::Step(int deck, int frames) {
  if (Index(deck) >= 0) transports_[Index(deck)]->Step(frames);
}
void Decks::PressPosition(int deck) {
  if (Index(deck) >= 0) transports_[Index(deck)]->PressThumb();
}
void Decks::DragPosition(int deck, int frame) {
  if (Index(deck) >= 0) transports_[Index(deck)]->DragThumb(frame);
}
void Decks::ReleasePosition(int deck) {
  if (Index(deck) >= 0) transports_[Index(deck)]->ReleaseThumb();
}
void Decks::StepPosition(int deck, int frame) {
  if (Index(deck) >= 0) transports_[Index(deck)]->ScrollStep(frame);
}

void Decks::SetPitch(int deck, int value, bool move) {
  if (Index(deck) >= 0) levels_[Index(deck)]->SetPitch(value, move);
}
void Decks::ResetPitch(int deck) {
  if (Index(deck) >= 0) levels_[Index(deck)]->ResetPitch();
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
void Decks::ToggleAutoCue(int deck) { SetAutoCue(deck, !AutoCue(deck)); }
void Decks::SetAutoCue(int deck, bool on) {
  if (Index(deck) >= 0) levels_[Index(deck)]->SetAutoCue(on);
}
bool Decks::AutoCue(int deck) const { return Index(deck) >= 0 && levels_[Index(deck)]->AutoCue(); }
void Decks::MoveEqualizerSlider(int n, int value) { equalizer_->MoveSlider(n, value); }
void Decks::ApplyEqualizer() { equalizer_->Apply(); }
void Decks::ResetEqualizer() { equalizer_->Reset(); }
void Decks::SetFader(int deck, int position, bool sendLevel) {
  if (Index(deck) >= 0) levels_[Index(deck)]->SetFader(position, sendLevel);
}
void Decks::MoveFader(int deck, int position) {
  if (Index(deck) >= 0) levels_[Index(deck)]->MoveFader(position);
}
int Decks::Fader(int deck) const { return Index(deck) < 0 ? 100 : levels_[Index(deck)]->Fader(); }
int Decks::Pitch(int deck) const { return Index(deck) < 0 ? 1000 : levels_[Index(deck)]->Pitch(); }
void Decks::SendLevel(int deck) {
  if (Index(deck) >= 0) players_[Index(deck)]->SendLevel();
}
void Decks::ShowLoadPicture(int deck, int picture) {
  if (Index(deck) >= 0) models_[Index(deck)]->SetLoadPicture(picture);
}
void Decks::SetCrossfade(int deck, int level) {
  if (Index(deck) >= 0) centre_.SetCrossfade(deck, level);
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
QString Decks::StateText(int deck) const { return Index(deck) < 0 ? QString() : models_[Index(deck)]->StateText(); }
QString Decks::Title(int deck) const { return Index(deck) < 0 ? QString() : models_[Index(deck)]->Title(); }
QString Decks::InputName(int deck) const { return Index(deck) < 0 ? QString() : players_[Index(deck)]->InputName(); }
QString Decks::ClipPath(int deck) const { return Index(deck) < 0 ? QString() : players_[Index(deck)]->ClipPath(); }
QString Decks::ElapsedText(int deck) const { return Index(deck) < 0 ? QString() : models_[Index(deck)]->ElapsedText(); }
QString Decks::RemainingText(int deck) const {
  return Index(deck) < 0 ? QString() : models_[Index(deck)]->RemainingText();
}
QString Decks::DurationText(int deck) const {
  return Index(deck) < 0 ? QString() : models_[Index(deck)]->DurationText();
}
QString Decks::CueMarkText(int deck) const {
  return Index(deck) < 0 ? QString() : models_[Index(deck)]->CueMarkText();
}
