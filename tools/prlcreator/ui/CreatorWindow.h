// The creator's one dialog: the clip list, the buttons and context menu of the list
// operations, the total time, the preview player's controls and displays, and the status
// line. A view of the Creator: it holds no state of its own beyond what it shows.
#pragma once

#include <QDialog>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QTableView;

namespace creator {

class Creator;

class CreatorWindow : public QDialog {
  Q_OBJECT

 public:
  // Context-menu entries, in menu order.
  enum Entry {
    kNew,
    kInsert,
    kOpen,
    kSave,
    kDelete,
    kMoveUp,
    kMoveDown,
    kShuffle,
    kCountTimes,
    kCountClip,
    kAutoList,
    kSelectedToWav,
    kListToWavs,
    kExit,
    kAbout,
    kEntryCount
  };

  explicit CreatorWindow(Creator& creator, QWidget* parent = nullptr);
  ~CreatorWindow() override;

  QAction* Action(Entry entry) const { return actions_[entry]; }
  QTableView* View() const { return view_; }

 protected:
  void contextMenuEvent(QContextMenuEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void reject() override;  // Escape asks like "EXIT" does

 private:
  void BuildActions();
  QWidget* BuildButtons();
  QWidget* BuildPreview();
  void BindList();
  void BindPreview();
  // The preview's displays and every control's enabled state, from the models.
  void Refresh();
  void About();

  Creator& creator_;
  std::vector<QAction*> actions_;
  std::vector<QPushButton*> listButtons_;
  QMenu* menu_ = nullptr;
  QTableView* view_ = nullptr;
  QLabel* total_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* duration_ = nullptr;
  QLabel* timecode_ = nullptr;
  QLabel* type_ = nullptr;
  QLabel* state_ = nullptr;
  QPushButton* openFile_ = nullptr;
  QPushButton* play_ = nullptr;
  QPushButton* stop_ = nullptr;
  QCheckBox* autoPlay_ = nullptr;
  QSlider* position_ = nullptr;
  QSlider* volume_ = nullptr;
  bool busyCursor_ = false;
};

}  // namespace creator
