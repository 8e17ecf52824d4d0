#include "options/ui/EngineInfoDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "options/EngineModules.h"

EngineInfoDialog::EngineInfoDialog(const QStringList& report, const EngineModules& modules, QWidget* parent)
    : QDialog(parent), modules_(modules) {
  setWindowTitle(QStringLiteral("KORVO XA - Application & Engine Informations"));
  resize(560, 520);
  inputs_ = new QListWidget(this);
  outputs_ = new QListWidget(this);
  report_ = new QListWidget(this);
  report_->addItems(report);
  for (QListWidget* list : {inputs_, outputs_, report_}) list->setSelectionMode(QAbstractItemView::NoSelection);
  inputs_->setMaximumHeight(80);
  outputs_->setMaximumHeight(80);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Input Modules")), 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("Output Modules")), 0, 1);
  layout->addWidget(inputs_, 1, 0);
  layout->addWidget(outputs_, 1, 1);
  layout->addWidget(report_, 2, 0, 1, 2);
  layout->addWidget(ok, 3, 1, Qt::AlignRight);

  connect(&modules_, &EngineModules::changed, this, &EngineInfoDialog::ShowModules);
  ShowModules();
}

void EngineInfoDialog::ShowModules() {
  inputs_->clear();
  inputs_->addItems(modules_.Inputs());
  outputs_->clear();
  outputs_->addItems(modules_.Outputs());
}
