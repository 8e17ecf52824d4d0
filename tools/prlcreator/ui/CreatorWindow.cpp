#include "tools/prlcreator/ui/CreatorWindow.h"

#include "songs/ui/SongsListViewBinding.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QVBoxLayout>

#include "tools/prlcreator/Creator.h"

namespace creator {

CreatorWindow::CreatorWindow(Creator& creator, QWidget* parent) : QDialog(parent), creator_(creator) {
  setWindowTitle(kTitle);
  setWindowFlag(Qt::WindowMinimizeButtonHint);
  BuildActions();

  view_ = new QTableView(this);
  view_->setModel(&creator_.List().Model());
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setAlternatingRowColors(false);
  view_->setStyleSheet(QStringLiteral("QTableView { background: white; color: black; }"));
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setDefaultSectionSize(18);
  view_->setColumnWidth(SongsListModel::kTitleColumn, 300);
  view_->setColumnHidden(SongsListModel::kPathColumn, true);  // width 0: the full path
  view_->setColumnWidth(SongsListModel::kDurationColumn, 80);
  view_->setMinimumSize(420, 360);
  view_->setContextMenuPolicy(Qt::NoContextMenu);  // the window's menu serves the list too

  total_ = new QLabel(this);
  total_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  status_ = new QLabel(this);
  status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  auto* left = new QVBoxLayout;
  left->addWidget(view_, 1);
  auto* totalRow = new QHBoxLayout;
  totalRow->addWidget(new QLabel(QStringLiteral("Total time:"), this));
  totalRow->addWidget(total_, 1);
  left->addLayout(totalRow);

  auto* right = new QVBoxLayout;
  right->addWidget(BuildButtons());
  right->addWidget(BuildPreview());
  right->addStretch(1);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(columns, 1);
  outer->addWidget(status_);

  BindList();
  BindPreview();
  Refresh();
}

CreatorWindow::~CreatorWindow() {
  // The list outlives the window: it must not ask a deleted view for its top row.
  creator_.List().List().SetTopRowSource({});
  if (busyCursor_) QApplication::restoreOverrideCursor();
}

void CreatorWindow::BuildActions() {
  static const char* const kTexts[kEntryCount] = {
      "&New Job",         "&Insert mp3's",    "&Open Play List",     "&Save Play List", "&Delete Clip",
      "&Move Up",         "&Move Down",       "Su&ffle List",        "Count T&imes",    "Count Clip's Time",
      "Create Auto List", "Selected --> Wav", "Play List --> Wav's", "E&xit",           "&About KORVO Play Lister..."};
  menu_ = new QMenu(this);
  for (int i = 0; i < kEntryCount; ++i) {
    actions_.push_back(new QAction(QString::fromLatin1(kTexts[i]), this));
    if (i == kCountClip || i == kSelectedToWav || i == kExit || i == kAbout) menu_->addSeparator();
    menu_->addAction(actions_.back());
  }
  CreatorList& list = creator_.List();
  const auto on = [this](Entry e, auto&& f) {
    connect(actions_[e], &QAction::triggered, this, [this, f] {
      f();
      Refresh();
    });
  };
  on(kNew, [this] { creator_.New(); });
  on(kInsert, [this] { creator_.Files().InsertMp3Folder(); });
  on(kOpen, [this] { creator_.Files().OpenPlayList(); });
  on(kSave, [this] { creator_.Files().Save(); });
  on(kDelete, [&list] { list.DeleteClip(); });
  on(kMoveUp, [&list] { list.MoveUp(); });
  on(kMoveDown, [&list] { list.MoveDown(); });
  on(kShuffle, [this] { creator_.Shuffle(); });
  on(kCountTimes, [this] { creator_.Counter().CountTimes(); });
  on(kCountClip, [this] { creator_.Counter().CountCurrentClip(); });
  on(kAutoList, [this] { creator_.AutoList().CreateAutoList(); });
  on(kSelectedToWav, [this] { creator_.Converter().ConvertSelected(); });
  on(kListToWavs, [this] { creator_.Converter().ConvertPlayList(); });
  on(kExit, [this] { close(); });
  on(kAbout, [this] { About(); });
}

QWidget* CreatorWindow::BuildButtons() {
  struct Button {
    const char* caption;
    Entry entry;
  };
  static const Button kButtons[] = {{"NEW", kNew},
                                    {"INSERT MP3 's", kInsert},
                                    {"OPEN PLAY LIST", kOpen},
                                    {"SAVE PLAY LIST", kSave},
                                    {"DELETE CLIP", kDelete},
                                    {"SEND CLIP UP", kMoveUp},
                                    {"SEND CLIP DOWN", kMoveDown},
                                    {"SUFFLE LIST", kShuffle},
                                    {"PLAY LIST TIME", kCountTimes},
                                    {"EXIT", kExit}};
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  int i = 0;
  for (const Button& b : kButtons) {
    auto* button = new QPushButton(QString::fromLatin1(b.caption), box);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, actions_[b.entry], &QAction::trigger);
    grid->addWidget(button, i / 2, i % 2);
    if (b.entry != kExit) listButtons_.push_back(button);
    ++i;
  }
  return box;
}

