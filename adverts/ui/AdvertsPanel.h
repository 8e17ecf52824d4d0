// The adverts group of the main window: the adverts list ("Block", the hidden "Clip",
// "AD Name"), "...", "C", ">>", "Manual", the block list and the small status label, and
// the list's context menu. A view of the station's Adverts: it shows what the model has,
// redraws the part the model says changed, and hands every click to the model's
// operations. It holds no state of its own. Where it stands and whether it shows is the
// window's (the lists' layout follows the "ADVS" switch).
#pragma once

#include <QWidget>
#include <array>

class Adverts;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;

class AdvertsPanel : public QWidget {
  Q_OBJECT

 public:
  // Context-menu entries, in menu order.
  enum MenuEntry {
    kLoadBlockNow,
    kImportLogos,
    kImportAd,
    kRemoveAd,
    kRemoveBlock,
    kClearLogosList,
    kDisableLogos,
    kMenuEntryCount
  };

  // The adverts must outlive the panel.
  explicit AdvertsPanel(Adverts& adverts, QWidget* parent = nullptr);
  ~AdvertsPanel() override;

  QTableView* View() const { return view_; }
  QPushButton* LoadButton() const { return load_; }
  QPushButton* ClearButton() const { return clear_; }
  QPushButton* LoadBlockButton() const { return loadBlock_; }
  QPushButton* ManualButton() const { return manual_; }
  QComboBox* BlockListBox() const { return blocks_; }
  QLabel* StatusLabel() const { return status_; }
  QAction* Action(MenuEntry entry) const { return actions_[entry]; }
  // The list's pop-up; the window that holds the panel routes its entries and shows it.
  QMenu* ContextMenu() const { return menu_; }

 private:
  void BuildControls();
  void BuildMenu();
  void BindModel();
  void ShowSelection(int row);
  void ShowBlocks();
  void ShowControls();

  Adverts& adverts_;
  QTableView* view_ = nullptr;
  QPushButton* load_ = nullptr;
  QPushButton* clear_ = nullptr;
  QPushButton* loadBlock_ = nullptr;
  QPushButton* manual_ = nullptr;
  QComboBox* blocks_ = nullptr;
  QLabel* status_ = nullptr;
  QMenu* menu_ = nullptr;
  std::array<QAction*, kMenuEntryCount> actions_{};
};
