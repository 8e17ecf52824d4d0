// The equaliser table sent to the engine: 32 bands from the six sliders, twice (left, then
// right). A slider moved up (toward its minimum) raises its bands, so each band is the
// negated slider position.
#pragma once

#include <array>
#include <cstdint>

using EqualizerSliders = std::array<int, 6>;

// First band of each slider's group; a group runs to the next one's first band.
inline constexpr std::array<int, 7> kEqualizerGroupStart = {0, 1, 2, 4, 8, 14, 32};
// Slider ranges: slider i runs from -kEqualizerRange[i] to +kEqualizerRange[i].
inline constexpr std::array<int, 6> kEqualizerRange = {30, 35, 40, 50, 60, 70};

std::array<int8_t, 64> BuildEqualizerTable(const EqualizerSliders& sliders);
// The engine's reported bands back to slider positions (each group's first band).
EqualizerSliders SlidersFromBands(const std::array<int8_t, 32>& bands);
