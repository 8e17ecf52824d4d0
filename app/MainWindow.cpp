#include "app/MainWindow.h"

#include "app/AutoMix.h"
#include "app/DecksPort.h"
#include "app/PlayListCommands.h"
#include "app/ScreenFit.h"
#include "app/StationClipHooks.h"
#include "platform/ui/Theme.h"
#include "deck/CentrePanel.h"
#include "deck/DeckPanel.h"
#include "deck/Decks.h"
#include "audio/DecoderEngine.h"
#include "formats/TimeText.h"
#include "mix/MixStyleModel.h"
#include "mix/ui/MixStylePanel.h"
#include "platform/TimerIds.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/PlayLog.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"
#include "songs/ui/SongsListPanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QKeyEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

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

MainWindow::MainWindow(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setWindowTitle(kTitle);
  setFixedSize(800, 600);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  BuildControls();
  connect(&timers_, &TimerTable::Timeout, this, &MainWindow::OnTimer);
  setAcceptDrops(true);
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  // Stop both decks before their widgets go.
  if (decks_) {
    decks_->Send(1, XA_MSG_COMMAND_STOP);
    decks_->Send(2, XA_MSG_COMMAND_STOP);
  }
  // Users before what they use: the mix and the list commands refer to the decks, the
  // decks to the load hooks.
  autoMix_.reset();
  if (decks_) decks_->SetClipLoadHooks(nullptr);
  clipHooks_.reset();
  commands_.reset();
  // The panel shows the list: it goes before the list does.
  delete songsPanel_;
  songsPanel_ = nullptr;
  deckAccess_.reset();
  decks_.reset();
}

void MainWindow::BuildControls() {
  status_ = new QLabel(QStringLiteral("Ready"), this);
  status_->setObjectName(QStringLiteral("StatusLine"));
  status_->setGeometry(6, 578, 788, 18);
  status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);

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
  clock_ = new QLabel(QStringLiteral("00:00:00"), this);
  clock_->setObjectName(QStringLiteral("SystemTime"));
  clock_->setGeometry(722, 4, 72, 20);
  clock_->setStyleSheet(QStringLiteral("color: #ffb000; font: bold 13px monospace;"));

  BuildToolButtons();

  // Keeps the keyboard focus so sliders and buttons never take key strokes themselves.
  focusHolder_ = new QPushButton(QStringLiteral("Hidden/Focus"), this);
  focusHolder_->setGeometry(0, 0, 1, 1);
  focusHolder_->setAutoDefault(false);
  focusHolder_->lower();

  decks_ = std::make_unique<Decks>(ctx_.engine, ctx_.dialogs, ctx_.playLog, timers_, this);
  decks_->Panel(1)->move(232, 28);
  decks_->Centre()->move(232 + 212 + 2, 28);
  decks_->Panel(2)->move(232 + 212 + 2 + 136 + 2, 28);

  mixStyles_ = std::make_unique<MixStyleModel>(mixSettings_, &ctx_.playLog, &ctx_.dialogs, ctx_.startFolder);
  connect(mixStyles_.get(), &MixStyleModel::statusText, this, &MainWindow::SetStatus);
  auto* mixPanel = new MixStylePanel(*mixStyles_, this);
  mixPanel->setGeometry(232, 362, 330, 130);

  QPushButton* checkOnLoad = decks_->CheckOnLoadButton();
  checkOnLoad->setParent(this);
  checkOnLoad->setGeometry(568, 366, 110, 24);
  checkOnLoad->setToolTip(QStringLiteral("Check Clip before load"));
  checkOnLoad->setStyleSheet(LampButtonStyle());
  checkOnLoad->show();

  BuildSongsList();
  autoMix_ = std::make_unique<AutoMix>(*decks_, *deckAccess_, songsPanel_->List(), commands_->Feed(), *mixStyles_, mixSettings_,
                                       timers_, ctx_.system, ctx_.playLog,
                                       [this](const QString& text) { SetStatus(text); }, this);
  autoMix_->LoadNextButton()->setGeometry(568, 396, 110, 24);
  autoMix_->MixNextButton()->setGeometry(568, 424, 110, 24);
  ConnectCommands();

  qApp->installEventFilter(this);
}

