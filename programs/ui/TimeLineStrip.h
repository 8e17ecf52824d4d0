// The Day Program Maker's time line: a 564 x 36 strip of the 24 hours with a mark on each
// half-hour the programs take (the slot mask). It only draws; the dialog reads the mouse.
#pragma once

#include <QString>
#include <QWidget>

class TimeLineStrip : public QWidget {
  Q_OBJECT

 public:
  explicit TimeLineStrip(QWidget* parent = nullptr);

  void SetMask(const QString& mask);
  QString Mask() const { return mask_; }

 signals:
  // Mouse events in the strip's own coordinates; the dialog maps them.
  void mouseMoved(QPoint at, bool leftHeld);
  void doubleClicked(QPoint at);
  void left();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QString mask_;
};
