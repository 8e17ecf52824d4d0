#include "scanner/ProfileScan.h"

#include <QSaveFile>

#include "formats/PrlWriter.h"
#include "platform/Paths.h"

namespace scanner {

namespace {

// The clip line of a found path; empty when the path cannot be written. A name that is
// not UTF-8 would come back from the list as another name, one holding a double quote
// would break the list's values.
QByteArray ClipLine(std::string_view path) {
  const QByteArrayView bytes(path.data(), qsizetype(path.size()));
  const QString text = QString::fromUtf8(bytes);
  if (text.toUtf8() != bytes) return {};
  return prl::ClipLineBytes(PrlWriterKind::DriveScanner, {QString(), text});
}

}  // namespace

ScanResult WriteProfile(const QString& profilePath, const ScanPlan& plan, const ProgressSink& onProgress) {
  ScanResult result;
  QSaveFile file(profilePath);
  const QByteArray header = prl::HeaderBytes(PrlWriterKind::DriveScanner, 0, {});
  if (!file.open(QIODevice::WriteOnly) || file.write(header) != header.size()) return result;

  bool writeFailed = false;
  const ClipSink onClip = [&](std::string_view path) {
    const QByteArray line = ClipLine(path);
    if (line.isEmpty() || writeFailed) return false;
    writeFailed = file.write(line) != line.size();
    return !writeFailed;
  };
  FolderWalker walker(plan.stopFolders);
  for (const std::string& root : plan.roots) walker.Walk(root, onClip, onProgress);
  result.progress = walker.Progress();
  if (onProgress) onProgress(result.progress);

  if (writeFailed) {
    file.cancelWriting();
    return result;
  }
  result.written = file.commit();
  result.clips = result.written ? int(result.progress.clips) : 0;
  return result;
}

QString ProfilePath() { return paths::DriveCFolder() + QLatin1Char('/') + QLatin1String(kProfileName); }

}  // namespace scanner
