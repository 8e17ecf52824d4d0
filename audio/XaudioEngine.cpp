// The real engine: forwards to the audio library.
#include "audio/DecoderEngine.h"

int XaudioEngine::ApiVersion() { return xaudio_get_api_version(2); }
int XaudioEngine::PlayerNew(XA_Player** player, QObject* receiver) { return player_new(player, receiver); }
void XaudioEngine::PlayerDelete(XA_Player* player) {
  if (player) player_delete(player);
}
int XaudioEngine::PlayerSetPriority(XA_Player* player, int priority) { return player_set_priority(player, priority); }
int XaudioEngine::Send(XA_Player* player, const XA_Message& message) { return control_message_send(player, message); }
int XaudioEngine::ParamsToMessage(XA_Player* player, XA_Message* message, const QEvent* event) {
  return control_win32_params_to_message(player, message, event);
}
QString XaudioEngine::ErrorString(int code) { return QString::fromUtf8(xaudio_error_string(code)); }

int XaudioEngine::Analyze(const QString& path, XA_AnalyzerInfo* info) const {
  return XaudioClipAnalyzer().Analyze(path, info);
}

QList<XaOutputDevice> XaudioEngine::OutputDevices() { return xaudio_output_devices(); }
void XaudioEngine::SetOutputDevices(int mainIndex, int monitorIndex) {
  xaudio_set_output_devices(mainIndex, monitorIndex);
}
void XaudioEngine::SetMasterVolume(int value) { xaudio_set_master_volume(value); }
int XaudioEngine::MasterVolume() { return xaudio_get_master_volume(); }
