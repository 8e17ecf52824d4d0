// A decoder engine for tests: records every command, hands out fake players and lets a test
// deliver notifications to a player's receiver exactly as the real engine's events arrive.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

#include "audio/DecoderEngine.h"

class FakeEngine : public DecoderEngine {
 public:
  struct Sent {
    XA_Player* player;
    XA_Message message;
  };

  FakeEngine();
  ~FakeEngine() override;

  int ApiVersion() override { return apiVersion; }
  int PlayerNew(XA_Player** player, QObject* receiver) override;
  void PlayerDelete(XA_Player* player) override;
  int PlayerSetPriority(XA_Player* player, int priority) override;
  int Send(XA_Player* player, const XA_Message& message) override;
  using DecoderEngine::Send;
  int ParamsToMessage(XA_Player* player, XA_Message* message, const QEvent* event) override;
  QString ErrorString(int code) override { return QStringLiteral("error %1").arg(code); }
  int Analyze(const QString& path, XA_AnalyzerInfo* info) const override;
  QList<XaOutputDevice> OutputDevices() override { return devices; }
  void SetOutputDevices(int mainIndex, int monitorIndex) override;
  void SetMasterVolume(int value) override { masterVolume = value; }
  int MasterVolume() override { return masterVolume; }

  // The n-th player created (0 first), or null.
  XA_Player* PlayerAt(int n) const;
  // Delivers a notification to the player's receiver now (as a sent, not posted, event).
  void Notify(XA_Player* player, XA_Message message);
  void Notify(XA_Player* player, int code, int a = 0, int b = 0);
  void NotifyText(XA_Player* player, int code, const QString& text);

  // Commands sent to one player (all players when null), optionally only one code.
  std::vector<XA_Message> Commands(XA_Player* player = nullptr, int code = -1) const;
  // Compact "code:a,b,c[:text]" form of the commands to one player, for order checks.
  QStringList Trace(XA_Player* player) const;
  void Clear() { sent.clear(); }

  int apiVersion = (3 << 16) | (2 << 8);
  int playerNewResult = 0;
  int masterVolume = 65535;
  QList<XaOutputDevice> devices;
  QHash<QString, uint32_t> durationsMs;  // what Analyze reports; unknown paths fail
  std::vector<Sent> sent;
  QList<int> priorities;
  int deleted = 0;

 private:
  struct Slot {
    int token = 0;
    QPointer<QObject> receiver;
  };
  std::vector<std::unique_ptr<Slot>> players_;
};

// Two usable output devices (main and monitor) for the fake's device list.
QList<XaOutputDevice> TwoDevices();
