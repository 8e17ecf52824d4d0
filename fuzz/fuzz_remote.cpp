// Reports of the serial remote control, as read from the port.
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

#include "remote/RemoteProtocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const int state = remote::ButtonState(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
  if (state >= 0) (void)remote::PressedButton(state);
  return 0;
}
