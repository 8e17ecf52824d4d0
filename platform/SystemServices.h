// Services of the desktop and the machine. The real ones (platform/system) act on this
// computer; tests use FakeSystemServices, which records calls and never restarts anything.
#pragma once

#include <QString>
#include <QStringList>

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
