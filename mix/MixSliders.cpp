#include "mix/MixSliders.h"

ValueRange RangeOf(MixSlider slider) {
  switch (slider) {
    case MixSlider::Skip:
      return mixrange::kSkip;
    case MixSlider::WaitLevel:
      return mixrange::kWaitLevel;
    case MixSlider::InSpeed:
      return mixrange::kInSpeed;
    case MixSlider::OutSpeed:
      return mixrange::kOutSpeed;
    case MixSlider::MixSpeed:
      return mixrange::kMixSpeed;
    case MixSlider::StartVolume:
      return mixrange::kStartVolume;
  }
  return {0, 0};
}

QString SliderLabel(MixSlider slider, int value, bool byHand) {
  switch (slider) {
    case MixSlider::Skip:
      return QString::asprintf("Skip the last %d seconds", value);
    case MixSlider::WaitLevel:
      return QString::asprintf("-%d db", value);
    case MixSlider::InSpeed:
      return QString::asprintf("In Speed %d", value);
    case MixSlider::OutSpeed:
      return QString::asprintf("Out Speed %d", value);
    case MixSlider::MixSpeed:
      return byHand ? QString::number(value) : QString::asprintf("-%d", value);
    case MixSlider::StartVolume:
      return QString::asprintf("-%d", value);
  }
  return {};
}

int& SettingOf(MixSettings& settings, MixSlider slider) {
  switch (slider) {
    case MixSlider::Skip:
      return settings.skipSecOffset;
    case MixSlider::WaitLevel:
      return settings.waitVolumeValue;
    case MixSlider::InSpeed:
      return settings.inSpeedStep;
    case MixSlider::OutSpeed:
      return settings.outSpeedStep;
    case MixSlider::MixSpeed:
      return settings.mixTimerInterval;
    case MixSlider::StartVolume:
      return settings.styleStartVolume;
  }
  return settings.styleStartVolume;
}

SliderState InitialSlider(MixSlider slider) {
  MixSettings defaults;
  const int value = SettingOf(defaults, slider);
  switch (slider) {
    case MixSlider::WaitLevel:
      return {value, QStringLiteral("0 db"), false};
    case MixSlider::MixSpeed:
      return {value, QStringLiteral("100"), true};
    default:
      return {value, SliderLabel(slider, value, false), true};
  }
}
