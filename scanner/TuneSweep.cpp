// The scanner library's one export, looked up by name by the main program ("APL") and the
// play-list creator ("Create Auto List"). Everything else in the library stays hidden.
#include "scanner/ProfileScan.h"

// The number of clips in the new profile: 0 when none was found or the profile could not
// be written (callers load the profile only for a count above 0).
extern "C" __attribute__((visibility("default"))) int FIND_main() {
  return scanner::WriteProfile(scanner::ProfilePath(), scanner::PlanForThisMachine()).clips;
}
