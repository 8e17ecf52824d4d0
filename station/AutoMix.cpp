#include "station/AutoMix.h"

#include "deck/Decks.h"
#include "mix/MixStyleModel.h"
#include "platform/TimerIds.h"
#include "songs/PlayerFeed.h"
#include "songs/SongsList.h"
#include "songs/StatusTexts.h"

#include <QTimer>

int AutoMix::ListPort::Count() const { return list_.Count(); }
int AutoMix::ListPort::CurrentIndex() { return list_.CurrentItem(); }
void AutoMix::ListPort::MarkHot(int index) { list_.Model().SetMarkedRow(index); }
void AutoMix::ListPort::LoadNextIntoPlayer() { feed_.LoadNextIntoPlayer(); }

AutoMix::AutoMix(Decks& decks, SongsList& list, PlayerFeed& feed, MixStyleModel& styles, MixSettings& settings,
                 TimerTable& timers, SystemServices& system, std::function<void(const QString&)> status)
    : decks_(decks),
      listPort_(list, feed),
      styles_(styles),
      status_(std::move(status)),
      engine_(decks, listPort_, *this, timers, settings, system) {}

AutoMix::~AutoMix() { SetBusyCursor(false); }

bool AutoMix::OnTimer(int id) {
  if (!engine_.OnTimer(id)) return false;
  if (id == timerid::kCrossfade) ShowCrossfadeBars();
  return true;
}

void AutoMix::ShowCrossfadeBars() {
  // Each bar shows its deck's level while a crossfade runs, and empties when it ends.
  for (int deck = 1; deck <= 2; ++deck) decks_.SetCrossfade(deck, engine_.Mixing() ? 100 - decks_.Fader(deck) : 0);
}

void AutoMix::SetLoadNext(bool on) {
  engine_.SetLoadNext(on);
  mixNextShown_ = engine_.MixNext();
  emit togglesChanged();
}

void AutoMix::SetMixNext(bool on) {
  engine_.SetMixNext(on);
  mixNextShown_ = engine_.MixNext();
  emit togglesChanged();
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
  if (on == mixNextShown_) return;
  mixNextShown_ = on;
  emit togglesChanged();
}

void AutoMix::SetBusyCursor(bool on) {
  if (on == busy_) return;
  busy_ = on;
  emit busyChanged(on);
}
