#include "remote/RemoteProtocol.h"

namespace remote {

namespace {

constexpr QByteArrayView kStart("Start");
constexpr int kStartLimit = 11;  // "Start" must begin at one of the first 11 bytes
constexpr int kStateOffset = 9;

}  // namespace

QByteArray CommandText(int n) { return QByteArrayLiteral("Error On button [") + QByteArray::number(n) + ']'; }

int ButtonState(QByteArrayView chunk) {
  const qsizetype at = chunk.indexOf(kStart);
  if (at < 0 || at >= kStartLimit) return -1;
  // A report cut short by the end of the read has no button byte yet: never read past it.
  if (at + kStateOffset >= chunk.size()) return -1;
  return static_cast<unsigned char>(chunk[at + kStateOffset]);
}

int PressedButton(int state) {
  for (int button = 1; button <= 7; ++button) {
    if (state == (0xff & ~(1 << (button - 1)))) return button;
  }
  return 0;
}

}  // namespace remote
