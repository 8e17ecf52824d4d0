// One running copy per user: a lock held for the life of the first instance.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

class SingleInstance {
 public:
  // name: "PreventSecondInstance"; the lock lives in the user's runtime folder.
  explicit SingleInstance(const QString& name);
  // The same with the lock in an explicit folder (tests, or a station-wide lock folder).
  SingleInstance(const QString& name, const QString& folder);
  ~SingleInstance();
  // True when this process is the first instance (and now holds the lock).
  bool IsFirst() const { return first_; }

 private:
  std::unique_ptr<QLockFile> lock_;
  bool first_ = false;
};
