#include "app/MainWindow.h"

#include "adverts/ui/AdvertsPanel.h"
#include "app/AutomationToggles.h"
#include "app/ContextMenus.h"
#include "app/InfoPagesDialog.h"
#include "app/RemoteModeView.h"
#include "app/ScreenFit.h"
#include "app/StationHelp.h"
#include "audio/DecoderEngine.h"
#include "deck/ui/CentrePanel.h"
#include "deck/ui/CheckOnLoadButton.h"
#include "deck/ui/DeckPanel.h"
#include "deck/ui/DeckPanels.h"
#include "mix/StyleEditorModel.h"
#include "mix/ui/MixStylePanel.h"
#include "mix/ui/StyleEditorDialog.h"
#include "options/RemotePorts.h"
#include "options/ui/EngineInfoDialog.h"
#include "options/ui/OptionsDialog.h"
#include "platform/Dialogs.h"
#include "platform/PlayLog.h"
#include "platform/SystemServices.h"
#include "platform/ui/Theme.h"
#include "programs/ui/DayProgramMakerDialog.h"
#include "programs/ui/ProgramsPanel.h"
#include "songs/ui/SongsListPanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTableView>

namespace {

const QString kTitle = QStringLiteral("KORVO XA");

struct ToolButtonEntry {
  const char* caption;
  const char* tip;
};

// Left to right along the top of the window.
constexpr ToolButtonEntry kToolButtons[] = {
    {"S", "Shuffle Play List"},
    {"D", "Delete Clip"},
    {"L", "Load Mp3's folder/KORVO Play List"},
    {"V", "Save Play List"},
    {"C", "Clear Play List"},
    {"A", "About KORVO"},
    {"T", "Count Play List Total Play Time"},
    {"+=", "Add the selected clip to your favorits play list"},
    {"R", "Remote Control"},
    {"H", "Help"},
    {"P", "Set Programs To Play"},
    {"I", "View engine informations"},
    {"O", "Set KORVO xa Options and Preferances"},
    {"m", "Edit Mix Styles"},
    {"X", "Exit"},
    {".", ""},
};

}  // namespace

MainWindow::MainWindow(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), station_(std::make_unique<Station>(ctx)) {
  setWindowTitle(kTitle);
  setFixedSize(800, 600);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  BuildControls();
  setAcceptDrops(true);
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  if (busySources_) QApplication::restoreOverrideCursor();
  // The views go before the station they show.
  deckPanels_.reset();
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
  songsPanel_ = nullptr;
  station_.reset();
}

