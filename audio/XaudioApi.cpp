// The C-style entry points of xaudio.h over XA_Player.
#include "audio/XaPlayer.h"
#include "audio/xaudio.h"

#include <mpg123.h>

#include <array>
#include <string>

int xaudio_get_api_version(int) { return (3 << 16) | (2 << 8); }

int player_new(XA_Player** player, QObject* receiver) {
  if (!player) return XA_ERROR_INVALID_PARAMETERS;
  *player = nullptr;
  auto* p = new XA_Player(receiver);
  if (!p->Start()) {
    delete p;
    return XA_FAILURE;
  }
  *player = p;
  return XA_SUCCESS;
}

void player_delete(XA_Player* player) { delete player; }

int player_set_priority(XA_Player* player, int) { return player ? XA_SUCCESS : XA_ERROR_INVALID_PARAMETERS; }

int control_message_send(XA_Player* player, const XA_Message& message) {
  if (!player) return XA_ERROR_INVALID_PARAMETERS;
  player->Send(message);
  return XA_SUCCESS;
}

int control_win32_params_to_message(XA_Player* player, XA_Message* message, const QEvent* event) {
  if (!event || !message) return XA_ERROR_INVALID_PARAMETERS;
  const int type = int(event->type());
  if (type < XA_EVENT_BASE || type > XA_EVENT_BASE + 0xff) return XA_FAILURE;
  const auto* e = static_cast<const XaNotifyEvent*>(event);
  if (e->player != player) return XA_FAILURE;
  *message = e->message;
  return XA_SUCCESS;
}

const char* xaudio_error_string(int code) {
  switch (code) {
    case XA_SUCCESS: return "success";
    case XA_FAILURE: return "failure";
    case XA_ERROR_OUT_OF_MEMORY: return "out of memory";
    case XA_ERROR_INVALID_PARAMETERS: return "invalid parameters";
    case XA_ERROR_NO_INPUT: return "no input open";
    case XA_ERROR_OPEN_FAILED: return "cannot open input file (missing or unreadable)";
    case XA_ERROR_INVALID_FORMAT: return "not an MPEG audio file (it does not start with a run of MPEG frames)";
    case XA_ERROR_DECODE_FAILED: return "decoding failed";
    case XA_ERROR_SEEK_FAILED: return "seek failed";
    case XA_ERROR_NO_OUTPUT: return "no output";
    case XA_ERROR_OUTPUT_FAILED: return "output failed (cannot open or write)";
    case XA_ERROR_NOT_SUPPORTED: return "not supported";
    default: break;
  }
  // Decoder errors: the library's own text, all built on first use (thread-safe static).
  const int mpgError = XA_ERROR_DECODER_BASE - code;
  if (mpgError > 0 && mpgError < 64) {
    static const std::array<std::string, 64> texts = [] {
      std::array<std::string, 64> t;
      for (int e = 1; e < 64; ++e) t[size_t(e)] = std::string("decoder error: ") + mpg123_plain_strerror(e);
      return t;
    }();
    return texts[size_t(mpgError)].c_str();
  }
  return "unknown error";
}
