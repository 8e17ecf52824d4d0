#include "app/AutoMix.h"

#include "platform/ui/Theme.h"

#include "deck/CentrePanel.h"
#include "deck/Decks.h"
#include "mix/MixStyleModel.h"
#include "platform/TimerIds.h"
#include "songs/StatusTexts.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace {

QPushButton* Toggle(const QString& caption, const QString& tip, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setCheckable(true);
  b->setFocusPolicy(Qt::NoFocus);
  b->setToolTip(tip);
  b->setStyleSheet(LampButtonStyle());
  return b;
}

}  // namespace

AutoMix::AutoMix(Decks& decks, DeckControl& control, SongsList& list, PlayerFeed& feed, MixStyleModel& styles,
                 MixSettings& settings,
                 TimerTable& timers, SystemServices& system, PlayLog& log, std::function<void(const QString&)> status,
                 QWidget* parent)
    : decks_(decks),
      control_(control),
      listPort_(list, feed),
      styles_(styles),
      status_(std::move(status)),
      engine_(control_, listPort_, *this, timers, settings, system),
      loadNext_(Toggle(QStringLiteral("LOAD NEXT"), QStringLiteral("Auto Load next clip"), parent)),
      mixNext_(Toggle(QStringLiteral("MIX NEXT"), QStringLiteral("Auto Mix next clip"), parent)) {
  // Automatic mixing needs automatic loading: MIX NEXT waits for LOAD NEXT.
  mixNext_->setEnabled(false);
  connect(loadNext_, &QPushButton::toggled, this, &AutoMix::SetLoadNext);
  connect(mixNext_, &QPushButton::toggled, this, &AutoMix::SetMixNext);
}

AutoMix::~AutoMix() {
  if (busy_) QApplication::restoreOverrideCursor();
}

bool AutoMix::OnTimer(int id) {
  if (!engine_.OnTimer(id)) return false;
  if (id == timerid::kCrossfade) ShowCrossfadeBars();
  return true;
}

void AutoMix::ShowCrossfadeBars() {
  // Each bar shows its deck's level while a crossfade runs, and empties when it ends.
  for (int deck = 1; deck <= 2; ++deck) {
    const int level = engine_.Mixing() ? 100 - control_.Fader(deck) : 0;
    decks_.Centre()->Crossfade(deck)->setValue(level);
  }
}

void AutoMix::SetLoadNext(bool on) {
  engine_.SetLoadNext(on);
  ShowToggles();
}

void AutoMix::SetMixNext(bool on) {
  engine_.SetMixNext(on);
  ShowToggles();
}

void AutoMix::ShowToggles() {
  const QSignalBlocker a(loadNext_);
  const QSignalBlocker b(mixNext_);
  loadNext_->setChecked(engine_.LoadNext());
  mixNext_->setEnabled(engine_.MixNextEnabled());
  mixNext_->setChecked(engine_.MixNext());
}

void AutoMix::OnClipOpenFailed(int) {
  if (!engine_.LoadNext()) return;
  if (++refusedInARow_ > listPort_.Count()) {
    status_(texts::kClipLoadError);
    return;
  }
  // After the refusal has been handled; the deck is empty again by then.
  QTimer::singleShot(0, this, [this] { listPort_.LoadNextIntoPlayer(); });
}

void AutoMix::CaptureMixSettings() { styles_.CaptureMixSettings(); }

void AutoMix::SetStatus(const QString& text) { status_(text); }

void AutoMix::ShowMixNextPicture(bool on) {
  const QSignalBlocker block(mixNext_);
  mixNext_->setChecked(on);
}

void AutoMix::SetBusyCursor(bool on) {
  if (on == busy_) return;
  busy_ = on;
  if (on) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}