QWidget* CreatorWindow::BuildPreview() {
  auto* box = new QGroupBox(QStringLiteral("Preview"), this);
  openFile_ = new QPushButton(QStringLiteral("Open File..."), box);
  play_ = new QPushButton(QStringLiteral("Play"), box);
  stop_ = new QPushButton(QStringLiteral("Stop"), box);
  for (QPushButton* b : {openFile_, play_, stop_}) b->setAutoDefault(false);
  autoPlay_ = new QCheckBox(QStringLiteral("AutoPlay"), box);
  position_ = new QSlider(Qt::Horizontal, box);
  position_->setRange(0, PreviewPlayer::kPositionRange);
  volume_ = new QSlider(Qt::Vertical, box);
  volume_->setRange(0, 100);
  volume_->setInvertedAppearance(true);  // 0 at the top: loud
  volume_->setInvertedControls(true);
  state_ = new QLabel(box);
  duration_ = new QLabel(box);
  timecode_ = new QLabel(box);
  type_ = new QLabel(box);
  // Room for "MPEG 2 Layer 3, 320 kbps, 44100 Hz", so the window keeps its size.
  type_->setMinimumWidth(type_->fontMetrics().horizontalAdvance(QStringLiteral("MPEG 2 Layer 3, 320 kbps, 44100 Hz")));

  auto* grid = new QGridLayout(box);
  grid->addWidget(openFile_, 0, 0);
  grid->addWidget(play_, 0, 1);
  grid->addWidget(stop_, 0, 2);
  grid->addWidget(autoPlay_, 1, 0);
  grid->addWidget(state_, 1, 1, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Duration"), box), 2, 0);
  grid->addWidget(duration_, 2, 1, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Timecode"), box), 3, 0);
  grid->addWidget(timecode_, 3, 1, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Type"), box), 4, 0);
  grid->addWidget(type_, 4, 1, 1, 2);
  grid->addWidget(position_, 5, 0, 1, 3);
  grid->addWidget(volume_, 0, 3, 6, 1);
  return box;
}

void CreatorWindow::BindList() {
  SongsList& list = creator_.List().List();
  BindSongsListView(list, *view_);
  connect(&list, &SongsList::busyChanged, this, [this] { Refresh(); });
  connect(&list, &SongsList::listDurationChanged, total_, &QLabel::setText);
  connect(&creator_.List(), &CreatorList::statusChanged, status_, &QLabel::setText);
  connect(&creator_, &Creator::busyChanged, this, &CreatorWindow::Refresh);
  connect(view_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { creator_.OpenRow(index.row()); });
  total_->setText(creator_.List().Total());
  status_->setText(creator_.List().Status());
}

void CreatorWindow::BindPreview() {
  PreviewPlayer& preview = creator_.Preview();
  connect(openFile_, &QPushButton::clicked, this, [this] {
    creator_.OpenFile();
    Refresh();
  });
  connect(play_, &QPushButton::clicked, &preview, &PreviewPlayer::PlayPause);
  connect(stop_, &QPushButton::clicked, this, [this] {
    creator_.Stop();
    Refresh();
  });
  connect(autoPlay_, &QCheckBox::clicked, this, [this](bool on) { creator_.SetAutoPlay(on); });
  connect(position_, &QSlider::sliderPressed, &preview, &PreviewPlayer::BeginDrag);
  connect(position_, &QSlider::sliderMoved, &preview, &PreviewPlayer::DragTo);
  connect(position_, &QSlider::sliderReleased, this, [this] { creator_.Preview().EndDrag(position_->value()); });
  // A click beside the thumb moves it a page: a short drag that ends at once.
  connect(position_, &QSlider::actionTriggered, this, [this](int action) {
    if (action != QAbstractSlider::SliderPageStepAdd && action != QAbstractSlider::SliderPageStepSub) return;
    creator_.Preview().BeginDrag();
    creator_.Preview().EndDrag(position_->sliderPosition());
  });
  connect(volume_, &QSlider::valueChanged, this, [this](int v) {
    if (v != creator_.Preview().VolumeSlider()) creator_.Preview().SetVolumeSlider(v);
  });
  connect(&preview, &PreviewPlayer::changed, this, &CreatorWindow::Refresh);
  connect(&preview, &PreviewPlayer::stateChanged, this, &CreatorWindow::Refresh);
  autoPlay_->setChecked(preview.AutoPlay());
}

void CreatorWindow::Refresh() {
  const PreviewPlayer& p = creator_.Preview();
  const bool busy = creator_.Busy() || creator_.List().List().Busy();
  const bool converting = creator_.Converter().Running();
  setWindowTitle(p.WindowTitle());
  state_->setText(p.StateText());
  play_->setText(p.PlayCaption());
  duration_->setText(p.DurationText());
  timecode_->setText(p.TimecodeText());
  type_->setText(p.TypeText());
  if (!position_->isSliderDown()) position_->setValue(p.Position());
  if (!volume_->isSliderDown()) volume_->setValue(p.VolumeSlider());

  view_->setEnabled(!busy);
  for (QPushButton* b : listButtons_) b->setEnabled(!busy);
  for (int i = 0; i < kEntryCount; ++i)
    if (i != kExit && i != kAbout) actions_[i]->setEnabled(!busy);
  openFile_->setEnabled(p.OpenFileEnabled() && !busy);
  play_->setEnabled(p.InputOpen() && !converting);
  stop_->setEnabled(p.InputOpen() || converting);
  position_->setEnabled(p.InputOpen() && !converting);
  volume_->setEnabled(p.OutputOpen() && !converting);
  autoPlay_->setEnabled(!converting);

  if (busy != busyCursor_) {
    busyCursor_ = busy;
    if (busy)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QApplication::restoreOverrideCursor();
  }
}

void CreatorWindow::contextMenuEvent(QContextMenuEvent* e) {
  // From the keyboard the menu opens at the window's top-left corner plus 5 pixels.
  const QPoint at = e->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(5, 5)) : e->globalPos();
  menu_->exec(at);
}

void CreatorWindow::closeEvent(QCloseEvent* e) {
  if (creator_.ConfirmQuit())
    e->accept();
  else
    e->ignore();
}

void CreatorWindow::reject() { close(); }

void CreatorWindow::About() {
  QMessageBox::about(this, QStringLiteral("About KORVOprl"),
                     QStringLiteral("KORVOprl\nthe KORVO XA play-list creator\n\nBuilds PRL play lists with measured "
                                    "play times (25 frames a second) for the KORVO XA station."));
}

}  // namespace creator
