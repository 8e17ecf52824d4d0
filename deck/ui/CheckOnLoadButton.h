// "Check On Load": shows whether the decks check clips before loading them, and switches it.
#pragma once

#include <QPushButton>

class Decks;

class CheckOnLoadButton : public QPushButton {
  Q_OBJECT
 public:
  // decks must outlive the button (or the button is deleted first).
  explicit CheckOnLoadButton(Decks& decks, QWidget* parent = nullptr);
};
