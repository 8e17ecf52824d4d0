#include "programs/SnapshotFiles.h"

#include <QFile>
#include <QFileInfo>

#include "formats/StationFile.h"

namespace snapshot {

namespace {

// Far more than any advert play list; a bigger file is not copied.
constexpr qint64 kMaxCopyBytes = 16LL * 1024 * 1024;

}  // namespace

QString PathIn(const QString& driveC, const char* name) { return driveC + u'/' + QLatin1String(name); }

bool CopyWhole(const QString& source, const QString& target) {
  if (source.isEmpty()) return false;
  const QFileInfo from(source), to(target);
  if (!from.isFile()) return false;
  if (to.exists() && from.canonicalFilePath() == to.canonicalFilePath()) return false;
  QByteArray bytes;
  if (!stationfile::ReadWhole(source, kMaxCopyBytes, bytes, stationfile::Empty::Allowed)) return false;
  return stationfile::WriteWhole(target, bytes);
}

bool CreateMarker(const QString& path) { return stationfile::WriteWhole(path, QByteArray()); }

void RemoveAll(const QString& driveC) {
  for (const char* name : {kSongsFile, kAdvertsFile, kProgramsFile}) QFile::remove(PathIn(driveC, name));
}

}  // namespace snapshot
