#include "deck/ui/DeckIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 22;

void DrawEq(QPainter& p, bool on) {
  const QColor bar = on ? QColor(80, 220, 110) : QColor(90, 90, 90);
  const int heights[] = {8, 14, 18, 12, 6};
  for (int i = 0; i < 5; ++i) p.fillRect(2 + i * 4, kSize - 3 - heights[i], 3, heights[i], bar);
  if (!on) {
    p.setPen(QPen(QColor(220, 60, 50), 2));
    p.drawLine(3, 3, kSize - 3, kSize - 3);
  }
}

void DrawPitch(QPainter& p, DeckIcon icon) {
  p.setPen(Qt::NoPen);
  if (icon == DeckIcon::PitchNormal) {
    p.setBrush(QColor(80, 220, 110));
    p.drawEllipse(QPointF(kSize / 2.0, kSize / 2.0), 5, 5);
    return;
  }
  const bool up = icon == DeckIcon::PitchAbove;
  p.setBrush(up ? QColor(240, 80, 60) : QColor(80, 160, 240));
  QPainterPath arrow;
  const double tip = up ? 3 : kSize - 3, base = up ? kSize - 5 : 5;
  arrow.moveTo(kSize / 2.0, tip);
  arrow.lineTo(3, base);
  arrow.lineTo(kSize - 3, base);
  arrow.closeSubpath();
  p.drawPath(arrow);
}

void DrawMonitor(QPainter& p, bool cue) {
  const QColor c = cue ? QColor(250, 190, 40) : QColor(170, 170, 170);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawRect(3, 8, 5, 6);  // speaker body
  QPolygon cone;
  cone << QPoint(8, 8) << QPoint(13, 4) << QPoint(13, 18) << QPoint(8, 14);
  p.drawPolygon(cone);
  p.setPen(QPen(c, 2));
  p.setBrush(Qt::NoBrush);
  if (cue) {
    p.drawText(QRect(13, 0, 9, kSize), Qt::AlignCenter, QStringLiteral("2"));
  } else {
    p.drawArc(12, 6, 8, 10, -60 * 16, 120 * 16);
  }
}

void DrawSetCue(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 190, 40));
  QPolygon flag;
  flag << QPoint(6, 3) << QPoint(18, 7) << QPoint(6, 11);
  p.drawPolygon(flag);
  p.fillRect(5, 3, 2, kSize - 5, QColor(220, 220, 220));
}

}  // namespace

QIcon DeckIconPicture(DeckIcon icon) {
  QPixmap pix(kSize, kSize);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  switch (icon) {
    case DeckIcon::EqOn:
    case DeckIcon::EqOff:
      DrawEq(p, icon == DeckIcon::EqOn);
      break;
    case DeckIcon::PitchBelow:
    case DeckIcon::PitchNormal:
    case DeckIcon::PitchAbove:
      DrawPitch(p, icon);
      break;
    case DeckIcon::MonitorMain:
    case DeckIcon::MonitorCue:
      DrawMonitor(p, icon == DeckIcon::MonitorCue);
      break;
    case DeckIcon::SetCue:
      DrawSetCue(p);
      break;
  }
  p.end();
  return QIcon(pix);
}
