#include "options/EngineModules.h"

#include "audio/xaudio.h"

void EngineModules::Clear() {
  inputs_.clear();
  outputs_.clear();
  emit changed();
}

void EngineModules::Report(int code, const QString& text) {
  if (code == XA_MSG_NOTIFY_INPUT_MODULE_INFO)
    inputs_ << text;
  else if (code == XA_MSG_NOTIFY_OUTPUT_MODULE_INFO)
    outputs_ << text;
  else
    return;
  emit changed();
}
