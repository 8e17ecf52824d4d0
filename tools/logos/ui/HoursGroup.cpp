#include "tools/logos/ui/HoursGroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

#include "tools/logos/LogosJob.h"
#include "tools/logos/ui/Controls.h"

HoursGroup::HoursGroup(LogosJob& job, QWidget* parent) : QGroupBox(QStringLiteral("Hours List"), parent), job_(job) {
  auto* clear = ToolButton(QStringLiteral("X"), QStringLiteral("Clear Blocks List"), this);
  auto* load = ToolButton(QStringLiteral("Load"), QStringLiteral("Load Hours (Blocks) List"), this);
  auto* save = ToolButton(QStringLiteral("Save"), QStringLiteral("Save Hours (Blocks) List"), this);
  view_ = new QTableView(this);
  view_->setModel(&job_.Hours());
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setShowGrid(false);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setDefaultSectionSize(18);
  view_->horizontalHeader()->setHighlightSections(false);
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setToolTip(QStringLiteral("Hours (Blocks) List"));
  view_->setStyleSheet(QStringLiteral("QTableView { background: rgb(212, 208, 200); color: black; }"));
  view_->setFixedWidth(90);
  hour_ = new QComboBox(this);
  hour_->addItems(HourPickerTimes());
  hour_->setCurrentIndex(kStartHourIndex);
  hour_->setToolTip(QStringLiteral("Select Hour (Block) "));
  addHour_ = ToolButton(QStringLiteral("+="), QStringLiteral("Add Hour (Block) to Hours (Blocks) list"), this);
  addOne_ = ToolButton(QStringLiteral("Add One"), QStringLiteral("Select type of insertion (One/Multi)"), this);
  addOne_->setCheckable(true);
  addOne_->setMaximumWidth(QWIDGETSIZE_MAX);  // "Add Multi" is the longer caption
  auto* byCriterion =
      ToolButton(QStringLiteral("<="),
                 QStringLiteral("Create Hours by selected blocks (right combo, every :00, :20... etc)"), this);
  criterion_ = new QComboBox(this);
  criterion_->addItems(BlockCriteria());
  criterion_->setToolTip(QStringLiteral("Block Adding Creteria"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(clear);
  buttons->addWidget(load);
  buttons->addWidget(save);
  buttons->addStretch();
  auto* grid = new QGridLayout(this);
  grid->addLayout(buttons, 0, 0, 1, 3);
  grid->addWidget(view_, 1, 0, 5, 1);
  grid->addWidget(hour_, 1, 1);
  grid->addWidget(addHour_, 1, 2);
  grid->addWidget(addOne_, 2, 1, 1, 2);
  grid->addWidget(criterion_, 3, 1);
  grid->addWidget(byCriterion, 3, 2);
  grid->setRowStretch(5, 1);

  HoursCommands& cmds = job_.HoursCmds();
  JobForm& form = job_.Form();
  connect(clear, &QPushButton::clicked, this, [&cmds] { cmds.ClearHours(false); });
  connect(load, &QPushButton::clicked, this, [&cmds] { cmds.LoadHours(); });
  connect(save, &QPushButton::clicked, this, [&cmds] { cmds.SaveHours(); });
  connect(addHour_, &QPushButton::clicked, this, [&cmds] { cmds.AddHour(); });
  connect(byCriterion, &QPushButton::clicked, this, [&cmds] { cmds.AddByCriterion(); });
  connect(addOne_, &QPushButton::clicked, this, [&cmds](bool on) { cmds.SetAddOne(on); });
  connect(hour_, &QComboBox::activated, this, [this, &form](int i) { form.SetHour(hour_->itemText(i)); });
  connect(criterion_, &QComboBox::activated, this,
          [this, &form](int i) { form.SetCriterion(criterion_->itemText(i)); });
  connect(&form, &JobForm::changed, this, &HoursGroup::Show);
  Show();
}

void HoursGroup::Show() {
  const JobForm& form = job_.Form();
  ShowChoice(hour_, form.Hour());
  ShowChoice(criterion_, form.Criterion());
  addOne_->setChecked(form.AddOne());
  addOne_->setText(form.AddOne() ? QStringLiteral("Add One") : QStringLiteral("Add Multi"));
  hour_->setEnabled(form.AddOne());
  addHour_->setEnabled(form.AddOne());
}
