#include "platform/PlayLog.h"
#include "platform/system/RebootRequester.h"
#include "platform/SettingsTable.h"
#include "platform/SettingsStore.h"
#include "platform/system/LinuxSystemServices.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QLibrary>
#include <QProcess>
#include <QUrl>
#include <QVariant>

LinuxSystemServices::LinuxSystemServices(const SettingsStore& settings, PlayLog& log)
    : settings_(settings),
      log_(log),
      ownReboot_(std::make_unique<LogindReboot>()),
      reboot_(*ownReboot_),
      displayModeLibrary_(QStringLiteral("Vidshift")) {}

LinuxSystemServices::LinuxSystemServices(const SettingsStore& settings, PlayLog& log, RebootRequester& reboot,
                                         QString displayModeLibrary)
    : settings_(settings), log_(log), reboot_(reboot), displayModeLibrary_(std::move(displayModeLibrary)) {}

LinuxSystemServices::~LinuxSystemServices() {
  if (screenSaverInhibited_) InhibitScreenSaver(false);
}

int LinuxSystemServices::ChangeDisplayMode(int width, int height) {
  // Like the DLL search on Windows, the programs' own folder comes first, then the system.
  QLibrary library;
  const bool relative = QDir::isRelativePath(displayModeLibrary_);
  if (relative) library.setFileName(QDir(QCoreApplication::applicationDirPath()).filePath(displayModeLibrary_));
  if (!relative || !library.load()) {
    library.setFileName(displayModeLibrary_);
    if (!library.load()) return -1;
  }
  using ChangeGraphicsMode = int (*)(int, int, int);
  const auto change = reinterpret_cast<ChangeGraphicsMode>(library.resolve("Change_Graphics_Mode"));
  const int result = change ? change(width, height, 0) : -1;
  library.unload();
  return result == 0 ? 0 : -1;
}

void LinuxSystemServices::RestartSystem() {
  const QString err = QStringLiteral("ERR");
  // Rebooting is drastic: only a station that asked for it may be restarted.
  if (settings_.ReadSettingValue(QString::fromLatin1(settings::kAllowSystemRestart)) != QLatin1String("1")) {
    log_.WritePlayLog(err, QStringLiteral("ERROR SHUTTING DOWN"), QStringLiteral("Restart not allowed"));
    return;
  }
  const QString failedCheck = reboot_.CheckReboot();
  if (!failedCheck.isEmpty()) {
    log_.WritePlayLog(err, QStringLiteral("ERROR SHUTTING DOWN"), failedCheck);
    return;
  }
  // Logged before the request: once it succeeds the machine may go down at any moment.
  log_.WritePlayLog(err, QStringLiteral("SYSTEM SHUTTING DOWN"), QString());
  const QString failedRequest = reboot_.RequestReboot();
  if (!failedRequest.isEmpty()) log_.WritePlayLog(err, QStringLiteral("ERROR SHUTTING DOWN"), failedRequest);
}

void LinuxSystemServices::InhibitScreenSaver(bool on) {
  if (on == screenSaverInhibited_) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;  // no desktop session: nothing to keep awake
  const auto call = [](const QString& method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
                                          QStringLiteral("/org/freedesktop/ScreenSaver"),
                                          QStringLiteral("org.freedesktop.ScreenSaver"), method);
  };
  constexpr int kTimeoutMs = 2000;
  if (on) {
    QDBusMessage msg = call(QStringLiteral("Inhibit"));
    msg << QStringLiteral("KORVO XA") << QStringLiteral("Playout running");
    const QDBusMessage reply = bus.call(msg, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return;
    screenSaverCookie_ = reply.arguments().constFirst().toUInt();
    screenSaverInhibited_ = true;
  } else {
    QDBusMessage msg = call(QStringLiteral("UnInhibit"));
    msg << screenSaverCookie_;
    bus.call(msg, QDBus::Block, kTimeoutMs);
    screenSaverInhibited_ = false;
  }
}

bool LinuxSystemServices::StartProgram(const QString& name, const QStringList& args) {
  const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(name);
  return QProcess::startDetached(program, args);
}

bool LinuxSystemServices::OpenUrl(const QString& localFile) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(localFile));
}
