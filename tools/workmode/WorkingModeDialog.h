// The "KorvoMd" dialog: a view of the working-mode chooser. The about entry that Windows
// put in the system menu is in the window's context menu (X11 window managers own the
// system menu).
#pragma once

#include <QDialog>

#include "workmode/WorkingModeChooser.h"

class Dialogs;
class QPushButton;
class QRadioButton;
class SetupPicture;

class WorkingModeDialog : public QDialog {
  Q_OBJECT
 public:
  WorkingModeDialog(WorkingModeChooser& chooser, Dialogs& dialogs, QWidget* parent = nullptr);

  QRadioButton* Button(WorkingModeChooser::Mode mode) const;
  QPushButton* ApplyButton() const { return apply_; }
  QPushButton* CloseButton() const { return close_; }
  SetupPicture* Picture() const { return picture_; }
  void ShowAbout();

 public slots:
  // CLOSE; Escape and the close box come here too.
  void reject() override;

 private:
  void Show();

  WorkingModeChooser& chooser_;
  Dialogs& dialogs_;
  QRadioButton* noMonitor_ = nullptr;
  QRadioButton* monitor_ = nullptr;
  SetupPicture* picture_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* close_ = nullptr;
};
