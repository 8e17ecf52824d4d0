#include "audio/NotifyRelay.h"

#include <QCoreApplication>

void NotifyRelay::Post(const void* player, XA_Message message) {
  QCoreApplication::postEvent(this, new XaNotifyEvent(player, std::move(message)));
}

bool NotifyRelay::event(QEvent* e) {
  const int type = int(e->type());
  if (type < XA_EVENT_BASE || type > XA_EVENT_BASE + 0xff) return QObject::event(e);
  if (QObject* target = receiver_.data()) {
    auto* in = static_cast<XaNotifyEvent*>(e);
    XaNotifyEvent out(in->player, in->message);
    QCoreApplication::sendEvent(target, &out);
  }
  return true;
}
