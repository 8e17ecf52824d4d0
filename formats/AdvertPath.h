// Where a spot's clip lives: the adverts folder of the drive C folder, the file named by
// the spot's clip code or by its name (the "Adverts Loading type" setting) with ".MP3".
#pragma once

#include <QString>

struct AdvertSpot;

// The drive C folder's "Adverts", no trailing '/'.
QString AdvertsFolder();

// Loading type 0: clips as coded by the planner (<code>.MP3); any other: clips named by
// the spot's name (<name>.MP3). The planners write folder and extension in any case, so
// each part is matched on disk without regard to case; a clip that is not there keeps the
// path it would have, and the decks skip it when its turn comes.
QString AdvertClipPath(const AdvertSpot& spot, int loadingType);
