// The shared settings' value names and their defaults, in one place for every program.
#pragma once

namespace settings {

inline constexpr char kNotOpen[] = "ERR_KEY_NOT_OPEN";

inline constexpr char kFps[] = "FPS";
inline constexpr char kOutputDevice[] = "Output Device";
inline constexpr char kOutputDeviceId[] = "Output Device ID";
inline constexpr char kMonitorDevice[] = "Monitor Device";
inline constexpr char kMonitorDeviceId[] = "Monitor Device ID";
inline constexpr char kDefMixStyle[] = "Def Mix Style";
inline constexpr char kRemotePort[] = "Remote Control Port";
inline constexpr char kEqPrefix[] = "EQ";  // "EQ1" to "EQ6"
inline constexpr char kEqPlayer1Status[] = "EQ PLAYER 1 STATUS";
inline constexpr char kEqPlayer2Status[] = "EQ PLAYER 2 STATUS";
inline constexpr char kEqPresetName[] = "EQ PRESET NAME";
inline constexpr char kPitch1[] = "PITCH 1";
inline constexpr char kPitch2[] = "PITCH 2";
inline constexpr char kAutoCue1[] = "AUTO CUE PLAYER 1 STATUS";
inline constexpr char kAutoCue2[] = "AUTO CUE PLAYER 2 STATUS";
inline constexpr char kDefAudioFolder[] = "Def Audio Folder";
inline constexpr char kDefPlayListFolder[] = "Def Play List Folder";
inline constexpr char kDefAdListFolder[] = "Def AD List Folder";
inline constexpr char kStartUpProgram[] = "Def OnStartUp Program";
inline constexpr char kChangeResolution[] = "Change Resolution At Startup";
inline constexpr char kAdvertsLoadingType[] = "Adverts Loading type";
inline constexpr char kKeepPlayLog[] = "Keep Play Log";
inline constexpr char kAutoPlayKorvoPrl[] = "AUTO PLAY KorvoxaPrl";
inline constexpr char kWorkingMode[] = "KORVO xa WORKING MODE";
inline constexpr char kAllowSystemRestart[] = "Allow System Restart";
inline constexpr char kComDevicePrefix[] = "COM";  // "COMn Device"

inline constexpr int kDefaultFps = 30;
inline constexpr char kDefaultDevice[] = "DEVICE_NOT_SELECTED";
inline constexpr int kDefaultDeviceId = -1;
inline constexpr char kDefaultMixStyle[] = "DEF1";
inline constexpr char kDefaultRemotePort[] = "NULL";

}  // namespace settings
