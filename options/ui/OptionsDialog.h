// The "KORVO XA Options" dialog: a view of OptionsModel. Every control sends the
// operator's action to the model and the whole dialog redraws from it.
#pragma once

#include <QDialog>
#include <QMap>

#include "options/OptionsModel.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class OptionsDialog : public QDialog {
  Q_OBJECT
 public:
  OptionsDialog(OptionsModel& model, QWidget* parent = nullptr);

  QComboBox* ListOf(OptionsModel::List list) const { return lists_.value(list); }
  QPushButton* Button(const QString& caption) const;

 public slots:
  // EXIT; Escape and the close box come here too.
  void reject() override;

 private:
  void Show();
  QComboBox* AddList(OptionsModel::List list);

  OptionsModel& model_;
  QMap<OptionsModel::List, QComboBox*> lists_;
  QLineEdit* startUp_ = nullptr;
  QCheckBox* resolution_ = nullptr;
  QCheckBox* advertsCoded_ = nullptr;
  QCheckBox* advertsNames_ = nullptr;
  QCheckBox* playLog_ = nullptr;
  QCheckBox* screenSaver_ = nullptr;
  QCheckBox* restart_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* changeScreen_ = nullptr;
};
