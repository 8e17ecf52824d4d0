// Carries a player's notifications to its receiver on the receiver's thread. The decode
// thread posts to the relay (owned by the player), never to the receiver itself, so a
// receiver destroyed before player_delete (as the decks do) is never touched again.
#pragma once

#include "audio/xaudio.h"

#include <QObject>
#include <QPointer>

class NotifyRelay final : public QObject {
 public:
  explicit NotifyRelay(QObject* receiver) : receiver_(receiver) {
    if (receiver) moveToThread(receiver->thread());
  }
  // Any thread.
  void Post(const void* player, XA_Message message);

 protected:
  bool event(QEvent* e) override;

 private:
  QPointer<QObject> receiver_;
};
