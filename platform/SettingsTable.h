// The suite's shared settings table: every value name, the form of its text and what a
// missing value reads as, in one place for every program (the main program, KorvoPrl,
// KorvoLogos, KorvoMd, the scanner). Read and write them through SettingsStore's typed
// helpers, which keep the text forms: numbers as decimal text, switches "1" / "0".
#pragma once

#include <QByteArrayView>

namespace settings {

// What a missing value or an unreadable file reads as.
inline constexpr char kNotOpen[] = "ERR_KEY_NOT_OPEN";

// One value of the table. It stands for its name where code passes names along
// ("const char*", QString::fromLatin1), so callers written against the bare names keep
// working until they move to the typed helpers.
template <typename T>
struct Setting {
  const char* name;
  T fallback;  // what a missing value reads as
  constexpr operator const char*() const { return name; }
  constexpr operator QByteArrayView() const { return QByteArrayView(name); }
};
using TextSetting = Setting<const char*>;
using NumberSetting = Setting<int>;   // decimal text
using SwitchSetting = Setting<bool>;  // on only for the text "1"

// Main program: devices, style, remote control (written by Options "APPLY").
inline constexpr NumberSetting kFps{"FPS", 30};
inline constexpr TextSetting kOutputDevice{"Output Device", "DEVICE_NOT_SELECTED"};
inline constexpr NumberSetting kOutputDeviceId{"Output Device ID", -1};
inline constexpr TextSetting kMonitorDevice{"Monitor Device", "DEVICE_NOT_SELECTED"};
inline constexpr NumberSetting kMonitorDeviceId{"Monitor Device ID", -1};
inline constexpr TextSetting kDefMixStyle{"Def Mix Style", "DEF1"};
// "COM1" to "COM4", or "NULL" for none.
inline constexpr TextSetting kRemotePort{"Remote Control Port", "NULL"};

// Decks (written at exit). A missing equaliser position leaves its slider where it is:
// read EQ1 to EQ6 with Find (their fallback is never used). A missing pitch reads as
// 1000, where the pitch sliders start.
inline constexpr NumberSetting kEq[6] = {{"EQ1", 0}, {"EQ2", 0}, {"EQ3", 0}, {"EQ4", 0}, {"EQ5", 0}, {"EQ6", 0}};
inline constexpr SwitchSetting kEqPlayer1Status{"EQ PLAYER 1 STATUS", true};
inline constexpr SwitchSetting kEqPlayer2Status{"EQ PLAYER 2 STATUS", true};
// Always written as "NS"; never read.
inline constexpr TextSetting kEqPresetName{"EQ PRESET NAME", "NS"};
inline constexpr NumberSetting kPitch1{"PITCH 1", 1000};
inline constexpr NumberSetting kPitch2{"PITCH 2", 1000};
inline constexpr SwitchSetting kAutoCue1{"AUTO CUE PLAYER 1 STATUS", false};
inline constexpr SwitchSetting kAutoCue2{"AUTO CUE PLAYER 2 STATUS", false};

// Folders of the file dialogs (written at exit; also read by KorvoPrl and KorvoLogos).
inline constexpr TextSetting kDefAudioFolder{"Def Audio Folder", ""};
inline constexpr TextSetting kDefPlayListFolder{"Def Play List Folder", ""};
inline constexpr TextSetting kDefAdListFolder{"Def AD List Folder", ""};

// Start-up and options (written by Options "APPLY").
inline constexpr TextSetting kStartUpProgram{"Def OnStartUp Program", ""};
inline constexpr SwitchSetting kChangeResolution{"Change Resolution At Startup", false};
// 0: adverts as coded by the advert planner; any other number: file names from titles.
inline constexpr NumberSetting kAdvertsLoadingType{"Adverts Loading type", 0};
inline constexpr SwitchSetting kKeepPlayLog{"Keep Play Log", false};

// The other programs' own values.
inline constexpr SwitchSetting kAutoPlayKorvoPrl{"AUTO PLAY KorvoxaPrl", false};
// "0" no monitor set-up, "1" monitor set-up; any other text counts as 0.
inline constexpr SwitchSetting kWorkingMode{"KORVO xa WORKING MODE", false};

// This platform's own values. Rebooting is drastic, so a station must ask for it.
inline constexpr SwitchSetting kAllowSystemRestart{"Allow System Restart", false};
// The device behind "COMn"; missing: /dev/ttyS<n-1>.
inline constexpr TextSetting kComDevice[4] = {{"COM1 Device", "/dev/ttyS0"},
                                              {"COM2 Device", "/dev/ttyS1"},
                                              {"COM3 Device", "/dev/ttyS2"},
                                              {"COM4 Device", "/dev/ttyS3"}};

// Name parts and defaults under their older names.
inline constexpr char kEqPrefix[] = "EQ";          // "EQ1" to "EQ6"
inline constexpr char kComDevicePrefix[] = "COM";  // "COMn Device"
inline constexpr int kDefaultFps = kFps.fallback;
inline constexpr const char* kDefaultDevice = kOutputDevice.fallback;
inline constexpr int kDefaultDeviceId = kOutputDeviceId.fallback;
inline constexpr const char* kDefaultMixStyle = kDefMixStyle.fallback;
inline constexpr const char* kDefaultRemotePort = kRemotePort.fallback;

}  // namespace settings
