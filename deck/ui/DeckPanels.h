// The decks' part of the main window: both deck panels, the centre panel and "Check On
// Load", created as children of the window and bound to the decks. The window places them.
//
// Keep it as a member declared after the Decks: the panels go first, with it.
#pragma once

#include <QObject>
#include <QPointer>

#include <array>

#include "deck/ui/CentrePanel.h"
#include "deck/ui/CheckOnLoadButton.h"
#include "deck/ui/DeckPanel.h"

class Decks;

class DeckPanels : public QObject {
  Q_OBJECT
 public:
  DeckPanels(Decks& decks, QWidget* parent);
  // Deletes the panels unless the window already has.
  ~DeckPanels() override;

  DeckPanel* Deck(int deck) const;
  CentrePanel* Centre() const { return centre_; }
  CheckOnLoadButton* CheckOnLoad() const { return checkOnLoad_; }

 signals:
  // A deck's "Open" was clicked.
  void OpenRequested(int deck);
  // "M I X" was clicked.
  void MixClicked();

 private:
  std::array<QPointer<DeckPanel>, 2> decks_;
  QPointer<CentrePanel> centre_;
  QPointer<CheckOnLoadButton> checkOnLoad_;
};
