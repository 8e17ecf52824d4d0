// Every tool button, context-menu entry and key of the console reaches its command, the
// right click shows the pop-up of the list under the mouse, and the information pages.
#include "StationFixture.h"

#include "adverts/ui/AdvertsPanel.h"
#include "app/ContextMenus.h"
#include "app/InfoPagesDialog.h"
#include "deck/ui/CentrePanel.h"
#include "deck/ui/DeckPanel.h"
#include "deck/ui/DeckPanels.h"
#include "programs/ui/ProgramsPanel.h"
#include "songs/ui/SongsListPanel.h"
#include "station/ConsoleCommands.h"
#include "station/SongsCommands.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace {

using C = ConsoleCommand;
using P = ContextMenuSelector::Popup;

struct ToolCase {
  const char* caption;
  ConsoleCommand command;
};
constexpr ToolCase kToolButtons[] = {
    {"S", C::Shuffle},         {"D", C::RemoveClip},      {"L", C::LoadClips},     {"V", C::SavePlayList},
    {"C", C::ClearPlayList},   {"A", C::About},           {"T", C::CountTimes},    {"+=", C::AddToFavourites},
    {"R", C::RemoteControl},   {"H", C::Help},            {"P", C::DayPrograms},   {"I", C::EngineInfo},
    {"O", C::Options},         {"m", C::MixStyleEditor},  {"X", C::Exit},          {".", C::InfoPages},
};

struct MenuCase {
  P popup;
  const char* caption;
  ConsoleCommand command;
};
constexpr MenuCase kMenuEntries[] = {
    {P::kPrimary, "Load Play List", C::LoadPlayList},      {P::kPrimary, "Shuffle Play List", C::Shuffle},
    {P::kPrimary, "Clear Play List", C::ClearPlayList},    {P::kPrimary, "Play List Time", C::CountTimes},
    {P::kPrimary, "Enable Programs", C::ProgramsOn},       {P::kPrimary, "Enable Logos", C::AdvertsOn},
    {P::kPrimary, "Edit Mix Styles", C::MixStyleEditor},   {P::kPrimary, "Edit Programs", C::DayPrograms},
    {P::kPrimary, "Play List Editor", C::PlayListEditor},  {P::kPrimary, "Logos Editor", C::LogosEditor},
    {P::kPrimary, "Preferences", C::Options},              {P::kPrimary, "Status", C::EngineInfo},
    {P::kPrimary, "On Line Help", C::Help},                {P::kPrimary, "About KORVOxa", C::About},
    {P::kPrimary, "Exit", C::Exit},
    {P::kSongs, "Load MP3 Clips", C::LoadClips},           {P::kSongs, "Load Play List", C::LoadPlayList},
    {P::kSongs, "Import m3u List", C::ImportM3u},          {P::kSongs, "Remove Clip", C::RemoveClip},
    {P::kSongs, "Select Previws", C::SelectPrevious},      {P::kSongs, "Select Next", C::SelectNext},
    {P::kSongs, "Load Selected", C::LoadSelected},         {P::kSongs, "Rename Selected", C::RenameSelected},
    {P::kSongs, "Save Play List", C::SavePlayList},        {P::kSongs, "Add to favorites", C::AddToFavourites},
    {P::kLogos, "Load Block Now", C::LoadBlockNow},        {P::kLogos, "Import Logos", C::ImportLogos},
    {P::kLogos, "Import AD", C::ImportAd},                 {P::kLogos, "Remove AD", C::RemoveAd},
    {P::kLogos, "Clear Logos List", C::ClearLogos},        {P::kLogos, "Disable Logos", C::AdvertsOff},
    {P::kPrograms, "Load Program Now", C::LoadProgramNow}, {P::kPrograms, "Re-Load Programs", C::ReloadPrograms},
    {P::kPrograms, "Clear Programs", C::ClearPrograms},    {P::kPrograms, "Disable Programs", C::ProgramsOff},
};

