#include "tools/logos/ui/PlayListGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "tools/logos/LogosJob.h"
#include "tools/logos/ui/Controls.h"

PlayListGroup::PlayListGroup(LogosJob& job, QWidget* parent)
    : QGroupBox(QStringLiteral("Play List"), parent), job_(job) {
  view_ = new QTableView(this);
  view_->setModel(&job_.PlayList());
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setShowGrid(false);
  view_->setWordWrap(false);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setDefaultSectionSize(18);
  view_->horizontalHeader()->setHighlightSections(false);
  const int widths[LogosPlayList::kColumnCount] = {40, 60, 140, 70, 90};
  for (int c = 0; c < LogosPlayList::kColumnCount; ++c) view_->setColumnWidth(c, widths[c]);
  view_->setToolTip(QStringLiteral("Logos List"));
  view_->setMinimumWidth(420);

  PlayListCommands& cmds = job_.PlayListCmds();
  auto* clear = ToolButton(QStringLiteral("X"), QStringLiteral("Clear Play List"), this);
  auto* load = ToolButton(QStringLiteral("Load"), QStringLiteral("Load Spotwright EPL"), this);
  auto* save = ToolButton(QStringLiteral("Save"), QStringLiteral("Export/Save Spotwright EPL"), this);
  auto* remove = ToolButton(QStringLiteral("-"), QStringLiteral("Remove Logo"), this);
  auto* up = ToolButton(QStringLiteral("<"), QStringLiteral("Move Logo Up"), this);
  auto* down = ToolButton(QStringLiteral(">"), QStringLiteral("Move Logo Down"), this);
  auto* verify = ToolButton(QStringLiteral("Verify"), QStringLiteral("Verify Clips"), this);
  insert_ = new QPushButton(QStringLiteral("I n s e r t   L o g o s (s)"), this);
  insert_->setToolTip(QStringLiteral("Insert selected logo(s) to play list"));
  insert_->setMinimumHeight(34);
  insert_->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {clear, load, save, remove, up, down, verify}) buttons->addWidget(b);
  buttons->addStretch();
  auto* column = new QVBoxLayout(this);
  column->addLayout(buttons);
  column->addWidget(view_, 1);
  column->addWidget(BuildRules());
  column->addWidget(insert_);

  connect(clear, &QPushButton::clicked, this, [&cmds] { cmds.ClearPlayList(); });
  connect(load, &QPushButton::clicked, this, [&cmds] { cmds.LoadEpl(); });
  connect(save, &QPushButton::clicked, this, [&cmds] { cmds.ExportEpl(); });
  connect(remove, &QPushButton::clicked, this, [&cmds] { cmds.Remove(); });
  connect(up, &QPushButton::clicked, this, [&cmds] { cmds.MoveUp(); });
  connect(down, &QPushButton::clicked, this, [&cmds] { cmds.MoveDown(); });
  connect(verify, &QPushButton::clicked, this, [&cmds] { cmds.Verify(); });
  connect(insert_, &QPushButton::clicked, this, [&cmds] { cmds.InsertLogos(); });
  BindModel();
  Show();
}

PlayListGroup::~PlayListGroup() {
  // The play list outlives the group: it must not ask a deleted view for its top row.
  job_.PlayList().SetTopRowSource({});
}

QWidget* PlayListGroup::BuildRules() {
  auto* box = new QGroupBox(QStringLiteral("Logo(s) Insertion rules"), this);
  static const char* const kRules[3][2] = {{"First in block", "Insert Logo(s) First in block"},
                                           {"Last in block", "Insert Logo(s) Last in block"},
                                           {"Selected", "Insert Logo(s) at selected position"}};
  auto* grid = new QGridLayout(box);
  JobForm& form = job_.Form();
  for (int i = 0; i < 3; ++i) {
    rules_[i] = new QRadioButton(QString::fromLatin1(kRules[i][0]), box);
    rules_[i]->setToolTip(QString::fromLatin1(kRules[i][1]));
    grid->addWidget(rules_[i], 0, i);
    connect(rules_[i], &QRadioButton::clicked, this, [&form, i] { form.SetRule(static_cast<InsertRule>(i)); });
  }
  position_ = new QComboBox(box);
  position_->setEditable(true);
  for (int p = 1; p <= 10; ++p) position_->addItem(QString::number(p));
  position_->lineEdit()->setMaxLength(2);
  position_->lineEdit()->setValidator(new QIntValidator(1, 99, position_));
  position_->setInsertPolicy(QComboBox::NoInsert);
  position_->setToolTip(QStringLiteral("Select position to add the logo(s)"));
  grid->addWidget(position_, 0, 3);
  connect(position_, &QComboBox::currentTextChanged, &form, &JobForm::SetPositionText);

  create_ = new QCheckBox(QStringLiteral("Create"), box);
  create_->setToolTip(QStringLiteral("Create New Block(s) if block(s) not found"));
  spotwright_ = new QCheckBox(QStringLiteral("Spotwright Play List"), box);
  mp3_ = new QCheckBox(QStringLiteral("Play List MP3 Clips"), box);
  grid->addWidget(create_, 1, 0);
  grid->addWidget(spotwright_, 1, 1);
  grid->addWidget(mp3_, 1, 2, 1, 2);
  PlayListCommands& cmds = job_.PlayListCmds();
  connect(create_, &QCheckBox::clicked, &form, &JobForm::SetCreate);
  // A click always makes the box's type the current one; Show() puts the ticks right.
  connect(spotwright_, &QCheckBox::clicked, this, [this, &cmds] {
    cmds.ChooseType(PlayListType::Spotwright);
    Show();
  });
  connect(mp3_, &QCheckBox::clicked, this, [this, &cmds] {
    cmds.ChooseType(PlayListType::Mp3Clips);
    Show();
  });
  connect(&form, &JobForm::changed, this, &PlayListGroup::Show);
  return box;
}

void PlayListGroup::BindModel() {
  LogosPlayList& list = job_.PlayList();
  list.SetTopRowSource([this] { return view_->rowAt(0); });
  connect(&list, &LogosPlayList::selectionChanged, this, &PlayListGroup::ShowSelection);
  connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { job_.PlayList().NoteSelected(current.isValid() ? current.row() : -1); });
  connect(view_, &QTableView::doubleClicked, this,
          [this](const QModelIndex& at) { job_.PlayListCmds().FillFromRow(at.row()); });
}

void PlayListGroup::Show() {
  const JobForm& form = job_.Form();
  for (int i = 0; i < 3; ++i) rules_[i]->setChecked(static_cast<InsertRule>(i) == form.Rule());
  position_->setEnabled(form.Rule() == InsertRule::Selected);
  ShowText(position_, form.PositionText());
  create_->setChecked(form.Create());
  spotwright_->setChecked(form.Type() == PlayListType::Spotwright);
  mp3_->setChecked(form.Type() == PlayListType::Mp3Clips);
  spotwright_->setEnabled(form.TypeChoosable());
  mp3_->setEnabled(form.TypeChoosable());
}

void PlayListGroup::ShowSelection(int row) {
  QItemSelectionModel* sel = view_->selectionModel();
  if (row < 0) {
    sel->clear();
    return;
  }
  const QModelIndex index = view_->model()->index(row, 0);
  sel->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  view_->scrollTo(index);
}
