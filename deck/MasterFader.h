// The master fader: position p (1 at the top .. 65535) attenuates the main output by
// p / 728 dB; the engine's master value is 65536 - p.
#pragma once

#include <QObject>

class CentrePanel;
class DecoderEngine;
struct DeckConfig;

class MasterFader : public QObject {
  Q_OBJECT
 public:
  static constexpr int kStep = 728;  // one label unit, one arrow step

  MasterFader(CentrePanel& centre, DecoderEngine& engine, const DeckConfig& config);

  // Positions outside 1 to 65535 are ignored. With move, the fader follows.
  void SetMasterVolume(int position, bool move);
  // Start-up: the fader from the engine's master value, when there is an output device.
  void InitFromSystem();
  int Position() const;

 private:
  CentrePanel& centre_;
  DecoderEngine& engine_;
  const DeckConfig& config_;
};
