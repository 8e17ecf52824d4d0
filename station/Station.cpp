#include "station/Station.h"

#include "audio/DecoderEngine.h"
#include "deck/MasterFader.h"
#include "formats/TimeText.h"
#include "options/OutputDeviceChoice.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/PlayLog.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"
#include "platform/TimerIds.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

const QString kTitle = QStringLiteral("KORVO XA");

// The remote's buttons as console commands.
class RemoteCommands final : public RemoteConsole {
 public:
  explicit RemoteCommands(const ConsoleCommands& console) : console_(console) {}
  void Run(RemoteAction action, int deck) override { console_.Run(CommandFor(action), deck); }

 private:
  static ConsoleCommand CommandFor(RemoteAction action) {
    using A = RemoteAction;
    using C = ConsoleCommand;
    switch (action) {
      case A::Mix: return C::Mix;
      case A::SelectPrevious: return C::SelectPrevious;
      case A::SelectNext: return C::SelectNext;
      case A::LoadSelected: return C::LoadSelected;
      case A::PlayPause: return C::PlayPause;
      case A::Rewind: return C::RemoteRewind;
      case A::FastForward: return C::RemoteForward;
      case A::ResumeAfterSeek: return C::RemoteResume;
      case A::SetCue: return C::SetCueMark;
      case A::Cue: return C::CueToMark;
      case A::CueAndPause: return C::CueAndPause;
      case A::ToggleMonitor: return C::ToggleMonitor;
      case A::ResetEqualizers: return C::ResetEqualizers;
      case A::MasterDown: return C::RemoteMasterDown;
      case A::MasterUp: return C::RemoteMasterUp;
      case A::ToggleEqualizer: return C::ToggleEqualizer;
      case A::ToggleCheckOnLoad: return C::ToggleCheckOnLoad;
      case A::ToggleLoadNext: return C::ToggleLoadNext;
      case A::ToggleMixNext: return C::ToggleMixNext;
      case A::Shuffle: return C::Shuffle;
      case A::Help: return C::Help;
    }
    return C::None;
  }

  const ConsoleCommands& console_;
};

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
  profile_ = std::make_unique<PlayListProfile>(commands_->Loader(), ctx_.dialogs, ctx_.playLog, status);
  CreateDayPrograms();
  connect(decks_.get(), &Decks::ClipOpenFailed, autoMix_.get(), &AutoMix::OnClipOpenFailed);
  connect(decks_.get(), &Decks::ClipOpened, autoMix_.get(), &AutoMix::OnClipOpened);
  connect(&timers_, &TimerTable::Timeout, this, &Station::OnTimer);
  connect(decks_.get(), &Decks::ModuleReported, &modules_, &EngineModules::Report);
  DefineCommands();
  CreateRemote();
}

