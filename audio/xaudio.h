// The decoder engine's public interface: players driven by command messages that report
// back by notifications. The names and codes are those the decks and the play-list creator
// were written against, so they stay exactly as they are.
//
// Threads: every function here is called on the GUI thread. Notifications are posted as
// XaNotifyEvent to the receiver given to player_new and are handled on the receiver's
// thread, between other events.
#pragma once

#include <QEvent>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

// Command codes.
enum XaCommand : int {
  XA_MSG_COMMAND_PLAY = 3,
  XA_MSG_COMMAND_PAUSE = 4,
  XA_MSG_COMMAND_STOP = 5,
  XA_MSG_COMMAND_SEEK = 6,                    // a = offset, b = range
  XA_MSG_COMMAND_INPUT_OPEN = 7,              // text = path
  XA_MSG_COMMAND_INPUT_CLOSE = 8,
  XA_MSG_COMMAND_INPUT_MODULES_LIST = 15,
  XA_MSG_COMMAND_OUTPUT_OPEN = 16,            // text = output name ("wav:" + file)
  XA_MSG_COMMAND_OUTPUT_CLOSE = 17,
  XA_MSG_COMMAND_OUTPUT_RESET = 21,
  XA_MSG_COMMAND_OUTPUT_MODULE_REGISTER = 26, // text = module registration
  XA_MSG_COMMAND_OUTPUT_MODULES_LIST = 28,
  XA_MSG_COMMAND_SET_PLAYER_MODE = 29,        // a = mode
  XA_MSG_SET_OUTPUT_PROPERTY = 31,            // text = property name, a = value
  XA_MSG_SET_POSITION_RANGE = 40,             // a = range (seconds x FPS); 400 until set
  XA_MSG_SET_OUTPUT_NAME = 44,                // text = "/dev/dsound/1", "/dev/dsound/2", ""
  XA_MSG_SET_OUTPUT_FEEDBACK = 46,            // a = -1 or 0
  XA_MSG_SET_OUTPUT_VOLUME = 48,              // a = balance (50 centre), b = deck level, c = player
                                              // master level; 0-100, 255 unchanged
  XA_MSG_GET_OUTPUT_VOLUME = 49,
  XA_MSG_SET_CODEC_EQUALIZER = 58,            // eq = 32 bands left, 32 right; band gain v * 12 / 127 dB
};

// Notification codes.
enum XaNotification : int {
  XA_MSG_NOTIFY_READY = 64,
  XA_MSG_NOTIFY_ACK = 65,               // a = command
  XA_MSG_NOTIFY_NACK = 66,              // a = command, b = error code
  XA_MSG_NOTIFY_PLAYER_STATE = 69,      // a = 0 stopped, 1 playing, 2 paused, 3 end of clip
  XA_MSG_NOTIFY_INPUT_STATE = 73,       // a = 0 open, 1 closed
  XA_MSG_NOTIFY_INPUT_NAME = 74,        // text
  XA_MSG_NOTIFY_INPUT_POSITION = 76,    // a = offset, b = range
  XA_MSG_NOTIFY_INPUT_TIMECODE = 78,    // a = hours, b = minutes, c = seconds
  XA_MSG_NOTIFY_INPUT_DURATION = 80,    // a = seconds
  XA_MSG_NOTIFY_INPUT_STREAM_INFO = 81, // a = version (1, 2, 3 = MPEG-2.5), b = layer, c = kbps, d = Hz
  XA_MSG_NOTIFY_INPUT_MODULE_INFO = 83, // text
  XA_MSG_NOTIFY_OUTPUT_STATE = 86,      // a = 0 open, 1 closed
  XA_MSG_NOTIFY_OUTPUT_VOLUME = 92,     // a = player master level (third of 48), b = deck level, c = balance
  XA_MSG_NOTIFY_OUTPUT_MODULE_INFO = 97, // text
  XA_MSG_NOTIFY_CODEC_EQUALIZER = 101,  // eq[0..31]
};

