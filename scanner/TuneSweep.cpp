// The scanner library's export, looked up by name by the main program ("APL") and the
// play-list creator ("Create Auto List"), and one optional export a caller may poll from
// another thread for the figures of the scan in progress. Everything else stays hidden.
#include "scanner/ProfileScan.h"

#include <atomic>

namespace {

std::atomic<long long> foldersSoFar{0};
std::atomic<long long> clipsSoFar{0};

}  // namespace

// The number of clips in the new profile: 0 when none was found or the profile could not
// be written (callers load the profile only for a count above 0).
extern "C" __attribute__((visibility("default"))) int FIND_main() {
  foldersSoFar = 0;
  clipsSoFar = 0;
  return scanner::WriteProfile(scanner::ProfilePath(), scanner::PlanForThisMachine(),
                               [](const scanner::ScanProgress& p) {
                                 foldersSoFar = p.folders;
                                 clipsSoFar = p.clips;
                               })
      .clips;
}

// The folders walked and clips found so far by the FIND_main call running now (or the
// last one). Any thread.
extern "C" __attribute__((visibility("default"))) void FIND_progress(long long* folders, long long* clips) {
  if (folders) *folders = foldersSoFar;
  if (clips) *clips = clipsSoFar;
}
