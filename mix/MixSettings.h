// The mixing parameters in force, which the crossfade works from, and the ranges that the
// mixing controls clamp them to.
#pragma once

#include <QString>

#include "formats/MixStyle.h"

struct ValueRange {
  int min;
  int max;
  int Clamp(int v) const { return v < min ? min : (v > max ? max : v); }
};

namespace mixrange {
inline constexpr ValueRange kSkip{0, 60};
inline constexpr ValueRange kWaitLevel{0, 45};
inline constexpr ValueRange kInSpeed{0, 10};
inline constexpr ValueRange kOutSpeed{0, 3};
inline constexpr ValueRange kMixSpeed{10, 50};
inline constexpr ValueRange kStartVolume{0, 95};
}  // namespace mixrange

// Defaults mirror the mixing controls' initial positions, so values and controls agree
// before any style is applied.
struct MixSettings {
  QString appliedStyleName;
  int skipSecOffset = 4;
  int waitVolumeValue = 0;
  int waitVolume = 0;
  int inSpeedStep = 2;
  int outSpeedStep = 0;
  int mixTimerInterval = 25;
  int styleStartVolume = 95;
  // Current fader steps during a crossfade; reset to 1 when one starts.
  int inSpeed = 1;
  int outSpeed = 1;
};

// A style's numbers as they come into force: clamped to the controls' ranges; the wait
// switch is on (1) for any non-zero field, so the crossfade sees only 0 or 1.
struct StyleParameters {
  int skipSecOffset;
  int waitVolumeValue;
  int waitVolume;
  int inSpeedStep;
  int outSpeedStep;
  int mixTimerInterval;
  int styleStartVolume;
  bool operator==(const StyleParameters&) const = default;
};
StyleParameters ParametersOf(const MixStyle& style);

inline constexpr char kAdvertStyle[] = "ADVS";
inline constexpr char kDefaultStyle[] = "DEF1";

// The style a clip is loaded with. With advert insertion on, an advert clip (title
// beginning "* ") gets "ADVS" and any other clip the default mix style setting; with it
// off, the style the user chose.
QString StyleForClip(const QString& title, bool advertsOn, const QString& defaultStyleSetting,
                     const QString& currentStyleName);
