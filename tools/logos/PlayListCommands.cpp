#include "tools/logos/PlayListCommands.h"

#include "formats/AdvertPath.h"
#include "formats/AdvertSpot.h"
#include "formats/EplReader.h"
#include "formats/EplWriter.h"
#include "formats/LogoRecord.h"
#include "formats/TimeText.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "tools/logos/FileChoice.h"
#include "tools/logos/HoursList.h"
#include "tools/logos/LogosEnv.h"
#include "tools/logos/LogosPlayList.h"

namespace {

const QString kEplFilter = QStringLiteral("Spotwright play list Files (*.epl)");
// What the name picker shows while MP3 clips are named by their description.
const QString kNoName = QStringLiteral("XXXXX");

}  // namespace

QString LogoClipPath(const AdvertSpot& spot, PlayListType type) {
  const QString& file = type == PlayListType::Spotwright ? spot.clipCode : spot.name;
  return paths::FindCaseInsensitive(AdvertsFolder() + u'/' + file + QStringLiteral(".mp3"));
}

PlayListCommands::PlayListCommands(JobForm& form, LogosPlayList& playList, HoursList& hours, const LogosEnv& env)
    : form_(form), playList_(playList), hours_(hours), env_(env) {}

int PlayListCommands::InsertLogos() {
  Dialogs& dialogs = env_.dialogs;
  const QString name = form_.Name().left(logo::kNameChars);
  const QString id = form_.Id();
  const QString description = form_.Description().left(logo::kMaxDescriptionChars);
  if (name.size() != logo::kNameChars || id.size() != 1 || description.isEmpty()) {
    dialogs.Message(QStringLiteral("Fill all logo fields\n\n'Logo Name' [5 characters],\n'Logo ID' Select one from "
                                   "list,\n'Logo Description' [2 to 40 characters]"),
                    kLogosTitle, Dialogs::Icon::Warning);
    return -1;
  }
  InsertionRules rules{form_.Rule(), 1, form_.Create()};
  if (rules.rule == InsertRule::Selected) {
    // Position 0 or a word would put the spot before its block, or before the list.
    bool number = false;
    rules.position = form_.PositionText().toInt(&number);
    if (!number || rules.position < 1) {
      dialogs.Message(QStringLiteral("You choosed selected position but you didnt set any\nSelect or type a position "
                                     "from 1-99"),
                      kLogosTitle, Dialogs::Icon::Warning);
      return -1;
    }
  }
  if (!form_.AddOne() && hours_.Count() == 0) {
    dialogs.Message(QStringLiteral("There are not any Hours (Blocks) in the Blocks List\nAdd some and try again"),
                    kLogosTitle, Dialogs::Icon::Warning);
    return -1;
  }
  const BusyScope busy(env_);
  const QString code = logo::ClipCode(name, id);
  const QString path = LogoClipPath({QString(), code, description, QString()}, form_.Type());
  int inserted = 0;
  const QStringList times = form_.AddOne() ? QStringList{form_.Hour()} : hours_.TickedTimes();
  for (const QString& time : times) InsertAt(time, code, description, path, rules, inserted);
  form_.SetStatus(QStringLiteral("%1 Logos In Play List").arg(playList_.Count()));
  return inserted;
}

void PlayListCommands::InsertAt(const QString& time, const QString& code, const QString& description,
                                const QString& path, const InsertionRules& rules, int& inserted) {
  const std::optional<int> at = playList_.BlockPosition(time, rules);
  if (!at) return;
  playList_.Insert(*at, {{time, code, description, path}, QString::fromLatin1(timetext::kUnmeasured)});
  ++inserted;
}

void PlayListCommands::MoveUp() { Move(-1); }

void PlayListCommands::MoveDown() { Move(+1); }

int PlayListCommands::Move(int step) {
  const int row = playList_.TargetRow();
  if (row < 0) return 0;
  const int moved = step < 0 ? playList_.MoveUp(row) : playList_.MoveDown(row);
  if (moved == LogosPlayList::kOnlyOneSpot)
    env_.dialogs.Message(QStringLiteral("This Block has only one spot"), kLogosTitle, Dialogs::Icon::None);
  return moved;
}

void PlayListCommands::Remove() {
  const int row = playList_.TargetRow();
  if (row < 0) return;
  playList_.Remove(row);
  if (playList_.Count() > 0) playList_.SelectRow(qMin(row, playList_.Count() - 1));
}

void PlayListCommands::RemoveSelectedClip() {
  const int row = playList_.TargetRow();
  if (row < 0) return;
  const QString path = playList_.At(row).spot.clipPath;
  if (env_.dialogs.Message(QStringLiteral("Do you want to remove all %1 from the play list?").arg(path), kLogosTitle,
                           Dialogs::Icon::Question, Dialogs::Buttons::YesNo,
                           Dialogs::Answer::Yes) != Dialogs::Answer::Yes)
    return;
  const BusyScope busy(env_);
  playList_.RemoveWithPath(path);
}

