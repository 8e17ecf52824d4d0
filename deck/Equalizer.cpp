#include "deck/Equalizer.h"

#include "deck/CentreModel.h"
#include "deck/DeckModel.h"
#include "deck/Player.h"

Equalizer::Equalizer(CentreModel& centre, std::array<Player*, 2> players, std::array<DeckModel*, 2> models)
    : centre_(centre), players_(players), models_(models) {}

void Equalizer::Toggle(int deck) {
  const int i = deck - 1;
  eqOn_[i] = !eqOn_[i];
  models_[i]->SetEqualizerIcon(eqOn_[i] ? DeckIcon::EqOn : DeckIcon::EqOff);
  if (eqOn_[i]) {
    Apply();
  } else {
    players_[i]->SendEqualizer({});
  }
}

void Equalizer::Apply() {
  const auto table = BuildEqualizerTable(Sliders());
  for (int i = 0; i < 2; ++i) {
    if (eqOn_[i]) players_[i]->SendEqualizer(table);
  }
}

void Equalizer::Reset() {
  SetSliders({});
  for (Player* player : players_) player->SendEqualizer({});
}

void Equalizer::MoveSlider(int n, int value) {
  if (n < 0 || n >= 6) return;
  centre_.SetEqualizerSlider(n, value);
  Apply();
}

EqualizerSliders Equalizer::Sliders() const { return centre_.Sliders(); }

void Equalizer::SetSliders(const EqualizerSliders& sliders) { centre_.SetSliders(sliders); }

void Equalizer::OnReported(int deck, const std::array<int8_t, 32>& bands) {
  // A deck switched off reports the flat table it was sent, not the sliders: taking it
  // would zero the shared sliders and, at exit, the stored EQ1-EQ6.
  if (!EqOn(deck)) return;
  SetSliders(SlidersFromBands(bands));
}
