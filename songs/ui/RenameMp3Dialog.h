// The "Rename MP3" dialog: the clip's folder above the "New Name:" field, ".mp3" beside
// it, "Rename" enabled only while the field holds text, and the "Auto stop play back" box.
#pragma once

#include "songs/ClipRenamer.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

class RenameMp3Dialog : public QDialog {
  Q_OBJECT

 public:
  RenameMp3Dialog(const QString& folder, const QString& name, QWidget* parent = nullptr);

  QString NewName() const;
  QLineEdit* NameField() const { return nameField_; }
  QPushButton* RenameButton() const { return renameButton_; }
  QCheckBox* AutoStopBox() const { return autoStop_; }

 private:
  QLineEdit* nameField_;
  QPushButton* renameButton_;
  QCheckBox* autoStop_;
};

// Shows the dialog modally over parent.
class QtRenamePrompt final : public RenamePrompt {
 public:
  explicit QtRenamePrompt(QWidget* parent) : parent_(parent) {}
  std::optional<QString> AskNewName(const QString& folder, const QString& name) override;

 private:
  QWidget* parent_;
};