void PlayListCommands::FillFromRow(int row) {
  if (row < 0 || row >= playList_.Count()) return;
  const AdvertSpot& spot = playList_.At(row).spot;
  // Only times the picker offers can be chosen in it; a planner's 08:07 leaves it alone.
  if (HourPickerTimes().contains(spot.blockTime)) form_.SetHour(spot.blockTime);
  form_.SetName(spot.clipCode.left(logo::kNameChars));
  form_.SetDescription(spot.name);
  const QString id = spot.clipCode.right(1);
  if (logo::Ids().contains(id)) form_.SetId(id);
}

bool PlayListCommands::ClearPlayList() {
  if (playList_.Count() > 0 &&
      env_.dialogs.Message(QStringLiteral("Do you want to clear all items?"), kLogosTitle, Dialogs::Icon::Question,
                           Dialogs::Buttons::YesNo, Dialogs::Answer::Yes) == Dialogs::Answer::No)
    return false;
  playList_.Clear();
  playList_.ClearBlockTimes();
  return true;
}

void PlayListCommands::LoadEpl() {
  Dialogs& dialogs = env_.dialogs;
  if (playList_.Count() > 0) {
    if (dialogs.Message(QStringLiteral("Do you want to clear all items?"), kLogosTitle, Dialogs::Icon::Question,
                        Dialogs::Buttons::YesNo, Dialogs::Answer::Yes) == Dialogs::Answer::No)
      return;
    playList_.Clear();
  }
  const QString path = ChooseOpenFile(dialogs, env_.eplFolder, kEplFilter);
  if (path.isEmpty()) return;
  epl::EplContents contents;
  if (epl::LoadEpl(path, contents) != 0) return;
  int k = 0;
  for (AdvertSpot& spot : contents.spots) {
    spot.clipPath = LogoClipPath(spot, form_.Type());
    playList_.AddBlockTime(spot.blockTime);
    playList_.Insert(k++, {std::move(spot), QString()});
  }
  playList_.SelectRow(0);
  form_.SetStatus(QStringLiteral("Play List Loaded"));
}

void PlayListCommands::ExportEpl() {
  Dialogs& dialogs = env_.dialogs;
  if (playList_.Count() == 0) {
    dialogs.Message(QStringLiteral("Nothing To Save!\nPlay List is empty"), kLogosTitle, Dialogs::Icon::Information);
    return;
  }
  const QDate date = env_.today();
  const QString path = ChooseSaveFile(dialogs, env_.eplFolder, kEplFilter, QStringLiteral("epl"));
  if (path.isEmpty()) return;
  QList<int> leftOut;
  if (epl::SaveEpl(path, date, playList_.Spots(), &leftOut) != 0) {
    dialogs.Message(path, QStringLiteral("Spotwright couldn't create play list file!"), Dialogs::Icon::Warning);
    return;
  }
  // Rows the format cannot hold (a planner's odd time or code) would read back as other
  // spots; they stay out of the file, and the user is told which.
  if (!leftOut.isEmpty()) {
    QStringList rows;
    for (int i : leftOut) rows << QString::number(i + 1);
    dialogs.Message(QStringLiteral("These rows were left out of the play list file, the format cannot hold them: %1")
                        .arg(rows.join(QStringLiteral(", "))),
                    kLogosTitle, Dialogs::Icon::Warning);
  }
  form_.SetStatus(QStringLiteral("Play List exported O.K. Press 'Exit' or 'New'"));
}

void PlayListCommands::Verify() {
  Dialogs& dialogs = env_.dialogs;
  if (playList_.Count() == 0) {
    dialogs.Message(QStringLiteral("Nothing To Verify!"), kLogosTitle, Dialogs::Icon::Information);
    return;
  }
  int missing = 0;
  {
    const BusyScope busy(env_);
    missing = playList_.MissingClips();
  }
  dialogs.Message(QStringLiteral("Items In Play List: %1, Not Found: %2").arg(playList_.Count()).arg(missing),
                  kLogosTitle, Dialogs::Icon::Warning);
}

void PlayListCommands::CheckPlayList() {
  env_.dialogs.Message(QStringLiteral("Play List Items: %1").arg(playList_.Count()), kLogosTitle,
                       Dialogs::Icon::Information);
}

void PlayListCommands::ClipReferences() {
  const int row = playList_.TargetRow();
  if (row < 0) return;
  env_.dialogs.Message(QStringLiteral("References found for %1: %2. Items Checked: %3")
                           .arg(playList_.At(row).spot.name, QString::number(playList_.References(row)),
                                QString::number(playList_.Count())),
                       kLogosTitle, Dialogs::Icon::Information);
}

void PlayListCommands::ChooseType(PlayListType type) {
  if (playList_.Count() > 0) return;
  form_.SetType(type);
  if (type == PlayListType::Mp3Clips) form_.SetName(kNoName);
}
