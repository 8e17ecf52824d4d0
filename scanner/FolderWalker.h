// The walk below one root: depth first, pre-order, in the order the file system lists the
// entries, without recursion. Runs on the caller's thread and blocks it until the walk
// is done; the sinks are called on that thread.
#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace scanner {

// Folders deeper than this below a root are skipped, so the work area never overruns.
inline constexpr int kMaxLevels = 256;

struct ScanProgress {
  qint64 folders = 0;  // folders listed so far, the roots included
  qint64 clips = 0;    // clips taken so far
};

// A clip's full path, valid only during the call. Returns whether the clip was taken
// (a clip that cannot be written is not counted).
using ClipSink = std::function<bool(std::string_view path)>;
// Called every kProgressFolders folders while the walk runs.
using ProgressSink = std::function<void(const ScanProgress&)>;
inline constexpr int kProgressFolders = 128;

// A clip is a regular, non-empty file whose name ends in ".mp3" (any case) and whose full
// path holds no "temporary" (any case). Symbolic links are never followed, so links cannot
// loop; folders that cannot be listed are skipped; the walk does not enter the stop
// folders (mount points it must not cross into).
class FolderWalker {
 public:
  explicit FolderWalker(std::vector<std::string> stopFolders = {});
  ~FolderWalker();
  FolderWalker(const FolderWalker&) = delete;
  FolderWalker& operator=(const FolderWalker&) = delete;

  // Walks one root (a full path; a trailing '/' is ignored). Counts add up over calls.
  void Walk(std::string_view root, const ClipSink& onClip, const ProgressSink& onProgress = {});
  const ScanProgress& Progress() const { return progress_; }

 private:
  struct Level;
  bool IsStopFolder(std::string_view path) const;
  void ReportFolder(const ProgressSink& onProgress);

  std::vector<std::string> stopFolders_;  // sorted
  // One region for the level records, their listing buffers and the path buffer; only
  // the pages a walk touches are ever committed.
  std::unique_ptr<char[]> area_;
  Level* levels_ = nullptr;
  char* buffers_ = nullptr;
  char* path_ = nullptr;
  ScanProgress progress_;
};

}  // namespace scanner
