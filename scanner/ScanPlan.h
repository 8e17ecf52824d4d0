// Which folders a scan walks, in order, and which mount points below them it must not
// enter: the Linux stand-in for "every fixed disk from C: to H:".
#pragma once

#include <QList>
#include <QStringList>

#include <string>
#include <vector>

#include "scanner/MountTable.h"

namespace scanner {

struct ScanPlan {
  std::vector<std::string> roots;        // full native paths, walked in this order
  std::vector<std::string> stopFolders;  // never entered from a root above them
};

// The folders of $KORVO_SCAN_ROOTS (colon-separated) when it is set, else every fixed disk
// of the running system.
ScanPlan PlanForThisMachine();

// The given roots, relative ones taken from the current folder; the mounts below them that
// are not fixed disks (network, optical, removable, pseudo) are not entered.
ScanPlan PlanForRoots(const QStringList& roots, const QList<MountEntry>& mounts, const RemovableProbe& removable);

// The mount point of every fixed disk in table order. Each is walked on its own and no walk
// enters another mount point, so nothing is listed twice and nothing excluded is crossed
// into. A file system mounted twice in the same way, or a mount hidden under a later mount
// at the same place, is not walked again.
ScanPlan PlanForMounts(const QList<MountEntry>& mounts, const RemovableProbe& removable);

}  // namespace scanner
