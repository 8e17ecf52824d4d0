// A counter drawn from a digit strip picture: a fixed number of cells, each a digit, ":"
// or blank. Shows a text (the deck counters) or a number right-aligned in its cells.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class DigitDisplay : public QWidget {
  Q_OBJECT
 public:
  // cells: 1 to 11. The widget sizes itself to the cells plus a 2-pixel border.
  DigitDisplay(const QPixmap& strip, int cells, QWidget* parent = nullptr);

  void SetText(const QString& text);
  void SetNumber(long value);
  QString Text() const { return text_; }
  int Cells() const { return cells_; }

  // Strip cell drawn for a character: 0-9 digits, 11 ":", 10 anything else.
  static int CellFor(QChar c);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap strip_;
  int cells_;
  int cellWidth_;
  QString text_;
};
