// The small player of the creator: one engine player, its state and what its displays
// show, kept up to date from the engine's notifications (handled on the GUI thread as
// they arrive). GUI-free; the window's controls show it and call its operations.
#pragma once

#include <QObject>
#include <QString>

class DecoderEngine;
struct XA_Message;
struct XA_Player;

namespace creator {

class PreviewPlayer : public QObject {
  Q_OBJECT

 public:
  static constexpr int kPositionRange = 400;

  explicit PreviewPlayer(DecoderEngine& engine, QObject* parent = nullptr);
  // Closes the player.
  ~PreviewPlayer() override;

  // Creates the engine player and asks for its volume. 0, or the engine's error.
  int Start();
  // There is a player to send commands to.
  bool Ready() const { return player_ != nullptr; }

  // "Open File...": the default output, then the file.
  void OpenFile(const QString& path);
  // A double click on a list item.
  void OpenItem(const QString& path);
  // "Play": pauses a playing clip, plays any other.
  void PlayPause();
  // "Stop": stops, closes output and input, back to the default output.
  void Stop();
  // Position slider 0-400: while dragged it seeks; at the end of the drag it seeks and
  // plays again when it played before.
  void BeginDrag();
  void DragTo(int position);
  void EndDrag(int position);
  // Volume slider 0-100, top loud.
  void SetVolumeSlider(int position);
  // Sends the volume the slider stands at (after a conversion wrote at full level).
  void ResendVolume();

  void SetAutoPlay(bool on) { autoPlay_ = on; }
  bool AutoPlay() const { return autoPlay_; }
  // While a conversion drives the player, AutoPlay does not start clips of its own.
  void SetConverting(bool on) { converting_ = on; }

  // Raw sends for the conversion.
  void Send(int code, int a = 0, int b = 0, int c = 0);
  void SendText(int code, const QString& text, int a = 0);

  // 0 stopped, 1 playing, 2 paused, 3 end of clip.
  int State() const { return state_; }
  QString StateText() const;
  QString PlayCaption() const { return state_ == 1 ? QStringLiteral("Pause") : QStringLiteral("Play"); }
  QString WindowTitle() const { return windowTitle_; }
  QString DurationText() const { return durationText_; }
  QString TimecodeText() const { return timecodeText_; }
  QString TypeText() const { return typeText_; }
  int Position() const { return position_; }
  int VolumeSlider() const { return volumeSlider_; }
  bool InputOpen() const { return inputOpen_; }    // "Play", "Stop", position slider
  bool OutputOpen() const { return outputOpen_; }  // volume slider
  bool OpenFileEnabled() const { return openFileEnabled_; }
  void SetOpenFileEnabled(bool on);

 signals:
  // Any display or control state above changed.
  void changed();
  void stateChanged(int state);
  // A command the engine carried out, or refused with an error.
  void commandDone(int command);
  void commandFailed(int command, int error);

 protected:
  bool event(QEvent* e) override;

 private:
  void Handle(const XA_Message& m);

  DecoderEngine& engine_;
  XA_Player* player_ = nullptr;
  int state_ = 0;
  bool autoPlay_ = false;
  bool converting_ = false;
  bool playedBeforeDrag_ = false;
  bool dragging_ = false;
  QString windowTitle_;
  QString durationText_;
  QString timecodeText_;
  QString typeText_;
  int position_ = 0;
  int volumeSlider_ = 0;
  bool inputOpen_ = false;
  bool outputOpen_ = false;
  bool openFileEnabled_ = true;
};

}  // namespace creator
