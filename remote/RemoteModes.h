// The five button modes of the remote (mixing, Player 1, Player 2, equaliser and volume,
// automation): what buttons 1 to 7 do in each, button 8 stepping to the next mode, the
// hold flags and repeatCount of the held REW, FF, - and + buttons, and the mode text and
// picture the window shows. GUI-free; the window is a view of it. GUI thread only.
#pragma once

#include <QObject>
#include <QString>

#include "remote/RemoteConsole.h"

class RemoteModes : public QObject {
  Q_OBJECT
 public:
  static constexpr int kVolume = 1;  // selectedBand: 1 VOLUME, 2 "42Hz" .. 7 "15.4KHz"
  static constexpr int kBands = 7;
  static constexpr int kMasterStep = 728;
  static constexpr int kMasterStepGrowth = 182;
  static constexpr int kSeekStep = 10;

  explicit RemoteModes(RemoteConsole& console, QObject* parent = nullptr);

  // Right after opening (also a failed one): holds cleared, repeatCount 0, mode 0, then the
  // first mode step shows mode 1.
  void ShowFirstMode();
  // Closing: the mode display is cleared and the pictures hidden.
  void Clear();
  void NextRemoteMode();
  // Byte 9 of a report.
  void OnButtonState(int state);

  int RemoteMode() const { return remoteMode_; }
  int SelectedBand() const { return selectedBand_; }
  int RepeatCount() const { return repeatCount_; }
  // The hold flags: a REW or FF of deck 1 or 2 (deck 0: the volume's - or +).
  bool Held(int deck) const;
  // The mode text box: empty when closed.
  QString ModeText() const { return modeText_; }
  // The mode picture shown: 1 to 5, 0 for none.
  int ShownPicture() const { return picture_; }

  static QString BandName(int band);

 signals:
  void displayChanged();

 private:
  void DeckButton(int deck, int button);
  void EqualizerButton(int button);
  void AutomationButton(int button);
  void HeldSeek(int deck, RemoteAction action);
  void HeldVolume(RemoteAction action);
  void Release();
  void Show();

  RemoteConsole& console_;
  int remoteMode_ = -1;
  int selectedBand_ = kVolume;
  bool held_[3] = {false, false, false};  // volume, deck 1, deck 2
  int repeatCount_ = 0;
  QString modeText_;
  int picture_ = 0;
};