void MainWindow::BuildControls() {
  status_ = new QLabel(station_->StatusText(), this);
  status_->setObjectName(QStringLiteral("StatusLine"));
  status_->setGeometry(6, 578, 788, 18);
  status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  connect(station_.get(), &Station::statusChanged, status_, &QLabel::setText);

  startDir_ = new QLabel(this);
  startDir_->setObjectName(QStringLiteral("StartDir"));
  startDir_->hide();

  playLogIndicator_ = new QLabel(QStringLiteral("LOG"), this);
  playLogIndicator_->setObjectName(QStringLiteral("PlayLogIndicator"));
  playLogIndicator_->setToolTip(QStringLiteral("korvolog.dat"));
  playLogIndicator_->setGeometry(760, 578, 34, 18);
  playLogIndicator_->setAlignment(Qt::AlignCenter);
  playLogIndicator_->setStyleSheet(QStringLiteral("color: #ff5050; font-weight: bold;"));
  playLogIndicator_->hide();

  auto* clockCaption = new QLabel(QStringLiteral("System Time:"), this);
  clockCaption->setGeometry(640, 4, 80, 20);
  clock_ = new QLabel(station_->ClockText(), this);
  clock_->setObjectName(QStringLiteral("SystemTime"));
  clock_->setGeometry(722, 4, 72, 20);
  clock_->setStyleSheet(QStringLiteral("color: #ffb000; font: bold 13px monospace;"));
  connect(station_.get(), &Station::clockChanged, clock_, &QLabel::setText);

  BuildToolButtons();

  // Keeps the keyboard focus so sliders and buttons never take key strokes themselves.
  focusHolder_ = new QPushButton(QStringLiteral("Hidden/Focus"), this);
  focusHolder_->setGeometry(0, 0, 1, 1);
  focusHolder_->setAutoDefault(false);
  focusHolder_->lower();
  connect(station_.get(), &Station::focusHiddenRequested, this, [this] { focusHolder_->setFocus(); });

  deckPanels_ = std::make_unique<DeckPanels>(station_->DeckSet(), this);
  deckPanels_->Deck(1)->move(232, 28);
  deckPanels_->Centre()->move(232 + 212 + 2, 28);
  deckPanels_->Deck(2)->move(232 + 212 + 2 + 136 + 2, 28);

  auto* mixPanel = new MixStylePanel(station_->MixStyles(), this);
  mixPanel->setGeometry(232, 362, 330, 130);

  QPushButton* checkOnLoad = deckPanels_->CheckOnLoad();
  checkOnLoad->setGeometry(568, 366, 110, 24);
  checkOnLoad->setToolTip(QStringLiteral("Check Clip before load"));
  checkOnLoad->setStyleSheet(LampButtonStyle());
  checkOnLoad->show();

  BuildLists();
  toggles_ = new AutomationToggles(*station_, this);
  connect(toggles_, &AutomationToggles::listsChanged, this, &MainWindow::LayoutLists);
  LayoutLists();
  connect(&station_->Mix(), &AutoMix::busyChanged, this, [this](bool on) { SetBusyCursor(kMixBusy, on); });
  new RemoteModeView(*station_, this);
  connect(station_.get(), &Station::remoteBusyChanged, this, [this](bool on) { SetBusyCursor(kRemoteBusy, on); });
  menus_ = new ContextMenus(station_->Commands(), *songsPanel_, *advertsPanel_, *programsPanel_, this);
  DefineWindowCommands();
  ConnectCommands();

  qApp->installEventFilter(this);
}

void MainWindow::BuildLists() {
  songsPanel_ = new SongsListPanel(station_->Songs(), [this](const QString& text) { SetStatus(text); }, this);
  // Read-only until it has the focus: in mix mode keys are console commands.
  songsPanel_->SearchField()->setReadOnly(true);
  advertsPanel_ = new AdvertsPanel(station_->AdvertSet(), this);
  programsPanel_ = new ProgramsPanel(station_->Programs(), this);
}

void MainWindow::LayoutLists() {
  // The left column from below the tool row to above the status line. The songs list keeps
  // the height its panel needs and gives up the rest to the programs list while programs
  // are on and to the adverts list (with its controls) while adverts are on; with both on
  // they share it.
  constexpr int kLeft = 6, kTop = 28, kWidth = 220, kHeight = 546, kSongs = 400, kGap = 4;
  constexpr int kBelow = kHeight - kSongs - kGap, kSharedPrograms = 56;
  const bool advertsOn = station_->AdvertSet().AdvertsEnabled();
  const bool programsOn = station_->Programs().ProgramsEnabled();
  const int programsHeight = advertsOn ? kSharedPrograms : kBelow;
  const int advertsHeight = programsOn ? kBelow - kSharedPrograms - kGap : kBelow;
  const int songsHeight = advertsOn || programsOn ? kSongs : kHeight;
  songsPanel_->setGeometry(kLeft, kTop, kWidth, songsHeight);
  int y = kTop + songsHeight + kGap;
  programsPanel_->setGeometry(kLeft, y, kWidth, programsHeight);
  programsPanel_->setVisible(programsOn);
  if (programsOn) y += programsHeight + kGap;
  advertsPanel_->setGeometry(kLeft, y, kWidth, advertsHeight);
  advertsPanel_->setVisible(advertsOn);
}


