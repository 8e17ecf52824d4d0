#include "app/InfoPagesDialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int kPageWidth = 460, kPageHeight = 300;

struct PageText {
  const char* caption;
  const char* heading;
  const char* lines;  // one entry per line; "\t" parts a key from what it does
};

const PageText kPages[InfoPagesDialog::kPageCount] = {
    {"General", "KORVO XA: playout for a small station",
     "Two decks play MP3 clips and crossfade by themselves by a mix style.\n"
     "The songs list on the left feeds them: LOAD NEXT loads the next clip into the\n"
     "free deck, MIX NEXT starts the crossfade when the playing clip nears its end.\n"
     "ADVS puts advert blocks into the list two minutes before their time; PRG\n"
     "replaces the list with the day's programs at their times.\n"
     "EP (ensure play) keeps the station on air unattended and brings it back after\n"
     "a restart with the same list, adverts and programs.\n"
     "Everything the station keeps lives in its start folder; H opens the help."},
    {"Application", "The tool buttons",
     "S\tShuffle the play list\tD\tDelete the current clip\n"
     "L\tLoad clips or a play list\tV\tSave the play list\n"
     "C\tClear the play list\tT\tCount the play time\n"
     "+=\tAdd to favourites\tA\tAbout KORVO\n"
     "R\tRemote control on / off\tH\tHelp pages\n"
     "P\tDay programs\tI\tEngine information\n"
     "O\tOptions and preferences\tm\tEdit mix styles\n"
     "X\tExit\t.\tThese pages\n"
     "A right click on a list shows its menu, elsewhere the main one."},
    {"Players", "The decks",
     "PLAY\tplay / pause\tCue\tback to the cue mark\n"
     "Open\ta clip from disk\tP\treset the deck\n"
     "<< >>\tone frame back / on\tC\tAUTO CUE (stay paused)\n"
     "The fader sets the deck's volume, the slider beside it the pitch.\n"
     "The counters show the time played and the time left of the clip.\n"
     "M I X in the centre starts the crossfade now; the master fader and\n"
     "the six equaliser sliders act on the station's output."},
    {"Windows", "Keys while the console has the keyboard",
     "Space\tmix now\tUp / Down\tchoose in the list\n"
     "Enter\tload the chosen clip\tF3 / F4\tsearch box / console\n"
     "F5 / F6\tprograms on / off\tF7 / F8\tadverts on / off\n"
     "Ctrl+L\tload clips\tCtrl+S\tsave the play list\n"
     "Ctrl+O\toptions\tCtrl+M\tmix styles\n"
     "Ctrl+H\thelp\tF2\tthese pages\n"
     "Num +\tmaster louder\tNum -\tmaster softer\n"
     "Companions: KorvoPrl (play lists), KorvoLogos (advert lists), KorvoMd."},
};

QPixmap DrawPage(const PageText& page) {
  QPixmap picture(kPageWidth, kPageHeight);
  picture.fill(QColor(0x14, 0x18, 0x20));
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(0x3a, 0x6e, 0xa8));
  p.drawRoundedRect(QRectF(1.5, 1.5, kPageWidth - 3, kPageHeight - 3), 6, 6);
  QFont heading = p.font();
  heading.setBold(true);
  heading.setPixelSize(15);
  p.setFont(heading);
  p.setPen(QColor(0xff, 0xb0, 0x00));
  p.drawText(QRect(14, 10, kPageWidth - 28, 24), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(page.heading));
  QFont body = heading;
  body.setBold(false);
  body.setPixelSize(11);
  p.setFont(body);
  const QColor keyColour(0x7f, 0xd0, 0xff), textColour(0xd8, 0xe0, 0xe8);
  constexpr int kLine = 26, kKeyWidth = 62, kColumn = (kPageWidth - 28) / 2;
  int y = 44;
  for (const QString& line : QString::fromUtf8(page.lines).split(QLatin1Char('\n'))) {
    // Prose, or key / meaning pairs ("key\tmeaning\tkey\tmeaning"), two to a line.
    const QStringList parts = line.split(QLatin1Char('\t'));
    if (parts.size() == 1) {
      p.setPen(textColour);
      p.drawText(QRect(14, y, kPageWidth - 28, kLine), Qt::AlignLeft | Qt::AlignVCenter, line);
    }
    for (int i = 0; i + 1 < parts.size(); i += 2) {
      const int x = 14 + (i / 2) * kColumn;
      p.setPen(keyColour);
      p.drawText(QRect(x, y, kKeyWidth, kLine), Qt::AlignLeft | Qt::AlignVCenter, parts[i]);
      p.setPen(textColour);
      p.drawText(QRect(x + kKeyWidth, y, kColumn - kKeyWidth, kLine), Qt::AlignLeft | Qt::AlignVCenter, parts[i + 1]);
    }
    y += kLine;
  }
  return picture;
}

}  // namespace

InfoPagesDialog::InfoPagesDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("InfoPages"));
  setFixedSize(kPageWidth + 16, kPageHeight + 48);
  setStyleSheet(QStringLiteral("QDialog#InfoPages { background: #0c0f14; border: 1px solid #3a6ea8; }"
                              "QPushButton:checked { background: #3a6ea8; color: white; font-weight: bold; }"));
  auto* group = new QButtonGroup(this);
  group->setExclusive(true);
  int x = 8;
  for (int i = 0; i < kPageCount; ++i) {
    auto* b = new QPushButton(QString::fromLatin1(kPages[i].caption), this);
    b->setCheckable(true);
    b->setAutoDefault(false);
    b->setGeometry(x, 8, 96, 26);
    x += 100;
    group->addButton(b, i);
    buttons_[i] = b;
    pages_[i] = new QLabel(this);
    pages_[i]->setGeometry(8, 40, kPageWidth, kPageHeight);
    pages_[i]->setPixmap(DrawPage(kPages[i]));
  }
  connect(group, &QButtonGroup::idClicked, this, [this](int id) { ShowPage(static_cast<Page>(id)); });
  auto* close = new QPushButton(QStringLiteral("X"), this);
  close->setAutoDefault(false);
  close->setGeometry(width() - 34, 8, 26, 26);
  close->setToolTip(QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  close_ = close;
  ShowPage(kGeneral);
}

void InfoPagesDialog::ShowPage(Page page) {
  shown_ = page;
  for (int i = 0; i < kPageCount; ++i) {
    buttons_[i]->setChecked(i == page);
    pages_[i]->setVisible(i == page);
  }
}
