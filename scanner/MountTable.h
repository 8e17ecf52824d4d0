// The machine's mounts as /proc/self/mountinfo lists them, and which of them are local
// fixed disks: the Linux stand-in for the drive types of drives C: to H:.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>

namespace scanner {

struct MountEntry {
  QByteArray device;      // "major:minor"
  QByteArray root;        // the folder of the file system that is mounted ("/" for all of it)
  QByteArray mountPoint;  // escapes ("\040" for a blank) undone
  QByteArray fsType;
  QByteArray source;
  bool operator==(const MountEntry&) const = default;
};

// One entry per well-formed line, in the table's order (parents before the mounts below them).
QList<MountEntry> ParseMountInfo(QByteArrayView text);
// The running system's table; empty when it cannot be read.
QList<MountEntry> ReadMountTable();

// Whether the block device "major:minor" is removable, as sysfs below sysRoot says; false
// when it cannot be told.
bool IsRemovableDevice(const QString& sysRoot, const QByteArray& device);
// The block device behind a mount as "major:minor". Some file systems (btrfs) report a
// device number of their own (major 0); the device node of the source tells the disk.
QByteArray BlockDeviceOf(const MountEntry& mount);
using RemovableProbe = std::function<bool(const MountEntry& mount)>;
// The probe over the running system's /sys and /dev.
RemovableProbe SystemRemovableProbe();

// A file system on a fixed local disk: a disk file-system type backed by a block device
// that is not removable. Network, optical, pseudo and FUSE file systems (other than
// block-backed ones such as ntfs-3g) are not.
bool IsFixedDisk(const MountEntry& mount, const RemovableProbe& removable);

}  // namespace scanner
