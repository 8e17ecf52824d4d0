#include "deck/Equalizer.h"

#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include "deck/CentrePanel.h"
#include "deck/DeckPanel.h"
#include "deck/Player.h"

Equalizer::Equalizer(CentrePanel& centre, std::array<Player*, 2> players, std::array<DeckPanel*, 2> panels)
    : centre_(centre), players_(players), panels_(panels) {
  for (int i = 0; i < 6; ++i) connect(centre_.EqualizerSlider(i), &QSlider::valueChanged, this, &Equalizer::Apply);
  connect(centre_.EqualizerReset(), &QPushButton::clicked, this, &Equalizer::Reset);
  for (int d = 1; d <= 2; ++d) {
    connect(panels_[d - 1]->Equalizer(), &QToolButton::clicked, this, [this, d] { Toggle(d); });
  }
}

void Equalizer::Toggle(int deck) {
  const int i = deck - 1;
  eqOn_[i] = !eqOn_[i];
  DeckPanel::ShowIcon(panels_[i]->Equalizer(), eqOn_[i] ? DeckIcon::EqOn : DeckIcon::EqOff);
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
  centre_.Mix()->setFocus();
}

EqualizerSliders Equalizer::Sliders() const {
  EqualizerSliders sliders{};
  for (int i = 0; i < 6; ++i) sliders[i] = centre_.EqualizerSlider(i)->value();
  return sliders;
}

void Equalizer::SetSliders(const EqualizerSliders& sliders) {
  for (int i = 0; i < 6; ++i) {
    QSlider* slider = centre_.EqualizerSlider(i);
    const QSignalBlocker block(slider);
    slider->setValue(sliders[i]);
  }
}

void Equalizer::OnReported(const std::array<int8_t, 32>& bands) { SetSliders(SlidersFromBands(bands)); }