struct KeyCase {
  int key;
  Qt::KeyboardModifiers mods;
  ConsoleCommand command;
  int deck;
};
const KeyCase kKeys[] = {
    {Qt::Key_Space, Qt::NoModifier, C::Mix, 0},
    {Qt::Key_Up, Qt::NoModifier, C::SelectPrevious, 0},
    {Qt::Key_Down, Qt::NoModifier, C::SelectNext, 0},
    {Qt::Key_Return, Qt::NoModifier, C::LoadSelected, 0},
    {Qt::Key_Equal, Qt::NoModifier, C::AddToFavourites, 0},
    {Qt::Key_Plus, Qt::KeypadModifier, C::MasterUp, 0},
    {Qt::Key_Minus, Qt::KeypadModifier, C::MasterDown, 0},
    {Qt::Key_F2, Qt::NoModifier, C::InfoPages, 0},
    {Qt::Key_F4, Qt::NoModifier, C::FocusHidden, 0},
    {Qt::Key_F5, Qt::NoModifier, C::ProgramsOn, 0},
    {Qt::Key_F6, Qt::NoModifier, C::ProgramsOff, 0},
    {Qt::Key_F7, Qt::NoModifier, C::AdvertsOn, 0},
    {Qt::Key_F8, Qt::NoModifier, C::AdvertsOff, 0},
    // A Control key without a side (no native scan code) counts as the left one: deck 1.
    {Qt::Key_PageUp, Qt::ControlModifier, C::PitchDown, 1},
    {Qt::Key_PageDown, Qt::ControlModifier, C::PitchUp, 1},
    {Qt::Key_A, Qt::ControlModifier, C::About, 1},
    {Qt::Key_C, Qt::ControlModifier, C::ToggleAutoCue, 1},
    {Qt::Key_F, Qt::ControlModifier, C::SearchTitles, 1},
    {Qt::Key_G, Qt::ControlModifier, C::CueToMark, 1},
    {Qt::Key_H, Qt::ControlModifier, C::Help, 1},
    {Qt::Key_I, Qt::ControlModifier, C::EngineInfo, 1},
    {Qt::Key_L, Qt::ControlModifier, C::LoadClips, 1},
    {Qt::Key_M, Qt::ControlModifier, C::MixStyleEditor, 1},
    {Qt::Key_O, Qt::ControlModifier, C::Options, 1},
    {Qt::Key_P, Qt::ControlModifier, C::DayPrograms, 1},
    {Qt::Key_Q, Qt::ControlModifier, C::ToggleEqualizer, 1},
    {Qt::Key_S, Qt::ControlModifier, C::SavePlayList, 1},
    {Qt::Key_T, Qt::ControlModifier, C::SetCueMark, 1},
    {Qt::Key_X, Qt::ControlModifier, C::Exit, 1},
    // Last: the focus goes to the search box, where keys are typing.
    {Qt::Key_F3, Qt::NoModifier, C::FocusSearch, 0},
};

// The window with every command of the tables replaced by a recorder, after checking that
// the real window defines each one: a command nothing defines would do nothing at all.
class CommandWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    w = st.Open();
    std::set<ConsoleCommand> commands;
    for (const auto& c : kToolButtons) commands.insert(c.command);
    for (const auto& c : kMenuEntries) commands.insert(c.command);
    for (const auto& c : kKeys) commands.insert(c.command);
    commands.insert({C::Mix, C::OpenIntoDeck});
    ConsoleCommands& table = w->StationState().Commands();
    for (ConsoleCommand c : commands) {
      EXPECT_TRUE(table.Defined(c)) << static_cast<int>(c);
      table.Define(c, [this, c](int deck) { ran.emplace_back(c, deck); });
    }
  }
  // What one action ran: exactly one command.
  std::pair<ConsoleCommand, int> Ran(const std::function<void()>& act) {
    ran.clear();
    act();
    EXPECT_EQ(ran.size(), 1u);
    return ran.empty() ? std::pair{C::None, -1} : ran.back();
  }
  void Activate() {
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  }

  TestStation st;
  std::unique_ptr<MainWindow> w;
  std::vector<std::pair<ConsoleCommand, int>> ran;
};

TEST_F(CommandWalk, EveryToolButtonRunsItsCommand) {
  for (const ToolCase& c : kToolButtons) {
    QPushButton* b = w->ToolButton(QString::fromLatin1(c.caption));
    ASSERT_NE(b, nullptr) << c.caption;
    EXPECT_EQ(Ran([b] { b->click(); }).first, c.command) << c.caption;
  }
  EXPECT_EQ(Ran([this] { w->DeckViews().Centre()->Mix()->click(); }).first, C::Mix);
  for (int deck : {1, 2})
    EXPECT_EQ(Ran([this, deck] { w->DeckViews().Deck(deck)->Open()->click(); }), std::pair(C::OpenIntoDeck, deck));
}

