// The desktop and the machine on Linux: the display-mode library, systemd-logind for a
// restart, the screen-saver inhibit service, sibling programs and the browser.
#pragma once

#include "platform/SystemServices.h"

#include <memory>

class PlayLog;
class RebootRequester;
class SettingsStore;

class LinuxSystemServices final : public SystemServices {
 public:
  // Restarts through systemd-logind and switches the display through "Vidshift".
  LinuxSystemServices(const SettingsStore& settings, PlayLog& log);
  // The same with the reboot step and the display-mode library given (tests pass a fake
  // requester and a library of their own, so they never reach the machine).
  LinuxSystemServices(const SettingsStore& settings, PlayLog& log, RebootRequester& reboot,
                      QString displayModeLibrary = QStringLiteral("Vidshift"));
  ~LinuxSystemServices() override;
  int ChangeDisplayMode(int width, int height) override;
  void RestartSystem() override;
  void InhibitScreenSaver(bool on) override;
  bool StartProgram(const QString& name, const QStringList& args) override;
  bool OpenUrl(const QString& localFile) override;

 private:
  const SettingsStore& settings_;
  PlayLog& log_;
  std::unique_ptr<RebootRequester> ownReboot_;
  RebootRequester& reboot_;
  QString displayModeLibrary_;
  unsigned screenSaverCookie_ = 0;
  bool screenSaverInhibited_ = false;
};
