#include "FakeEngine.h"

#include <QCoreApplication>

FakeEngine::FakeEngine() {
  XaOutputDevice null;
  null.name = QStringLiteral("null");
  null.isNull = true;
  devices << null;
}

FakeEngine::~FakeEngine() = default;

int FakeEngine::PlayerNew(XA_Player** player, QObject* receiver) {
  if (playerNewResult != 0) return playerNewResult;
  auto slot = std::make_unique<Slot>();
  slot->receiver = receiver;
  *player = reinterpret_cast<XA_Player*>(slot.get());
  players_.push_back(std::move(slot));
  return 0;
}

void FakeEngine::PlayerDelete(XA_Player*) { ++deleted; }

int FakeEngine::PlayerSetPriority(XA_Player*, int priority) {
  priorities << priority;
  return 0;
}

int FakeEngine::Send(XA_Player* player, const XA_Message& message) {
  sent.push_back({player, message});
  return 0;
}

int FakeEngine::ParamsToMessage(XA_Player* player, XA_Message* message, const QEvent* event) {
  auto* notify = dynamic_cast<const XaNotifyEvent*>(event);
  if (!notify || notify->player != player) return -1;
  *message = notify->message;
  return 0;
}

int FakeEngine::Analyze(const QString& path, XA_AnalyzerInfo* info) const {
  const auto it = durationsMs.constFind(path);
  if (it == durationsMs.constEnd()) return -1;
  info->duration = *it;
  return 0;
}

void FakeEngine::SetOutputDevices(int, int) {}

XA_Player* FakeEngine::PlayerAt(int n) const {
  if (n < 0 || n >= static_cast<int>(players_.size())) return nullptr;
  return reinterpret_cast<XA_Player*>(players_[n].get());
}

void FakeEngine::Notify(XA_Player* player, XA_Message message) {
  auto* slot = reinterpret_cast<Slot*>(player);
  if (!slot || !slot->receiver) return;
  XaNotifyEvent event(player, std::move(message));
  QCoreApplication::sendEvent(slot->receiver, &event);
}

void FakeEngine::Notify(XA_Player* player, int code, int a, int b) {
  Notify(player, XaMessage(code, a, b));
}

void FakeEngine::NotifyText(XA_Player* player, int code, const QString& text) {
  Notify(player, XaTextMessage(code, text));
}

std::vector<XA_Message> FakeEngine::Commands(XA_Player* player, int code) const {
  std::vector<XA_Message> out;
  for (const Sent& s : sent) {
    if ((player == nullptr || s.player == player) && (code < 0 || s.message.code == code)) out.push_back(s.message);
  }
  return out;
}

QStringList FakeEngine::Trace(XA_Player* player) const {
  QStringList out;
  for (const XA_Message& m : Commands(player)) {
    QString line = QStringLiteral("%1:%2,%3,%4").arg(m.code).arg(m.a).arg(m.b).arg(m.c);
    if (!m.text.isEmpty()) line += QLatin1Char(':') + m.text;
    out << line;
  }
  return out;
}

QList<XaOutputDevice> TwoDevices() {
  XaOutputDevice main, monitor;
  main.index = 0;
  main.name = QStringLiteral("main");
  monitor.index = 1;
  monitor.name = QStringLiteral("monitor");
  return {main, monitor};
}
