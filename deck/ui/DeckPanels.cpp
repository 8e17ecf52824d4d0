#include "deck/ui/DeckPanels.h"

#include "deck/Decks.h"
#include "deck/ui/CentrePanel.h"
#include "deck/ui/CheckOnLoadButton.h"
#include "deck/ui/DeckPanel.h"
#include "deck/ui/DigitStrip.h"

DeckPanels::DeckPanels(Decks& decks, QWidget* parent) {
  const QPixmap strip = MakeDigitStrip(16, 24);
  for (int i = 0; i < 2; ++i) {
    decks_[i] = new DeckPanel(i + 1, decks, strip, parent);
    connect(decks_[i], &DeckPanel::OpenClicked, this, &DeckPanels::OpenRequested);
  }
  centre_ = new CentrePanel(decks, parent);
  connect(centre_, &CentrePanel::MixClicked, this, &DeckPanels::MixClicked);
  checkOnLoad_ = new CheckOnLoadButton(decks, parent);
}

DeckPanels::~DeckPanels() {
  delete checkOnLoad_.data();
  delete centre_.data();
  for (const QPointer<DeckPanel>& panel : decks_) delete panel.data();
}

DeckPanel* DeckPanels::Deck(int deck) const { return deck == 1 || deck == 2 ? decks_[deck - 1].data() : nullptr; }
