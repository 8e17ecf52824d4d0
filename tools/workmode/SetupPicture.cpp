#include "SetupPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void Box(QPainter& p, const QRectF& r, const QString& label, const QColor& fill) {
  p.setPen(QPen(QColor(0xd0, 0xd0, 0xd0), 2));
  p.setBrush(fill);
  p.drawRoundedRect(r, 6, 6);
  p.setPen(Qt::white);
  p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, label);
}

void Cable(QPainter& p, QPointF from, QPointF to, const QColor& colour, const QString& label) {
  p.setPen(QPen(colour, 3));
  QPainterPath path(from);
  const qreal mid = (from.x() + to.x()) / 2;
  path.cubicTo(QPointF(mid, from.y()), QPointF(mid, to.y()), to);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(colour);
  p.drawText(QRectF(mid - 70, (from.y() + to.y()) / 2 - 22, 140, 18), Qt::AlignCenter, label);
}

}  // namespace

SetupPicture::SetupPicture(QWidget* parent) : QWidget(parent) { setMinimumSize(420, 230); }

void SetupPicture::SetMode(WorkingModeChooser::Mode mode) {
  mode_ = mode;
  update();
}

void SetupPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), QColor(0x10, 0x18, 0x20));
  const qreal w = width(), h = height();
  const QColor mainColour(0x40, 0xd0, 0x60), cueColour(0xff, 0xb0, 0x00);
  const QRectF pc(16, h / 2 - 50, 120, 100);
  Box(p, pc, QStringLiteral("KORVO xa\ncomputer"), QColor(0x20, 0x40, 0x70));
  const QRectF desk(w - 150, 24, 134, 70);
  Box(p, desk, QStringLiteral("Mixing desk\n(on air)"), QColor(0x20, 0x60, 0x30));
  if (mode_ == WorkingModeChooser::kMonitor) {
    const QRectF phones(w - 150, h - 94, 134, 70);
    Box(p, phones, QStringLiteral("Headphones\n(monitor / cue)"), QColor(0x70, 0x50, 0x10));
    Cable(p, QPointF(pc.right(), pc.top() + 30), QPointF(desk.left(), desk.center().y()), mainColour,
          QStringLiteral("Sound card 1: MAIN"));
    Cable(p, QPointF(pc.right(), pc.bottom() - 30), QPointF(phones.left(), phones.center().y()), cueColour,
          QStringLiteral("Sound card 2: MONITOR"));
  } else {
    Cable(p, QPointF(pc.right(), pc.center().y()), QPointF(desk.left(), desk.center().y()), mainColour,
          QStringLiteral("One sound card"));
    p.setPen(QColor(0x90, 0x90, 0x90));
    p.drawText(QRectF(w - 220, h - 70, 204, 50), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("No monitor: clips are cued on the main output"));
  }
}
