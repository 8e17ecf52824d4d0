// remotesim: the eight-button remote control without the hardware. It opens a
// pseudo-terminal, prints the device the station must open, answers the station's version
// request and sends button reports for the lines it reads from standard input:
//
//   button N          button N (1-8) pressed, released 100 ms later
//   hold N 800ms      button N held for the time (reports every 50 ms), then released
//   release           all buttons released
//   garbage           a few bytes that are no report
//   answer version|other|silent   how the version request is answered
//   wait 500ms        the next line 500 ms later (for scripts)
//   pull              the device goes away, as a USB adapter pulled out
//   quit
//
// With a port name ("remotesim COM1") it also writes "COM1 Device" and "Remote Control
// Port" to the station's settings, so the station's R button finds it.
#include <unistd.h>

#include <QCoreApplication>
#include <QQueue>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

#include "SimulatedRemote.h"
#include "platform/SettingsStore.h"
#include "platform/SettingsTable.h"

namespace {

int Millis(const QString& text) {
  QString t = text;
  t.remove(QStringLiteral("ms"));
  return t.toInt();
}

class Script : public QObject {
 public:
  Script(SimulatedRemote& remote, QTextStream& out) : remote_(remote), out_(out) {}

  void Add(const QString& line) {
    lines_.enqueue(line.trimmed());
    if (!waiting_) Next();
  }
  void EndOfInput() {
    ended_ = true;
    if (!waiting_ && lines_.isEmpty()) Finish();
  }

 private:
  void Next() {
    while (!lines_.isEmpty() && !waiting_) Run(lines_.dequeue());
    if (!waiting_ && ended_) Finish();
  }
  void After(int ms) {
    waiting_ = true;
    QTimer::singleShot(ms, this, [this] {
      waiting_ = false;
      Next();
    });
  }
  // Waits until the last report has gone out before quitting at the end of a script.
  void Finish() { QTimer::singleShot(200, qApp, &QCoreApplication::quit); }

  void Run(const QString& line) {
    const QStringList w = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (w.isEmpty() || w[0].startsWith(u'#')) return;
    const QString verb = w[0].toLower();
    if (verb == QLatin1String("button") && w.size() == 2) {
      const int button = w[1].toInt();
      remote_.Press(button);
      QTimer::singleShot(100, &remote_, [this] { remote_.Release(); });
      After(150);
    } else if (verb == QLatin1String("hold") && w.size() == 3) {
      const int ms = Millis(w[2]);
      remote_.Hold(w[1].toInt(), ms);
      After(ms + 100);
    } else if (verb == QLatin1String("release")) {
      remote_.Release();
    } else if (verb == QLatin1String("garbage")) {
      remote_.Send(QByteArrayLiteral("\x13Strat\xfe\x00junk"));
    } else if (verb == QLatin1String("answer") && w.size() == 2) {
      const QString how = w[1].toLower();
      remote_.SetAnswer(how == QLatin1String("other")    ? SimulatedRemote::Answer::Other
                        : how == QLatin1String("silent") ? SimulatedRemote::Answer::Silent
                                                         : SimulatedRemote::Answer::Version);
    } else if (verb == QLatin1String("wait") && w.size() == 2) {
      After(Millis(w[1]));
    } else if (verb == QLatin1String("pull")) {
      remote_.Pull();
      out_ << "pulled" << Qt::endl;
    } else if (verb == QLatin1String("quit")) {
      qApp->quit();
    } else {
      out_ << "? " << line << Qt::endl;
    }
  }

  SimulatedRemote& remote_;
  QTextStream& out_;
  QQueue<QString> lines_;
  bool waiting_ = false;
  bool ended_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  SimulatedRemote remote;
  QString error;
  if (!remote.Open(&error)) {
    QTextStream(stderr) << "remotesim: no pseudo-terminal: " << error << Qt::endl;
    return 1;
  }
  out << "device " << remote.DevicePath() << Qt::endl;
  const QStringList args = app.arguments();
  if (args.size() > 1) {
    const QString port = args[1].toUpper();
    const int n = port.startsWith(QLatin1String("COM")) ? port.mid(3).toInt() : 0;
    if (n < 1 || n > 4) {
      QTextStream(stderr) << "remotesim: the port is COM1 to COM4" << Qt::endl;
      return 2;
    }
    SettingsStore settings;
    settings.Write(settings::kComDevice[n - 1], remote.DevicePath());
    settings.Write(settings::kRemotePort, port);
    out << "set " << port << " Device" << Qt::endl;
  }
  QObject::connect(&remote, &SimulatedRemote::commandReceived, &app,
                   [&out](int n) { out << "got " << n << ' ' << SimulatedRemote::CommandName(n) << Qt::endl; });

  Script script(remote, out);
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QByteArray pending;
  QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
    char buffer[512];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) {
      input.setEnabled(false);
      script.EndOfInput();
      return;
    }
    pending.append(buffer, n);
    for (qsizetype end; (end = pending.indexOf('\n')) >= 0;) {
      script.Add(QString::fromUtf8(pending.left(end)));
      pending.remove(0, end + 1);
    }
  });
  return app.exec();
}
