// The console's commands: every operation a key, a tool button, a menu entry or (later) the
// remote control can ask for. One table (ConsoleCommands) holds what each one does.
#pragma once

enum class ConsoleCommand {
  None,            // swallowed: the key only moves the focus
  LoadSelected,    // Enter outside the search box
  SearchTitles,    // Enter in the search box, Left Ctrl+F ("Find 1")
  SearchPaths,     // Right Ctrl+F ("Find 2")
  Mix,             // Space
  SelectPrevious,  // Up
  SelectNext,      // Down
  PitchDown,       // Ctrl+PageUp: pitch - 2
  PitchUp,         // Ctrl+PageDown: pitch + 2
  About,           // Ctrl+A
  ToggleAutoCue,   // Ctrl+C
  CueToMark,       // Ctrl+G
  Help,            // Ctrl+H
  EngineInfo,      // Ctrl+I
  LoadClips,       // Ctrl+L (then fit to screen)
  MixStyleEditor,  // Ctrl+M
  Options,         // Ctrl+O
  DayPrograms,     // Ctrl+P
  ToggleEqualizer, // Ctrl+Q
  SavePlayList,    // Ctrl+S
  SetCueMark,      // Ctrl+T
  Exit,            // Left Ctrl+X; Escape in the search box
  MasterUp,        // numeric +: master fader - 728 (louder)
  MasterDown,      // numeric -: master fader + 728
  InfoPages,       // F2; "."
  FocusSearch,     // F3 (status "KEYBOARD MODE: SERACH")
  FocusHidden,     // F4
  ProgramsOn,      // F5
  ProgramsOff,     // F6
  AdvertsOn,       // F7
  AdvertsOff,      // F8
  AddToFavourites, // the "=" key of the main keyboard; "+="
  // Tool buttons and menu entries without a key of their own.
  Shuffle,         // "S"
  RemoveClip,      // "D"
  ClearPlayList,   // "C"
  CountTimes,      // "T"
  RemoteControl,   // "R"
  PlayPause,       // a deck's "PLAY"
  ResetPlayer,     // a deck's "P"
  OpenIntoDeck,    // a deck's "Open"
  // Context-menu entries without a key or tool button of their own.
  LoadPlayList,    // "Load Play List": play lists offered first
  ImportM3u,       // "Import m3u List": M3U lists offered first
  RenameSelected,  // "Rename Selected"
  PlayListEditor,  // "Play List Editor": starts KorvoPrl
  LogosEditor,     // "Logos Editor": starts KorvoLogos
  LoadBlockNow,    // "Load Block Now": manual, then the chosen block
  ImportLogos,     // "Import Logos": an advert list
  ImportAd,        // "Import AD": one spot
  RemoveAd,        // "Remove AD"
  ClearLogos,      // "Clear Logos List"
  LoadProgramNow,  // "Load Program Now"
  ReloadPrograms,  // "Re-Load Programs"
  ClearPrograms,   // "Clear Programs"
  // What the remote control's buttons ask for beyond the above.
  CueAndPause,       // a deck's cue, then pause ("KEEP")
  ToggleMonitor,     // a deck's output: main / monitor ("OUT #1", "OUT #2")
  ResetEqualizers,   // both decks' equalisers flat ("FLAT")
  ToggleCheckOnLoad, // "Check On Load" down / up ("CHECK")
  ToggleLoadNext,    // "LOAD NEXT" ("LOAD")
  ToggleMixNext,     // "MIX NEXT", while it is enabled ("MIX")
  RemoteRewind,      // a deck back by 10 + the remote's repeat count, paused while held
  RemoteForward,     // the same forward
  RemoteResume,      // a held REW / FF let go: the deck plays on and its clip is logged
  RemoteMasterDown,  // master fader + 728 + the remote's repeat count ("-")
  RemoteMasterUp,    // master fader - 728 - the remote's repeat count ("+")
};
