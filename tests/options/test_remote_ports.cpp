// The remote port list: the COM names whose device opens, then "NULL"; and the probe on
// real terminals (pseudo-terminals stand in for serial ports).
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <QSerialPort>
#include <QTemporaryDir>

#include "options/RemotePorts.h"
#include "platform/SettingsStore.h"

namespace {

struct FakeProbe final : PortProbe {
  QStringList present;
  QStringList asked;
  bool Opens(const QString& device) override {
    asked << device;
    return present.contains(device);
  }
};

TEST(RemotePorts, ListsThePortsThatOpenThenNull) {
  QTemporaryDir dir;
  SettingsStore store(dir.filePath(QStringLiteral("KORVO XA.ini")));
  store.Write(settings::kComDevice[3], QStringLiteral("/dev/ttyUSB0"));
  struct Case {
    QStringList present;
    QStringList ports;
  };
  const Case cases[] = {
      {{}, {"NULL"}},
      {{"/dev/ttyS1"}, {"COM2", "NULL"}},
      {{"/dev/ttyS0", "/dev/ttyS2", "/dev/ttyUSB0"}, {"COM1", "COM3", "COM4", "NULL"}},
      {{"/dev/ttyS3"}, {"NULL"}},  // COM4 stands for the adapter named in its setting
  };
  for (const Case& c : cases) {
    FakeProbe probe;
    probe.present = c.present;
    EXPECT_EQ(AvailableRemotePorts(store, probe), c.ports) << c.present.join(u',').toStdString();
    EXPECT_EQ(probe.asked, (QStringList{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyUSB0"}));
  }
}

TEST(SerialPortProbe, OpensAFreeTerminalButNotOneInUseOrMissing) {
  int master = -1, slave = -1;
  char name[256] = {};
  ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
  close(slave);
  const QString device = QString::fromLocal8Bit(name);
  SerialPortProbe probe;
  EXPECT_TRUE(probe.Opens(device));
  EXPECT_TRUE(probe.Opens(device));  // closed again after the probe
  {
    QSerialPort holder;  // another program has the port
    holder.setPortName(device);
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
    EXPECT_FALSE(probe.Opens(device));
  }
  EXPECT_FALSE(probe.Opens(QStringLiteral("/dev/ttyKORVO-none")));
  close(master);
}

}  // namespace
