// The "Logos" group: clear, load and save of the logos list, the name, ID and description
// pickers, "+=" and "Insert". A view of the job's form and logos list.
#pragma once

#include <QGroupBox>

class LogosJob;
class QComboBox;
class QPushButton;

class LogosGroup : public QGroupBox {
  Q_OBJECT

 public:
  // The job must outlive the group.
  explicit LogosGroup(LogosJob& job, QWidget* parent = nullptr);

  QComboBox* NameBox() const { return name_; }
  QComboBox* IdBox() const { return id_; }
  QComboBox* DescriptionBox() const { return description_; }
  QPushButton* AddButton() const { return add_; }
  QPushButton* InsertClipButton() const { return insertClip_; }

 private:
  void Show();

  LogosJob& job_;
  QComboBox* name_ = nullptr;
  QComboBox* id_ = nullptr;
  QComboBox* description_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* insertClip_ = nullptr;
};
