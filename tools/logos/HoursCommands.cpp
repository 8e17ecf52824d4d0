#include "tools/logos/HoursCommands.h"

#include "formats/LogoListFile.h"
#include "platform/Dialogs.h"
#include "tools/logos/FileChoice.h"
#include "tools/logos/HoursList.h"
#include "tools/logos/JobForm.h"
#include "tools/logos/LogosEnv.h"
#include "tools/logos/LogosPlayList.h"

namespace {

const QString kHoursFilter = QStringLiteral("Hours List Files (*.hlf)");

}  // namespace

HoursCommands::HoursCommands(JobForm& form, HoursList& hours, LogosPlayList& playList, const LogosEnv& env)
    : form_(form), hours_(hours), playList_(playList), env_(env) {}

void HoursCommands::AddHour() {
  if (!hours_.InsertTicked(0, form_.Hour()))
    env_.dialogs.Message(QStringLiteral("Block is present in Hours (Blocks) List\nSelect another Block to insert"),
                         kLogosTitle, Dialogs::Icon::Information);
}

void HoursCommands::AddByCriterion() {
  const QString criterion = form_.Criterion();
  const bool all = criterion == QLatin1String("ALL");
  for (const QString& time : HourPickerTimes())
    if (all || time.right(2) == criterion) hours_.InsertTicked(0, time);
}

bool HoursCommands::ClearHours(bool fromMenu) {
  if (!playList_.BlockTimes().isEmpty() &&
      env_.dialogs.Message(QStringLiteral("Do you want to clear all items?"), kLogosTitle, Dialogs::Icon::Question,
                           Dialogs::Buttons::YesNo, Dialogs::Answer::Yes) == Dialogs::Answer::No)
    return false;
  playList_.ClearBlockTimes();
  hours_.Clear();
  if (fromMenu) SetAddOne(true);
  return true;
}

void HoursCommands::LoadHours() {
  Dialogs& dialogs = env_.dialogs;
  const QString path = ChooseOpenFile(dialogs, env_.sourcesFolder, kHoursFilter);
  if (path.isEmpty()) return;
  QStringList times;
  const logolist::ReadResult read = logolist::LoadListFile(path, times);
  if (read != logolist::ReadResult::Ok) {
    ReportReadError(dialogs, read);
    return;
  }
  if (hours_.Count() > 0 &&
      dialogs.Message(QStringLiteral("Clear Existing Hours?"), kLogosTitle, Dialogs::Icon::Question,
                      Dialogs::Buttons::YesNo, Dialogs::Answer::Yes) == Dialogs::Answer::Yes)
    hours_.Clear();
  int k = 0;
  int duplicates = 0;
  for (const QString& time : times) {
    // A value that is no time of day would make spots no play list can hold.
    if (!IsBlockTime(time)) continue;
    if (hours_.InsertTicked(k, time))
      ++k;
    else
      ++duplicates;
  }
  if (duplicates > 0)
    dialogs.Message(QStringLiteral("%1 Hours allready was in play list").arg(duplicates), kLogosTitle,
                    Dialogs::Icon::Information);
  form_.SetStatus(QStringLiteral("Hours List Loaded"));
}

void HoursCommands::SaveHours() {
  Dialogs& dialogs = env_.dialogs;
  if (hours_.Count() == 0) {
    dialogs.Message(QStringLiteral("Nothing To Save!\nHours (blocks) List is empty"), kLogosTitle,
                    Dialogs::Icon::Information);
    return;
  }
  const QString path = ChooseSaveFile(dialogs, env_.sourcesFolder, kHoursFilter, QStringLiteral("hlf"));
  if (path.isEmpty()) return;
  if (logolist::SaveListFile(path, hours_.Times()) != 0) {
    dialogs.Message(path, QStringLiteral("couldn't create logos file!"), Dialogs::Icon::Warning);
    return;
  }
  form_.SetStatus(QStringLiteral("Hours List Saved"));
}

void HoursCommands::CountBlocks() {
  const int rows = hours_.Count();
  const int ticked = int(hours_.TickedTimes().size());
  env_.dialogs.Message(QStringLiteral("Blocks List Items: %1\r\nSelected Hours to insert: %2\r\nNon selected Hours: %3")
                           .arg(rows)
                           .arg(ticked)
                           .arg(rows - ticked),
                       kLogosTitle, Dialogs::Icon::Information);
}

void HoursCommands::SetAddOne(bool on) { form_.SetAddOne(on); }
