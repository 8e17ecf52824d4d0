// The "Hours List" group: clear, load and save of the hours list, the "Blocks" list with
// its ticks, the hour picker with "+=", "Add One" / "Add Multi", and "<=" with the block
// criterion. A view of the job's form and hours list.
#pragma once

#include <QGroupBox>

class LogosJob;
class QComboBox;
class QPushButton;
class QTableView;

class HoursGroup : public QGroupBox {
  Q_OBJECT

 public:
  // The job must outlive the group.
  explicit HoursGroup(LogosJob& job, QWidget* parent = nullptr);

  QTableView* View() const { return view_; }
  QComboBox* HourBox() const { return hour_; }
  QPushButton* AddOneButton() const { return addOne_; }

 private:
  void Show();

  LogosJob& job_;
  QTableView* view_ = nullptr;
  QComboBox* hour_ = nullptr;
  QComboBox* criterion_ = nullptr;
  QPushButton* addHour_ = nullptr;
  QPushButton* addOne_ = nullptr;
};
