#include "deck/DeckTransport.h"

#include <QCheckBox>
#include <QLabel>
#include <QToolButton>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <algorithm>

#include "deck/DeckPanel.h"
#include "deck/Player.h"
#include "formats/TimeText.h"
#include "platform/PlayLog.h"
#include "platform/TimerTable.h"

namespace {

constexpr int kPreRollFrames = 25;
constexpr int kScrollEndMs = 250;
constexpr int kBlinkMs = 100;

}  // namespace

DeckTransport::DeckTransport(Player& player, DeckPanel& panel, TimerTable& timers, PlayLog& log,
                             const DeckConfig& config)
    : player_(player), panel_(panel), timers_(timers), log_(log), config_(config), scrollEnd_(new QTimer(this)) {
  scrollEnd_->setSingleShot(true);
  scrollEnd_->setInterval(kScrollEndMs);
  connect(scrollEnd_, &QTimer::timeout, this, &DeckTransport::EndScroll);
  connect(panel_.Play(), &QPushButton::clicked, this, &DeckTransport::PlayPause);
  connect(panel_.Reset(), &QPushButton::clicked, this, &DeckTransport::ResetPlayer);
  connect(panel_.Cue(), &QPushButton::clicked, this, [this] { CueToMark(false); });
  connect(panel_.SetCue(), &QAbstractButton::clicked, this, &DeckTransport::SetCueMark);
  connect(panel_.StepBack(), &QPushButton::clicked, this, [this] { Step(-1); });
  connect(panel_.StepForward(), &QPushButton::clicked, this, [this] { Step(1); });
  QSlider* position = panel_.Position();
  connect(position, &QSlider::actionTriggered, this, &DeckTransport::OnPositionAction);
  connect(position, &QSlider::sliderMoved, this, &DeckTransport::OnPositionMoved);
  connect(position, &QSlider::sliderReleased, this, &DeckTransport::EndScroll);
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
  const QString zero = QString::fromLatin1(kZeroTime);
  panel_.SetRemaining(zero);
  panel_.SetDuration(zero);
  panel_.SetCueMark(zero);
  panel_.ElapsedCopy()->setText(zero);  // the large counter keeps its last time
  panel_.Position()->setValue(1);
  player_.ForgetClip();
}

void DeckTransport::CueToMark(bool pause) {
  if (!HasClip()) return;
  const uint32_t mark = ParseTimecode(panel_.CueMarkText(), config_.fps);
  SeekTo(mark > 26 ? static_cast<int>(mark) - kPreRollFrames : 0);
  if (pause || panel_.AutoCue()->isChecked()) player_.Send(XA_MSG_COMMAND_PAUSE);
  StartLoadBlink();
}

void DeckTransport::SetCueMark() {
  panel_.SetCueMark(panel_.ElapsedText());
  StartLoadBlink();
}

void DeckTransport::Step(int frames) {
  if (!HasClip()) return;
  QSlider* position = panel_.Position();
  const int target = std::clamp(position->value() + frames, 0, position->maximum());
  SeekTo(target);
  {
    const QSignalBlocker block(position);
    position->setValue(target);  // so repeated steps add up before the engine reports
  }
  if (player_.SeekHold()) ReleaseHold();
  panel_.SetCueMark(panel_.ElapsedText());
}

void DeckTransport::StartLoadBlink() { timers_.Start(player_.Deck() == 1 ? 8 : 9, kBlinkMs); }

void DeckTransport::Hold() {
  if (player_.SeekHold()) return;
  player_.SetSeekHold(true);
  player_.Send(XA_MSG_COMMAND_PAUSE);
}

void DeckTransport::SeekTo(int frame) {
  player_.Send(XA_MSG_COMMAND_SEEK, frame, panel_.Position()->maximum());
}

void DeckTransport::ReleaseHold() {
  player_.SetSeekHold(false);
  if (player_.State() == PlayerState::Paused && !panel_.AutoCue()->isChecked()) {
    player_.Send(XA_MSG_COMMAND_PLAY);
  } else {
    panel_.SetStateText(QStringLiteral("PAUSED"));
  }
}

void DeckTransport::OnPositionAction(int action) {
  if (action == QAbstractSlider::SliderMove || action == QAbstractSlider::SliderNoAction) return;
  if (!HasClip()) return;
  Hold();
  scrollEnd_->start();
}

void DeckTransport::OnPositionMoved(int value) {
  if (!HasClip()) return;
  Hold();
  SeekTo(value);
  panel_.SetCueMark(panel_.ElapsedText());
}

void DeckTransport::EndScroll() {
  scrollEnd_->stop();
  if (!HasClip()) return;
  SeekTo(panel_.Position()->value());
  if (!player_.SeekHold()) return;
  ReleaseHold();
  StartLoadBlink();
}
