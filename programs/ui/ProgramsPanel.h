// The programs list of the main window ("Play List", "---", "Time", "Suffle", "Program
// Name"; only the time and the name show) and its context-menu pop-up. A view of the station's
// ProgramScheduler: it shows the rows and mirrors the selection; the window that holds it
// routes the pop-up's entries and shows it. Where it stands and whether it shows is the
// window's ("PRG").
#pragma once

#include <QWidget>
#include <array>

class ProgramScheduler;
class QAction;
class QMenu;
class QTableView;

class ProgramsPanel : public QWidget {
  Q_OBJECT

 public:
  // Context-menu entries, in menu order.
  enum MenuEntry { kLoadProgramNow, kReloadPrograms, kClearPrograms, kDisablePrograms, kMenuEntryCount };

  // The scheduler must outlive the panel.
  explicit ProgramsPanel(ProgramScheduler& programs, QWidget* parent = nullptr);

  QTableView* View() const { return view_; }
  QAction* Action(MenuEntry entry) const { return actions_[entry]; }
  QMenu* ContextMenu() const { return menu_; }

 private:
  ProgramScheduler& programs_;
  QTableView* view_ = nullptr;
  QMenu* menu_ = nullptr;
  std::array<QAction*, kMenuEntryCount> actions_{};
};