void MainWindow::BuildSongsList() {
  const auto status = [this](const QString& text) { SetStatus(text); };
  songsList_ = std::make_unique<SongsList>(ctx_.playLog);
  songsPanel_ = new SongsListPanel(*songsList_, status, this);
  songsPanel_->setGeometry(6, 28, 220, 546);
  // Read-only until it has the focus: in mix mode keys are console commands.
  songsPanel_->SearchField()->setReadOnly(true);
  deckAccess_ = std::make_unique<DecksPort>(*decks_, mixSettings_, ctx_.playLog);
  PlayListCommands::Hooks hooks;
  hooks.status = status;
  hooks.releaseAutoButtons = [this] { autoMix_->SetLoadNext(false); };
  hooks.focusHidden = [this] { focusHolder_->setFocus(); };
  hooks.fps = [this] { return settings_.fps; };
  commands_ = std::make_unique<PlayListCommands>(*songsPanel_, *deckAccess_, ctx_.dialogs, ctx_.playLog, ctx_.engine, folders_,
                                                 ctx_.startFolder, this, std::move(hooks));
  StationClipHooks::StyleChoice choice;
  choice.defaultStyle = [this] { return settings_.defMixStyle; };
  clipHooks_ = std::make_unique<StationClipHooks>(commands_->Information(), commands_->Feed(), *songsList_,
                                                  *mixStyles_, mixSettings_, std::move(choice));
  decks_->SetClipLoadHooks(clipHooks_.get());
}

void MainWindow::ConnectCommands() {
  connect(decks_.get(), &Decks::MixClicked, this, [this] { autoMix_->Engine().StartMix(); });
  connect(decks_.get(), &Decks::OpenRequested, this, [this](int deck) { commands_->OpenIntoDeck(deck); });
  connect(decks_.get(), &Decks::ClipOpenFailed, autoMix_.get(), &AutoMix::OnClipOpenFailed);
  connect(decks_.get(), &Decks::ClipOpened, autoMix_.get(), &AutoMix::OnClipOpened);
  const auto button = [this](const char* caption, auto&& slot) {
    connect(toolButtons_.value(QString::fromLatin1(caption)), &QPushButton::clicked, this, slot);
  };
  button("S", [this] { commands_->Shuffle(); });
  button("D", [this] { commands_->RemoveClip(); });
  button("L", [this] {
    commands_->LoadClips(ClipLoader::kMp3);
    FitWindowToScreen();
  });
  button("V", [this] { commands_->Save(); });
  button("C", [this] { commands_->Clear(); });
  button("T", [this] { commands_->CountTimes(); });
  button("+=", [this] { commands_->AddToFavourites(); });
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
  connect(toolButtons_.value(QStringLiteral("A")), &QPushButton::clicked, this, &MainWindow::ShowAbout);
  connect(toolButtons_.value(QStringLiteral("X")), &QPushButton::clicked, this, &MainWindow::RequestExit);
}

void MainWindow::Start() {
  // Screen, start folder, adverts folder text.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) screenAtStart_ = screen->size();
  startDir_->setText(ctx_.startFolder);

  CreateStationFolders();

  timers_.Start(99, 1000);
  ShowClock();

  ctx_.playLog.WritePlayLog(QStringLiteral("APP"), QStringLiteral("CONTROLS INITIALIZED"), QString());

  // Defaults before the settings are read, so missing values fall back to them.
  settings_ = StationSettings{};
  ctx_.playLog.SetEnabled(false);
  ReadSettings();

  if (screenAtStart_.width() != 800 && settings_.changeResolution) {
    if (ctx_.system.ChangeDisplayMode(800, 600) == 0) {
      previousScreen_ = screenAtStart_;
      displayModeChanged_ = true;
    }
  }

  decks_->StartupAfterSettings();
  mixStyles_->StartUp(settings_.defMixStyle);

  decks_->StartupMasterVolume();
  settings_.outputDeviceId = 0;

  move(0, 0);
  FitWindowToScreen();

  songsPanel_->List().ClearSongsList();
  LoadStartUpPlayList();
}

void MainWindow::LoadStartUpPlayList() {
  SongsList& list = songsPanel_->List();
  if (list.Count() != 0 || settings_.startUpProgram.isEmpty()) return;
  if (commands_->Loader().LoadPrl(paths::ResolvePath(settings_.startUpProgram)) != 0 || list.Count() < 1) return;
  commands_->Shuffle();
  list.SelectItem(0);
  decks_->SetCheckOnLoad(true);
  songsPanel_->SetClipInfoText(QString());
  autoMix_->SetLoadNext(true);
  autoMix_->SetMixNext(true);
  commands_->Feed().LoadSelectedIntoPlayer(0);
  timers_.Start(timerid::kStartUpMix, 5000);
}

void MainWindow::CreateStationFolders() {
  const QString adverts = ctx_.driveC + QStringLiteral("/Adverts");
  if (!QDir(adverts).exists() && QDir().mkpath(adverts)) {
    QFile note(adverts + QStringLiteral("/korvodir.txt"));
    if (note.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      note.write("Directory created by KORVO xa\nIf you uninstall KORVO xa remove this directory\n");
    }
    ctx_.dialogs.Message(QStringLiteral("Directory (folder) 'C:\\Adverts' created"), kTitle,
                         Dialogs::Icon::Information);
  }
  const QString programs = ctx_.startFolder + QStringLiteral("Prglists");
  if (!QDir(programs).exists() && QDir().mkpath(programs)) {
    ctx_.dialogs.Message(QStringLiteral("Program Lists Directory created"), kTitle, Dialogs::Icon::Information);
  }
}

