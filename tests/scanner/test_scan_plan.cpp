#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>

#include "ScopedEnv.h"
#include "scanner/MountTable.h"
#include "scanner/ScanPlan.h"

namespace {

using scanner::MountEntry;

// A desktop's table: disks, network shares, a CD, a USB stick, pseudo file systems, a
// file system mounted twice, a mount hidden under a later one, and a damaged line.
const char kMountInfo[] =
    "22 28 0:21 / /proc rw,relatime - proc proc rw\n"
    "23 28 0:22 / /sys rw - sysfs sysfs rw\n"
    "24 28 0:6 / /dev rw - devtmpfs udev rw,size=100k\n"
    "28 1 254:1 / / rw,relatime shared:1 - ext4 /dev/vda1 rw\n"
    "29 28 254:2 / /home rw shared:2 master:1 - xfs /dev/vda2 rw\n"
    "30 28 0:40 /@data /data/my\\040disk rw - btrfs /dev/nvme0n1p3 rw\n"
    "31 28 0:45 / /run rw - tmpfs tmpfs rw\n"
    "32 28 0:46 / /mnt/nas rw - nfs4 nas:/export rw\n"
    "33 28 0:47 / /mnt/share rw - cifs //srv/music rw\n"
    "34 28 0:48 / /mnt/ssh rw - fuse.sshfs me@host: rw\n"
    "35 28 11:0 / /media/cdrom ro - iso9660 /dev/sr0 ro\n"
    "36 28 8:17 / /media/usb rw - vfat /dev/sdb1 rw\n"
    "37 28 8:33 / /mnt/win rw - fuseblk /dev/sdc1 rw\n"
    "38 28 7:0 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
    "39 28 0:50 / /var/lib/docker/merged rw - overlay overlay rw\n"
    "40 28 254:2 / /srv/home-again rw - xfs /dev/vda2 rw\n"
    "41 28 254:3 / /mnt/later rw - ext4 /dev/vda3 rw\n"
    "42 41 0:52 / /mnt/later rw - tmpfs tmpfs rw\n"
    "43 28 0:53 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"
    "damaged line\n";

const auto kUsbIsRemovable = [](const MountEntry& mount) { return mount.device == "8:17"; };

std::vector<std::string> Strings(std::initializer_list<const char*> list) { return {list.begin(), list.end()}; }

TEST(MountTable, ReadsEveryWellFormedLine) {
  const QList<MountEntry> mounts = scanner::ParseMountInfo(kMountInfo);
  ASSERT_EQ(mounts.size(), 19);
  EXPECT_EQ(mounts[3], (MountEntry{"254:1", "/", "/", "ext4", "/dev/vda1"}));
  EXPECT_EQ(mounts[4].fsType, "xfs") << "optional fields before the dash";
  EXPECT_EQ(mounts[5], (MountEntry{"0:40", "/@data", "/data/my disk", "btrfs", "/dev/nvme0n1p3"}));
}

TEST(MountTable, FixedDisksAreLocalBlockDevicesThatStay) {
  struct Case {
    MountEntry mount;
    bool fixed;
  } cases[] = {
      {{"254:1", "/", "/", "ext4", "/dev/vda1"}, true},
      {{"0:40", "/@", "/", "btrfs", "/dev/nvme0n1p3"}, true},
      {{"8:33", "/", "/mnt/win", "fuseblk", "/dev/sdc1"}, true},
      {{"8:34", "/", "/mnt/win2", "ntfs3", "/dev/sdc2"}, true},
      {{"8:17", "/", "/media/usb", "vfat", "/dev/sdb1"}, false},  // removable
      {{"11:0", "/", "/media/cdrom", "iso9660", "/dev/sr0"}, false},
      {{"11:0", "/", "/media/dvd", "udf", "/dev/sr0"}, false},
      {{"0:46", "/", "/mnt/nas", "nfs4", "nas:/export"}, false},
      {{"0:47", "/", "/mnt/share", "cifs", "//srv/music"}, false},
      {{"0:48", "/", "/mnt/ssh", "fuse.sshfs", "me@host:"}, false},
      {{"0:45", "/", "/run", "tmpfs", "tmpfs"}, false},
      {{"0:50", "/", "/merged", "overlay", "overlay"}, false},
      {{"7:0", "/", "/snap/core/1", "squashfs", "/dev/loop0"}, false},
      {{"0:21", "/", "/proc", "proc", "proc"}, false},
      {{"0:60", "/", "/odd", "ext4", "none"}, false},  // not backed by a block device
  };
  for (const Case& c : cases)
    EXPECT_EQ(scanner::IsFixedDisk(c.mount, kUsbIsRemovable), c.fixed) << c.mount.mountPoint.constData();
}

// Each fixed disk is its own root; the walk of one never enters another mount point.
TEST(ScanPlan, WalksEachFixedDiskOnceAndEntersNoOtherMount) {
  const scanner::ScanPlan plan = scanner::PlanForMounts(scanner::ParseMountInfo(kMountInfo), kUsbIsRemovable);
  EXPECT_EQ(plan.roots, Strings({"/", "/home", "/data/my disk", "/mnt/win"}));
  for (const char* mount : {"/proc", "/home", "/mnt/nas", "/media/usb", "/media/cdrom", "/srv/home-again", "/mnt/later",
                            "/mnt/win", "/sys/fs/cgroup"})
    EXPECT_NE(std::find(plan.stopFolders.begin(), plan.stopFolders.end(), mount), plan.stopFolders.end()) << mount;
}

// Given roots are walked as given; below them only mounts that are not fixed disks are kept out.
TEST(ScanPlan, GivenRootsStopOnlyAtMountsThatAreNoFixedDisks) {
  const QStringList roots = {"/srv/music/", "relative", "/a/../b"};
  const scanner::ScanPlan plan = scanner::PlanForRoots(roots, scanner::ParseMountInfo(kMountInfo), kUsbIsRemovable);
  EXPECT_EQ(plan.roots,
            (std::vector<std::string>{"/srv/music", QDir::current().filePath("relative").toStdString(), "/b"}));
  const auto stops = [&](const char* path) {
    return std::find(plan.stopFolders.begin(), plan.stopFolders.end(), path) != plan.stopFolders.end();
  };
  for (const char* mount : {"/proc", "/mnt/nas", "/media/usb", "/media/cdrom", "/mnt/later", "/snap/core/1"})
    EXPECT_TRUE(stops(mount)) << mount;
  for (const char* mount : {"/", "/home", "/mnt/win", "/data/my disk"}) EXPECT_FALSE(stops(mount)) << mount;
}

TEST(ScanPlan, TheEnvironmentNamesTheRoots) {
  QTemporaryDir a, b;
  const ScopedEnv roots("KORVO_SCAN_ROOTS", a.path() + "::" + b.path() + "/");
  const scanner::ScanPlan plan = scanner::PlanForThisMachine();
  EXPECT_EQ(plan.roots, (std::vector<std::string>{a.path().toStdString(), b.path().toStdString()}));
}

// sysfs links each block device number to its device; a partition's flag is on its disk.
TEST(MountTable, TellsRemovableDisksFromSysfs) {
  QTemporaryDir sys;
  const auto make = [&](const QString& device, const QString& target, const char* removable, bool partition) {
    QDir().mkpath(sys.filePath(target));
    if (removable) {
      QFile f(sys.filePath(target + "/removable"));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(removable);
    }
    if (partition) {
      QFile f(sys.filePath(target + "/partition"));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write("1\n");
    }
    QDir().mkpath(sys.filePath("dev/block"));
    ASSERT_TRUE(QFile::link("../../" + target, sys.filePath("dev/block/" + device)));
  };
  make("8:16", "devices/usb/block/sdb", "1\n", false);
  make("8:17", "devices/usb/block/sdb/sdb1", nullptr, true);
  make("254:0", "devices/virtio/block/vda", "0\n", false);
  make("254:1", "devices/virtio/block/vda/vda1", nullptr, true);
  make("253:0", "devices/virtual/block/dm-0", "0\n", false);
  struct Case {
    const char* device;
    bool removable;
  } cases[] = {{"8:16", true}, {"8:17", true}, {"254:0", false}, {"254:1", false}, {"253:0", false}, {"9:9", false}};
  for (const Case& c : cases) EXPECT_EQ(scanner::IsRemovableDevice(sys.path(), c.device), c.removable) << c.device;
}

// A btrfs stick reports a device number of its own; its source node names the disk.
TEST(MountTable, FindsTheDiskBehindAFileSystemsOwnDeviceNumber) {
  QByteArray node, numbers;
  for (const QFileInfo& entry : QDir("/dev").entryInfoList(QDir::System)) {
    struct stat info;
    if (stat(QFile::encodeName(entry.filePath()).constData(), &info) == 0 && S_ISBLK(info.st_mode)) {
      node = QFile::encodeName(entry.filePath());
      numbers = QByteArray::number(major(info.st_rdev)) + ':' + QByteArray::number(minor(info.st_rdev));
      break;
    }
  }
  if (node.isEmpty()) GTEST_SKIP() << "no block device node in /dev";
  EXPECT_EQ(scanner::BlockDeviceOf({"0:40", "/", "/media/stick", "btrfs", node}), numbers);
  EXPECT_EQ(scanner::BlockDeviceOf({"8:17", "/", "/media/usb", "vfat", node}), "8:17");
  EXPECT_EQ(scanner::BlockDeviceOf({"0:45", "/", "/run", "tmpfs", "tmpfs"}), "0:45");
}

}  // namespace
