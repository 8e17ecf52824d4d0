// The console commands the keyboard map stands for, and for which deck. The decks run their
// own (pitch, cue, AUTO CUE, equaliser, master); the main window routes the rest.
#pragma once

enum class KeyCommand {
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
  InfoPages,       // F2
  FocusSearch,     // F3 (status "KEYBOARD MODE: SERACH")
  FocusHidden,     // F4
  ProgramsOn,      // F5
  ProgramsOff,     // F6
  AdvertsOn,       // F7
  AdvertsOff,      // F8
  AddToFavourites, // the "=" key of the main keyboard
};

struct KeyAction {
  KeyCommand command = KeyCommand::None;
  int deck = 0;            // 1 or 2 for the Ctrl commands, else 0
  bool moveFocus = true;   // afterwards park the focus on the hidden focus button
  bool passOn = false;     // the key also goes on to the focused widget (F3, the search box)
};
