#include "app/ContextMenus.h"

#include "adverts/ui/AdvertsPanel.h"
#include "programs/ui/ProgramsPanel.h"
#include "songs/ui/SongsListPanel.h"
#include "station/ConsoleCommands.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

using C = ConsoleCommand;

struct PrimaryEntry {
  const char* caption;
  ConsoleCommand command;
};

constexpr PrimaryEntry kPrimaryEntries[] = {
    {"Load Play List", C::LoadPlayList},   {"Shuffle Play List", C::Shuffle},
    {"Clear Play List", C::ClearPlayList}, {"Play List Time", C::CountTimes},
    {"Enable Programs", C::ProgramsOn},    {"Enable Logos", C::AdvertsOn},
    {"Edit Mix Styles", C::MixStyleEditor}, {"Edit Programs", C::DayPrograms},
    {"Play List Editor", C::PlayListEditor}, {"Logos Editor", C::LogosEditor},
    {"Preferences", C::Options},           {"Status", C::EngineInfo},
    {"On Line Help", C::Help},             {"About KORVOxa", C::About},
    {"Exit", C::Exit},
};

constexpr ConsoleCommand kSongsCommands[SongsListPanel::kMenuEntryCount] = {
    C::LoadClips,    C::LoadPlayList, C::ImportM3u,      C::RemoveClip,   C::SelectPrevious,
    C::SelectNext,   C::LoadSelected, C::RenameSelected, C::SavePlayList, C::AddToFavourites};

// "Remove Block" has no command: it is always greyed.
constexpr ConsoleCommand kLogosCommands[AdvertsPanel::kMenuEntryCount] = {
    C::LoadBlockNow, C::ImportLogos, C::ImportAd, C::RemoveAd, C::None, C::ClearLogos, C::AdvertsOff};

constexpr ConsoleCommand kProgramsCommands[ProgramsPanel::kMenuEntryCount] = {
    C::LoadProgramNow, C::ReloadPrograms, C::ClearPrograms, C::ProgramsOff};

}  // namespace

ContextMenus::ContextMenus(const ConsoleCommands& commands, SongsListPanel& songs, AdvertsPanel& logos,
                           ProgramsPanel& programs, QWidget* window)
    : QObject(window), commands_(commands) {
  BuildPrimary(window);

  menus_[ContextMenuSelector::kSongs] = new QMenu(window);
  for (int i = 0; i < SongsListPanel::kMenuEntryCount; ++i) {
    QAction* entry = songs.Action(static_cast<SongsListPanel::MenuEntry>(i));
    menus_[ContextMenuSelector::kSongs]->addAction(entry);
    Route(entry, kSongsCommands[i]);
  }
  menus_[ContextMenuSelector::kLogos] = logos.ContextMenu();
  for (int i = 0; i < AdvertsPanel::kMenuEntryCount; ++i)
    Route(logos.Action(static_cast<AdvertsPanel::MenuEntry>(i)), kLogosCommands[i]);
  menus_[ContextMenuSelector::kPrograms] = programs.ContextMenu();
  for (int i = 0; i < ProgramsPanel::kMenuEntryCount; ++i)
    Route(programs.Action(static_cast<ProgramsPanel::MenuEntry>(i)), kProgramsCommands[i]);
}

ContextMenus::~ContextMenus() = default;

void ContextMenus::BuildPrimary(QWidget* window) {
  auto* menu = new QMenu(window);
  for (const PrimaryEntry& e : kPrimaryEntries) Route(menu->addAction(QString::fromLatin1(e.caption)), e.command);
  menus_[ContextMenuSelector::kPrimary] = menu;
}

void ContextMenus::Route(QAction* entry, ConsoleCommand command) {
  if (command == C::None) return;
  connect(entry, &QAction::triggered, this, [this, command] { commands_.Run(command); });
}

QAction* ContextMenus::Entry(ContextMenuSelector::Popup popup, const QString& caption) const {
  for (QAction* a : menus_[popup]->actions())
    if (a->text() == caption) return a;
  return nullptr;
}

void ContextMenus::Show(QPoint global) { menus_[selector_.Take()]->popup(global); }
