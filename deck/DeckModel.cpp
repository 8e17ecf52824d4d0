#include "formats/TimeText.h"
#include "deck/DeckModel.h"

#include <algorithm>

#include "formats/TimeText.h"

DeckModel::DeckModel(int deck, QObject* parent)
    : QObject(parent),
      deck_(deck),
      stateText_(::StateText(PlayerState::None)),
      counter_(QString::fromLatin1(timetext::kUnmeasured)),
      elapsed_(counter_),
      remaining_(counter_),
      duration_(counter_),
      cueMark_(counter_),
      pitchLabel_(QStringLiteral("0")) {}

QString DeckModel::FaderLabelText(int position) {
  return position < 96 ? QString::asprintf("-%d db", position) : QStringLiteral("oo");
}

void DeckModel::SetText(QString& field, const QString& text, Part part) {
  if (field == text) return;
  field = text;
  emit Changed(part);
}

void DeckModel::SetState(PlayerState state) {
  if (state_ == state) return;
  state_ = state;
  emit Changed(kState);
}

void DeckModel::SetStateText(const QString& text) { SetText(stateText_, text, kState); }

void DeckModel::SetElapsed(const QString& text) {
  if (counter_ == text && elapsed_ == text) return;
  counter_ = elapsed_ = text;
  emit Changed(kElapsed);
}

void DeckModel::SetElapsedCopy(const QString& text) { SetText(elapsed_, text, kElapsed); }
void DeckModel::SetRemaining(const QString& text) { SetText(remaining_, text, kRemaining); }
void DeckModel::SetDuration(const QString& text) { SetText(duration_, text, kDuration); }
void DeckModel::SetTitle(const QString& text) { SetText(title_, text, kTitle); }
void DeckModel::SetCueMark(const QString& text) { SetText(cueMark_, text, kCueMark); }

void DeckModel::SetPosition(int frame) {
  frame = std::clamp(frame, 1, positionMax_);
  if (position_ == frame) return;
  position_ = frame;
  emit Changed(kPosition);
}

void DeckModel::SetPositionRange(int max, int tick) {
  max = std::max(max, 1);
  if (positionMax_ == max && positionTick_ == tick) return;
  positionMax_ = max;
  positionTick_ = tick;
  unsigned parts = kPositionRange;
  if (position_ > max) {
    position_ = max;
    parts |= kPosition;
  }
  emit Changed(parts);
}

void DeckModel::SetFader(int position) {
  position = std::clamp(position, 0, kFaderMax);
  if (fader_ == position) return;
  fader_ = position;
  emit Changed(kFader);
}

void DeckModel::SetPitch(int position) {
  position = std::clamp(position, kPitchMin, kPitchMax);
  if (pitch_ == position) return;
  pitch_ = position;
  emit Changed(kPitch);
}

void DeckModel::SetPitchLabel(const QString& text) { SetText(pitchLabel_, text, kPitch); }

void DeckModel::SetPitchIcon(DeckIcon icon) {
  if (pitchIcon_ == icon) return;
  pitchIcon_ = icon;
  emit Changed(kPitch);
}

void DeckModel::SetMonitorIcon(DeckIcon icon) {
  if (monitorIcon_ == icon) return;
  monitorIcon_ = icon;
  emit Changed(kMonitor);
}

void DeckModel::SetEqualizerIcon(DeckIcon icon) {
  if (eqIcon_ == icon) return;
  eqIcon_ = icon;
  emit Changed(kEqualizer);
}

void DeckModel::SetAutoCue(bool on) {
  if (autoCue_ == on) return;
  autoCue_ = on;
  emit Changed(kAutoCue);
}

void DeckModel::SetLoadPicture(int picture) {
  picture = picture == 1 ? 1 : 0;
  if (loadPicture_ == picture) return;
  loadPicture_ = picture;
  emit Changed(kLoadLamp);
}
