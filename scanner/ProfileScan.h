// One scan: walks the plan's roots in order and writes what it finds as the play-list
// profile, a PRL list of every clip in the order found. Runs on the caller's thread and
// blocks it for the whole scan; no state is kept between scans, so scans of different
// profiles may run at once.
#pragma once

#include <QString>

#include "scanner/FolderWalker.h"
#include "scanner/ScanPlan.h"

namespace scanner {

// The profile's file name in the drive C folder.
inline constexpr char kProfileName[] = "_mp3files.txt";

struct ScanResult {
  int clips = 0;         // clip lines in the profile now in place; 0 when it was not written
  bool written = false;  // the new profile replaced the old one
  ScanProgress progress;
};

// The profile is written to a temporary file and renamed into place only when whole, so a
// reader never sees half a profile and a failed scan leaves the old one as it was. When the
// profile cannot be written the folders are not walked at all. onProgress is called on the
// caller's thread while the walk runs and once at its end.
ScanResult WriteProfile(const QString& profilePath, const ScanPlan& plan, const ProgressSink& onProgress = {});

// <drive C folder>/_mp3files.txt
QString ProfilePath();

}  // namespace scanner
