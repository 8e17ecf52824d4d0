// A remote control without the hardware: a pseudo-terminal pair whose slave side the
// station opens as its serial port (through the "COMn Device" setting), with the remote's
// end on the master side. It answers the version request, records the commands it is sent
// and sends button reports on request. Used by the remotesim program and by the tests.
// GUI thread only.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;

class SimulatedRemote : public QObject {
  Q_OBJECT
 public:
  // How it answers "Error On button [0]".
  enum class Answer { Version, Other, Silent };

  explicit SimulatedRemote(QObject* parent = nullptr);
  ~SimulatedRemote() override;

  // Creates the pair; false (with the system's reason) when the system has no terminals left.
  bool Open(QString* error);
  // The device the station opens, e.g. /dev/pts/7.
  QString DevicePath() const { return device_; }

  void SetAnswer(Answer answer) { answer_ = answer; }
  void SetVersionReply(const QByteArray& reply) { reply_ = reply; }

  // A report: "Start", four level bytes, the button state.
  static QByteArray Frame(int state);
  // Button 1 to 8 pressed alone, as byte 9 carries it.
  static int PressedState(int button);
  void Press(int button) { Send(Frame(PressedState(button))); }
  void Release() { Send(Frame(255)); }
  // Reports of the button every periodMs for durationMs, then a release.
  void Hold(int button, int durationMs, int periodMs = 50);
  void Send(const QByteArray& bytes);
  // The device goes away, as a USB adapter pulled out.
  void Pull();

  // The command numbers received so far, in order.
  QList<int> Commands() const { return commands_; }
  QByteArray Received() const { return received_; }
  static QString CommandName(int n);

 signals:
  void commandReceived(int n);

 private:
  void OnReadable();
  void CloseAll();

  int master_ = -1;
  int slave_ = -1;  // held open so that the master side lives between the station's opens
  QString device_;
  QSocketNotifier* notifier_ = nullptr;
  QTimer* hold_ = nullptr;
  Answer answer_ = Answer::Version;
  QByteArray reply_ = QByteArrayLiteral("KORVO Ver 3.1 rev B");
  QByteArray received_;
  qsizetype parsed_ = 0;
  QList<int> commands_;
};
