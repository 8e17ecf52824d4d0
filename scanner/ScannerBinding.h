// The programs' binding to the scanner library: "TuneSweep" is loaded by name for one
// call of FIND_main and unloaded again, so a program works without it. Runs on the
// caller's thread and blocks it for the whole scan; the library is not reentrant, so
// one scan at a time per machine.
#pragma once

#include <QString>

#include <mutex>

class PlayLog;

namespace scanner {

inline constexpr char kLibraryName[] = "TuneSweep";

enum class BindingOutcome {
  LibraryAbsent,  // the library could not be loaded
  NoExport,       // it loaded but has no FIND_main
  Ran,            // FIND_main ran; clips holds its count
};

struct ScannerCall {
  BindingOutcome outcome = BindingOutcome::LibraryAbsent;
  int clips = 0;
};

// The figures of a scan in progress, read from another thread than the one blocked in the
// scan (a window showing its progress). Only while a call runs and only when the library
// offers them (its optional export FIND_progress).
class ScanProbe {
 public:
  // Any thread. False when there is nothing to read.
  bool Read(long long& folders, long long& clips) const;

 private:
  friend struct ProbeBinding;
  mutable std::mutex mutex_;
  void (*progress_)(long long*, long long*) = nullptr;
};

// Loads the library (a bare name from the programs' own folder first, then the system's
// search; a path as given), calls FIND_main and unloads it. Nothing is reported.
ScannerCall CallFindMain(const QString& library = QString::fromLatin1(kLibraryName), ScanProbe* probe = nullptr);

// The main program's log entries for a call's outcome, and its result: see RunDriveScan.
int LogDriveScan(PlayLog& log, const ScannerCall& call);

// The main program's binding: 0 when the library is absent (nothing logged); -1 with
// "ERR" / "Can't Load TuneSweep.dll" / "Auto Play List Not Created" when FIND_main is
// missing; else the count, with "ACC" / "Auto Play List Created" whatever the count.
int RunDriveScan(PlayLog& log, const QString& library = QString::fromLatin1(kLibraryName));

}  // namespace scanner
