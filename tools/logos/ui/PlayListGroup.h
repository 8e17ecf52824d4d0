// The "Play List" group: the play list ("Time", "Tape ID", "Description", "Clip File
// Name", "Clip time") with its buttons, the insertion rules, "Create", the two play-list
// type boxes and the big insert button. A view of the job's form and play list.
#pragma once

#include <QGroupBox>

class LogosJob;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QTableView;

class PlayListGroup : public QGroupBox {
  Q_OBJECT

 public:
  // The job must outlive the group.
  explicit PlayListGroup(LogosJob& job, QWidget* parent = nullptr);
  ~PlayListGroup() override;

  QTableView* View() const { return view_; }
  QPushButton* InsertButton() const { return insert_; }
  QCheckBox* SpotwrightBox() const { return spotwright_; }
  QCheckBox* Mp3Box() const { return mp3_; }

 private:
  QWidget* BuildRules();
  void BindModel();
  void Show();
  void ShowSelection(int row);

  LogosJob& job_;
  QTableView* view_ = nullptr;
  QPushButton* insert_ = nullptr;
  QRadioButton* rules_[3] = {};
  QComboBox* position_ = nullptr;
  QCheckBox* create_ = nullptr;
  QCheckBox* spotwright_ = nullptr;
  QCheckBox* mp3_ = nullptr;
};
