// RemoteControl: the serial link to the remote. Opening sends RESET and End Transmit and
// then asks for the version up to 1500 times; the handshake runs one attempt per tick of
// its own timer, so the station's timers (a crossfade on air) keep running meanwhile.
// While open, PollRemote (timer 6, every 10 ms) reads what arrived and hands on the button
// byte of each report. Failures are reported as message boxes titled with the program's
// message, the system's error text as the body.
//
// GUI thread only.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class Dialogs;
class QSerialPort;
class QTimer;
class SettingsStore;
class TimerTable;

class RemoteControl : public QObject {
  Q_OBJECT
 public:
  static constexpr int kMaxAttempts = 1500;
  static constexpr int kAttemptMs = 10;
  static constexpr int kPollMs = 10;

  struct Hooks {
    std::function<void(const QString&)> status;  // the status line
    std::function<void(bool)> busy;              // the busy cursor
  };

  RemoteControl(const SettingsStore& settings, Dialogs& dialogs, TimerTable& timers, Hooks hooks,
                QObject* parent = nullptr);
  ~RemoteControl() override;

  // Opens the port and starts the handshake; false when the port failed before it.
  bool OpenRemote(const QString& portName);
  // Sends LD 2 and closes the port; false when closing failed.
  bool CloseRemote();
  // One read of up to 20 bytes; a report in it is handed on by buttonState.
  void PollRemote();
  // "Error On button [n]" to the remote; false (and reported) when the write failed.
  bool SendRemoteCommand(int n);

  bool RemoteOpen() const { return remoteOpen_; }
  bool Handshaking() const;
  QString PortName() const { return portName_; }
  // Tests: the period of the handshake's attempts.
  void SetAttemptInterval(int ms);

 signals:
  // The remote-active picture follows.
  void remoteOpenChanged(bool open);
  // Byte 9 of an accepted report.
  void buttonState(int state);
  // The port went away while open (a USB adapter pulled) and the link was closed.
  void portLost();

 private:
  void Attempt();
  void Opened(const QByteArray& reply);
  void EndHandshake();
  void OnError(int error);
  void Report(const QString& title);
  void SetStatus(const QString& text);
  void SetBusy(bool on);

  const SettingsStore& settings_;
  Dialogs& dialogs_;
  TimerTable& timers_;
  Hooks hooks_;
  QSerialPort* port_;
  QTimer* handshake_;
  QString portName_;
  bool remoteOpen_ = false;
  bool busy_ = false;
  int attempt_ = 0;
  bool reporting_ = false;
};
