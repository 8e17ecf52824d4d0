#include "deck/PlayerState.h"

QString StateText(PlayerState state) {
  switch (state) {
    case PlayerState::Playing:
      return QStringLiteral("PLAYING");
    case PlayerState::AtEnd:
      return QStringLiteral("EOF");
    case PlayerState::Stopped:
      return QStringLiteral("STOPPED");
    case PlayerState::Paused:
      return QStringLiteral("PAUSED");
    case PlayerState::None:
      break;
  }
  return QStringLiteral("CLOSED");
}
