#include "scanner/ScannerBinding.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include "platform/PlayLog.h"

namespace scanner {

ScannerCall CallFindMain(const QString& library) {
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
  const int clips = findMain();
  lib.unload();
  return {BindingOutcome::Ran, clips};
}

int RunDriveScan(PlayLog& log, const QString& library) {
  const ScannerCall call = CallFindMain(library);
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