Station::~Station() {
  remoteSwitch_.reset();
  remote_.reset();
  // Both decks stop before anything they report to goes; then users before what they use.
  decks_->Send(1, XA_MSG_COMMAND_STOP);
  decks_->Send(2, XA_MSG_COMMAND_STOP);
  timers_.StopAll();
  profile_.reset();
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
  console_.Define(C::LoadPlayList, [&list](int) { list.LoadClips(ClipLoader::kPrl); });
  console_.Define(C::ImportM3u, [&list](int) { list.LoadClips(ClipLoader::kM3u); });
  console_.Define(C::RenameSelected, [&list](int) { list.Rename(); });
  // The companions are started by name; a failure to start them is not reported.
  console_.Define(C::PlayListEditor, [this](int) { ctx_.system.StartProgram(QStringLiteral("KorvoPrl")); });
  console_.Define(C::LogosEditor, [this](int) { ctx_.system.StartProgram(QStringLiteral("KorvoLogos")); });
  console_.Define(C::LoadBlockNow, [this](int) { adverts_->LoadBlockNow(); });
  console_.Define(C::ImportLogos, [this](int) { adverts_->OpenAdvertList(); });
  console_.Define(C::ImportAd, [this](int) { adverts_->ImportAd(); });
  console_.Define(C::RemoveAd, [this](int) { adverts_->RemoveAd(); });
  console_.Define(C::ClearLogos, [this](int) { adverts_->Clear(); });
  console_.Define(C::LoadProgramNow, [this](int) { programs_->LoadSelectedProgramNow(); });
  console_.Define(C::ReloadPrograms, [this](int) { programs_->LoadProgramsTable(); });
  console_.Define(C::ClearPrograms, [this](int) { programs_->ClearPrograms(); });
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

void Station::CreateRemote() {
  remoteConsole_ = std::make_unique<RemoteCommands>(console_);
  remoteModes_ = std::make_unique<RemoteModes>(*remoteConsole_);
  RemoteControl::Hooks hooks;
  hooks.status = [this](const QString& text) { SetStatus(text); };
  hooks.busy = [this](bool on) { emit remoteBusyChanged(on); };
  remote_ = std::make_unique<RemoteControl>(ctx_.settings, ctx_.dialogs, timers_, std::move(hooks));
  connect(remote_.get(), &RemoteControl::buttonState, remoteModes_.get(), &RemoteModes::OnButtonState);
  // A port that went away closed the link: no mode is left to show.
  connect(remote_.get(), &RemoteControl::portLost, remoteModes_.get(), &RemoteModes::Clear);
  remoteSwitch_ = std::make_unique<RemoteSwitch>(*remote_, *remoteModes_, ctx_.settings, ctx_.dialogs,
                                                 [this] { console_.Run(ConsoleCommand::Options); });
  DefineRemoteCommands();
}

void Station::DefineRemoteCommands() {
  using C = ConsoleCommand;
  Decks& d = *decks_;
  console_.Define(C::RemoteControl, [this](int) { remoteSwitch_->Toggle(); });
  console_.Define(C::CueAndPause, [&d](int deck) { d.CueToMark(deck, true); });
  console_.Define(C::ToggleMonitor, [&d](int deck) { d.ToggleMonitor(deck); });
  console_.Define(C::ResetEqualizers, [&d](int) { d.ResetEqualizer(); });
  // The box's picture is not changed: the window draws it from the state.
  console_.Define(C::ToggleCheckOnLoad, [&d](int) { d.SetCheckOnLoad(!d.CheckOnLoad()); });
  console_.Define(C::ToggleLoadNext, [this](int) { autoMix_->SetLoadNext(!autoMix_->LoadNext()); });
  console_.Define(C::ToggleMixNext, [this](int) {
    if (autoMix_->MixNextEnabled()) autoMix_->SetMixNext(!autoMix_->Engine().MixNext());
  });
  // A held REW or FF works the deck's position slider as a drag does: the deck pauses and
  // the cue mark follows; letting go plays on from there.
  const auto seek = [this, &d](int deck, int direction) {
    const DeckModel* model = d.Model(deck);
    if (!model) return;
    const int step = remoteModes_->RepeatCount() + RemoteModes::kSeekStep;
    d.DragPosition(deck, std::clamp(model->Position() + direction * step, 0, model->PositionMax()));
  };
  console_.Define(C::RemoteRewind, [seek](int deck) { seek(deck, -1); });
  console_.Define(C::RemoteForward, [seek](int deck) { seek(deck, 1); });
  console_.Define(C::RemoteResume, [&d](int deck) {
    d.Play(deck);
    d.LogPlayerClip(deck);
  });
  const auto master = [this, &d](int direction) {
    const int step = remoteModes_->RepeatCount() + RemoteModes::kMasterStep;
    d.SetMasterVolume(std::clamp(d.MasterPosition() + direction * step, 1, 65535), true);
  };
  console_.Define(C::RemoteMasterDown, [master](int) { master(1); });
  console_.Define(C::RemoteMasterUp, [master](int) { master(-1); });
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
  ApplyOutputDevices();
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

void Station::SaveExitSettings() {
  decks_->SaveDeckSettings(ctx_.settings);
  settings_.audioFolder = folders_.mp3Folder;
  settings_.playListFolder = folders_.playListFolder;
  settings_.adListFolder = adverts_->AdListFolder();
  settings_.SaveFolders(ctx_.settings);
  ctx_.playLog.WritePlayLog(QStringLiteral("APP"), QStringLiteral("Registry Entries Saved"), QString());
}

void Station::SaveAtExit() {
  SaveExitSettings();
  if (remote_->RemoteOpen() || remote_->Handshaking()) remote_->CloseRemote();
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
  if (id == timerid::kRemotePoll) {
    remote_->PollRemote();
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

void Station::ApplyOutputDevices() {
  const QList<XaOutputDevice> devices = ctx_.engine.OutputDevices();
  // Without a sound card (KORVO_AUDIO=null) every stored card is absent by design: noted in
  // the log, but no box that would hold a headless start.
  const bool nullOnly = std::all_of(devices.cbegin(), devices.cend(), [](const auto& d) { return d.isNull; });
  const auto choose = [&](const QString& name, int id, const QString& output) {
    const OutputDeviceChoice choice = ChooseOutputDevice(devices, name, id);
    if (choice.gone) {
      ctx_.playLog.WritePlayLog(QStringLiteral("ERR"), QStringLiteral("OUTPUT DEVICE NOT FOUND"),
                                output + QStringLiteral(": ") + name);
      if (!nullOnly) {
        ctx_.dialogs.Message(QStringLiteral("The sound device \"%1\" chosen for the %2 output is not present.\n"
                                            "The %2 output plays on the default device.")
                                 .arg(name, output),
                             kTitle, Dialogs::Icon::Warning);
      }
    }
    return choice.index;
  };
  const int main = choose(settings_.outputDevice, settings_.outputDeviceId, QStringLiteral("main"));
  const int monitor = choose(settings_.monitorDevice, settings_.monitorDeviceId, QStringLiteral("monitor"));
  ctx_.engine.SetOutputDevices(main, monitor);
}

void Station::ApplyOptions(int mainIndex, int monitorIndex) {
  ReadSettings();
  settings_.outputDeviceId = mainIndex;
  settings_.monitorDeviceId = monitorIndex;
  ctx_.engine.SetOutputDevices(mainIndex, monitorIndex);
}

EngineInfoSources Station::EngineInfo() const {
  EngineInfoSources s;
  for (int deck = 1; deck <= 2; ++deck) {
    s.decks[deck - 1] = {decks_->StateText(deck), decks_->EqOn(deck), decks_->MonitorOut(deck)};
  }
  s.apiVersion = ctx_.engine.ApiVersion();
  s.outputDevices = int(ctx_.engine.OutputDevices().size());
  s.fps = settings_.fps;
  s.outputDevice = settings_.outputDevice;
  s.monitorDevice = settings_.monitorDevice;
  s.defMixStyle = settings_.defMixStyle;
  s.advertsLoadingType = settings_.advertsLoadingType;
  s.playList = songs_.Header();
  s.mix = mixSettings_;
  return s;
}

void Station::RequestEngineModules() {
  modules_.Clear();
  decks_->Send(1, XA_MSG_COMMAND_INPUT_MODULES_LIST);
  decks_->Send(1, XA_MSG_COMMAND_OUTPUT_MODULES_LIST);
}
