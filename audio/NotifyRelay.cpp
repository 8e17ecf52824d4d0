#include "audio/NotifyRelay.h"

#include <QCoreApplication>

#if defined(__SANITIZE_THREAD__)
// Qt's event queue locks inside the Qt library, which ThreadSanitizer does not see; these
// tell it that posting an event happens before its delivery, as the queue guarantees.
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#define KORVO_HANDED_OVER(event) __tsan_release(event)
#define KORVO_TAKEN_OVER(event) __tsan_acquire(event)
#else
#define KORVO_HANDED_OVER(event)
#define KORVO_TAKEN_OVER(event)
#endif

void NotifyRelay::Post(const void* player, XA_Message message) {
  auto* event = new XaNotifyEvent(player, std::move(message));
  KORVO_HANDED_OVER(event);
  QCoreApplication::postEvent(this, event);
}

bool NotifyRelay::event(QEvent* e) {
  KORVO_TAKEN_OVER(e);
  const int type = int(e->type());
  if (type < XA_EVENT_BASE || type > XA_EVENT_BASE + 0xff) return QObject::event(e);
  if (QObject* target = receiver_.data()) {
    auto* in = static_cast<XaNotifyEvent*>(e);
    XaNotifyEvent out(in->player, in->message);
    QCoreApplication::sendEvent(target, &out);
  }
  return true;
}