TEST_F(CommandWalk, EveryMenuEntryRunsItsCommandAndEachPopUpHoldsExactlyItsEntries) {
  QStringList captions[4];
  for (const MenuCase& c : kMenuEntries) {
    captions[c.popup] << QString::fromLatin1(c.caption);
    QAction* entry = w->Menus().Entry(c.popup, QString::fromLatin1(c.caption));
    ASSERT_NE(entry, nullptr) << c.caption;
    EXPECT_EQ(Ran([entry] { entry->trigger(); }).first, c.command) << c.caption;
  }
  // In menu order; "Remove Block" is there, greyed, and does nothing.
  captions[P::kLogos].insert(4, QStringLiteral("Remove Block"));
  for (P popup : {P::kPrimary, P::kSongs, P::kLogos, P::kPrograms}) {
    QStringList shown;
    for (QAction* a : w->Menus().Popup(popup)->actions()) shown << a->text();
    EXPECT_EQ(shown, captions[popup]) << popup;
  }
  QAction* removeBlock = w->Menus().Entry(P::kLogos, QStringLiteral("Remove Block"));
  EXPECT_FALSE(removeBlock->isEnabled());
  ran.clear();
  removeBlock->trigger();
  EXPECT_TRUE(ran.empty());
}

TEST_F(CommandWalk, EveryKeyRunsItsCommandForItsDeck) {
  Activate();
  for (const KeyCase& c : kKeys) {
    EXPECT_EQ(Ran([this, &c] { QTest::keyClick(w.get(), static_cast<Qt::Key>(c.key), c.mods); }),
              std::pair(c.command, c.deck))
        << QKeySequence(c.key | c.mods).toString().toStdString();
  }
}

// The pop-up shown now, closed again for the next case.
QMenu* ShownPopUp() {
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (menu) menu->hide();
  return menu;
}

TEST_F(CommandWalk, ARightClickShowsThePopUpOfTheListUnderTheMouseThenThePrimaryOneAgain) {
  Activate();
  // The lists below the songs list show only while their toggles are on; programs go on
  // only with a table that has a program.
  QDir(st.startFolder).mkpath(QStringLiteral("Prglists"));
  QFile table(st.startFolder + QStringLiteral("Prglists/KorvoxaPrgs.txt"));
  ASSERT_TRUE(table.open(QIODevice::WriteOnly));
  table.write(QStringLiteral("\"%1Demo.prl\",\"\",\"\",\"5\",\"00:02:20:00\",\"NIGHT\",\"\",\"\",\"04:00\",\"1\"\r\n")
                  .arg(st.startFolder)
                  .toUtf8());
  table.close();
  w->StationState().AdvertSet().SetAdvertsEnabled(true);
  w->StationState().Programs().SetProgramsEnabled(true);
  struct Case {
    const char* name;
    QWidget* target;
    P popup;
  } cases[] = {
      {"songs list", w->SongsPanel().View()->viewport(), P::kSongs},
      {"adverts list", w->AdvertsView().View()->viewport(), P::kLogos},
      {"programs list", w->ProgramsView().View()->viewport(), P::kPrograms},
      {"a deck", w->DeckViews().Deck(1), P::kPrimary},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(c.target->isVisible()) << c.name;
    const QPoint at(10, 10);
    QTest::mousePress(c.target, Qt::RightButton, Qt::NoModifier, at);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, c.target->mapToGlobal(at));
    QApplication::sendEvent(c.target, &menu);
    QTest::mouseRelease(c.target, Qt::RightButton, Qt::NoModifier, at);
    EXPECT_EQ(ShownPopUp(), w->Menus().Popup(c.popup)) << c.name;
    EXPECT_EQ(w->Menus().Selector().Current(), P::kPrimary) << c.name;
  }
  // The context-menu key: the primary pop-up, just inside the window's corner.
  QTest::keyClick(w.get(), Qt::Key_Menu);
  QMenu* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_EQ(shown, w->Menus().Popup(P::kPrimary));
  EXPECT_EQ(shown->pos(), w->mapToGlobal(QPoint(5, 5)));
  shown->hide();
}

