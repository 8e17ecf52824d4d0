#include "AudioHarness.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QFile>

#include <cmath>

QString Fixture(const char* name) { return qEnvironmentVariable("KORVO_FIXTURES") + "/" + name; }

bool NotificationLog::event(QEvent* e) {
  XA_Message m;
  if (control_win32_params_to_message(player, &m, e) == 0) {
    messages.push_back(m);
    if (onMessage) onMessage(m);
    return true;
  }
  return QObject::event(e);
}

int NotificationLog::Count(int code) const {
  int n = 0;
  for (const auto& m : messages) n += m.code == code;
  return n;
}

const XA_Message* NotificationLog::Last(int code) const {
  for (auto it = messages.rbegin(); it != messages.rend(); ++it)
    if (it->code == code) return &*it;
  return nullptr;
}

int NotificationLog::Find(int code, int from, int a) const {
  for (size_t i = size_t(std::max(from, 0)); i < messages.size(); ++i)
    if (messages[i].code == code && (a < 0 || messages[i].a == a)) return int(i);
  return -1;
}

bool WaitUntil(const std::function<bool()>& done, int limitMs) {
  // Sleeps in the event loop rather than spinning: the machines running this are small.
  QEventLoop loop;
  QElapsedTimer t;
  t.start();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (done() || t.elapsed() >= limitMs) loop.quit();
  });
  poll.start(2);
  if (!done()) loop.exec();
  return done();
}

TestPlayer::TestPlayer() {
  player_new(&player, &log);
  log.player = player;
}

TestPlayer::~TestPlayer() { player_delete(player); }

void TestPlayer::Send(int code, int a, int b, int c) {
  control_message_send(player, XaMessage(code, a, b, c));
}

void TestPlayer::SendText(int code, const QString& text, int a) {
  control_message_send(player, XaTextMessage(code, text, a));
}

void TestPlayer::SendEq(const std::array<int8_t, 64>& eq) {
  control_message_send(player, XaEqualizerMessage(eq));
}

int TestPlayer::State() const {
  const XA_Message* m = log.Last(XA_MSG_NOTIFY_PLAYER_STATE);
  return m ? m->a : -1;
}

bool TestPlayer::WaitFor(int code, int a, int limitMs) {
  const size_t start = log.messages.size();
  return WaitUntil([&] { return log.Find(code, int(start), a) >= 0; }, limitMs);
}

bool ReadWav(const QString& path, WavData* wav) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray all = f.readAll();
  if (all.size() < 44 || !all.startsWith("RIFF")) return false;
  const auto* h = reinterpret_cast<const unsigned char*>(all.constData());
  auto u32 = [&](int at) { return uint32_t(h[at]) | uint32_t(h[at + 1]) << 8 | uint32_t(h[at + 2]) << 16 | uint32_t(h[at + 3]) << 24; };
  wav->rate = int(u32(24));
  const uint32_t bytes = std::min<uint32_t>(u32(40), uint32_t(all.size() - 44));
  const auto* s = reinterpret_cast<const int16_t*>(all.constData() + 44);
  wav->left.clear();
  wav->right.clear();
  for (uint32_t i = 0; i + 1 < bytes / 2; i += 2) {
    wav->left.push_back(s[i] / 32768.0f);
    wav->right.push_back(s[i + 1] / 32768.0f);
  }
  return true;
}

bool RenderToWav(const QString& mp3, const QString& wavPath, const std::function<void(TestPlayer&)>& setup,
                 WavData* wav) {
  TestPlayer p;
  p.SendText(XA_MSG_COMMAND_OUTPUT_OPEN, "wav:" + wavPath);
  p.SendText(XA_MSG_COMMAND_INPUT_OPEN, mp3);
  if (setup) setup(p);
  p.Send(XA_MSG_COMMAND_PLAY);
  if (!p.WaitFor(XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_EOF)) return false;
  return ReadWav(wavPath, wav);
}

double FrequencyByZeroCrossings(const std::vector<float>& x, int rate) {
  // Rising crossings between the first and the last, interpolated to a fraction of a sample.
  double first = -1, last = -1;
  int count = 0;
  for (size_t i = 1; i < x.size(); ++i) {
    if (x[i - 1] < 0 && x[i] >= 0) {
      const double at = double(i - 1) + x[i - 1] / double(x[i - 1] - x[i]);
      if (first < 0) first = at;
      last = at;
      ++count;
    }
  }
  if (count < 2) return 0;
  return (count - 1) * rate / (last - first);
}

double RmsDb(const std::vector<float>& x, size_t from, size_t to) {
  double sum = 0;
  to = std::min(to, x.size());
  for (size_t i = from; i < to; ++i) sum += double(x[i]) * x[i];
  const double rms = std::sqrt(sum / std::max<size_t>(1, to - from));
  return 20.0 * std::log10(std::max(rms, 1e-12));
}

double ToneDb(const std::vector<float>& x, int rate, double hz, size_t from, size_t to) {
  to = std::min(to, x.size());
  const double w = 2 * M_PI * hz / rate;
  const double coeff = 2 * std::cos(w);
  double s1 = 0, s2 = 0;
  for (size_t i = from; i < to; ++i) {
    const double s0 = x[i] + coeff * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  const double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
  const double amplitude = 2 * std::sqrt(std::max(power, 0.0)) / double(std::max<size_t>(1, to - from));
  return 20 * std::log10(std::max(amplitude, 1e-12));
}
