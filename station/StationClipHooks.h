// What loading a clip into a deck asks of the rest of the station: the clip check with the
// information box, removal from the songs list and the mix style for the clip.
#pragma once

#include "deck/ClipLoadHooks.h"

#include <functional>

class ClipInformation;
class MixStyleModel;
class PlayerFeed;
class SongsList;
struct MixSettings;

class StationClipHooks final : public ClipLoadHooks {
 public:
  struct StyleChoice {
    std::function<QString()> defaultStyle;  // the "Def Mix Style" setting
    std::function<bool()> advertsOn;         // advert insertion switched on
  };

  StationClipHooks(ClipInformation& information, PlayerFeed& feed, SongsList& list, MixStyleModel& styles,
                   const MixSettings& settings, StyleChoice choice);

  int MeasureClip(const QString& path) override;
  void RemoveCurrentClip() override;
  int ApplyStyleForClip(const QString& title) override;
  int StartVolume() override;
  void SetClipInfoText(const QString& text) override;

 private:
  ClipInformation& information_;
  PlayerFeed& feed_;
  SongsList& list_;
  MixStyleModel& styles_;
  const MixSettings& settings_;
  StyleChoice choice_;
};
