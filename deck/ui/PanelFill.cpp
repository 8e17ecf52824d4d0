#include "deck/ui/PanelFill.h"

#include <QGroupBox>
#include <QImage>
#include <QPalette>

void FillLikePanel(QGroupBox& panel, const QList<QWidget*>& widgets) {
  if (panel.width() <= 0 || panel.height() <= 0) return;
  QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
  // The panel alone, on its own background, without its children.
  panel.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  const QColor inside = image.pixelColor(panel.width() / 2, panel.height() - 12);
  for (QWidget* widget : widgets) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, inside);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
  }
}
