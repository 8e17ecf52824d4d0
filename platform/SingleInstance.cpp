#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

namespace {

QString DefaultFolder() {
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (!runtime.isEmpty()) return runtime;
  // The temporary folder is shared by all users: the lock name then carries the user id.
  return QDir::tempPath();
}

}  // namespace

SingleInstance::SingleInstance(const QString& name) : SingleInstance(name, DefaultFolder()) {}

SingleInstance::SingleInstance(const QString& name, const QString& folder) {
  QDir().mkpath(folder);
  lock_ = std::make_unique<QLockFile>(
      QDir(folder).filePath(QStringLiteral("%1-%2.lock").arg(name).arg(static_cast<qulonglong>(::getuid()))));
  // Never age out a lock: a long-running first instance keeps it for days. A lock left by a
  // crashed process is still taken over, because its process id is no longer running.
  lock_->setStaleLockTime(0);
  first_ = lock_->tryLock(0);
}

SingleInstance::~SingleInstance() = default;
