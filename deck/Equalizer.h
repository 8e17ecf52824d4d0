// The shared equaliser: six sliders, each deck's on/off switch and icon, and the table
// sent to the decks whose equaliser is on.
#pragma once

#include <array>
#include <cstdint>

#include "deck/EqualizerTable.h"

class CentreModel;
class DeckModel;
class Player;

class Equalizer {
 public:
  Equalizer(CentreModel& centre, std::array<Player*, 2> players, std::array<DeckModel*, 2> models);

  bool EqOn(int deck) const { return eqOn_[deck - 1]; }
  // Records the switch without telling the engine (settings); start-up toggles twice.
  void SetEqOn(int deck, bool on) { eqOn_[deck - 1] = on; }
  // The deck's equaliser icon: off sends a flat table to it, on applies the sliders.
  void Toggle(int deck);
  // The sliders' table to every deck whose equaliser is on.
  void Apply();
  // "eq =": sliders to 0 and a flat table to both decks.
  void Reset();
  // The operator moved slider n (0 to 5).
  void MoveSlider(int n, int value);
  EqualizerSliders Sliders() const;
  // Moves the sliders without sending anything (settings, engine reports).
  void SetSliders(const EqualizerSliders& sliders);
  // The engine's equaliser report of a deck moves the sliders while that deck's is on.
  void OnReported(int deck, const std::array<int8_t, 32>& bands);

 private:
  CentreModel& centre_;
  std::array<Player*, 2> players_;
  std::array<DeckModel*, 2> models_;
  std::array<bool, 2> eqOn_{true, true};
};
