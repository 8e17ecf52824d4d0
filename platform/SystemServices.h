// Services of the desktop and the machine. The real ones act on this computer; tests use
// FakeSystemServices, which records calls and never restarts anything.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class PlayLog;
class RebootRequester;
class SettingsStore;

class SystemServices {
 public:
  virtual ~SystemServices() = default;
  // Through the library "Vidshift" and its export Change_Graphics_Mode(w, h, 0):
  // 0 when it returned 0, -1 when it is missing or returned anything else.
  virtual int ChangeDisplayMode(int width, int height) = 0;
  // Restart the computer; writes the play-log entries of a restart or of its failed step.
  virtual void RestartSystem() = 0;
  virtual void InhibitScreenSaver(bool on) = 0;
  // Start a sibling program from the programs' folder, detached; false when it failed.
  virtual bool StartProgram(const QString& name, const QStringList& args = {}) = 0;
  virtual bool OpenUrl(const QString& localFile) = 0;
};

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

class FakeSystemServices final : public SystemServices {
 public:
  int ChangeDisplayMode(int width, int height) override {
    calls << QStringLiteral("ChangeDisplayMode %1 %2").arg(width).arg(height);
    return displayModeResult;
  }
  void RestartSystem() override { calls << QStringLiteral("RestartSystem"); ++restarts; }
  void InhibitScreenSaver(bool on) override { calls << QStringLiteral("InhibitScreenSaver %1").arg(on); }
  bool StartProgram(const QString& name, const QStringList&) override {
    calls << QStringLiteral("StartProgram ") + name;
    return true;
  }
  bool OpenUrl(const QString& f) override {
    calls << QStringLiteral("OpenUrl ") + f;
    return true;
  }
  QStringList calls;
  int restarts = 0;
  int displayModeResult = -1;
};
