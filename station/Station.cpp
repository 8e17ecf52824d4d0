#include "station/Station.h"

#include "audio/DecoderEngine.h"
#include "deck/MasterFader.h"
#include "formats/TimeText.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/PlayLog.h"
#include "platform/SettingsStore.h"
#include "platform/TimerIds.h"

#include <QDir>
#include <QFile>

namespace {

const QString kTitle = QStringLiteral("KORVO XA");

}  // namespace

Station::Station(AppContext& ctx, QObject* parent) : QObject(parent), ctx_(ctx), songs_(ctx.playLog) {
  const auto status = [this](const QString& text) { SetStatus(text); };
  decks_ = std::make_unique<Decks>(ctx_.engine, ctx_.dialogs, ctx_.playLog, timers_);
  mixStyles_ = std::make_unique<MixStyleModel>(mixSettings_, &ctx_.playLog, &ctx_.dialogs, ctx_.startFolder);
  connect(mixStyles_.get(), &MixStyleModel::statusText, this, &Station::SetStatus);

  SongsCommands::Hooks hooks;
  hooks.status = status;
  hooks.releaseAutoButtons = [this] { autoMix_->SetLoadNext(false); };
  hooks.focusHidden = [this] { emit focusHiddenRequested(); };
  hooks.fps = [this] { return settings_.fps; };
  hooks.advertList = [this](const QString& path) { adverts_->LoadAdvertList(path); };
  commands_ = std::make_unique<SongsCommands>(songs_, *decks_, ctx_.dialogs, ctx_.playLog, ctx_.engine,
                                              ctx_.renamePrompt, folders_, ctx_.startFolder, std::move(hooks));
  StationClipHooks::StyleChoice choice;
  choice.defaultStyle = [this] { return settings_.defMixStyle; };
  choice.advertsOn = [this] { return adverts_ && adverts_->AdvertsEnabled(); };
  clipHooks_ = std::make_unique<StationClipHooks>(commands_->Information(), commands_->Feed(), songs_, *mixStyles_,
                                                  mixSettings_, std::move(choice));
  decks_->SetClipLoadHooks(clipHooks_.get());
  autoMix_ = std::make_unique<AutoMix>(*decks_, songs_, commands_->Feed(), *mixStyles_, mixSettings_, timers_,
                                       ctx_.system, status);
  Adverts::Hooks advertHooks;
  advertHooks.mixing = [this] { return autoMix_->Engine().Mixing(); };
  advertHooks.loadingType = [this] { return settings_.advertsLoadingType; };
  adverts_ = std::make_unique<Adverts>(songs_, commands_->Feed(), timers_, ctx_.dialogs, ctx_.clock, ctx_.playLog,
                                       std::move(advertHooks));
  CreateDayPrograms();
  connect(decks_.get(), &Decks::ClipOpenFailed, autoMix_.get(), &AutoMix::OnClipOpenFailed);
  connect(decks_.get(), &Decks::ClipOpened, autoMix_.get(), &AutoMix::OnClipOpened);
  connect(&timers_, &TimerTable::Timeout, this, &Station::OnTimer);
  DefineCommands();
}

Station::~Station() {
  // Both decks stop before anything they report to goes; then users before what they use.
  decks_->Send(1, XA_MSG_COMMAND_STOP);
  decks_->Send(2, XA_MSG_COMMAND_STOP);
  timers_.StopAll();
  ensurePlay_.reset();
  programs_.reset();
  adverts_.reset();
  autoMix_.reset();
  decks_->SetClipLoadHooks(nullptr);
  clipHooks_.reset();
  commands_.reset();
  decks_.reset();
}

void Station::DefineCommands() {
  using C = ConsoleCommand;
  Decks& d = *decks_;
  SongsCommands& list = *commands_;
  console_.Define(C::LoadSelected, [&list](int) { list.LoadSelected(); });
  console_.Define(C::Mix, [this](int) { autoMix_->Engine().StartMix(); });
  console_.Define(C::SelectPrevious, [this](int) { songs_.SelectPrevious(); });
  console_.Define(C::SelectNext, [this](int) { songs_.SelectNext(); });
  console_.Define(C::PitchDown, [&d](int deck) { d.SetPitch(deck, -2, true); });
  console_.Define(C::PitchUp, [&d](int deck) { d.SetPitch(deck, 2, true); });
  console_.Define(C::ToggleAutoCue, [&d](int deck) { d.ToggleAutoCue(deck); });
  console_.Define(C::CueToMark, [&d](int deck) { d.CueToMark(deck, false); });
  console_.Define(C::SetCueMark, [&d](int deck) { d.SetCueMark(deck); });
  console_.Define(C::ToggleEqualizer, [&d](int deck) { d.ToggleEqualizer(deck); });
  console_.Define(C::MasterUp, [&d](int) { d.SetMasterVolume(d.MasterPosition() - MasterFader::kStep, true); });
  console_.Define(C::MasterDown, [&d](int) { d.SetMasterVolume(d.MasterPosition() + MasterFader::kStep, true); });
  console_.Define(C::PlayPause, [&d](int deck) { d.PlayPause(deck); });
  console_.Define(C::ResetPlayer, [&d](int deck) { d.Reset(deck); });
  console_.Define(C::OpenIntoDeck, [&list](int deck) { list.OpenIntoDeck(deck); });
  console_.Define(C::LoadClips, [&list](int) { list.LoadClips(ClipLoader::kMp3); });
  console_.Define(C::SavePlayList, [&list](int) { list.Save(); });
  console_.Define(C::AddToFavourites, [&list](int) { list.AddToFavourites(); });
  console_.Define(C::Shuffle, [&list](int) { list.Shuffle(); });
  console_.Define(C::RemoveClip, [&list](int) { list.RemoveClip(); });
  console_.Define(C::ClearPlayList, [&list](int) { list.Clear(); });
  console_.Define(C::CountTimes, [&list](int) { list.CountTimes(); });
  console_.Define(C::AdvertsOn, [this](int) { adverts_->SetAdvertsEnabled(true); });
  console_.Define(C::AdvertsOff, [this](int) { adverts_->SetAdvertsEnabled(false); });
  console_.Define(C::ProgramsOn, [this](int) { programs_->SetProgramsEnabled(true); });
  console_.Define(C::ProgramsOff, [this](int) { programs_->SetProgramsEnabled(false); });
}

