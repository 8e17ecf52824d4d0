// The one step of a system restart that reaches the machine, behind a seam so that the
// restart procedure is tested with a fake and never reboots anything.
#pragma once

#include <QString>

class RebootRequester {
 public:
  virtual ~RebootRequester() = default;
  // Empty when a reboot may be requested now, else the name of the step that failed.
  virtual QString CheckReboot() = 0;
  // Empty when the reboot was requested, else the name of the step that failed.
  virtual QString RequestReboot() = 0;
};

// systemd-logind over the system D-Bus: CanReboot must answer "yes" (no interactive
// authorisation is possible for an unattended station), then Reboot(false).
class LogindReboot final : public RebootRequester {
 public:
  QString CheckReboot() override;
  QString RequestReboot() override;
};
