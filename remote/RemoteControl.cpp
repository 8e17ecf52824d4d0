#include "remote/RemoteControl.h"

#include <QSerialPort>
#include <QTimer>
#include <cstring>

#include "platform/Dialogs.h"
#include "platform/TimerIds.h"
#include "platform/TimerTable.h"
#include "remote/RemotePort.h"
#include "remote/RemoteProtocol.h"

RemoteControl::RemoteControl(const SettingsStore& settings, Dialogs& dialogs, TimerTable& timers, Hooks hooks,
                             QObject* parent)
    : QObject(parent),
      settings_(settings),
      dialogs_(dialogs),
      timers_(timers),
      hooks_(std::move(hooks)),
      port_(new QSerialPort(this)),
      handshake_(new QTimer(this)) {
  handshake_->setInterval(kAttemptMs);
  connect(handshake_, &QTimer::timeout, this, &RemoteControl::Attempt);
  // Queued: the error may come from inside a write or a read of our own.
  connect(
      port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) { OnError(e); },
      Qt::QueuedConnection);
}

RemoteControl::~RemoteControl() {
  handshake_->stop();
  SetBusy(false);
}

bool RemoteControl::Handshaking() const { return handshake_->isActive(); }

void RemoteControl::SetAttemptInterval(int ms) { handshake_->setInterval(ms); }

bool RemoteControl::OpenRemote(const QString& portName) {
  portName_ = portName;
  port_->setPortName(remote::DeviceForPort(settings_, portName));
  if (!port_->open(QIODevice::ReadWrite)) {
    Report(QStringLiteral("%1 Not opened").arg(portName));
    return false;
  }
  if (!remote::ApplyLineSettings(*port_)) {
    Report(QStringLiteral("Error - Can't set %1 state").arg(portName));
    CloseRemote();
    return false;
  }
  // Each read takes at most one chunk, as from the remote's 20-byte input queue; the rest
  // waits for the next read. At 19200 baud the remote cannot send faster than 20 bytes a
  // poll, so what waits stays short.
  port_->clear();
  SendRemoteCommand(remote::kReset);
  SendRemoteCommand(remote::kEndTransmit);
  SetBusy(true);
  attempt_ = 0;
  handshake_->start();
  return true;
}

void RemoteControl::Attempt() {
  if (reporting_ || !port_->isOpen() || port_->error() == QSerialPort::ResourceError) return;
  ++attempt_;
  SetStatus(QStringLiteral("Fetching response from Remote Control at %1...%2. please wait")
                .arg(portName_)
                .arg(500 - attempt_));
  if (attempt_ > kMaxAttempts) {
    EndHandshake();
    SetStatus(QString());
    Report(QStringLiteral("Not any version of KORVO Remote control was found"));
    CloseRemote();
    remoteOpen_ = false;
    return;
  }
  if (!SendRemoteCommand(remote::kVersion) && port_->error() == QSerialPort::ResourceError) return;
  const QByteArray reply = port_->read(remote::kChunkBytes);
  if (reply.contains(remote::kVersionMark)) Opened(reply);
}

void RemoteControl::Opened(const QByteArray& reply) {
  EndHandshake();
  const QString shown = QString::fromLatin1(reply.left(remote::kVersionShown));
  SetStatus(QStringLiteral("%1 opened for <%2> Remote Control").arg(portName_, shown));
  remoteOpen_ = true;
  emit remoteOpenChanged(true);
  SendRemoteCommand(remote::kStartTransmit);
  SendRemoteCommand(remote::kLd2);
  timers_.Start(timerid::kRemotePoll, kPollMs);
}

void RemoteControl::EndHandshake() {
  handshake_->stop();
  SetBusy(false);
}

bool RemoteControl::CloseRemote() {
  EndHandshake();
  if (port_->isOpen()) {
    SendRemoteCommand(remote::kLd2);
    port_->flush();
    port_->close();
  }
  // Closing a descriptor does not fail here in a way the station could act on.
  timers_.Stop(timerid::kRemotePoll);
  const bool wasOpen = remoteOpen_;
  remoteOpen_ = false;
  if (wasOpen) emit remoteOpenChanged(false);
  SetStatus(QStringLiteral("Remote Disabled"));
  return true;
}

void RemoteControl::PollRemote() {
  if (!remoteOpen_ || !port_->isOpen()) return;
  const QByteArray chunk = port_->read(remote::kChunkBytes);
  const int state = remote::ButtonState(chunk);
  if (state >= 0) emit buttonState(state);
}

bool RemoteControl::SendRemoteCommand(int n) {
  const QByteArray text = remote::CommandText(n);
  if (port_->isOpen() && port_->error() != QSerialPort::ResourceError) {
    port_->clearError();
    // Written now as far as the device takes it; a full device queue is no failure.
    if (port_->write(text) == text.size()) {
      port_->flush();
      if (port_->error() == QSerialPort::NoError) return true;
    }
  }
  Report(QString::fromLatin1(text));
  return false;
}

void RemoteControl::OnError(int error) {
  // A device that went away fails every call from now on: close the link once, as a
  // failed call after opening does, instead of polling a dead port until someone presses R.
  if (error != QSerialPort::ResourceError || !port_->isOpen()) return;
  if (!remoteOpen_ && !Handshaking()) return;
  CloseRemote();
  emit portLost();
}

void RemoteControl::Report(const QString& title) {
  // The box may run a nested event loop: no attempt or poll reports over it.
  reporting_ = true;
  const QString body =
      port_->error() == QSerialPort::NoError ? QString::fromLocal8Bit(std::strerror(0)) : port_->errorString();
  dialogs_.Message(body, title, Dialogs::Icon::Information);
  reporting_ = false;
}

void RemoteControl::SetStatus(const QString& text) {
  if (hooks_.status) hooks_.status(text);
}

void RemoteControl::SetBusy(bool on) {
  if (on == busy_) return;
  busy_ = on;
  if (hooks_.busy) hooks_.busy(on);
}
