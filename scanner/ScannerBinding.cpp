#include "scanner/ScannerBinding.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include "platform/PlayLog.h"

namespace scanner {

// Hands the library's progress export to the probe for the length of the call, and takes it
// back before the library is unloaded, so a reader never calls into unloaded code.
struct ProbeBinding {
  ProbeBinding(ScanProbe* probe, void (*progress)(long long*, long long*)) : probe_(probe) {
    if (!probe_) return;
    std::lock_guard<std::mutex> lock(probe_->mutex_);
    probe_->progress_ = progress;
  }
  ~ProbeBinding() {
    if (!probe_) return;
    std::lock_guard<std::mutex> lock(probe_->mutex_);
    probe_->progress_ = nullptr;
  }
  ScanProbe* probe_;
};

bool ScanProbe::Read(long long& folders, long long& clips) const {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!progress_) return false;
  progress_(&folders, &clips);
  return true;
}

ScannerCall CallFindMain(const QString& library, ScanProbe* probe) {
  // Like the DLL search on Windows, the programs' own folder comes first, then the system.
  QLibrary lib;
  const bool relative = QDir::isRelativePath(library);
  if (relative) lib.setFileName(QDir(QCoreApplication::applicationDirPath()).filePath(library));
  if (!relative || !lib.load()) {
    lib.setFileName(library);
    if (!lib.load()) return {BindingOutcome::LibraryAbsent, 0};
  }
  using FindMain = int (*)();
  const auto findMain = reinterpret_cast<FindMain>(lib.resolve("FIND_main"));
  if (!findMain) {
    lib.unload();
    return {BindingOutcome::NoExport, 0};
  }
  using FindProgress = void (*)(long long*, long long*);
  int clips = 0;
  {
    const ProbeBinding bound(probe, reinterpret_cast<FindProgress>(lib.resolve("FIND_progress")));
    clips = findMain();
  }
  lib.unload();
  return {BindingOutcome::Ran, clips};
}

int RunDriveScan(PlayLog& log, const QString& library) { return LogDriveScan(log, CallFindMain(library)); }

int LogDriveScan(PlayLog& log, const ScannerCall& call) {
  switch (call.outcome) {
    case BindingOutcome::LibraryAbsent:
      return 0;
    case BindingOutcome::NoExport:
      log.WritePlayLog(QStringLiteral("ERR"), QStringLiteral("Can't Load TuneSweep.dll"),
                       QStringLiteral("Auto Play List Not Created"));
      return -1;
    case BindingOutcome::Ran:
      break;
  }
  log.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("Auto Play List Created"), QString());
  return call.clips;
}

}  // namespace scanner
