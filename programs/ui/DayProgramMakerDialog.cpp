#include "programs/ui/DayProgramMakerDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include "programs/DayProgramMaker.h"
#include "programs/TimeLine.h"
#include "programs/ui/TimeLineStrip.h"

namespace {

// The strip sits so that its marks stand where the time line's mouse test expects them.
constexpr int kStripX = timeline::kLeft - 16, kStripY = timeline::kTop - 16;

QLineEdit* Edit(QWidget* parent, int maxLength, const QRect& at) {
  auto* e = new QLineEdit(parent);
  e->setMaxLength(maxLength);
  e->setGeometry(at);
  return e;
}

void Caption(QWidget* parent, const QString& text, const QRect& at) { (new QLabel(text, parent))->setGeometry(at); }

}  // namespace

DayProgramMakerDialog::DayProgramMakerDialog(DayProgramMaker& maker, QWidget* parent) : QDialog(parent), maker_(maker) {
  setWindowTitle(QStringLiteral("Day Program Maker"));
  setFixedSize(572, 442);
  BuildList();
  BuildEditors();
  BuildButtons();
  BuildMenu();
  maker_.Open();
  strip_->SetMask(maker_.SlotMask());
  ShowEditors();
}

void DayProgramMakerDialog::BuildList() {
  view_ = new QTableView(this);
  view_->setGeometry(6, 6, 560, 166);
  view_->setModel(&maker_.Rows());
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setShowGrid(false);
  view_->setWordWrap(false);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setDefaultSectionSize(18);
  view_->setStyleSheet(QStringLiteral("QTableView { background: white; color: black; }"));
  // Widths 0 hide a column, as the table's hidden columns are.
  const int widths[ProgramEntry::kFieldCount] = {180, 0, 0, 45, 80, 140, 0, 0, 80, 0};
  for (int c = 0; c < ProgramEntry::kFieldCount; ++c) {
    if (widths[c] == 0)
      view_->setColumnHidden(c, true);
    else
      view_->setColumnWidth(c, widths[c]);
  }
  connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { maker_.NoteSelected(current.isValid() ? current.row() : -1); });
  connect(view_, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& index) { maker_.EditRow(index.row()); });
  maker_.SetTopRowSource([this] { return view_->rowAt(0); });
  connect(&maker_, &DayProgramMaker::selectionChanged, this, &DayProgramMakerDialog::ShowSelection);
  connect(&maker_, &DayProgramMaker::editorsChanged, this, &DayProgramMakerDialog::ShowEditors);

  timeLabel_ = new QLabel(QStringLiteral("00:00"), this);
  timeLabel_->setGeometry(timeline::kRight - 44, 174, 44, 16);
  timeLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  strip_ = new TimeLineStrip(this);
  strip_->move(kStripX, kStripY);
  connect(&maker_, &DayProgramMaker::slotMaskChanged, strip_, &TimeLineStrip::SetMask);
  connect(strip_, &TimeLineStrip::mouseMoved, this, &DayProgramMakerDialog::OnStripMouse);
  connect(strip_, &TimeLineStrip::left, this, [this] { timeLabel_->clear(); });
  connect(strip_, &TimeLineStrip::doubleClicked, this, [this](QPoint at) {
    const QPoint p = at + strip_->pos();
    if (timeline::InStrip(p.x(), p.y())) time_->setCurrentIndex(timeline::TimeIndexAt(p.x()));
  });
}

void DayProgramMakerDialog::OnStripMouse(QPoint at, bool leftHeld) {
  const QPoint p = at + strip_->pos();
  if (!timeline::InStrip(p.x(), p.y())) {
    timeLabel_->clear();
    return;
  }
  timeLabel_->setText(timeline::LabelAt(p.x()));
  if (leftHeld) maker_.SelectRowOfTime(timeLabel_->text());
}

void DayProgramMakerDialog::BuildEditors() {
  auto* group = new QGroupBox(QStringLiteral("Play List Data"), this);
  group->setGeometry(6, 232, 440, 150);
  Caption(group, QStringLiteral("Date "), {8, 20, 40, 20});
  date_ = Edit(group, 15, {50, 20, 90, 20});
  Caption(group, QStringLiteral("Owner "), {150, 20, 44, 20});
  owner_ = Edit(group, 255, {196, 20, 236, 20});
  Caption(group, QStringLiteral("Style "), {8, 46, 40, 20});
  style_ = new QComboBox(group);
  style_->setEditable(true);
  style_->setInsertPolicy(QComboBox::NoInsert);
  style_->setGeometry(50, 46, 150, 22);
  style_->setToolTip(QStringLiteral("Select Style"));
  QStringList styles = {"POP",  "JAZZ",  "BLUES",   "BALLADS", "CLASSIC", "ROCK",       "SLOW",      "TECHNO",
                        "LIVE", "HOUSE", "WAKE UP", "ART",     "FOLK",    "ART - FOLC", "EVERY DAY", "VARIOUS"};
  styles.sort();
  style_->addItems(styles);
  Caption(group, QStringLiteral("Duration "), {210, 46, 56, 20});
  duration_ = Edit(group, 15, {268, 46, 90, 20});
  Caption(group, QStringLiteral("Clips "), {364, 46, 34, 20});
  clips_ = Edit(group, 5, {398, 46, 34, 20});
  Caption(group, QStringLiteral("Time "), {8, 74, 40, 20});
  time_ = new QComboBox(group);
  time_->addItems(timeline::TimeTexts());
  time_->setGeometry(50, 74, 80, 22);
  time_->setToolTip(QStringLiteral("Select Time to play the program"));
  shuffle_ = new QCheckBox(QStringLiteral("Suffle on Load"), group);
  shuffle_->setGeometry(150, 74, 120, 22);
  shuffle_->setToolTip(QStringLiteral("Shufle Play List on Load"));
  Caption(group, QStringLiteral("Play List Name "), {8, 100, 90, 20});
  name_ = Edit(group, 255, {100, 100, 332, 20});
  Caption(group, QStringLiteral("Description "), {8, 124, 90, 20});
  description_ = Edit(group, 255, {100, 124, 332, 20});
  description_->setToolTip(QStringLiteral("Type a descreption for the program"));
}

