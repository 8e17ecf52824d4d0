#include "deck/ui/DigitStrip.h"

#include <QPainter>
#include <QPolygonF>

namespace {

// Segments a-g of a seven-segment digit, as bits 0-6.
constexpr unsigned char kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

QPolygonF Horizontal(double x, double y, double len, double t) {
  return QPolygonF({{x, y}, {x + t / 2, y - t / 2}, {x + len - t / 2, y - t / 2}, {x + len, y},
                    {x + len - t / 2, y + t / 2}, {x + t / 2, y + t / 2}});
}

QPolygonF Vertical(double x, double y, double len, double t) {
  return QPolygonF({{x, y}, {x + t / 2, y + t / 2}, {x + t / 2, y + len - t / 2}, {x, y + len},
                    {x - t / 2, y + len - t / 2}, {x - t / 2, y + t / 2}});
}

void DrawDigit(QPainter& p, const QRectF& cell, int digit, const QColor& on, const QColor& off) {
  const double t = cell.width() * 0.16;
  const double l = cell.left() + cell.width() * 0.2, r = cell.right() - cell.width() * 0.2;
  const double top = cell.top() + cell.height() * 0.12, bottom = cell.bottom() - cell.height() * 0.12;
  const double mid = (top + bottom) / 2, w = r - l, h = mid - top;
  const QPolygonF seg[7] = {Horizontal(l, top, w, t),    Vertical(r, top, h, t),  Vertical(r, mid, h, t),
                            Horizontal(l, bottom, w, t), Vertical(l, mid, h, t),  Vertical(l, top, h, t),
                            Horizontal(l, mid, w, t)};
  for (int s = 0; s < 7; ++s) {
    const bool lit = digit >= 0 && (kSegments[digit] >> s & 1);
    p.setBrush(lit ? on : off);
    p.drawPolygon(seg[s]);
  }
}

}  // namespace

QPixmap MakeDigitStrip(int cellWidth, int cellHeight) {
  QPixmap strip(cellWidth * 12, cellHeight);
  strip.fill(Qt::black);
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const QColor on(255, 176, 0), off(40, 26, 0);
  for (int c = 0; c < 12; ++c) {
    const QRectF cell(c * cellWidth, 0, cellWidth, cellHeight);
    if (c < 10) {
      DrawDigit(p, cell, c, on, off);
    } else if (c == 10) {
      DrawDigit(p, cell, -1, on, off);  // blank: unlit segments only
    } else {
      p.setBrush(on);
      const double d = cellWidth * 0.18, cx = cell.center().x();
      p.drawEllipse(QPointF(cx, cellHeight * 0.35), d / 2, d / 2);
      p.drawEllipse(QPointF(cx, cellHeight * 0.65), d / 2, d / 2);
    }
  }
  return strip;
}
