// The "Play List" group and menus: inserting the current logo into one block or every
// ticked block, moves within a block, removals, the EPL load and export, Verify and the
// checks of the "Tools" menu, and the play-list type. GUI thread only.
#pragma once

#include <QString>

#include "tools/logos/JobForm.h"

class HoursList;
class LogosPlayList;
struct AdvertSpot;
struct LogosEnv;

// Where the clip of a spot lives by the play-list type: the drive C folder's adverts
// folder, the clip code (Spotwright) or the description (MP3 clips) and ".mp3", matched
// on disk without regard to case.
QString LogoClipPath(const AdvertSpot& spot, PlayListType type);

class PlayListCommands {
 public:
  // Everything given must outlive this object.
  PlayListCommands(JobForm& form, LogosPlayList& playList, HoursList& hours, const LogosEnv& env);

  // "I n s e r t   L o g o s (s)": the logo of the fields into the hour picker's block
  // ("Add One") or into every ticked block of the hours list ("Add Multi"), placed by the
  // rule. The number of rows inserted, or -1 with a box saying why nothing was.
  int InsertLogos();
  // "<" and ">" on the target row.
  void MoveUp();
  void MoveDown();
  // "-": the target row.
  void Remove();
  // "Remove Selected Clip": after a question, every row with the target row's clip path.
  void RemoveSelectedClip();
  // A double click: the row's logo and time into the fields.
  void FillFromRow(int row);
  // "X", "Clear Play List": asks first when there are rows; false for No.
  bool ClearPlayList();
  // "Load", "&Load Play List".
  void LoadEpl();
  // "Save", "&Save Play List".
  void ExportEpl();
  // "Verify", "&Verify Clips".
  void Verify();
  // "Check Play List" and "Clip References".
  void CheckPlayList();
  void ClipReferences();
  // A click on a type box; refused while the play list has rows.
  void ChooseType(PlayListType type);

 private:
  void InsertAt(const QString& time, const QString& code, const QString& description, const QString& path,
                const InsertionRules& rules, int& inserted);
  int Move(int step);

  JobForm& form_;
  LogosPlayList& playList_;
  HoursList& hours_;
  const LogosEnv& env_;
};
