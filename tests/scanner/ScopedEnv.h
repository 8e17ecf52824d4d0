// Sets an environment variable for one test and puts the old value back.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QString& value) : name_(name), had_(qEnvironmentVariableIsSet(name)) {
    old_ = qgetenv(name);
    qputenv(name, value.toUtf8());
  }
  ~ScopedEnv() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};
