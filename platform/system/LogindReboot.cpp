#include "platform/system/RebootRequester.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariant>

namespace {

constexpr int kCallTimeoutMs = 5000;

QDBusMessage ManagerCall(const QString& method) {
  return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                        QStringLiteral("/org/freedesktop/login1"),
                                        QStringLiteral("org.freedesktop.login1.Manager"), method);
}

}  // namespace

QString LogindReboot::CheckReboot() {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return QStringLiteral("Connect System Bus");
  const QDBusMessage reply = bus.call(ManagerCall(QStringLiteral("CanReboot")), QDBus::Block, kCallTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty() ||
      reply.arguments().constFirst().toString() != QLatin1String("yes"))
    return QStringLiteral("CanReboot");
  return {};
}

QString LogindReboot::RequestReboot() {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return QStringLiteral("Connect System Bus");
  QDBusMessage call = ManagerCall(QStringLiteral("Reboot"));
  call << false;  // not interactive: nobody is there to authorise it
  const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage) return QStringLiteral("Reboot");
  return {};
}
