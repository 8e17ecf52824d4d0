#include "tools/logos/ui/LogosGroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "formats/LogoRecord.h"
#include "tools/logos/LogosJob.h"
#include "tools/logos/ui/Controls.h"

LogosGroup::LogosGroup(LogosJob& job, QWidget* parent) : QGroupBox(QStringLiteral("Logos"), parent), job_(job) {
  auto* clear = ToolButton(QStringLiteral("X"), QStringLiteral("Clear Logos List"), this);
  auto* load = ToolButton(QStringLiteral("Load"), QStringLiteral("Load Logos file"), this);
  auto* save = ToolButton(QStringLiteral("Save"), QStringLiteral("Save Logos"), this);
  name_ = new QComboBox(this);
  name_->setEditable(true);
  name_->lineEdit()->setMaxLength(logo::kNameChars);
  name_->setInsertPolicy(QComboBox::NoInsert);
  name_->setToolTip(QStringLiteral("Logo Name (Should be 5 characters e.g. 00000 or LOGO1)"));
  id_ = new QComboBox(this);
  id_->addItems(logo::Ids());
  id_->setToolTip(QStringLiteral("Select the Logo ID"));
  description_ = new QComboBox(this);
  description_->setEditable(true);
  description_->lineEdit()->setMaxLength(logo::kMaxDescriptionChars);
  description_->setInsertPolicy(QComboBox::NoInsert);
  description_->setMinimumWidth(220);
  description_->setToolTip(QStringLiteral("Logo Description (max 40 characters)"));
  add_ = ToolButton(QStringLiteral("+="), QStringLiteral("Add New Logo to Logos List"), this);
  insertClip_ = ToolButton(QStringLiteral("Insert"), QStringLiteral("Pick an MP3 clip as the Logo Description"), this);

  auto* buttons = new QHBoxLayout;
  for (QWidget* w : {static_cast<QWidget*>(clear), static_cast<QWidget*>(load), static_cast<QWidget*>(save)})
    buttons->addWidget(w);
  buttons->addStretch();
  auto* grid = new QGridLayout(this);
  grid->addLayout(buttons, 0, 0, 1, 4);
  grid->addWidget(new QLabel(QStringLiteral("Name"), this), 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("ID"), this), 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Description"), this), 1, 2);
  grid->addWidget(name_, 2, 0);
  grid->addWidget(id_, 2, 1);
  grid->addWidget(description_, 2, 2);
  grid->addWidget(add_, 2, 3);
  grid->addWidget(insertClip_, 3, 3);

  LogoCommands& cmds = job_.LogoCmds();
  JobForm& form = job_.Form();
  connect(clear, &QPushButton::clicked, this, [&cmds] { cmds.ClearLogos(); });
  connect(load, &QPushButton::clicked, this, [&cmds] { cmds.LoadLogos(); });
  connect(save, &QPushButton::clicked, this, [&cmds] { cmds.SaveLogos(); });
  connect(add_, &QPushButton::clicked, this, [&cmds] { cmds.AddLogo(); });
  connect(insertClip_, &QPushButton::clicked, this, [&cmds] { cmds.PickClip(); });
  connect(name_->lineEdit(), &QLineEdit::textEdited, &form, &JobForm::SetName);
  connect(description_->lineEdit(), &QLineEdit::textEdited, &form, &JobForm::SetDescription);
  connect(name_, &QComboBox::activated, this, [this, &cmds](int i) { cmds.PickName(name_->itemText(i)); });
  connect(description_, &QComboBox::activated, this,
          [this, &cmds](int i) { cmds.PickDescription(description_->itemText(i)); });
  connect(id_, &QComboBox::activated, this, [this, &form](int i) { form.SetId(id_->itemText(i)); });
  connect(&form, &JobForm::changed, this, &LogosGroup::Show);
  connect(&job_.Logos(), &LogosList::changed, this, &LogosGroup::Show);
  Show();
}

void LogosGroup::Show() {
  const JobForm& form = job_.Form();
  ShowEntries(name_, job_.Logos().Names());
  ShowEntries(description_, job_.Logos().Descriptions());
  ShowText(name_, form.Name());
  ShowText(description_, form.Description());
  ShowChoice(id_, form.Id());
  const bool spotwright = form.Type() == PlayListType::Spotwright;
  name_->setEnabled(spotwright);
  id_->setEnabled(spotwright);
  insertClip_->setEnabled(!spotwright);
}
