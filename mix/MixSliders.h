// The mixing controls of the "Mix Style" group, one slider for each MixSettings value it
// mirrors: its range, how its label reads, and which setting it holds.
#pragma once

#include <QString>

#include "mix/MixSettings.h"

enum class MixSlider { Skip, WaitLevel, InSpeed, OutSpeed, MixSpeed, StartVolume };

inline constexpr MixSlider kMixSliders[] = {MixSlider::Skip,     MixSlider::WaitLevel, MixSlider::InSpeed,
                                            MixSlider::OutSpeed, MixSlider::MixSpeed,  MixSlider::StartVolume};

// What a slider and its label show.
struct SliderState {
  int value = 0;
  QString label;
  bool enabled = true;
  bool operator==(const SliderState&) const = default;
};

ValueRange RangeOf(MixSlider slider);

// The label for a position set by a style or by the user's hand; only the mix speed reads
// differently ("-%d" from a style, "%d" while dragged).
QString SliderLabel(MixSlider slider, int value, bool byHand);

// The setting in force that the slider holds.
int& SettingOf(MixSettings& settings, MixSlider slider);

// How the group first shows: the positions match MixSettings' defaults; the wait-level
// slider is disabled (the "Mix at " box starts off) and it and the mix speed carry their
// first labels, "0 db" and "100", until something moves them.
SliderState InitialSlider(MixSlider slider);