void MainWindow::OpenDayProgramMaker() {
  const auto maker = station_->NewDayProgramMaker([this] { station_->Commands().Run(ConsoleCommand::Help); });
  DayProgramMakerDialog dialog(*maker, this);
  dialog.exec();
}


void MainWindow::SetBusyCursor(unsigned source, bool on) {
  // One wait cursor however many jobs want it; it goes when the last of them ends.
  const bool before = busySources_ != 0;
  busySources_ = on ? busySources_ | source : busySources_ & ~source;
  const bool after = busySources_ != 0;
  if (after == before) return;
  if (after)
    QApplication::setOverrideCursor(Qt::BusyCursor);
  else
    QApplication::restoreOverrideCursor();
}

void MainWindow::DefineWindowCommands() {
  using C = ConsoleCommand;
  ConsoleCommands& commands = station_->Commands();
  SongsCommands& list = station_->PlayList();
  commands.Define(C::SearchTitles, [this, &list](int) { list.Search(1, songsPanel_->SearchField()->text()); });
  commands.Define(C::SearchPaths, [this, &list](int) { list.Search(2, songsPanel_->SearchField()->text()); });
  commands.Define(C::LoadClips, [this, &list](int) {
    list.LoadClips(ClipLoader::kMp3);
    FitWindowToScreen();
  });
  commands.Define(C::FocusSearch, [this](int) { songsPanel_->SearchField()->setFocus(); });
  commands.Define(C::FocusHidden, [this](int) { focusHolder_->setFocus(); });
  commands.Define(C::About, [this](int) { ShowAbout(); });
  commands.Define(C::Help, [this](int) { ctx_.system.OpenUrl(StationHelpIndex(ctx_.startFolder)); });
  // The editor works on its own copy; only its Exit puts the saved table into force.
  commands.Define(C::MixStyleEditor, [this](int) {
    StyleEditorModel editor(ctx_.dialogs, ctx_.startFolder);
    StyleEditorDialog dialog(editor, this);
    if (dialog.exec() == QDialog::Accepted) station_->MixStyles().ReloadAfterEditor(station_->Settings().defMixStyle);
  });
  commands.Define(C::Exit, [this](int) { RequestExit(); });
  commands.Define(C::Options, [this](int) { OpenOptions(); });
  commands.Define(C::EngineInfo, [this](int) { OpenEngineInfo(); });
  commands.Define(C::DayPrograms, [this](int) { OpenDayProgramMaker(); });
  commands.Define(C::InfoPages, [this](int) {
    InfoPagesDialog pages(this);
    pages.move(geometry().center() - pages.rect().center());
    pages.exec();
  });
}

void MainWindow::ConnectCommands() {
  using C = ConsoleCommand;
  const ConsoleCommands& commands = station_->Commands();
  connect(deckPanels_.get(), &DeckPanels::MixClicked, this, [&commands] { commands.Run(C::Mix); });
  connect(deckPanels_.get(), &DeckPanels::OpenRequested, this,
          [&commands](int deck) { commands.Run(C::OpenIntoDeck, deck); });
  const auto button = [this, &commands](const char* caption, ConsoleCommand command) {
    connect(toolButtons_.value(QString::fromLatin1(caption)), &QPushButton::clicked, this,
            [&commands, command] { commands.Run(command); });
  };
  button("S", C::Shuffle);
  button("D", C::RemoveClip);
  button("L", C::LoadClips);
  button("V", C::SavePlayList);
  button("C", C::ClearPlayList);
  button("A", C::About);
  button("H", C::Help);
  button("T", C::CountTimes);
  button("+=", C::AddToFavourites);
  button("m", C::MixStyleEditor);
  button("R", C::RemoteControl);
  button("X", C::Exit);
  button("I", C::EngineInfo);
  button("O", C::Options);
  button("P", C::DayPrograms);
  button(".", C::InfoPages);

  SongsCommands& list = station_->PlayList();
  connect(songsPanel_, &SongsListPanel::loadSelectedRequested, this, [&commands] { commands.Run(C::LoadSelected); });
  connect(songsPanel_, &SongsListPanel::searchRequested, this,
          [&list](int column, const QString& text) { list.Search(column, text); });
  connect(songsPanel_, &SongsListPanel::aplClicked, this,
          [this] { station_->Profile().Run(songsPanel_->SearchField()->text()); });
  connect(&station_->Profile(), &PlayListProfile::busyChanged, this, [this](bool on) { SetBusyCursor(kScanBusy, on); });
  connect(songsPanel_, &SongsListPanel::filesDropped, this,
          [&list](const QStringList& files) { list.Loader().DropFiles(files); });
}

