// The decoder engine as the decks see it. The real one forwards to the audio library; the
// deck logic is tested against a fake that records commands and injects notifications.
#pragma once

#include "audio/ClipAnalyzer.h"
#include "audio/devices.h"
#include "audio/xaudio.h"

// Names the engine knows its outputs and properties by.
inline constexpr char kMainOutput[] = "/dev/dsound/1";
inline constexpr char kMonitorOutput[] = "/dev/dsound/2";
inline constexpr char kPitchProperty[] = "OUTPUT.DIRECTSOUND.PITCH";
inline constexpr char kWindowProperty[] = "OUTPUT.DIRECTSOUND.WINDOW";
inline constexpr char kModuleRegistration[] = "dsound_output_module_register@xa_dsound_output.dll";

// It is also the analyser of the clips it plays.
class DecoderEngine : public ClipAnalyzer {
 public:
  virtual ~DecoderEngine() = default;
  virtual int ApiVersion() = 0;
  virtual int PlayerNew(XA_Player** player, QObject* receiver) = 0;
  virtual void PlayerDelete(XA_Player* player) = 0;
  virtual int PlayerSetPriority(XA_Player* player, int priority) = 0;
  virtual int Send(XA_Player* player, const XA_Message& message) = 0;
  virtual int ParamsToMessage(XA_Player* player, XA_Message* message, const QEvent* event) = 0;
  virtual QString ErrorString(int code) = 0;
  virtual QList<XaOutputDevice> OutputDevices() = 0;
  virtual void SetOutputDevices(int mainIndex, int monitorIndex) = 0;
  virtual void SetMasterVolume(int value) = 0;
  virtual int MasterVolume() = 0;

  // Helpers that build the messages the decks send.
  int Send(XA_Player* p, int code, int a = 0, int b = 0, int c = 0) {
    return Send(p, XaMessage(code, a, b, c));
  }
  int SendText(XA_Player* p, int code, const QString& text, int a = 0) {
    return Send(p, XaTextMessage(code, text, a));
  }
};

// The real engine of audio/.
class XaudioEngine final : public DecoderEngine {
 public:
  int ApiVersion() override;
  int PlayerNew(XA_Player** player, QObject* receiver) override;
  void PlayerDelete(XA_Player* player) override;
  int PlayerSetPriority(XA_Player* player, int priority) override;
  int Send(XA_Player* player, const XA_Message& message) override;
  using DecoderEngine::Send;
  int ParamsToMessage(XA_Player* player, XA_Message* message, const QEvent* event) override;
  QString ErrorString(int code) override;
  int Analyze(const QString& path, XA_AnalyzerInfo* info) const override;
  QList<XaOutputDevice> OutputDevices() override;
  void SetOutputDevices(int mainIndex, int monitorIndex) override;
  void SetMasterVolume(int value) override;
  int MasterVolume() override;
};
