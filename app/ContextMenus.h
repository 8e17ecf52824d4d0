// The window's context menu: four pop-ups (primary functions, songs list, logos,
// programs), one of them shown per right click as the selector says. Every entry runs a
// console command, so an entry and its tool button or key do the same thing.
#pragma once

#include "app/ContextMenuSelector.h"
#include "station/ConsoleCommand.h"

#include <QObject>
#include <QPoint>

#include <array>

class AdvertsPanel;
class ConsoleCommands;
class ProgramsPanel;
class QAction;
class QMenu;
class QWidget;
class SongsListPanel;

class ContextMenus : public QObject {
  Q_OBJECT
 public:
  // The panels own their pop-ups' entries; the menus here route them.
  ContextMenus(const ConsoleCommands& commands, SongsListPanel& songs, AdvertsPanel& logos, ProgramsPanel& programs,
               QWidget* window);
  ~ContextMenus() override;

  ContextMenuSelector& Selector() { return selector_; }
  QMenu* Popup(ContextMenuSelector::Popup popup) const { return menus_[popup]; }
  // The entry of that caption in that pop-up, or null.
  QAction* Entry(ContextMenuSelector::Popup popup, const QString& caption) const;
  // Shows the chosen pop-up at that point of the screen and sets the selector back.
  void Show(QPoint global);

 private:
  void BuildPrimary(QWidget* window);
  void Route(QAction* entry, ConsoleCommand command);

  const ConsoleCommands& commands_;
  ContextMenuSelector selector_;
  std::array<QMenu*, 4> menus_{};
};
