#include "mix/MixSettings.h"

StyleParameters ParametersOf(const MixStyle& style) {
  auto number = [&style](StyleField f) { return StyleNumber(style.Field(f)); };
  return {
      mixrange::kSkip.Clamp(number(StyleField::SkipSecOffset)),
      mixrange::kWaitLevel.Clamp(number(StyleField::WaitVolumeValue)),
      number(StyleField::WaitVolume) != 0 ? 1 : 0,
      mixrange::kInSpeed.Clamp(number(StyleField::InSpeedStep)),
      mixrange::kOutSpeed.Clamp(number(StyleField::OutSpeedStep)),
      mixrange::kMixSpeed.Clamp(number(StyleField::MixTimerInterval)),
      mixrange::kStartVolume.Clamp(number(StyleField::StyleStartVolume)),
  };
}

QString StyleForClip(const QString& title, bool advertsOn, const QString& defaultStyleSetting,
                     const QString& currentStyleName) {
  if (!advertsOn) return currentStyleName;
  return title.startsWith(QStringLiteral("* ")) ? QString::fromLatin1(kAdvertStyle) : defaultStyleSetting;
}
