// The logos tool's one dialog, " KORVO xa - Logos Creator/Inserter": the menus ("Job",
// "Logos", "Hours", "Play List", "Tools", "Help"), the three groups and the status line.
// Places the views and routes each menu entry to its command; it holds no state.
#pragma once

#include <QDialog>

class HoursGroup;
class LogosGroup;
class LogosJob;
class PlayListGroup;
class QLabel;
class QMenu;
class QMenuBar;

class LogosWindow : public QDialog {
  Q_OBJECT

 public:
  // The job must outlive the window.
  explicit LogosWindow(LogosJob& job, QWidget* parent = nullptr);

  QMenuBar* MenuBar() const { return menuBar_; }
  QMenu* LogosMenu() const { return logosMenu_; }
  QMenu* HoursMenu() const { return hoursMenu_; }
  QMenu* PlayListMenu() const { return playListMenu_; }
  QLabel* StatusLine() const { return status_; }
  PlayListGroup* PlayList() const { return playList_; }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BuildMenus();

  LogosJob& job_;
  QMenuBar* menuBar_ = nullptr;
  QMenu* logosMenu_ = nullptr;
  QMenu* hoursMenu_ = nullptr;
  QMenu* playListMenu_ = nullptr;
  LogosGroup* logos_ = nullptr;
  HoursGroup* hours_ = nullptr;
  PlayListGroup* playList_ = nullptr;
  QLabel* status_ = nullptr;
};
