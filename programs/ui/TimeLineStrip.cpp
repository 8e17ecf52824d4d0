#include "programs/ui/TimeLineStrip.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kWidth = 564, kHeight = 36, kDrawnWidth = 556;
constexpr int kMarkLeft = 16, kMarkStep = 11, kMarkTop = 16, kMarkWidth = 8, kMarkHeight = 18;

}  // namespace

TimeLineStrip::TimeLineStrip(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setMouseTracking(true);
}

void TimeLineStrip::SetMask(const QString& mask) {
  mask_ = mask;
  update();
}

void TimeLineStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // The scale: a dark band with a tick on every half-hour and the even hours named.
  p.fillRect(0, 0, kDrawnWidth, kHeight, QColor(24, 28, 36));
  p.setPen(QColor(90, 100, 120));
  p.drawRect(kMarkLeft - 1, kMarkTop - 1, 48 * kMarkStep, kMarkHeight + 1);
  QFont f = font();
  f.setPixelSize(9);
  p.setFont(f);
  for (int i = 0; i <= 48; ++i) {
    const int x = kMarkLeft + kMarkStep * i - 2;
    p.setPen(i % 2 == 0 ? QColor(170, 180, 200) : QColor(90, 100, 120));
    p.drawLine(x, kMarkTop - (i % 2 == 0 ? 5 : 3), x, kMarkTop - 1);
    if (i % 4 == 0 && i < 48) p.drawText(QRect(x - 10, 0, 22, 10), Qt::AlignCenter, QString::number(i / 2));
  }
  for (int i = 0; i < 48 && i < mask_.size(); ++i) {
    if (mask_[i] != u'1') continue;
    p.fillRect(kMarkLeft + kMarkStep * i, kMarkTop, kMarkWidth, kMarkHeight, QColor(255, 176, 0));
  }
}

void TimeLineStrip::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->position().toPoint(), event->buttons() & Qt::LeftButton);
}

void TimeLineStrip::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit mouseMoved(event->position().toPoint(), true);
}

void TimeLineStrip::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked(event->position().toPoint());
}

void TimeLineStrip::leaveEvent(QEvent*) { emit left(); }
