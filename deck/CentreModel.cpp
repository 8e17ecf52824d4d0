#include "deck/CentreModel.h"

#include <algorithm>

// The label reads the bottom of the scale until the start-up sequence sets the fader.
CentreModel::CentreModel(QObject* parent) : QObject(parent), masterLabel_(QStringLiteral("-90 db")) {}

void CentreModel::SetEqualizerSlider(int n, int value) {
  if (n < 0 || n >= 6) return;
  value = std::clamp(value, -kEqualizerRange[n], kEqualizerRange[n]);
  if (sliders_[n] == value) return;
  sliders_[n] = value;
  emit Changed(kEqualizer);
}

void CentreModel::SetSliders(const EqualizerSliders& sliders) {
  EqualizerSliders clamped{};
  for (int n = 0; n < 6; ++n) clamped[n] = std::clamp(sliders[n], -kEqualizerRange[n], kEqualizerRange[n]);
  if (clamped == sliders_) return;
  sliders_ = clamped;
  emit Changed(kEqualizer);
}

void CentreModel::SetMasterPosition(int position) {
  position = std::clamp(position, kMasterMin, kMasterMax);
  if (master_ == position) return;
  master_ = position;
  emit Changed(kMaster);
}

void CentreModel::SetMasterLabel(const QString& text) {
  if (masterLabel_ == text) return;
  masterLabel_ = text;
  emit Changed(kMaster);
}

void CentreModel::SetCrossfade(int bar, int level) {
  int& value = crossfade_[bar == 2 ? 1 : 0];
  level = std::clamp(level, 0, 100);
  if (value == level) return;
  value = level;
  emit Changed(kCrossfade);
}
