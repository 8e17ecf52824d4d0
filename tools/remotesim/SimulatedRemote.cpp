#include "SimulatedRemote.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kCommandHead[] = "Error On button [";

QString SystemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

}  // namespace

SimulatedRemote::SimulatedRemote(QObject* parent) : QObject(parent), hold_(new QTimer(this)) {}

SimulatedRemote::~SimulatedRemote() { CloseAll(); }

bool SimulatedRemote::Open(QString* error) {
  CloseAll();
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    if (error) *error = SystemError();
    CloseAll();
    return false;
  }
  device_ = QString::fromLocal8Bit(ptsname(master_));
  slave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
  if (slave_ < 0) {
    if (error) *error = SystemError();
    CloseAll();
    return false;
  }
  // Raw from the start: a cooked terminal would echo reports back and wait for line ends.
  termios raw{};
  if (tcgetattr(slave_, &raw) == 0) {
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
  }
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &SimulatedRemote::OnReadable);
  return true;
}

void SimulatedRemote::CloseAll() {
  hold_->stop();
  delete notifier_;
  notifier_ = nullptr;
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
  slave_ = master_ = -1;
}

void SimulatedRemote::Pull() { CloseAll(); }

int SimulatedRemote::PressedState(int button) { return button >= 1 && button <= 8 ? 0xff & ~(1 << (button - 1)) : 255; }

QByteArray SimulatedRemote::Frame(int state) {
  QByteArray frame = QByteArrayLiteral("Start");
  frame.append(4, char(0x80));  // the analog inputs at mid level; the station ignores them
  frame.append(char(state));
  return frame;
}

void SimulatedRemote::Hold(int button, int durationMs, int periodMs) {
  hold_->disconnect();
  int left = std::max(1, durationMs / std::max(1, periodMs));
  Press(button);
  connect(hold_, &QTimer::timeout, this, [this, button, left]() mutable {
    if (--left > 0) {
      Press(button);
      return;
    }
    hold_->stop();
    Release();
  });
  hold_->start(periodMs);
}

void SimulatedRemote::Send(const QByteArray& bytes) {
  if (master_ < 0) return;
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(master_, bytes.constData() + done, bytes.size() - done);
    if (n <= 0) return;  // the terminal's queue is full: a real line would lose them too
    done += n;
  }
}

void SimulatedRemote::OnReadable() {
  char buffer[256];
  for (;;) {
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0) break;
    received_.append(buffer, n);
  }
  // Whole commands only: one may arrive in pieces.
  for (;;) {
    const qsizetype head = received_.indexOf(kCommandHead, parsed_);
    if (head < 0) break;
    const qsizetype from = head + qsizetype(sizeof kCommandHead) - 1;
    const qsizetype end = received_.indexOf(']', from);
    if (end < 0) break;
    bool ok = false;
    const int number = received_.mid(from, end - from).toInt(&ok);
    parsed_ = end + 1;
    if (!ok) continue;
    commands_ << number;
    emit commandReceived(number);
    if (number != 0) continue;
    if (answer_ == Answer::Version) Send(reply_);
    if (answer_ == Answer::Other) Send(QByteArrayLiteral("NO SUCH DEVICE HERE"));
  }
}

QString SimulatedRemote::CommandName(int n) {
  static const char* const kNames[] = {"Version", "LD 1",  "LD 3",           "LD 2",        "LD 4",
                                       "Man/rer", "RESET", "Start Transmit", "End Transmit"};
  return n >= 0 && n <= 8 ? QString::fromLatin1(kNames[n]) : QStringLiteral("?");
}
