#include "songs/ui/RenameMp3Dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

RenameMp3Dialog::RenameMp3Dialog(const QString& folder, const QString& name, QWidget* parent)
    : QDialog(parent),
      nameField_(new QLineEdit(name, this)),
      renameButton_(new QPushButton(QStringLiteral("Rename"), this)),
      autoStop_(new QCheckBox(QStringLiteral("Auto stop play back"), this)) {
  setWindowTitle(QStringLiteral("Rename MP3"));
  auto* folderLabel = new QLabel(folder, this);
  folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  autoStop_->setChecked(true);
  renameButton_->setDefault(true);

  auto* grid = new QGridLayout(this);
  grid->addWidget(folderLabel, 0, 0, 1, 3);
  grid->addWidget(new QLabel(QStringLiteral("New Name:"), this), 1, 0);
  grid->addWidget(nameField_, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral(".mp3"), this), 1, 2);
  grid->addWidget(autoStop_, 2, 0, 1, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(renameButton_);
  buttons->addWidget(cancel);
  grid->addLayout(buttons, 3, 0, 1, 3);
  nameField_->setMinimumWidth(260);

  connect(nameField_, &QLineEdit::textChanged, this,
          [this](const QString& text) { renameButton_->setEnabled(!text.isEmpty()); });
  renameButton_->setEnabled(!name.isEmpty());
  connect(renameButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString RenameMp3Dialog::NewName() const { return nameField_->text(); }

std::optional<QString> QtRenamePrompt::AskNewName(const QString& folder, const QString& name) {
  RenameMp3Dialog dialog(folder, name, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.NewName();
}
