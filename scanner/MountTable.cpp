#include "scanner/MountTable.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>

namespace scanner {

namespace {

// Disk file systems of Linux, Windows and macOS disks; fuseblk is ntfs-3g and exfat-fuse.
constexpr const char* kDiskTypes[] = {"ext2",  "ext3",  "ext4", "xfs",   "btrfs",   "f2fs",    "jfs",    "vfat",
                                      "msdos", "exfat", "ntfs", "ntfs3", "fuseblk", "hfsplus", "nilfs2", "reiserfs"};

// The kernel writes blanks, tabs, newlines and backslashes in names as "\ooo".
QByteArray Unescape(QByteArrayView field) {
  QByteArray out;
  out.reserve(field.size());
  for (qsizetype i = 0; i < field.size(); ++i) {
    const auto isOctal = [&](qsizetype k) { return k < field.size() && field[k] >= '0' && field[k] <= '7'; };
    if (field[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
      out += char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

QByteArray ReadSmallFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.read(64).trimmed() : QByteArray();
}

}  // namespace

QList<MountEntry> ParseMountInfo(QByteArrayView text) {
  QList<MountEntry> out;
  for (const QByteArray& line : QByteArray(text.data(), text.size()).split('\n')) {
    const QList<QByteArray> fields = line.split(' ');
    // id parent major:minor root mount-point options [optional fields...] - type source super-options
    const qsizetype dash = fields.indexOf(QByteArray("-"), 6);
    if (fields.size() < 6 || dash < 0 || dash + 2 >= fields.size()) continue;
    out.append({fields[2], Unescape(fields[3]), Unescape(fields[4]), fields[dash + 1], Unescape(fields[dash + 2])});
  }
  return out;
}

QList<MountEntry> ReadMountTable() {
  QFile file(QStringLiteral("/proc/self/mountinfo"));
  // A proc file has no size, so it is read to its end rather than by its length.
  return file.open(QIODevice::ReadOnly) ? ParseMountInfo(file.readAll()) : QList<MountEntry>();
}

bool IsRemovableDevice(const QString& sysRoot, const QByteArray& device) {
  // /sys/dev/block/M:m links to the device; a partition's flag is on its disk, one folder up.
  const QString node =
      QFileInfo(sysRoot + QStringLiteral("/dev/block/") + QString::fromLatin1(device)).canonicalFilePath();
  if (node.isEmpty()) return false;
  const bool partition = QFileInfo::exists(node + QStringLiteral("/partition"));
  const QString disk = partition ? QFileInfo(node).path() : node;
  return ReadSmallFile(disk + QStringLiteral("/removable")) == "1";
}

QByteArray BlockDeviceOf(const MountEntry& mount) {
  if (!mount.device.startsWith("0:")) return mount.device;
  struct stat node;
  if (stat(mount.source.constData(), &node) != 0 || !S_ISBLK(node.st_mode)) return mount.device;
  return QByteArray::number(major(node.st_rdev)) + ':' + QByteArray::number(minor(node.st_rdev));
}

RemovableProbe SystemRemovableProbe() {
  return [](const MountEntry& mount) { return IsRemovableDevice(QStringLiteral("/sys"), BlockDeviceOf(mount)); };
}

bool IsFixedDisk(const MountEntry& mount, const RemovableProbe& removable) {
  const bool diskType =
      std::any_of(std::begin(kDiskTypes), std::end(kDiskTypes), [&](const char* type) { return mount.fsType == type; });
  if (!diskType || !mount.source.startsWith("/dev/")) return false;
  return !(removable && removable(mount));
}

}  // namespace scanner
