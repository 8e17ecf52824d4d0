// The "Hours List" group and the "Hours" menu: blocks added one by one or by a criterion,
// the hours file, clearing, the One/Multi toggle and the count. GUI thread only.
#pragma once

class HoursList;
class JobForm;
class LogosPlayList;
struct LogosEnv;

class HoursCommands {
 public:
  // Everything given must outlive this object.
  HoursCommands(JobForm& form, HoursList& hours, LogosPlayList& playList, const LogosEnv& env);

  // "+=", "Add Block to Blocks List": the hour picker's time as the first row, ticked.
  void AddHour();
  // "<=", "Add Selected to Blocks List": every picker time the criterion matches ("ALL",
  // or the minutes) and the list lacks goes in at the top, so the list shows them latest
  // first.
  void AddByCriterion();
  // "X": asks first while the play list's block-time list holds entries; the menu's
  // "Clear Hours" also ticks "Add One" again. False for No.
  bool ClearHours(bool fromMenu);
  void LoadHours();
  void SaveHours();
  void CountBlocks();
  // "Add One" (true) / "Add Multi" (false).
  void SetAddOne(bool on);

 private:
  JobForm& form_;
  HoursList& hours_;
  LogosPlayList& playList_;
  const LogosEnv& env_;
};
