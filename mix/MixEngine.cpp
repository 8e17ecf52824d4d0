#include "mix/MixEngine.h"

#include "platform/SystemServices.h"
#include "platform/TimerIds.h"
#include "platform/TimerTable.h"

namespace {

constexpr int kWatchPeriodMs = 500;
constexpr int kBlinkPeriodMs = 100;
constexpr uint32_t kLastFrames = 15;

int InDeck(MixDirection d) { return d == MixDirection::Player1In ? 1 : 2; }
int OutDeck(MixDirection d) { return d == MixDirection::Player1In ? 2 : 1; }

}  // namespace

MixEngine::MixEngine(DeckControl& decks, MixList& list, MixControls& controls, TimerTable& timers,
                     MixSettings& settings, SystemServices& system)
    : decks_(decks), list_(list), controls_(controls), timers_(timers), settings_(settings), system_(system) {}

bool MixEngine::OnTimer(int id) {
  switch (id) {
    case timerid::kWatch:
      Watch();
      return true;
    case timerid::kCrossfade:
      CrossfadeTick();
      return true;
    case timerid::kEnsurePlay:
      EnsurePlayTick();
      return true;
    case timerid::kStartUpMix:
      // One start is enough; a second only when the first found nothing to mix, so the
      // first clip is not paused, restarted and logged again.
      StartMix();
      if (!mixing_) StartMix();
      timers_.Stop(timerid::kStartUpMix);
      return true;
    case timerid::kLoadBlink1:
    case timerid::kLoadBlink2:
      Blink(id);
      return true;
    default:
      return false;
  }
}

bool MixEngine::PastSkipPoint(int deck) const {
  if (decks_.Title(deck).startsWith(QLatin1String("* "))) return false;  // adverts play to the end
  const int64_t skip = int64_t(settings_.skipSecOffset) * fps_;
  const int64_t length = decks_.LengthFrames(deck);
  if (length < skip) return false;
  return int64_t(decks_.PositionFrames(deck)) > length - skip;
}

bool MixEngine::EndedUnmixed(int deck) const {
  return decks_.State(deck) == PlayerState::AtEnd && !IsPlaying(3 - deck);
}

bool MixEngine::InLastFrames(int deck) const {
  const uint32_t length = decks_.LengthFrames(deck);
  return length >= kLastFrames && decks_.PositionFrames(deck) >= length - kLastFrames;
}

void MixEngine::Watch() {
  if (mixing_ || !mixNext_) return;
  if (PastSkipPoint(1) || PastSkipPoint(2) || InLastFrames(1) || InLastFrames(2) || EndedUnmixed(1) ||
      EndedUnmixed(2)) {
    timers_.Stop(timerid::kWatch);
    StartMix();
  }
}

void MixEngine::StartMix() {
  timers_.Stop(timerid::kCrossfade);
  if (mixing_) {
    if (direction_ == MixDirection::None) return;
    decks_.PlayPause(InDeck(direction_));  // the incoming deck is playing: this pauses it
  }
  if (list_.Count() == 0) {
    controls_.SetStatus(QStringLiteral("Play list is empty!"));
    return;
  }
  if (list_.CurrentIndex() < 0) {
    controls_.SetStatus(QStringLiteral("Please select an item"));
    return;
  }
  const MixDirection direction = ChooseDirection();
  controls_.CaptureMixSettings();
  settings_.inSpeed = 1;
  settings_.outSpeed = 1;
  if (direction == MixDirection::None) {
    EndMix();
    return;
  }
  direction_ = direction;
  mixing_ = true;
  controls_.SetBusyCursor(true);
  timers_.Start(timerid::kCrossfade, settings_.mixTimerInterval);
  const int in = InDeck(direction);
  decks_.Play(in);
  decks_.LogPlayerClip(in);
}

