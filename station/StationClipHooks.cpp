#include "station/StationClipHooks.h"

#include "mix/MixStyleModel.h"
#include "songs/ClipInformation.h"
#include "songs/PlayerFeed.h"
#include "songs/SongsList.h"

StationClipHooks::StationClipHooks(ClipInformation& information, PlayerFeed& feed, SongsList& list,
                                   MixStyleModel& styles, const MixSettings& settings, StyleChoice choice)
    : information_(information),
      feed_(feed),
      list_(list),
      styles_(styles),
      settings_(settings),
      choice_(std::move(choice)) {}

int StationClipHooks::MeasureClip(const QString& path) { return information_.MeasureClip(path); }

void StationClipHooks::RemoveCurrentClip() { feed_.RemoveCurrentClip(); }

int StationClipHooks::ApplyStyleForClip(const QString& title) {
  const bool adverts = choice_.advertsOn && choice_.advertsOn();
  styles_.ApplyStyle(styles_.StyleForClip(title, adverts, choice_.defaultStyle ? choice_.defaultStyle() : QString()));
  return settings_.styleStartVolume;
}

int StationClipHooks::StartVolume() { return settings_.styleStartVolume; }

void StationClipHooks::SetClipInfoText(const QString& text) { list_.SetClipInfoText(text); }