enum XaPlayerStateCode : int { XA_STATE_STOPPED = 0, XA_STATE_PLAYING = 1, XA_STATE_PAUSED = 2, XA_STATE_EOF = 3 };

// Error codes carried by XA_MSG_NOTIFY_NACK; xaudio_error_string gives their text.
enum XaError : int {
  XA_SUCCESS = 0,
  XA_FAILURE = -1,
  XA_ERROR_OUT_OF_MEMORY = -2,
  XA_ERROR_INVALID_PARAMETERS = -3,
  XA_ERROR_NO_INPUT = -4,
  XA_ERROR_OPEN_FAILED = -5,
  XA_ERROR_INVALID_FORMAT = -6,
  XA_ERROR_DECODE_FAILED = -7,
  XA_ERROR_SEEK_FAILED = -8,
  XA_ERROR_NO_OUTPUT = -9,
  XA_ERROR_OUTPUT_FAILED = -10,
  XA_ERROR_NOT_SUPPORTED = -11,
};
// A libmpg123 failure e is reported as XA_ERROR_DECODER_BASE - e (for example -110 for
// mpg123's error 10), so xaudio_error_string can name the decoder's own reason.
constexpr int XA_ERROR_DECODER_BASE = -100;

// One command or notification with its payload. Fields not used by a code stay zero.
struct XA_Message {
  int code = 0;
  int32_t a = 0, b = 0, c = 0, d = 0;
  QString text;
  std::array<int8_t, 64> eq{};
};

// A message with the values given; the others stay zero.
inline XA_Message XaMessage(int code, int32_t a = 0, int32_t b = 0, int32_t c = 0, int32_t d = 0,
                            const QString& text = QString()) {
  XA_Message m;
  m.code = code;
  m.a = a;
  m.b = b;
  m.c = c;
  m.d = d;
  m.text = text;
  return m;
}
inline XA_Message XaTextMessage(int code, const QString& text, int32_t a = 0) {
  return XaMessage(code, a, 0, 0, 0, text);
}
inline XA_Message XaEqualizerMessage(const std::array<int8_t, 64>& eq) {
  XA_Message m = XaMessage(XA_MSG_SET_CODEC_EQUALIZER);
  m.eq = eq;
  return m;
}

// Posted to a player's receiver; the event type is XA_EVENT_BASE + notification code.
constexpr int XA_EVENT_BASE = 0x9000;

class XaNotifyEvent : public QEvent {
 public:
  XaNotifyEvent(const void* player, XA_Message message)
      : QEvent(static_cast<QEvent::Type>(XA_EVENT_BASE + message.code)), player(player), message(std::move(message)) {}
  const void* player;
  XA_Message message;
};

struct XA_Player;  // opaque

// Version: 3 in bits 16-23, 2 in bits 8-15.
int xaudio_get_api_version(int which);
int player_new(XA_Player** player, QObject* receiver);
void player_delete(XA_Player* player);
int player_set_priority(XA_Player* player, int priority);
// Sends a command; never blocks on decoding or output.
int control_message_send(XA_Player* player, const XA_Message& message);
// 0 when the event is a notification of this player; the message is then filled in.
int control_win32_params_to_message(XA_Player* player, XA_Message* message, const QEvent* event);
const char* xaudio_error_string(int code);

// The analyser: measures a file by reading its frame headers and tags, without decoding.
struct XA_AnalyzerInfo {
  int layer = 0;
  int channels = 0;
  int bitrate = 0;      // kbps (average for VBR)
  int frequency = 0;    // Hz
  uint32_t frames = 0;  // MPEG frames
  uint32_t duration = 0;  // ms
  QString title;        // empty when absent
  QString artist;
};
struct XA_Analyzer;
int xanalyzer_new(XA_Analyzer** analyzer);
int xanalyzer_process_file(XA_Analyzer* analyzer, const char* path, XA_AnalyzerInfo* info, int flags);
void xanalyzer_delete(XA_Analyzer* analyzer);