MixDirection MixEngine::ChooseDirection() {
  const bool clip1 = HasClip(1);
  const bool clip2 = HasClip(2);
  if (clip1 && !clip2) return MixDirection::Player1In;
  if (!clip1 && clip2) return MixDirection::Player2In;
  if (!clip1 && !clip2) return MixDirection::None;  // the caller resets with EndMix, once
  const bool playing1 = IsPlaying(1);
  const bool playing2 = IsPlaying(2);
  if (playing1 && !playing2) return MixDirection::Player2In;
  // A clip that has ended is not brought in again while the other deck holds one.
  if (!playing1 && !playing2 && decks_.State(1) == PlayerState::AtEnd && decks_.State(2) != PlayerState::AtEnd)
    return MixDirection::Player2In;
  if (!playing1) return MixDirection::Player1In;
  // Both on air: keep the louder one and bring the other in afresh.
  const int fader1 = decks_.Fader(1);
  const int fader2 = decks_.Fader(2);
  decks_.PlayPause(1);
  return fader1 < fader2 ? MixDirection::Player2In : MixDirection::Player1In;
}

void MixEngine::CrossfadeTick() {
  if (!mixing_) {
    direction_ = ChooseDirection();
    mixing_ = true;
    if (direction_ == MixDirection::None) {
      EndMix();
      return;
    }
  }
  const int done = MixStep(direction_);
  if (done == 1 || done == 2) EndMix();
  for (int deck = 1; deck <= 2; ++deck) {
    if (HasClip(deck)) decks_.SendLevel(deck);
  }
}

int MixEngine::MixStep(MixDirection direction) {
  if (direction == MixDirection::None) return -1;
  const int in = InDeck(direction);
  const int out = OutDeck(direction);
  // Every test uses the positions read at the start of the tick.
  const int a = decks_.Fader(in);
  const int b = decks_.Fader(out);
  controls_.SetStatus(direction == MixDirection::Player1In ? QStringLiteral("MIX 1 -->") : QStringLiteral("MIX 2 -->"));

  decks_.SetFader(in, a - settings_.inSpeed, false);
  settings_.inSpeed += settings_.inSpeedStep;
  if (settings_.waitVolume == 0 || a <= settings_.waitVolumeValue) {
    decks_.SetFader(out, b + settings_.outSpeed, false);
    settings_.outSpeed += settings_.outSpeedStep;
  }
  if (a == 0 && b == 100) return out;
  if (b > 80 && HasClip(out) && decks_.State(out) != PlayerState::Paused) decks_.Pause(out);
  return -1;
}

void MixEngine::EndMix() {
  if (list_.Count() > 0) {
    const int current = list_.CurrentIndex();
    if (current >= 0) list_.MarkHot(current);
  }
  timers_.Stop(timerid::kCrossfade);
  controls_.SetBusyCursor(false);
  mixing_ = false;
  direction_ = MixDirection::None;
  controls_.SetStatus(QString());
  ReevaluateMixNext();
  if (loadNext_) list_.LoadNextIntoPlayer();
}

void MixEngine::ReevaluateMixNext() {
  if (mixNext_) {
    timers_.Start(timerid::kWatch, kWatchPeriodMs);
  } else {
    timers_.Stop(timerid::kWatch);
  }
  controls_.ShowMixNextPicture(mixNext_);
}

void MixEngine::SetLoadNext(bool on) {
  loadNext_ = on;
  if (!on) mixNext_ = false;  // automatic mixing needs automatic loading
  ReevaluateMixNext();
}

void MixEngine::SetMixNext(bool on) {
  mixNext_ = on && loadNext_;
  ReevaluateMixNext();
}

void MixEngine::EnsurePlayTick() {
  if (IsPlaying(1) || IsPlaying(2)) return;
  ++passCount_;
  controls_.SetStatus(QStringLiteral("pass %1").arg(passCount_));
  if (passCount_ == 5) system_.RestartSystem();
  // Every idle pass mixes, the fifth too: the restart may be refused (a station that does
  // not allow it), fail, or take a while, and silence until then is the worst outcome.
  StartMix();
}

void MixEngine::StartLoadBlink(int deck) { timers_.Start(timerid::LoadBlink(deck), kBlinkPeriodMs); }

void MixEngine::Blink(int id) {
  const int deck = id == timerid::kLoadBlink1 ? 1 : 2;
  ++blinkPhase_;
  switch (blinkPhase_) {
    case 1:
      decks_.ShowLoadPicture(deck, 1);
      break;
    case 2:
      decks_.ShowLoadPicture(deck, 0);
      break;
    case 3:
      decks_.ShowLoadPicture(deck, 1);
      blinkPhase_ = -1;
      break;
    default:  // back at 0: the blink is over
      decks_.ShowLoadPicture(deck, 0);
      blinkPhase_ = 0;
      timers_.Stop(id);
      break;
  }
}