void DayProgramMakerDialog::BuildButtons() {
  struct Entry {
    const char* caption;
    const char* tip;
    void (DayProgramMaker::*op)();
  };
  const Entry entries[] = {
      {"Load", "Select Program", &DayProgramMaker::LoadPlayList},
      {"+", "Add Program to Program List", &DayProgramMaker::AddProgram},
      {"-", "Delete Program from Program List", &DayProgramMaker::RemoveProgram},
      {"SAVE", "Save Programs List", &DayProgramMaker::SavePrograms},
      {"RE- LOAD", "Re-Load Saved Programs", &DayProgramMaker::ReloadPrograms},
      {"CLEAR", "Remove all Programs from list", &DayProgramMaker::ClearPrograms},
      {"Help", "", &DayProgramMaker::Help},
  };
  int y = 238;
  for (const Entry& e : entries) {
    auto* b = new QPushButton(QString::fromLatin1(e.caption), this);
    b->setGeometry(456, y, 110, 20);
    b->setAutoDefault(false);
    if (*e.tip) b->setToolTip(QString::fromLatin1(e.tip));
    const auto op = e.op;
    connect(b, &QPushButton::clicked, this, [this, op] {
      Collect();
      (maker_.*op)();
    });
    buttons_.insert(b->text(), b);
    y += 22;
  }
  auto* exit = new QPushButton(QStringLiteral("EXIT"), this);
  exit->setGeometry(456, 414, 110, 22);
  exit->setAutoDefault(false);
  exit->setToolTip(QStringLiteral("Close (Don't save)"));
  connect(exit, &QPushButton::clicked, this, &DayProgramMakerDialog::reject);
  buttons_.insert(exit->text(), exit);
}

void DayProgramMakerDialog::BuildMenu() {
  menu_ = new QMenu(this);
  const auto entry = [this](const char* text, auto&& slot) {
    connect(menu_->addAction(QString::fromLatin1(text)), &QAction::triggered, this, [this, slot] {
      Collect();
      slot();
    });
  };
  entry("New Program", [this] { maker_.NewProgram(); });
  entry("Load Program", [this] { maker_.LoadPlayList(); });
  entry("Insert", [this] { maker_.AddProgram(); });
  entry("Remove", [this] { maker_.RemoveProgram(); });
  entry("Clear Programs List", [this] { maker_.ClearPrograms(); });
  entry("Load Programs List", [this] { maker_.ReloadPrograms(); });
  entry("Save programs List", [this] { maker_.SavePrograms(); });
  entry("Help", [this] { maker_.Help(); });
  entry("Exit", [this] { reject(); });
}

void DayProgramMakerDialog::contextMenuEvent(QContextMenuEvent* event) { menu_->popup(event->globalPos()); }

void DayProgramMakerDialog::reject() {
  if (maker_.RequestClose()) QDialog::reject();
}

void DayProgramMakerDialog::Collect() {
  ProgramEditors e;
  e.playList = name_->text();
  e.date = date_->text();
  e.owner = owner_->text();
  e.clips = clips_->text();
  e.duration = duration_->text();
  e.style = style_->currentText();
  e.description = description_->text();
  e.time = time_->currentText();
  e.shuffle = shuffle_->isChecked();
  maker_.SetEditors(e);
}

void DayProgramMakerDialog::ShowEditors() {
  const ProgramEditors& e = maker_.Editors();
  name_->setText(e.playList);
  date_->setText(e.date);
  owner_->setText(e.owner);
  clips_->setText(e.clips);
  duration_->setText(e.duration);
  style_->setEditText(e.style);
  description_->setText(e.description);
  const int at = time_->findText(e.time);
  if (at >= 0) time_->setCurrentIndex(at);
  shuffle_->setChecked(e.shuffle);
}

void DayProgramMakerDialog::ShowSelection(int row) {
  const QModelIndex index = view_->model()->index(row, 0);
  view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  view_->scrollTo(index);
}
