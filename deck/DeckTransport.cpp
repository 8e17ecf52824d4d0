#include "deck/DeckTransport.h"

#include <QTimer>

#include <algorithm>

#include "deck/DeckConfig.h"
#include "deck/DeckModel.h"
#include "deck/Player.h"
#include "formats/TimeText.h"
#include "platform/PlayLog.h"
#include "platform/TimerTable.h"

namespace {

constexpr int kPreRollFrames = 25;
constexpr int kScrollEndMs = 250;
constexpr int kBlinkMs = 100;

}  // namespace

DeckTransport::DeckTransport(Player& player, DeckModel& model, TimerTable& timers, PlayLog& log,
                             const DeckConfig& config)
    : player_(player), model_(model), timers_(timers), log_(log), config_(config), scrollEnd_(new QTimer(this)) {
  scrollEnd_->setSingleShot(true);
  scrollEnd_->setInterval(kScrollEndMs);
  connect(scrollEnd_, &QTimer::timeout, this, &DeckTransport::EndScroll);
}

bool DeckTransport::HasClip() const { return player_.State() != PlayerState::None; }

void DeckTransport::PlayPause() {
  switch (player_.State()) {
    case PlayerState::Playing:
      player_.Send(XA_MSG_COMMAND_PAUSE);
      return;
    case PlayerState::AtEnd:
      break;
    case PlayerState::Paused:
    case PlayerState::Stopped:
    case PlayerState::None:
      player_.SendLevel();
      player_.Send(XA_MSG_COMMAND_PLAY);
      player_.SendLevel();
      break;
  }
  LogPlayerClip();
}

void DeckTransport::LogPlayerClip() {
  // Nothing loaded (or it failed to open): nothing went on air, so nothing to log.
  if (!player_.ClipPath().isEmpty()) log_.LogPlayerClip(player_.Deck(), player_.ClipPath(), PlayLog::kClip);
}

void DeckTransport::ResetPlayer() {
  scrollEnd_->stop();
  player_.SetSeekHold(false);
  player_.Send(XA_MSG_COMMAND_STOP);
  player_.Send(XA_MSG_COMMAND_OUTPUT_RESET);
  player_.Send(XA_MSG_COMMAND_INPUT_CLOSE);
  player_.Send(XA_MSG_COMMAND_OUTPUT_CLOSE);
  const QString zero = QString::fromLatin1(timetext::kUnmeasured);
  model_.SetRemaining(zero);
  model_.SetDuration(zero);
  model_.SetCueMark(zero);
  model_.SetElapsedCopy(zero);  // the large counter keeps its last time
  model_.SetPosition(1);
  player_.ForgetClip();
}

void DeckTransport::CueToMark(bool pause) {
  if (!HasClip()) return;
  const uint32_t mark = ParseTimecode(model_.CueMarkText(), config_.fps);
  SeekTo(mark > 26 ? static_cast<int>(mark) - kPreRollFrames : 0);
  if (pause || model_.AutoCue()) player_.Send(XA_MSG_COMMAND_PAUSE);
  StartLoadBlink();
}

void DeckTransport::SetCueMark() {
  model_.SetCueMark(model_.ElapsedText());
  StartLoadBlink();
}

void DeckTransport::Step(int frames) {
  if (!HasClip()) return;
  const int target = std::clamp(model_.Position() + frames, 0, model_.PositionMax());
  SeekTo(target);
  model_.SetPosition(target);  // so repeated steps add up before the engine reports
  if (player_.SeekHold()) ReleaseHold();
  model_.SetCueMark(model_.ElapsedText());
}

void DeckTransport::StartLoadBlink() { timers_.Start(player_.Deck() == 1 ? 8 : 9, kBlinkMs); }

void DeckTransport::Hold() {
  if (player_.SeekHold()) return;
  player_.SetSeekHold(true);
  player_.Send(XA_MSG_COMMAND_PAUSE);
}

void DeckTransport::SeekTo(int frame) { player_.Send(XA_MSG_COMMAND_SEEK, frame, model_.PositionMax()); }

void DeckTransport::ReleaseHold() {
  player_.SetSeekHold(false);
  if (player_.State() == PlayerState::Paused && !model_.AutoCue()) {
    player_.Send(XA_MSG_COMMAND_PLAY);
  } else {
    model_.SetStateText(QStringLiteral("PAUSED"));
  }
}

void DeckTransport::PressThumb() { model_.SetThumbHeld(true); }

void DeckTransport::DragThumb(int frame) {
  if (!HasClip()) return;
  Hold();
  model_.SetPosition(frame);
  SeekTo(frame);
  model_.SetCueMark(model_.ElapsedText());
}

void DeckTransport::ReleaseThumb() {
  model_.SetThumbHeld(false);
  EndScroll();
}

void DeckTransport::ScrollStep(int frame) {
  if (!HasClip()) return;
  Hold();
  model_.SetPosition(frame);
  scrollEnd_->start();
}

void DeckTransport::EndScroll() {
  scrollEnd_->stop();
  if (!HasClip()) return;
  SeekTo(model_.Position());
  if (!player_.SeekHold()) return;
  ReleaseHold();
  StartLoadBlink();
}
