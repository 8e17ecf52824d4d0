#include "app/RemoteModeView.h"

#include "remote/RemoteControl.h"
#include "remote/RemoteModes.h"
#include "station/Station.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace {

// The remote's mode pictures, one per mode: a badge in the mode's colour with its number
// and what the buttons drive in it.
QPixmap RemoteModePicture(int mode) {
  struct Look {
    const char* caption;
    QColor colour;
  };
  static const Look kLooks[] = {{"MIX", QColor(0x2e, 0x9e, 0x4f)},
                                {"PLAYER 1", QColor(0x2f, 0x7f, 0xd0)},
                                {"PLAYER 2", QColor(0x8a, 0x4f, 0xd0)},
                                {"EQ / VOL", QColor(0xd0, 0x8a, 0x1f)},
                                {"AUTO", QColor(0xc8, 0x3c, 0x3c)}};
  QPixmap picture(56, 36);
  picture.fill(Qt::transparent);
  if (mode < 1 || mode > 5) return picture;
  const Look& look = kLooks[mode - 1];
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(look.colour.lighter(140));
  p.setBrush(look.colour.darker(160));
  p.drawRoundedRect(QRectF(0.5, 0.5, 55, 35), 5, 5);
  p.setPen(look.colour.lighter(170));
  QFont big = p.font();
  big.setBold(true);
  big.setPixelSize(16);
  p.setFont(big);
  p.drawText(QRect(0, 1, 56, 20), Qt::AlignCenter, QString::number(mode));
  QFont small = big;
  small.setPixelSize(9);
  p.setFont(small);
  p.drawText(QRect(0, 20, 56, 14), Qt::AlignCenter, QString::fromLatin1(look.caption));
  return picture;
}

}  // namespace

RemoteModeView::RemoteModeView(Station& station, QWidget* window) : QObject(window), station_(station) {
  text_ = new QLabel(window);
  text_->setObjectName(QStringLiteral("RemoteModeText"));
  text_->setGeometry(684, 364, 110, 128);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  text_->setStyleSheet(QStringLiteral("color: #9fdc9f; font: 10px monospace;"));
  picture_ = new QLabel(window);
  picture_->setObjectName(QStringLiteral("RemoteModePicture"));
  picture_->setGeometry(684, 496, 56, 36);
  active_ = new QLabel(QStringLiteral("REMOTE"), window);
  active_->setObjectName(QStringLiteral("RemoteActive"));
  active_->setToolTip(QStringLiteral("Remote Control"));
  active_->setGeometry(744, 496, 50, 36);
  active_->setAlignment(Qt::AlignCenter);
  active_->setStyleSheet(QStringLiteral("color: #101010; background: #ffb000; border-radius: 4px; font: bold 10px;"));
  active_->hide();
  connect(&station.RemoteButtons(), &RemoteModes::displayChanged, this, &RemoteModeView::Show);
  connect(&station.Remote(), &RemoteControl::remoteOpenChanged, active_, &QLabel::setVisible);
  Show();
}

void RemoteModeView::Show() {
  const RemoteModes& modes = station_.RemoteButtons();
  text_->setText(modes.ModeText());
  picture_->setPixmap(RemoteModePicture(modes.ShownPicture()));
  picture_->setVisible(modes.ShownPicture() != 0);
}
