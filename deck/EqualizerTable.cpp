#include "deck/EqualizerTable.h"

#include <algorithm>

std::array<int8_t, 64> BuildEqualizerTable(const EqualizerSliders& sliders) {
  std::array<int8_t, 64> table{};
  for (int s = 0; s < 6; ++s) {
    const int value = -std::clamp(sliders[s], -kEqualizerRange[s], kEqualizerRange[s]);
    for (int band = kEqualizerGroupStart[s]; band < kEqualizerGroupStart[s + 1]; ++band) {
      table[band] = static_cast<int8_t>(value);
      table[band + 32] = static_cast<int8_t>(value);
    }
  }
  return table;
}

EqualizerSliders SlidersFromBands(const std::array<int8_t, 32>& bands) {
  EqualizerSliders sliders{};
  for (int s = 0; s < 6; ++s) {
    sliders[s] = std::clamp(-static_cast<int>(bands[kEqualizerGroupStart[s]]), -kEqualizerRange[s], kEqualizerRange[s]);
  }
  return sliders;
}
