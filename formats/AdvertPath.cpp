#include "formats/AdvertPath.h"

#include "formats/AdvertSpot.h"
#include "platform/Paths.h"

QString AdvertsFolder() { return paths::DriveCFolder() + QStringLiteral("/Adverts"); }

QString AdvertClipPath(const AdvertSpot& spot, int loadingType) {
  const QString& file = loadingType == 0 ? spot.clipCode : spot.name;
  return paths::FindCaseInsensitive(AdvertsFolder() + u'/' + file + QStringLiteral(".MP3"));
}
