#include "options/OptionsModel.h"

#include "options/DeviceReport.h"
#include "options/RemotePorts.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"

namespace {

const QString kWarningTitle = QStringLiteral("Can't update preferances");
constexpr int kTextLimit = 255;  // what the old edit boxes and lists held

// The list entry standing for the null output when the engine lists no device: it is
// what plays then.
XaOutputDevice NullDevice() {
  XaOutputDevice d;
  d.name = QStringLiteral("Null output");
  d.hostApi = QStringLiteral("none");
  d.maxChannels = 2;
  d.defaultRate = 44100;
  d.isNull = true;
  return d;
}

}  // namespace

OptionsModel::OptionsModel(SettingsStore& store, Dialogs& dialogs, SystemServices& system, PortProbe& probe,
                           Hooks hooks, QObject* parent)
    : QObject(parent), store_(store), dialogs_(dialogs), system_(system), probe_(probe), hooks_(std::move(hooks)) {}

OptionsList& OptionsModel::Mutable(List list) { return lists_[static_cast<int>(list)]; }
const OptionsList& OptionsModel::Of(List list) const { return lists_[static_cast<int>(list)]; }

void OptionsModel::Open(const Sources& sources) {
  Mutable(List::Fps).items = {QStringLiteral("25"), QStringLiteral("30")};
  Mutable(List::Style).items = sources.styles;
  startUpProgram_.clear();
  Mutable(List::RemotePort).items = AvailableRemotePorts(store_, probe_);
  devices_ = sources.devices.isEmpty() ? QList<XaOutputDevice>{NullDevice()} : sources.devices;
  QStringList names;
  for (const XaOutputDevice& d : devices_) names << d.name;
  Mutable(List::MainOut).items = names;
  Mutable(List::Monitor).items = names;
  ReadStored();
  applyEnabled_ = false;
  // Every time the dialog opens, whatever happened in between.
  system_.InhibitScreenSaver(true);
  changeScreenEnabled_ = sources.screenWidth != 800;
  emit changed();
}

void OptionsModel::ReadStored() {
  int fps = store_.Read(settings::kFps);
  if (fps != 25 && fps != 30) fps = 25;  // what the station plays at then
  Mutable(List::Fps).SelectText(QString::number(fps));
  Mutable(List::MainOut).SelectText(store_.Read(settings::kOutputDevice));
  Mutable(List::Monitor).SelectText(store_.Read(settings::kMonitorDevice));
  Mutable(List::Style).SelectText(store_.Read(settings::kDefMixStyle));
  Mutable(List::RemotePort).SelectText(store_.Read(settings::kRemotePort));
  startUpProgram_ = store_.Read(settings::kStartUpProgram);
  changeResolution_ = store_.Read(settings::kChangeResolution);
  advertsByFilenames_ = store_.Read(settings::kAdvertsLoadingType) == 1;
  keepPlayLog_ = store_.Read(settings::kKeepPlayLog);
  allowRestart_ = store_.Read(settings::kAllowSystemRestart);
}

void OptionsModel::Changed() {
  applyEnabled_ = true;
  emit changed();
}

void OptionsModel::Choose(List list, int index) {
  OptionsList& l = Mutable(list);
  if (index < -1 || index >= l.items.size()) return;
  l.selected = index;
  Changed();
}

void OptionsModel::SetStartUpProgram(const QString& path) {
  startUpProgram_ = path.left(kTextLimit);
  Changed();
}

void OptionsModel::ClearStartUpProgram() { SetStartUpProgram(QString()); }

void OptionsModel::BrowseStartUpProgram() {
  const QStringList chosen = dialogs_.OpenFiles(QStringLiteral("Open"), store_.Read(settings::kDefPlayListFolder),
                                                QStringLiteral("KORVO, TEVRO Play Lists (*.prl)"), false);
  if (!chosen.isEmpty()) SetStartUpProgram(chosen.first());
}

