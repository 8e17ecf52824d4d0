// The whole creator without its window: the list and its operations, the preview player
// and the conversions, over the engine, the dialogs and the shared settings it is given.
// The window holds one and sends every button and menu entry to an operation here.
#pragma once

#include <QObject>

#include "songs/CrtRand.h"
#include "songs/RememberedFolders.h"
#include "tools/prlcreator/AutoListScan.h"
#include "tools/prlcreator/CreatorCounter.h"
#include "tools/prlcreator/CreatorFiles.h"
#include "tools/prlcreator/CreatorList.h"
#include "tools/prlcreator/PreviewPlayer.h"
#include "tools/prlcreator/WavConverter.h"

class DecoderEngine;
class Dialogs;
class SettingsStore;

namespace creator {

class Creator : public QObject {
  Q_OBJECT

 public:
  Creator(DecoderEngine& engine, Dialogs& dialogs, SettingsStore& settings, AutoListScan::PlanSource plan = {},
          QObject* parent = nullptr);

  // Reads the settings, starts the preview player and reads the favourites list of the
  // start folder. 0; -1 when the engine's version is not the one this program was made
  // for ("Xaudio DLL API version mismatch", no player); the engine's error when no player
  // could be made.
  int Start(const QString& startFolder);

  CreatorList& List() { return list_; }
  CreatorFiles& Files() { return files_; }
  CreatorCounter& Counter() { return counter_; }
  AutoListScan& AutoList() { return autoList_; }
  PreviewPlayer& Preview() { return preview_; }
  WavConverter& Converter() { return converter_; }

  // "NEW": false when "Clear all items?" was answered No.
  bool New() { return list_.New(dialogs_); }
  void Shuffle();
  // "Open File...": the preview opens the chosen clip, which is appended to the list (and
  // counted when AutoPlay is on).
  void OpenFile();
  // A double click on a row: the preview opens its clip.
  void OpenRow(int row);
  // The "AutoPlay" box, stored in the settings at once.
  void SetAutoPlay(bool on);
  // "Stop": ends a conversion, then resets the preview.
  void Stop();
  // Asks "QUIT KORVO PRL?" when the list is modified: true when the program may end.
  bool ConfirmQuit();
  // A long job runs (count, scan, conversion): the window keeps its list and commands locked.
  bool Busy() const;

 signals:
  void busyChanged();

 private:
  Dialogs& dialogs_;
  SettingsStore& settings_;
  RememberedFolders folders_;
  CrtRand rand_;
  CreatorList list_;
  CreatorFiles files_;
  CreatorCounter counter_;
  AutoListScan autoList_;
  PreviewPlayer preview_;
  WavConverter converter_;
  DecoderEngine& engine_;
};

}  // namespace creator
