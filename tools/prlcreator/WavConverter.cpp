#include "tools/prlcreator/WavConverter.h"

#include "audio/xaudio.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "tools/prlcreator/CreatorList.h"
#include "tools/prlcreator/PreviewPlayer.h"

namespace creator {

namespace {

bool IsClipCommand(int command) {
  return command == XA_MSG_COMMAND_OUTPUT_OPEN || command == XA_MSG_COMMAND_INPUT_OPEN ||
         command == XA_MSG_COMMAND_PLAY;
}

}  // namespace

WavConverter::WavConverter(CreatorList& list, PreviewPlayer& preview, Dialogs& dialogs, QObject* parent)
    : QObject(parent), list_(list), preview_(preview), dialogs_(dialogs) {
  connect(&preview_, &PreviewPlayer::stateChanged, this, &WavConverter::OnState);
  connect(&preview_, &PreviewPlayer::commandDone, this, &WavConverter::OnAck);
  connect(&preview_, &PreviewPlayer::commandFailed, this, &WavConverter::OnFailed);
}

QString WavConverter::WavPathFor(const QString& clipPath) {
  return clipPath.size() < 3 ? QString() : clipPath.chopped(3) + QStringLiteral("wav");
}

int WavConverter::ConvertSelected() {
  if (running_ || !preview_.Ready()) return -1;
  const int row = list_.List().CurrentItem();
  if (row < 0) return -1;
  Begin(false);
  StartClip(row);
  return 0;
}

int WavConverter::ConvertPlayList() {
  if (running_ || !preview_.Ready() || list_.Count() == 0) return -1;
  Begin(true);
  StartClip(0);
  return 0;
}

void WavConverter::Begin(bool wholeList) {
  wholeList_ = wholeList;
  running_ = true;
  converted_ = 0;
  failed_.clear();
  total_ = wholeList ? list_.Count() : 1;
  preview_.SetConverting(true);
  preview_.SetOpenFileEnabled(false);
  emit runningChanged(true);
}

void WavConverter::StartClip(int row) {
  row_ = row;
  list_.List().SelectItem(row);
  list_.List().ShowRow(row);
  clipPath_ = paths::ResolvePath(list_.List().At(row).path);
  pendingReplies_ = 3;
  clipFailed_ = false;
  playing_ = false;
  const int number = wholeList_ ? row + 1 : 1;
  list_.SetStatus(QStringLiteral("Converting %1 (%2 of %3)...").arg(clipPath_).arg(number).arg(total_));

  const QString wav = WavPathFor(clipPath_);
  // A clip that would be written over itself (a ".wav" in the list) is never touched.
  if (wav.isEmpty() || wav.compare(clipPath_, Qt::CaseInsensitive) == 0) {
    QMetaObject::invokeMethod(
        this,
        [this, row] {
          if (running_ && row_ == row) ClipEnded(false);
        },
        Qt::QueuedConnection);
    return;
  }
  preview_.Send(XA_MSG_SET_OUTPUT_FEEDBACK, 0);
  // The copy is written at the clip's own level, whatever the preview volume is.
  preview_.Send(XA_MSG_SET_OUTPUT_VOLUME, 255, 255, 100);
  preview_.SendText(XA_MSG_COMMAND_OUTPUT_OPEN, QStringLiteral("wav:") + wav);
  preview_.SendText(XA_MSG_COMMAND_INPUT_OPEN, clipPath_);
  preview_.Send(XA_MSG_COMMAND_PLAY);
}

void WavConverter::OnAck(int command) {
  if (!running_ || !IsClipCommand(command) || pendingReplies_ == 0) return;
  if (--pendingReplies_ == 0 && clipFailed_) ClipEnded(false);
}

void WavConverter::OnFailed(int command, int error) {
  if (!running_ || !IsClipCommand(command)) return;
  if (pendingReplies_ > 0) {
    clipFailed_ = true;
    if (--pendingReplies_ == 0) ClipEnded(false);
  } else if (playing_) {
    ClipEnded(false);  // the file could not be written on
  }
}

void WavConverter::OnState(int state) {
  if (!running_) return;
  if (state == XA_STATE_PLAYING) {
    playing_ = true;
    return;
  }
  // The clip's end: its WAV file is complete and in place.
  if (playing_ && pendingReplies_ == 0 && !clipFailed_ && (state == XA_STATE_EOF || state == XA_STATE_STOPPED))
    ClipEnded(state == XA_STATE_EOF);
}

void WavConverter::ClipEnded(bool ok) {
  playing_ = false;
  if (ok) {
    ++converted_;
  } else {
    failed_ << clipPath_;
    list_.SetStatus(QStringLiteral("Can't convert %1").arg(clipPath_));
  }
  if (wholeList_ && row_ + 1 < list_.Count())
    StartClip(row_ + 1);
  else
    Finish();
}

void WavConverter::Finish() {
  running_ = false;
  preview_.SetConverting(false);
  preview_.Stop();
  preview_.ResendVolume();
  if (wholeList_ && list_.Count() > 0) {
    list_.List().SelectItem(0);
    list_.List().ShowRow(0);
  }
  list_.SetStatus(QStringLiteral("%1 of %2 clip(s) converted to WAV").arg(converted_).arg(total_));
  emit runningChanged(false);
  if (!failed_.isEmpty())
    dialogs_.Message(QStringLiteral("These clips could not be converted:\n\n") + failed_.join(QLatin1Char('\n')),
                     kTitle, Dialogs::Icon::Warning);
}

void WavConverter::Cancel() {
  if (!running_) return;
  running_ = false;
  preview_.SetConverting(false);
  preview_.ResendVolume();
  emit runningChanged(false);
}

}  // namespace creator
