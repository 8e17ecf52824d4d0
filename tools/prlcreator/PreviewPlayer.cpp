#include "tools/prlcreator/PreviewPlayer.h"

#include <algorithm>

#include "audio/DecoderEngine.h"
#include "tools/prlcreator/CreatorList.h"

namespace creator {

PreviewPlayer::PreviewPlayer(DecoderEngine& engine, QObject* parent)
    : QObject(parent), engine_(engine), windowTitle_(kTitle) {}

PreviewPlayer::~PreviewPlayer() {
  if (player_) engine_.PlayerDelete(player_);
}

int PreviewPlayer::Start() {
  const int result = engine_.PlayerNew(&player_, this);
  if (result != 0) {
    player_ = nullptr;
    return result;
  }
  Send(XA_MSG_GET_OUTPUT_VOLUME);
  return 0;
}

void PreviewPlayer::Send(int code, int a, int b, int c) {
  if (player_) engine_.Send(player_, code, a, b, c);
}

void PreviewPlayer::SendText(int code, const QString& text, int a) {
  if (player_) engine_.SendText(player_, code, text, a);
}

void PreviewPlayer::OpenFile(const QString& path) {
  SendText(XA_MSG_SET_OUTPUT_NAME, QString());
  SendText(XA_MSG_COMMAND_INPUT_OPEN, path);
}

void PreviewPlayer::OpenItem(const QString& path) {
  SendText(XA_MSG_SET_OUTPUT_NAME, QString());
  Send(XA_MSG_SET_OUTPUT_FEEDBACK, -1);
  SendText(XA_MSG_COMMAND_INPUT_OPEN, path);
}

void PreviewPlayer::PlayPause() {
  if (state_ == XA_STATE_PLAYING) {
    Send(XA_MSG_COMMAND_PAUSE);
    SetOpenFileEnabled(true);
  } else {
    SetOpenFileEnabled(false);
    Send(XA_MSG_COMMAND_PLAY);
  }
}

void PreviewPlayer::Stop() {
  Send(XA_MSG_COMMAND_STOP);
  Send(XA_MSG_COMMAND_OUTPUT_CLOSE);
  Send(XA_MSG_COMMAND_INPUT_CLOSE);
  SendText(XA_MSG_SET_OUTPUT_NAME, QString());
  Send(XA_MSG_SET_OUTPUT_FEEDBACK, -1);
  SetOpenFileEnabled(true);
}

void PreviewPlayer::BeginDrag() {
  dragging_ = true;
  playedBeforeDrag_ = state_ == XA_STATE_PLAYING;
}

void PreviewPlayer::DragTo(int position) { Send(XA_MSG_COMMAND_SEEK, position, kPositionRange); }

void PreviewPlayer::EndDrag(int position) {
  dragging_ = false;
  Send(XA_MSG_COMMAND_SEEK, position, kPositionRange);
  if (playedBeforeDrag_) Send(XA_MSG_COMMAND_PLAY);
}

void PreviewPlayer::SetVolumeSlider(int position) {
  volumeSlider_ = std::clamp(position, 0, 100);
  Send(XA_MSG_SET_OUTPUT_VOLUME, 255, 255, 100 - volumeSlider_);
}

void PreviewPlayer::ResendVolume() { Send(XA_MSG_SET_OUTPUT_VOLUME, 255, 255, 100 - volumeSlider_); }

void PreviewPlayer::SetOpenFileEnabled(bool on) {
  if (on == openFileEnabled_) return;
  openFileEnabled_ = on;
  emit changed();
}

QString PreviewPlayer::StateText() const {
  switch (state_) {
    case XA_STATE_PLAYING:
      return QStringLiteral("PLAYING");
    case XA_STATE_PAUSED:
      return QStringLiteral("PAUSED");
    case XA_STATE_EOF:
      return QStringLiteral("EOF");
    default:
      return QStringLiteral("STOPPED");
  }
}

bool PreviewPlayer::event(QEvent* e) {
  XA_Message m;
  if (player_ && e->type() >= QEvent::Type(XA_EVENT_BASE) && engine_.ParamsToMessage(player_, &m, e) == 0) {
    Handle(m);
    return true;
  }
  return QObject::event(e);
}

void PreviewPlayer::Handle(const XA_Message& m) {
  switch (m.code) {
    case XA_MSG_NOTIFY_PLAYER_STATE:
      state_ = m.a;
      // At the end the clip goes back to its start, ready to play again.
      if (state_ == XA_STATE_EOF) Send(XA_MSG_COMMAND_SEEK, 0, 1);
      emit stateChanged(state_);
      break;
    case XA_MSG_NOTIFY_INPUT_NAME:
      windowTitle_ = QStringLiteral("%1 - %2").arg(kTitle, m.text);
      break;
    case XA_MSG_NOTIFY_INPUT_STATE:
      inputOpen_ = m.a == 0;
      if (inputOpen_ && autoPlay_ && !converting_) Send(XA_MSG_COMMAND_PLAY);
      break;
    case XA_MSG_NOTIFY_OUTPUT_STATE:
      outputOpen_ = m.a == 0;
      break;
    case XA_MSG_NOTIFY_INPUT_POSITION:
      // The thumb stays where the user holds it.
      if (!dragging_ && m.b > 0) position_ = int(qint64(m.a) * kPositionRange / m.b);
      break;
    case XA_MSG_NOTIFY_OUTPUT_VOLUME:
      volumeSlider_ = std::clamp(100 - m.a, 0, 100);
      break;
    case XA_MSG_NOTIFY_INPUT_DURATION:
      durationText_ = QStringLiteral("%1 ''").arg(m.a);
      break;
    case XA_MSG_NOTIFY_INPUT_TIMECODE:
      timecodeText_ = QString::asprintf("%02d:%02d:%02d", m.a, m.b, m.c);
      break;
    case XA_MSG_NOTIFY_INPUT_STREAM_INFO:
      typeText_ = QStringLiteral("MPEG %1 Layer %2, %3 kbps, %4 Hz").arg(m.a).arg(m.b).arg(m.c).arg(m.d);
      break;
    case XA_MSG_NOTIFY_ACK:
      emit commandDone(m.a);
      return;
    case XA_MSG_NOTIFY_NACK:
      emit commandFailed(m.a, m.b);
      return;
    default:
      return;
  }
  emit changed();
}

}  // namespace creator
