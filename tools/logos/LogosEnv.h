// What the logos tool's commands reach outside their lists: the dialogs, the two folders
// its file dialogs start in, today's date for the EPL header and the wait cursor. The
// program fills it once at start-up; tests give their own.
#pragma once

#include <QDate>
#include <QString>
#include <functional>

class Dialogs;

struct LogosEnv {
  Dialogs& dialogs;
  // "Sources" in the start folder: logos and hours files.
  QString sourcesFolder;
  // The main program's "Def AD List Folder": EPL files.
  QString eplFolder;
  std::function<QDate()> today = [] { return QDate::currentDate(); };
  // On while a long command runs (the wait cursor); may be empty.
  std::function<void(bool)> busy;
};

// Shows the wait cursor for the life of the object.
class BusyScope {
 public:
  explicit BusyScope(const LogosEnv& env) : env_(env) {
    if (env_.busy) env_.busy(true);
  }
  ~BusyScope() {
    if (env_.busy) env_.busy(false);
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  const LogosEnv& env_;
};
