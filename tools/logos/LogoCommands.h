// The "Logos" group and menu: adding a logo from the fields, filling the fields from a
// picked name or description, the logos file, and picking an MP3 clip as the description.
// GUI thread only.
#pragma once

#include <QString>

class JobForm;
class LogosList;
struct LogosEnv;

class LogoCommands {
 public:
  // Everything given must outlive this object.
  LogoCommands(JobForm& form, LogosList& logos, const LogosEnv& env);

  // "+=": the record of the fields into the logos list. 0, or -1 with a box saying why.
  int AddLogo();
  // A name or a description picked from its picker's list: the first record with it
  // fills the other fields.
  void PickName(const QString& name);
  void PickDescription(const QString& description);
  // "X", "Clear Logos": asks first while the name picker holds names; false for No.
  bool ClearLogos();
  void LoadLogos();
  void SaveLogos();
  // "Insert" (MP3 clips): a clip's file name becomes the description.
  void PickClip();
  // "Count Logos List".
  void CountLogos();

 private:
  JobForm& form_;
  LogosList& logos_;
  const LogosEnv& env_;
};
