// One spot of an advert play list: the block time it plays in, the planner's clip code,
// its name, and the clip file it plays (made from the code or the name by the path rule of
// formats/AdvertPath.h; empty until the caller applies it).
#pragma once

#include <QString>

struct AdvertSpot {
  QString blockTime;  // "HH:MM"
  QString clipCode;   // five-character logo name, "-", one-character logo id
  QString name;
  QString clipPath;
  bool operator==(const AdvertSpot&) const = default;
};
