// The master fader: position p (1 at the top .. 65535) attenuates the main output by
// p / 728 dB; the engine's master value is 65536 - p.
#pragma once

class CentreModel;
class DecoderEngine;
struct DeckConfig;

class MasterFader {
 public:
  static constexpr int kStep = 728;  // one label unit, one arrow step

  MasterFader(CentreModel& centre, DecoderEngine& engine, const DeckConfig& config);

  // Positions outside 1 to 65535 are ignored. The fader's position follows either way:
  // without move it is the operator's own, with move the fader is moved to it.
  void SetMasterVolume(int position, bool move);
  // Start-up: the fader from the engine's master value, when there is an output device.
  void InitFromSystem();
  int Position() const;

 private:
  void Show(int position);

  CentreModel& centre_;
  DecoderEngine& engine_;
  const DeckConfig& config_;
};
