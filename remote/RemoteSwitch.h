// The R button: asks for a port when none is set, then opens the remote (mode 1 shown,
// even when opening failed) or closes it (mode display cleared). GUI thread only.
#pragma once

#include <functional>

class Dialogs;
class RemoteControl;
class RemoteModes;
class SettingsStore;

class RemoteSwitch {
 public:
  // options opens the Options dialog, where the port is chosen.
  RemoteSwitch(RemoteControl& remote, RemoteModes& modes, const SettingsStore& settings, Dialogs& dialogs,
               std::function<void()> options);

  void Toggle();

 private:
  RemoteControl& remote_;
  RemoteModes& modes_;
  const SettingsStore& settings_;
  Dialogs& dialogs_;
  std::function<void()> options_;
};