void OptionsModel::SetChangeResolution(bool on) {
  changeResolution_ = on;
  Changed();
}

// Either box toggles and the other shows the opposite: exactly one stays ticked, so a
// click on either one swaps them.
void OptionsModel::ClickAdvertsCoded() {
  advertsByFilenames_ = !advertsByFilenames_;
  Changed();
}

void OptionsModel::ClickAdvertsFilenames() { ClickAdvertsCoded(); }

void OptionsModel::SetKeepPlayLog(bool on) {
  keepPlayLog_ = on;
  Changed();
}

void OptionsModel::SetAllowSystemRestart(bool on) {
  allowRestart_ = on;
  Changed();
}

OptionsWrites OptionsModel::Writes() const {
  using namespace settings;
  const OptionsList& main = Of(List::MainOut);
  const OptionsList& monitor = Of(List::Monitor);
  return {
      {std::pair{kFps, Of(List::Fps).Text().toInt()}},
      {std::pair{kOutputDevice, main.Text().left(kTextLimit)}},
      {std::pair{kOutputDeviceId, main.selected}},
      {std::pair{kMonitorDevice, monitor.Text().left(kTextLimit)}},
      {std::pair{kMonitorDeviceId, monitor.selected}},
      {std::pair{kDefMixStyle, Of(List::Style).Text()}},
      {std::pair{kRemotePort, Of(List::RemotePort).Text()}},
      {std::pair{kStartUpProgram, startUpProgram_}},
      {std::pair{kChangeResolution, changeResolution_}},
      {std::pair{kAdvertsLoadingType, advertsByFilenames_ ? 1 : 0}},
      {std::pair{kKeepPlayLog, keepPlayLog_}},
      {std::pair{kAllowSystemRestart, allowRestart_}},
  };
}

bool OptionsModel::Apply() {
  if (Of(List::MainOut).selected < 0) {
    dialogs_.Message(QStringLiteral("Select the output soundcard"), kWarningTitle, Dialogs::Icon::Warning);
    return false;
  }
  if (Of(List::Monitor).selected < 0) {
    dialogs_.Message(QStringLiteral("Select the Monitor soundcard"), kWarningTitle, Dialogs::Icon::Warning);
    return false;
  }
  for (const OptionsWrite& w : Writes()) w.WriteTo(store_);
  if (hooks_.applied) hooks_.applied(Of(List::MainOut).selected, Of(List::Monitor).selected);
  applyEnabled_ = false;
  emit changed();
  dialogs_.Message(QStringLiteral("Options and Preferances saved!"), QStringLiteral("KORVO XA"),
                   Dialogs::Icon::Information);
  return true;
}

void OptionsModel::Exit() {
  if (!applyEnabled_) return;
  if (dialogs_.Message(QStringLiteral("Save changes?"), QStringLiteral("KORVO XA"), Dialogs::Icon::Question,
                       Dialogs::Buttons::YesNo, Dialogs::Answer::Yes) == Dialogs::Answer::Yes) {
    Apply();
  }
}

void OptionsModel::ShowDeviceReport(List list) {
  if (list != List::MainOut && list != List::Monitor) return;
  const int index = Of(list).selected;
  if (index < 0 || index >= devices_.size()) return;
  dialogs_.Message(OutputDeviceReport(devices_[index]), QStringLiteral("KORVO XA"), Dialogs::Icon::Information);
}

void OptionsModel::StartMixer() {
  const QString mixer = hooks_.findMixer ? hooks_.findMixer() : QString();
  // An absolute path starts as it is; a failure to start is not reported.
  if (!mixer.isEmpty()) system_.StartProgram(mixer);
}

void OptionsModel::StartWorkingMode() { system_.StartProgram(QStringLiteral("KorvoMd")); }

void OptionsModel::ChangeScreenNow() {
  if (system_.ChangeDisplayMode(800, 600) == 0) {
    changeScreenEnabled_ = false;
    emit changed();
  }
}
