// One job of the logos tool: the logos list, the hours list and the play list with the
// form around them, the commands of each group, and what concerns the whole job (New Job,
// Exit, the help boxes). The window is a view of it. GUI thread only.
#pragma once

#include <QObject>

#include "tools/logos/HoursCommands.h"
#include "tools/logos/HoursList.h"
#include "tools/logos/JobForm.h"
#include "tools/logos/LogoCommands.h"
#include "tools/logos/LogosEnv.h"
#include "tools/logos/LogosList.h"
#include "tools/logos/LogosPlayList.h"
#include "tools/logos/PlayListCommands.h"

class LogosJob : public QObject {
  Q_OBJECT

 public:
  explicit LogosJob(LogosEnv env, QObject* parent = nullptr);

  JobForm& Form() { return form_; }
  LogosList& Logos() { return logos_; }
  HoursList& Hours() { return hours_; }
  LogosPlayList& PlayList() { return playList_; }
  LogoCommands& LogoCmds() { return logoCommands_; }
  HoursCommands& HoursCmds() { return hoursCommands_; }
  PlayListCommands& PlayListCmds() { return playListCommands_; }
  const LogosEnv& Env() const { return env_; }

  // "New Job": everything emptied; only the logos ask first, while they hold names.
  void NewJob();
  // "Exit": true when the program may end (asked only while the play list has rows).
  bool ConfirmExit();
  void About();
  void QuickHelp();

 private:
  LogosEnv env_;
  JobForm form_;
  LogosList logos_;
  HoursList hours_;
  LogosPlayList playList_;
  LogoCommands logoCommands_;
  HoursCommands hoursCommands_;
  PlayListCommands playListCommands_;
};
