// The remote's wire protocol: the command texts the program sends, the version reply it
// waits for and the button report the remote sends. Pure functions, any thread.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace remote {

// Command numbers, program to remote.
inline constexpr int kVersion = 0;
inline constexpr int kLd2 = 3;  // after the version reply, and when closing
inline constexpr int kReset = 6;
inline constexpr int kStartTransmit = 7;
inline constexpr int kEndTransmit = 8;

// One read takes at most this many bytes, as the remote's input queue holds.
inline constexpr int kChunkBytes = 20;
inline constexpr char kVersionMark[] = "KORVO Ver 3.1";
// A version reply is shown cut after this many bytes.
inline constexpr int kVersionShown = 15;

// Byte 9 of a report: one bit a button, cleared while pressed.
inline constexpr int kAllReleased = 255;
inline constexpr int kModeButton = 127;  // button 8

// "Error On button [n]": no terminator, no line end.
QByteArray CommandText(int n);

// Byte 9 (counted from the "S") of a report whose "Start" begins in the first 11 bytes of
// the chunk and whose byte 9 lies within it; -1 when there is none.
int ButtonState(QByteArrayView chunk);

// Button 1 to 7 for a state with exactly that one button pressed (button 8 is the mode
// button, kModeButton); 0 for any other state.
int PressedButton(int state);

}  // namespace remote
