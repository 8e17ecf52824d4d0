// The shared equaliser: six sliders, each deck's on/off switch and icon, and the table
// sent to the decks whose equaliser is on.
#pragma once

#include <QObject>

#include <array>
#include <cstdint>

#include "deck/EqualizerTable.h"

class CentrePanel;
class DeckPanel;
class Player;

class Equalizer : public QObject {
  Q_OBJECT
 public:
  Equalizer(CentrePanel& centre, std::array<Player*, 2> players, std::array<DeckPanel*, 2> panels);

  bool EqOn(int deck) const { return eqOn_[deck - 1]; }
  // Records the switch without telling the engine (settings); start-up toggles twice.
  void SetEqOn(int deck, bool on) { eqOn_[deck - 1] = on; }
  // The deck's equaliser icon: off sends a flat table to it, on applies the sliders.
  void Toggle(int deck);
  // The sliders' table to every deck whose equaliser is on.
  void Apply();
  // "eq =": sliders to 0 and a flat table to both decks.
  void Reset();
  EqualizerSliders Sliders() const;
  // Moves the sliders without sending anything (settings, engine reports).
  void SetSliders(const EqualizerSliders& sliders);
  void OnReported(const std::array<int8_t, 32>& bands);

 private:
  CentrePanel& centre_;
  std::array<Player*, 2> players_;
  std::array<DeckPanel*, 2> panels_;
  std::array<bool, 2> eqOn_{true, true};
};