void MainWindow::ReadSettings() {
  settings_.Read(ctx_.settings);
  decks_->ReadDeckSettings(ctx_.settings);
  mixStyles_->setCurrentStyleName(settings_.defMixStyle);
  settings_.NormaliseFps();
  decks_->SetFps(settings_.fps);
  autoMix_->Engine().SetFps(settings_.fps);
  folders_ = RememberedFolders{settings_.audioFolder, settings_.playListFolder};
  ctx_.playLog.SetEnabled(settings_.keepPlayLog);
  playLogIndicator_->setVisible(settings_.keepPlayLog);
}

void MainWindow::FitWindowToScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  if (const auto place = FitToScreen(screen->size())) {
    move(place->topLeft());
  }
}

bool MainWindow::RequestExit() {
  if (exiting_) return true;
  const auto answer = ctx_.dialogs.Message(QStringLiteral("Quit KORVO xa?"), kTitle, Dialogs::Icon::Question,
                                           Dialogs::Buttons::YesNo, Dialogs::Answer::No);
  if (answer != Dialogs::Answer::Yes) return false;
  exiting_ = true;

  // Saved before anything stops, so a crash further down loses nothing.
  decks_->SaveDeckSettings(ctx_.settings);
  settings_.audioFolder = folders_.mp3Folder;
  settings_.playListFolder = folders_.playListFolder;
  settings_.SaveFolders(ctx_.settings);
  ctx_.playLog.WritePlayLog(QStringLiteral("APP"), QStringLiteral("Registry Entries Saved"), QString());

  if (displayModeChanged_ && settings_.changeResolution) {
    ctx_.system.ChangeDisplayMode(previousScreen_.width(), previousScreen_.height());
  }
  timers_.StopAll();
  ctx_.playLog.WritePlayLog(QStringLiteral("APP"), QStringLiteral("APPLICATION EXITED"), QString());
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
  if (!files.isEmpty()) commands_->Loader().DropFiles(files);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate && watched == this) keyboard_.FocusLost();
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
  RouteKey(action);
  if (action.moveFocus) focusHolder_->setFocus();
  return !action.passOn;
}

void MainWindow::OnSearchFocus(bool in) {
  songsPanel_->SearchField()->setReadOnly(!in);
  SetStatus(in ? QStringLiteral("KEYBOARD MODE: SERACH") : QStringLiteral("KEYBOARD MODE: MIX"));
}

void MainWindow::RouteKey(const KeyAction& action) {
  if (decks_->HandleKeyCommand(action)) return;
  SongsList& list = songsPanel_->List();
  switch (action.command) {
    case KeyCommand::LoadSelected:
      commands_->LoadSelected();
      break;
    case KeyCommand::SearchTitles:
      commands_->Search(1);
      break;
    case KeyCommand::SearchPaths:
      commands_->Search(2);
      break;
    case KeyCommand::Mix:
      autoMix_->Engine().StartMix();
      break;
    case KeyCommand::SelectPrevious:
      list.SelectPrevious();
      break;
    case KeyCommand::SelectNext:
      list.SelectNext();
      break;
    case KeyCommand::LoadClips:
      commands_->LoadClips(ClipLoader::kMp3);
      FitWindowToScreen();
      break;
    case KeyCommand::SavePlayList:
      commands_->Save();
      break;
    case KeyCommand::AddToFavourites:
      commands_->AddToFavourites();
      break;
    case KeyCommand::FocusSearch:
      songsPanel_->SearchField()->setFocus();
      return;
    case KeyCommand::FocusHidden:
      focusHolder_->setFocus();
      break;
    case KeyCommand::About:
      ShowAbout();
      break;
    case KeyCommand::Exit:
      RequestExit();
      break;
    default:
      break;  // the songs list, programs, adverts and options route here as they arrive
  }
}

void MainWindow::OnTimer(int id) {
  switch (id) {
    case 99:
      ShowClock();
      break;
    default:
      autoMix_->OnTimer(id);
      break;
  }
}

void MainWindow::ShowClock() { clock_->setText(timetext::ClockText(ctx_.clock.Now().time())); }

QString MainWindow::ClockText() const { return clock_->text(); }
QString MainWindow::StatusText() const { return status_->text(); }
void MainWindow::SetStatus(const QString& text) { status_->setText(text); }
bool MainWindow::PlayLogIndicatorShown() const { return !playLogIndicator_->isHidden(); }

void MainWindow::ShowAbout() {
  ctx_.dialogs.Message(QStringLiteral("KORVO xa (With XAudio engine)\n\nTwo-deck MP3 playout for radio stations and DJs."),
                       QStringLiteral("About KORVO xa"), Dialogs::Icon::Information);
}