void Station::CreateDayPrograms() {
  ProgramScheduler::Hooks hooks;
  hooks.mixing = [this] { return autoMix_->Engine().Mixing(); };
  hooks.loadNext = [this] { return autoMix_->LoadNext(); };
  hooks.status = [this](const QString& text) { SetStatus(text); };
  programs_ = std::make_unique<ProgramScheduler>(songs_, commands_->Loader(), commands_->Feed(), commands_->Rand(),
                                                 timers_, ctx_.clock, ctx_.playLog, ctx_.startFolder,
                                                 std::move(hooks));
  EnsurePlay::Hooks ensure;
  // As the start-up play list does: "Check On Load", then LOAD NEXT before MIX NEXT, which
  // waits for it.
  ensure.autoPlay = [this] {
    decks_->SetCheckOnLoad(true);
    songs_.SetClipInfoText(QString());
    autoMix_->SetLoadNext(true);
    autoMix_->SetMixNext(true);
  };
  ensure.resetPassCount = [this] { autoMix_->Engine().ResetPassCount(); };
  ensurePlay_ = std::make_unique<EnsurePlay>(songs_, commands_->Loader(), *adverts_, *programs_, timers_,
                                             ctx_.dialogs, ctx_.playLog, ctx_.driveC, std::move(ensure));
}

std::unique_ptr<DayProgramMaker> Station::NewDayProgramMaker(std::function<void()> help) {
  return std::make_unique<DayProgramMaker>(ctx_.dialogs, ctx_.clock, ctx_.startFolder, folders_.playListFolder,
                                           std::move(help));
}

void Station::Start(const StartUpHooks& hooks) {
  CreateStationFolders();

  timers_.Start(timerid::kClock, 1000);
  ShowClock();

  ctx_.playLog.WritePlayLog(QStringLiteral("APP"), QStringLiteral("CONTROLS INITIALIZED"), QString());

  // Defaults before the settings are read, so missing values fall back to them.
  settings_ = StationSettings{};
  ctx_.playLog.SetEnabled(false);
  ReadSettings();
  if (hooks.afterSettings) hooks.afterSettings();

  decks_->StartupAfterSettings();
  mixStyles_->StartUp(settings_.defMixStyle);

  decks_->StartupMasterVolume();
  settings_.outputDeviceId = 0;
  if (hooks.beforeSongsList) hooks.beforeSongsList();

  songs_.ClearSongsList();
  // What a crash or restart left takes the place of the start-up play list.
  ensurePlay_->RecoverAfterRestart();
  LoadStartUpPlayList();
}

void Station::LoadStartUpPlayList() {
  if (songs_.Count() != 0 || settings_.startUpProgram.isEmpty()) return;
  if (commands_->Loader().LoadPrl(paths::ResolvePath(settings_.startUpProgram)) != 0 || songs_.Count() < 1) return;
  commands_->Shuffle();
  songs_.SelectItem(0);
  decks_->SetCheckOnLoad(true);
  songs_.SetClipInfoText(QString());
  autoMix_->SetLoadNext(true);
  autoMix_->SetMixNext(true);
  commands_->Feed().LoadSelectedIntoPlayer(0);
  timers_.Start(timerid::kStartUpMix, 5000);
}

void Station::CreateStationFolders() {
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

void Station::ReadSettings() {
  settings_.Read(ctx_.settings);
  decks_->ReadDeckSettings(ctx_.settings);
  mixStyles_->setCurrentStyleName(settings_.defMixStyle);
  settings_.NormaliseFps();
  decks_->SetFps(settings_.fps);
  autoMix_->Engine().SetFps(settings_.fps);
  folders_ = RememberedFolders{settings_.audioFolder, settings_.playListFolder};
  adverts_->SetAdListFolder(settings_.adListFolder);
  ctx_.playLog.SetEnabled(settings_.keepPlayLog);
}

void Station::SaveAtExit() {
  decks_->SaveDeckSettings(ctx_.settings);
  settings_.audioFolder = folders_.mp3Folder;
  settings_.playListFolder = folders_.playListFolder;
  settings_.adListFolder = adverts_->AdListFolder();
  settings_.SaveFolders(ctx_.settings);
  ctx_.playLog.WritePlayLog(QStringLiteral("APP"), QStringLiteral("Registry Entries Saved"), QString());
}

void Station::Stop() {
  timers_.StopAll();
  ctx_.playLog.WritePlayLog(QStringLiteral("APP"), QStringLiteral("APPLICATION EXITED"), QString());
}

void Station::OnTimer(int id) {
  if (id == timerid::kClock) {
    ShowClock();
    return;
  }
  if (adverts_->OnTimer(id)) return;
  if (programs_->OnTimer(id)) return;
  autoMix_->OnTimer(id);
}

void Station::ShowClock() {
  const QString text = timetext::ClockText(ctx_.clock.Now().time());
  if (text == clock_) return;
  clock_ = text;
  emit clockChanged(clock_);
}

void Station::SetStatus(const QString& text) {
  // The mix writes its status on every crossfade tick: unchanged, nothing is redrawn.
  if (text == status_) return;
  status_ = text;
  emit statusChanged(status_);
}
