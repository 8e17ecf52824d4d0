#include "scanner/FolderWalker.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

namespace scanner {

namespace {

// Listing a folder in large batches keeps the system calls per folder down.
constexpr size_t kListingBytes = 32 * 1024;
constexpr size_t kRootCapacity = PATH_MAX;
constexpr size_t kNameCapacity = NAME_MAX + 1;  // a name and its '/'
constexpr int kLevelCount = kMaxLevels + 1;     // the root and the levels below it
constexpr size_t kPathCapacity = kRootCapacity + size_t(kLevelCount) * kNameCapacity + 1;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// The checks compare ASCII letters only: no other character lower-cases to one of them,
// so this equals lower-casing the whole UTF-8 path first.
bool EndsWithMp3(std::string_view name) {
  const size_t n = name.size();
  return n >= 4 && name[n - 4] == '.' && Lower(name[n - 3]) == 'm' && Lower(name[n - 2]) == 'p' && name[n - 1] == '3';
}

bool HoldsTemporary(std::string_view text) {
  static constexpr std::string_view kWord = "temporary";
  if (text.size() < kWord.size()) return false;
  for (size_t i = 0; i + kWord.size() <= text.size(); ++i) {
    size_t k = 0;
    while (k < kWord.size() && Lower(text[i + k]) == kWord[k]) ++k;
    if (k == kWord.size()) return true;
  }
  return false;
}

bool IsDotOrDotDot(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

unsigned char TypeOfMode(mode_t mode) {
  if (S_ISDIR(mode)) return DT_DIR;
  if (S_ISREG(mode)) return DT_REG;
  return DT_UNKNOWN;  // links, devices, pipes, sockets: never clips, never entered
}

}  // namespace

struct FolderWalker::Level {
  int fd = -1;
  size_t pathLength = 0;  // the folder's path in the path buffer, without a trailing '/'
  size_t used = 0;        // listing bytes in the level's buffer
  size_t next = 0;        // the next entry in them
};

FolderWalker::FolderWalker(std::vector<std::string> stopFolders) : stopFolders_(std::move(stopFolders)) {
  std::sort(stopFolders_.begin(), stopFolders_.end());
  const size_t levelBytes = sizeof(Level) * kLevelCount;
  const size_t levelSpace =
      (levelBytes + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) * alignof(std::max_align_t);
  // Not value-initialised, so the untouched pages stay uncommitted.
  area_.reset(new char[levelSpace + kListingBytes * kLevelCount + kPathCapacity]);
  levels_ = reinterpret_cast<Level*>(area_.get());
  for (int i = 0; i < kLevelCount; ++i) new (levels_ + i) Level();
  buffers_ = area_.get() + levelSpace;
  path_ = buffers_ + kListingBytes * kLevelCount;
}

FolderWalker::~FolderWalker() = default;

bool FolderWalker::IsStopFolder(std::string_view path) const {
  return !stopFolders_.empty() && std::binary_search(stopFolders_.begin(), stopFolders_.end(), path,
                                                     [](std::string_view a, std::string_view b) { return a < b; });
}

void FolderWalker::ReportFolder(const ProgressSink& onProgress) {
  ++progress_.folders;
  if (onProgress && progress_.folders % kProgressFolders == 0) onProgress(progress_);
}

void FolderWalker::Walk(std::string_view root, const ClipSink& onClip, const ProgressSink& onProgress) {
  while (root.size() > 1 && root.back() == '/') root.remove_suffix(1);
  if (root.empty() || root.size() >= kRootCapacity || root.find('\0') != std::string_view::npos) return;
  // Every path below such a root holds the word, so nothing below it could be a clip.
  if (HoldsTemporary(root)) return;

  std::memcpy(path_, root.data(), root.size());
  path_[root.size()] = '\0';
  // The root itself may be a link (a station's music folder often is); nothing below it is followed.
  const int rootFd = open(path_, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (rootFd < 0) return;
  // "/" joins its entries without a second '/'.
  levels_[0] = {rootFd, root == "/" ? 0 : root.size(), 0, 0};
  ReportFolder(onProgress);

  int depth = 0;
  while (depth >= 0) {
    Level& level = levels_[depth];
    char* listing = buffers_ + kListingBytes * size_t(depth);
    if (level.next >= level.used) {
      const ssize_t got = getdents64(level.fd, listing, kListingBytes);
      if (got <= 0) {  // done, or the folder stopped being readable: go on with the parent
        close(level.fd);
        --depth;
        continue;
      }
      level.used = size_t(got);
      level.next = 0;
    }
    const auto* entry = reinterpret_cast<const struct dirent64*>(listing + level.next);
    level.next += entry->d_reclen;
    const char* name = entry->d_name;
    if (IsDotOrDotDot(name)) continue;

    unsigned char type = entry->d_type;
    struct stat info;
    bool haveInfo = false;
    if (type == DT_UNKNOWN) {  // some file systems do not say; ask without following links
      if (fstatat(level.fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
      type = TypeOfMode(info.st_mode);
      haveInfo = true;
    }
    if (type != DT_DIR && type != DT_REG) continue;

    const std::string_view nameView(name);
    if (nameView.size() > NAME_MAX || HoldsTemporary(nameView)) continue;
    if (type == DT_REG && !EndsWithMp3(nameView)) continue;

    const size_t length = level.pathLength + 1 + nameView.size();
    path_[level.pathLength] = '/';
    std::memcpy(path_ + level.pathLength + 1, name, nameView.size());
    path_[length] = '\0';

    if (type == DT_DIR) {
      if (depth == kMaxLevels || IsStopFolder(std::string_view(path_, length))) continue;
      const int fd = openat(level.fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      if (fd < 0) continue;  // cannot be listed: skipped
      ++depth;
      levels_[depth] = {fd, length, 0, 0};
      ReportFolder(onProgress);
      continue;
    }

    // The size is the whole size: a file of exactly 4 GiB is not empty.
    if (!haveInfo && fstatat(level.fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(info.st_mode) || info.st_size == 0) continue;
    if (onClip(std::string_view(path_, length))) ++progress_.clips;
  }
}

}  // namespace scanner
