// What loading a clip into a deck needs from the rest of the main window: the clip check
// and the songs list, the mix style for the clip and the clip information box.
#pragma once

#include <QString>

class DecoderEngine;

class ClipLoadHooks {
 public:
  virtual ~ClipLoadHooks() = default;
  // "Check On Load": measures the clip and shows its information; its play time in ms, or
  // -1 when it cannot be measured.
  virtual int MeasureClip(const QString& path) = 0;
  // The clip failed its check: it leaves the songs list.
  virtual void RemoveCurrentClip() = 0;
  // Chooses and applies the mix style for the clip; returns the style's start volume (a
  // fader position, 0 full .. 100 silent).
  virtual int ApplyStyleForClip(const QString& title) = 0;
  // The start volume of the mix settings in force (a fader position), for "Open".
  virtual int StartVolume() = 0;
  virtual void SetClipInfoText(const QString& text) = 0;
};

// Until the main window provides its own: measures with the engine's analyser, applies no
// style (start volume 95) and has no songs list or information box.
class DefaultClipLoadHooks final : public ClipLoadHooks {
 public:
  static constexpr int kStartVolume = 95;
  explicit DefaultClipLoadHooks(DecoderEngine& engine) : engine_(engine) {}
  int MeasureClip(const QString& path) override;
  void RemoveCurrentClip() override {}
  int ApplyStyleForClip(const QString&) override { return kStartVolume; }
  int StartVolume() override { return kStartVolume; }
  void SetClipInfoText(const QString&) override {}

 private:
  DecoderEngine& engine_;
};
