#include "deck/ui/DigitDisplay.h"

#include <QPainter>

#include <algorithm>

DigitDisplay::DigitDisplay(const QPixmap& strip, int cells, QWidget* parent)
    : QWidget(parent), strip_(strip), cells_(std::clamp(cells, 1, 11)), cellWidth_(strip.width() / 12) {
  setFixedSize(cells_ * cellWidth_ + 4, strip_.height() + 4);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void DigitDisplay::SetText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

void DigitDisplay::SetNumber(long value) {
  QString digits = QString::number(value);
  if (digits.size() > cells_) digits = digits.right(cells_);
  SetText(digits.rightJustified(cells_, QLatin1Char(' ')));
}

int DigitDisplay::CellFor(QChar c) {
  if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
  if (c == u':') return 11;
  return 10;
}

void DigitDisplay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  for (int i = 0; i < cells_; ++i) {
    const int cell = i < text_.size() ? CellFor(text_.at(i)) : 10;
    p.drawPixmap(2 + i * cellWidth_, 2, strip_, cell * cellWidth_, 0, cellWidth_, strip_.height());
  }
}
