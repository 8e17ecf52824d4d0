#include "WorkingModeDialog.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "SetupPicture.h"
#include "platform/Dialogs.h"

WorkingModeDialog::WorkingModeDialog(WorkingModeChooser& chooser, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), chooser_(chooser), dialogs_(dialogs) {
  setWindowTitle(QStringLiteral("KorvoMd"));
  noMonitor_ = new QRadioButton(QStringLiteral("NO MONITOR SETUP"), this);
  monitor_ = new QRadioButton(QStringLiteral("MONITOR SETUP"), this);
  picture_ = new SetupPicture(this);
  apply_ = new QPushButton(QStringLiteral("APPLY"), this);
  close_ = new QPushButton(QStringLiteral("CLOSE"), this);
  apply_->setAutoDefault(false);
  close_->setAutoDefault(false);

  auto* radios = new QHBoxLayout;
  radios->addWidget(noMonitor_);
  radios->addWidget(monitor_);
  radios->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(apply_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(radios);
  layout->addWidget(picture_, 1);
  layout->addLayout(buttons);

  auto* about = new QAction(QStringLiteral("&About KorvoMd..."), this);
  addAction(about);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(about, &QAction::triggered, this, &WorkingModeDialog::ShowAbout);

  connect(noMonitor_, &QRadioButton::clicked, this, [this] {
    chooser_.Choose(WorkingModeChooser::kNoMonitor);
    Show();
  });
  connect(monitor_, &QRadioButton::clicked, this, [this] {
    chooser_.Choose(WorkingModeChooser::kMonitor);
    Show();
  });
  connect(apply_, &QPushButton::clicked, this, [this] {
    chooser_.Apply();
    Show();
  });
  connect(close_, &QPushButton::clicked, this, &WorkingModeDialog::reject);

  chooser_.Open();
  Show();
}

QRadioButton* WorkingModeDialog::Button(WorkingModeChooser::Mode mode) const {
  return mode == WorkingModeChooser::kMonitor ? monitor_ : noMonitor_;
}

void WorkingModeDialog::Show() {
  const bool monitor = chooser_.Shown() == WorkingModeChooser::kMonitor;
  monitor_->setChecked(monitor);
  noMonitor_->setChecked(!monitor);
  picture_->SetMode(chooser_.Shown());
  apply_->setEnabled(chooser_.ApplyEnabled());
}

void WorkingModeDialog::ShowAbout() {
  dialogs_.Message(QStringLiteral("KorvoMd Version 1.0"), QStringLiteral("About KorvoMd"), Dialogs::Icon::Information);
}

void WorkingModeDialog::reject() {
  if (!chooser_.Close()) return;  // cancelled: the dialog stays
  Show();
  done(QDialog::Rejected);
}