void MainWindow::BuildToolButtons() {
  int x = 232;
  for (const auto& entry : kToolButtons) {
    const QString caption = QString::fromLatin1(entry.caption);
    auto* b = new QPushButton(caption, this);
    b->setGeometry(x, 4, 24, 20);
    b->setFocusPolicy(Qt::NoFocus);
    if (*entry.tip) b->setToolTip(QString::fromLatin1(entry.tip));
    toolButtons_.insert(caption, b);
    x += 25;
  }
}

void MainWindow::Start() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) screenAtStart_ = screen->size();
  startDir_->setText(ctx_.startFolder);

  Station::StartUpHooks hooks;
  hooks.afterSettings = [this] {
    playLogIndicator_->setVisible(station_->Settings().keepPlayLog);
    if (screenAtStart_.width() != 800 && station_->Settings().changeResolution) {
      if (ctx_.system.ChangeDisplayMode(800, 600) == 0) {
        previousScreen_ = screenAtStart_;
        displayModeChanged_ = true;
      }
    }
  };
  hooks.beforeSongsList = [this] {
    move(0, 0);
    FitWindowToScreen();
  };
  station_->Start(hooks);
}

void MainWindow::FitWindowToScreen() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) FitTo(screen->size());
}

void MainWindow::FitTo(QSize screen) {
  if (const auto place = FitToScreen(screen)) {
    setFixedSize(place->size());
    move(place->topLeft());
  }
}

bool MainWindow::RequestExit() {
  if (exiting_) return true;
  const auto answer = ctx_.dialogs.Message(QStringLiteral("Quit KORVO xa?"), kTitle, Dialogs::Icon::Question,
                                           Dialogs::Buttons::YesNo, Dialogs::Answer::No);
  if (answer != Dialogs::Answer::Yes) return false;
  exiting_ = true;

  station_->SaveAtExit();
  if (displayModeChanged_ && station_->Settings().changeResolution) {
    ctx_.system.ChangeDisplayMode(previousScreen_.width(), previousScreen_.height());
  }
  station_->Stop();
  done(QDialog::Accepted);
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (exiting_ || RequestExit()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  QStringList files;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) files << url.toLocalFile();
  event->acceptProposedAction();
  if (!files.isEmpty()) station_->PlayList().Loader().DropFiles(files);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate && watched == this) keyboard_.FocusLost();
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::ContextMenu)
    return ContextMenuEvent(watched, event);
  QLineEdit* search = songsPanel_ ? songsPanel_->SearchField() : nullptr;
  if (watched == search && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    OnSearchFocus(event->type() == QEvent::FocusIn);
    return false;
  }
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this || !isActiveWindow()) return false;
  const bool inSearchBox = search && search->hasFocus();
  const KeyAction action = keyboard_.Handle(*static_cast<QKeyEvent*>(event), inSearchBox);
  if (event->type() == QEvent::KeyRelease) return false;
  // The context-menu key opens the menu just inside the window's top-left corner.
  if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu) {
    menus_->Show(mapToGlobal(QPoint(5, 5)));
    return true;
  }
  station_->Commands().Run(action.command, action.deck);
  if (action.moveFocus) focusHolder_->setFocus();
  return !action.passOn;
}

