#include "scanner/ScanPlan.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

namespace scanner {

namespace {

std::string Native(const QByteArray& path) { return std::string(path.constData(), size_t(path.size())); }

// The mounts that can be seen: of several mounts at one place only the last is visible.
QList<MountEntry> Visible(const QList<MountEntry>& mounts) {
  QHash<QByteArray, qsizetype> last;
  for (qsizetype i = 0; i < mounts.size(); ++i) last.insert(mounts[i].mountPoint, i);
  QList<MountEntry> out;
  for (qsizetype i = 0; i < mounts.size(); ++i)
    if (last.value(mounts[i].mountPoint) == i) out.append(mounts[i]);
  return out;
}

}  // namespace

ScanPlan PlanForThisMachine() {
  const QList<MountEntry> mounts = ReadMountTable();
  const QString roots = qEnvironmentVariable("KORVO_SCAN_ROOTS");
  if (roots.isEmpty()) return PlanForMounts(mounts, SystemRemovableProbe());
  return PlanForRoots(roots.split(QLatin1Char(':'), Qt::SkipEmptyParts), mounts, SystemRemovableProbe());
}

ScanPlan PlanForRoots(const QStringList& roots, const QList<MountEntry>& mounts, const RemovableProbe& removable) {
  ScanPlan plan;
  for (const QString& root : roots)
    plan.roots.push_back(Native(QFile::encodeName(QDir::cleanPath(QDir::current().absoluteFilePath(root)))));
  for (const MountEntry& mount : Visible(mounts))
    if (!IsFixedDisk(mount, removable)) plan.stopFolders.push_back(Native(mount.mountPoint));
  return plan;
}

ScanPlan PlanForMounts(const QList<MountEntry>& mounts, const RemovableProbe& removable) {
  ScanPlan plan;
  QSet<QByteArray> walked;  // device and mounted folder of each file system walked
  for (const MountEntry& mount : Visible(mounts)) {
    plan.stopFolders.push_back(Native(mount.mountPoint));
    if (!IsFixedDisk(mount, removable)) continue;
    if (!walked.contains(mount.device + ' ' + mount.root)) plan.roots.push_back(Native(mount.mountPoint));
    walked.insert(mount.device + ' ' + mount.root);
  }
  return plan;
}

}  // namespace scanner
