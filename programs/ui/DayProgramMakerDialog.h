// The "Day Program Maker" dialog: the programs list with its ten columns, the "Play List
// Data" editors, the buttons, the context menu and the time line with its label. A view
// of a DayProgramMaker: every button, menu entry and mouse action goes to its operations,
// and the editors show what it holds.
#pragma once

#include <QDialog>
#include <QMap>

class DayProgramMaker;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class TimeLineStrip;

class DayProgramMakerDialog : public QDialog {
  Q_OBJECT

 public:
  // The maker must outlive the dialog; it is opened (its file read) here.
  explicit DayProgramMakerDialog(DayProgramMaker& maker, QWidget* parent = nullptr);

  QTableView* View() const { return view_; }
  QPushButton* Button(const QString& caption) const { return buttons_.value(caption); }
  QLabel* TimeLabel() const { return timeLabel_; }
  TimeLineStrip* Strip() const { return strip_; }
  QMenu* ContextMenu() const { return menu_; }
  QComboBox* TimeList() const { return time_; }
  QComboBox* StyleBox() const { return style_; }

 public slots:
  void reject() override;
  void accept() override { reject(); }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BuildList();
  void BuildEditors();
  void BuildButtons();
  void BuildMenu();
  // The editors' text into the maker before an operation that reads them.
  void Collect();
  void ShowEditors();
  void ShowSelection(int row);
  void OnStripMouse(QPoint at, bool leftHeld);

  DayProgramMaker& maker_;
  QTableView* view_ = nullptr;
  QLineEdit* date_ = nullptr;
  QLineEdit* owner_ = nullptr;
  QComboBox* style_ = nullptr;
  QLineEdit* duration_ = nullptr;
  QLineEdit* clips_ = nullptr;
  QComboBox* time_ = nullptr;
  QCheckBox* shuffle_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* description_ = nullptr;
  QLabel* timeLabel_ = nullptr;
  TimeLineStrip* strip_ = nullptr;
  QMenu* menu_ = nullptr;
  QMap<QString, QPushButton*> buttons_;
};