bool MainWindow::ContextMenuEvent(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return false;
  if (event->type() == QEvent::MouseButtonPress) {
    if (static_cast<QMouseEvent*>(event)->button() != Qt::RightButton) return false;
    // Chosen before the click goes on, so the menu that follows is the list's.
    const auto within = [widget](QWidget* list) { return list->isVisible() && (list == widget || list->isAncestorOf(widget)); };
    if (within(songsPanel_->View())) menus_->Selector().Choose(ContextMenuSelector::kSongs);
    if (within(advertsPanel_->View())) menus_->Selector().Choose(ContextMenuSelector::kLogos);
    if (within(programsPanel_->View())) menus_->Selector().Choose(ContextMenuSelector::kPrograms);
    return false;
  }
  // The search box keeps its own editing menu.
  if (qobject_cast<QLineEdit*>(widget)) return false;
  const auto* menu = static_cast<QContextMenuEvent*>(event);
  menus_->Show(menu->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(5, 5)) : menu->globalPos());
  return true;
}

void MainWindow::OnSearchFocus(bool in) {
  songsPanel_->SearchField()->setReadOnly(!in);
  SetStatus(in ? QStringLiteral("KEYBOARD MODE: SERACH") : QStringLiteral("KEYBOARD MODE: MIX"));
}

QString MainWindow::ClockText() const { return clock_->text(); }
QString MainWindow::StatusText() const { return status_->text(); }
bool MainWindow::PlayLogIndicatorShown() const { return !playLogIndicator_->isHidden(); }
QPushButton* MainWindow::LoadNextButton() const { return toggles_->LoadNext(); }
QPushButton* MainWindow::MixNextButton() const { return toggles_->MixNext(); }
QPushButton* MainWindow::AdvertsButton() const { return toggles_->Adverts(); }
QPushButton* MainWindow::ProgramsButton() const { return toggles_->Programs(); }
QPushButton* MainWindow::EnsurePlayButton() const { return toggles_->EnsurePlay(); }
bool MainWindow::AdvertsIndicatorShown() const { return toggles_->AdvertsLampShown(); }
bool MainWindow::ProgramsIndicatorShown() const { return toggles_->ProgramsLampShown(); }
bool MainWindow::EnsurePlayIndicatorShown() const { return toggles_->EnsurePlayLampShown(); }

void MainWindow::OpenOptions() {
  // The dialog reads the settings again: the deck values must be the current ones.
  station_->SaveExitSettings();
  SerialPortProbe ports;
  OptionsModel::Hooks hooks;
  hooks.applied = [this](int mainIndex, int monitorIndex) {
    SetBusyCursor(kOptionsBusy, true);
    station_->ApplyOptions(mainIndex, monitorIndex);
    SetBusyCursor(kOptionsBusy, false);
  };
  hooks.findMixer = [] { return QStandardPaths::findExecutable(QStringLiteral("pavucontrol")); };
  OptionsModel model(ctx_.settings, ctx_.dialogs, ctx_.system, ports, std::move(hooks));
  OptionsModel::Sources sources;
  sources.devices = ctx_.engine.OutputDevices();
  sources.styles = station_->MixStyles().StyleNames();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) sources.screenWidth = screen->size().width();
  SetBusyCursor(kOptionsBusy, true);
  model.Open(sources);
  SetBusyCursor(kOptionsBusy, false);
  OptionsDialog dialog(model, this);
  dialog.exec();
  playLogIndicator_->setVisible(station_->Settings().keepPlayLog);
}

void MainWindow::OpenEngineInfo() {
  EngineInfoDialog dialog(EngineInfoLines(station_->EngineInfo()), station_->Modules(), this);
  station_->RequestEngineModules();
  dialog.exec();
}

void MainWindow::ShowAbout() {
  ctx_.dialogs.Message(QStringLiteral("KORVO xa (With XAudio engine)\n\nTwo-deck MP3 playout for radio stations and DJs."),
                       QStringLiteral("About KORVO xa"), Dialogs::Icon::Information);
}
