#include "deck/ui/CheckOnLoadButton.h"

#include "deck/Decks.h"

CheckOnLoadButton::CheckOnLoadButton(Decks& decks, QWidget* parent)
    : QPushButton(QStringLiteral("Check On Load"), parent) {
  setCheckable(true);
  setFocusPolicy(Qt::NoFocus);
  setToolTip(QStringLiteral("Check Clip before load"));
  setChecked(decks.CheckOnLoad());
  connect(this, &QPushButton::clicked, &decks, [&decks](bool down) { decks.ClickCheckOnLoad(down); });
  connect(&decks, &Decks::CheckOnLoadChanged, this, [this](bool down) {
    const QSignalBlocker block(this);
    setChecked(down);
  });
}
