#include "remote/RemoteSwitch.h"

#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "remote/RemoteControl.h"
#include "remote/RemoteModes.h"

namespace {

const QString kTitle = QStringLiteral("KORVO XA");
const QString kNoPort = QStringLiteral("NULL");

}  // namespace

RemoteSwitch::RemoteSwitch(RemoteControl& remote, RemoteModes& modes, const SettingsStore& settings, Dialogs& dialogs,
                           std::function<void()> options)
    : remote_(remote), modes_(modes), settings_(settings), dialogs_(dialogs), options_(std::move(options)) {}

void RemoteSwitch::Toggle() {
  QString port = settings_.Read(settings::kRemotePort);
  if (port == kNoPort) {
    if (dialogs_.Message(QStringLiteral("NULL Port for Remote Control found\nDo you want to setup a Port now?"), kTitle,
                         Dialogs::Icon::Question, Dialogs::Buttons::YesNo,
                         Dialogs::Answer::Yes) != Dialogs::Answer::Yes)
      return;
    if (options_) options_();
    port = settings_.Read(settings::kRemotePort);
    if (port == kNoPort || port == QLatin1String(settings::kNotOpen)) {
      dialogs_.Message(QStringLiteral("You didn't set a port\nRemote operates on COM1-COM4"), kTitle,
                       Dialogs::Icon::Warning);
      return;
    }
    if (dialogs_.Message(QStringLiteral("You picked %1\nDo you want to enable Remote Control now?").arg(port), kTitle,
                         Dialogs::Icon::Question, Dialogs::Buttons::YesNo,
                         Dialogs::Answer::Yes) != Dialogs::Answer::Yes)
      return;
  }
  // A press during the handshake stops it, as a press on an open remote closes it.
  if (remote_.RemoteOpen() || remote_.Handshaking()) {
    modes_.Clear();
    remote_.CloseRemote();
    return;
  }
  remote_.OpenRemote(port);
  modes_.ShowFirstMode();
}