// The entries whose operation is the desktop's: the companions are started by name.
TEST(ContextMenuCompanions, TheEditorsAreStartedByName) {
  TestStation st;
  auto w = st.Open();
  const struct {
    const char* caption;
    const char* call;
  } cases[] = {{"Play List Editor", "StartProgram KorvoPrl"}, {"Logos Editor", "StartProgram KorvoLogos"}};
  for (const auto& c : cases) {
    st.system.calls.clear();
    w->Menus().Entry(P::kPrimary, QString::fromLatin1(c.caption))->trigger();
    EXPECT_EQ(st.system.calls, QStringList{QString::fromLatin1(c.call)}) << c.caption;
  }
}

TEST(ContextMenuSongs, SelectPreviousFromTheTopWrapsToTheLastClip) {
  TestStation st;
  auto w = st.Open();
  QDir(st.startFolder).mkpath(QStringLiteral("Music"));
  const QString tone = qEnvironmentVariable("KORVO_FIXTURES") + QStringLiteral("/tone440_44k_cbr.mp3");
  for (const char* name : {"alpha", "beta", "gamma"})
    ASSERT_TRUE(QFile::copy(tone, st.startFolder + QStringLiteral("Music/%1.mp3").arg(QLatin1String(name))));
  w->PlayList().Loader().LoadFolder(st.startFolder + QStringLiteral("Music"));
  SongsList& list = w->SongsPanel().List();
  ASSERT_EQ(list.Count(), 3);
  list.SelectItem(0);
  w->Menus().Entry(P::kSongs, QStringLiteral("Select Previws"))->trigger();
  EXPECT_EQ(list.SelectedRow(), 2);
  w->Menus().Entry(P::kSongs, QStringLiteral("Select Next"))->trigger();
  EXPECT_EQ(list.SelectedRow(), 0);
}

// "R" without a port offers the Options dialog, through the same command as "O".
TEST(RemoteButton, WithoutAPortItOffersTheOptionsAndSaysWhenNoneWasSet) {
  TestStation st;
  auto w = st.Open();
  int options = 0;
  w->StationState().Commands().Define(C::Options, [&options](int) { ++options; });
  st.dialogs.answers.enqueue(Dialogs::Answer::Yes);
  w->ToolButton(QStringLiteral("R"))->click();
  EXPECT_EQ(options, 1);
  ASSERT_GE(st.dialogs.Texts().size(), 2);
  EXPECT_EQ(st.dialogs.Texts().at(st.dialogs.Texts().size() - 2),
            QStringLiteral("NULL Port for Remote Control found\nDo you want to setup a Port now?"));
  EXPECT_EQ(st.dialogs.Texts().last(), QStringLiteral("You didn't set a port\nRemote operates on COM1-COM4"));
}

TEST(InfoPages, OpenOnGeneralAndShowOnePageAtATime) {
  InfoPagesDialog pages;
  EXPECT_TRUE(pages.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(pages.ShownPage(), InfoPagesDialog::kGeneral);
  const char* captions[] = {"General", "Application", "Players", "Windows"};
  for (int i = 0; i < InfoPagesDialog::kPageCount; ++i)
    EXPECT_EQ(pages.PageButton(static_cast<InfoPagesDialog::Page>(i))->text(), captions[i]);
  pages.show();
  for (int shown : {2, 3, 1, 0}) {
    pages.PageButton(static_cast<InfoPagesDialog::Page>(shown))->click();
    for (int i = 0; i < InfoPagesDialog::kPageCount; ++i) {
      const auto page = static_cast<InfoPagesDialog::Page>(i);
      EXPECT_EQ(pages.PageButton(page)->isChecked(), i == shown) << shown << i;
      EXPECT_EQ(pages.PagePicture(page)->isVisible(), i == shown) << shown << i;
    }
  }
  EXPECT_EQ(pages.CloseButton()->text(), "X");
  pages.CloseButton()->click();
  EXPECT_FALSE(pages.isVisible());
}

TEST(InfoPages, TheDotButtonAndF2OpenTheDialog) {
  TestStation st;
  auto w = st.Open();
  w->show();
  const std::function<void()> opens[] = {[&] { w->ToolButton(QStringLiteral("."))->click(); },
                                         [&] { QTest::keyClick(w.get(), Qt::Key_F2); }};
  for (const auto& open : opens) {
    // Keys reach the console only in the active window, which the closed dialog leaves.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* pages = qobject_cast<InfoPagesDialog*>(QApplication::activeModalWidget());
      seen = pages != nullptr && pages->ShownPage() == InfoPagesDialog::kGeneral;
      if (pages) pages->CloseButton()->click();
    });
    open();
    EXPECT_TRUE(seen);
  }
}

}  // namespace
