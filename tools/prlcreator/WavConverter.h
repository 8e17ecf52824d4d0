// "Selected --> Wav" and "Play List --> Wav's": clips decoded through the preview player
// into WAV files beside their MP3 files ("a.mp3" gives "a.wav"). The engine's "wav:"
// output writes as fast as decoding goes, and each clip starts the moment the one before
// it has ended, so hours of music convert in a fraction of their play time. A clip that
// cannot be read or written is reported and the list goes on with the next.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class Dialogs;

namespace creator {

class CreatorList;
class PreviewPlayer;

class WavConverter : public QObject {
  Q_OBJECT

 public:
  WavConverter(CreatorList& list, PreviewPlayer& preview, Dialogs& dialogs, QObject* parent = nullptr);

  // The current clip. -1 when the list is empty, a conversion runs or there is no player.
  int ConvertSelected();
  // Every clip from the first; the selection ends on the first item. -1 for an empty list,
  // when a conversion runs or there is no player.
  int ConvertPlayList();
  // Ends a conversion now ("Stop"); the file being written is kept as far as it got.
  void Cancel();

  bool Running() const { return running_; }
  // The clips of the last conversion that could not be converted.
  QStringList Failed() const { return failed_; }
  int Converted() const { return converted_; }

  // "a.mp3" -> "a.wav": the path without its last three characters, then "wav".
  static QString WavPathFor(const QString& clipPath);

 signals:
  // A conversion started (true) or ended (false): the window locks the list and the
  // preview controls meanwhile.
  void runningChanged(bool running);

 private:
  void Begin(bool wholeList);
  void StartClip(int row);
  void OnState(int state);
  void OnFailed(int command, int error);
  void OnAck(int command);
  void ClipEnded(bool ok);
  void Finish();

  CreatorList& list_;
  PreviewPlayer& preview_;
  Dialogs& dialogs_;
  bool running_ = false;
  bool wholeList_ = false;
  int row_ = -1;
  int total_ = 0;
  int converted_ = 0;
  // The clip's three commands (output, open, play) not yet answered by the engine, and
  // whether any of them failed: the next clip starts only once all are answered, so no
  // late answer is taken for the next clip's.
  int pendingReplies_ = 0;
  bool clipFailed_ = false;
  bool playing_ = false;
  QString clipPath_;
  QStringList failed_;
};

}  // namespace creator
