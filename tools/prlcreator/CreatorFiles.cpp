#include "tools/prlcreator/CreatorFiles.h"

#include <QDir>
#include <QFileInfo>

#include "formats/PrlWriter.h"
#include "formats/TimeText.h"
#include "platform/Dialogs.h"
#include "tools/prlcreator/CreatorList.h"

namespace creator {

namespace {

const QString kMp3Filter = QStringLiteral("MPEG Audio Files (*.mp3)");

}  // namespace

CreatorFiles::CreatorFiles(CreatorList& list, Dialogs& dialogs, RememberedFolders folders, std::function<QDate()> today)
    : list_(list),
      dialogs_(dialogs),
      folders_(std::move(folders)),
      today_(std::move(today)),
      loader_(list.List(), dialogs, list.Log(), folders_, [this](const QString& t) { list_.SetStatus(t); }) {}

void CreatorFiles::ReadFavourites(const QString& startFolder) {
  const QString path = QDir(startFolder).filePath(QStringLiteral("favorits.prl"));
  if (!QFileInfo::exists(path)) return;
  list_.Unmarked([&] { ReadPlayList(path); });
}

int CreatorFiles::ReadPlayList(const QString& path) {
  const int result = loader_.LoadPrl(path);
  if (result == 0) list_.RecomputeTotal();
  return result;
}

bool CreatorFiles::AskClear() {
  if (list_.Count() == 0) return true;
  const Dialogs::Answer a =
      dialogs_.Message(QStringLiteral("Clear %1 clips and empty the Play List?").arg(list_.Count()), kTitle,
                       Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel, Dialogs::Answer::No);
  if (a == Dialogs::Answer::Cancel) return false;
  if (a == Dialogs::Answer::Yes) list_.New(dialogs_);
  return true;
}

void CreatorFiles::InsertMp3Folder() {
  list_.SetStatus(QStringLiteral("Loading files..."));
  const QStringList chosen = dialogs_.OpenFiles(QStringLiteral("Open"), folders_.mp3Folder, kMp3Filter, false);
  if (chosen.isEmpty()) {
    list_.SetStatus(QStringLiteral("Loading canceled"));
    return;
  }
  if (!AskClear()) {
    list_.SetStatus(QStringLiteral("Load canceled"));
    return;
  }
  const int before = list_.Count();
  loader_.LoadFolder(QFileInfo(chosen.first()).absolutePath());
  list_.SetStatus(QStringLiteral("%1 audio file(s) loaded").arg(list_.Count() - before));
}

void CreatorFiles::OpenPlayList() {
  if (!AskClear()) return;
  const QStringList chosen = dialogs_.OpenFiles(QStringLiteral("Open"), folders_.playListFolder,
                                                QStringLiteral("KORVO xa Play List Files (*.prl)"), false);
  if (chosen.isEmpty()) return;
  // A list that could not be read changes nothing, not even the modified flag.
  ReadPlayList(chosen.first());
}

int CreatorFiles::Save() {
  const int unmeasured = list_.UnmeasuredCount();
  if (unmeasured > 0 &&
      dialogs_.Message(QStringLiteral("In %1 Clips Times are not counted\n\nDo you want to save the Play List anyway?")
                           .arg(unmeasured),
                       kTitle, Dialogs::Icon::Question, Dialogs::Buttons::YesNo,
                       Dialogs::Answer::No) != Dialogs::Answer::Yes)
    return -1;
  if (list_.Count() == 0) {
    list_.SetStatus(QStringLiteral("Nothing to count"));
    dialogs_.Message(QStringLiteral("Play List is empty"), kTitle, Dialogs::Icon::Warning);
    return -1;
  }
  if (timetext::DurationToFrames(list_.Total(), kFps) == 0 &&
      dialogs_.Message(QStringLiteral("Total Play List Time is not created\n\nDo you want to save anyway?"), kTitle,
                       Dialogs::Icon::Question, Dialogs::Buttons::YesNo, Dialogs::Answer::No) != Dialogs::Answer::Yes)
    return -1;
  QString path = dialogs_.SaveFile(QStringLiteral("Save Play List"), folders_.playListFolder,
                                   QStringLiteral("KORVO, TEVRO Play Lists v.2 (*.prl)"));
  if (path.isEmpty()) return -1;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".prl");

  QList<PrlClip> clips;
  clips.reserve(list_.Count());
  for (const ClipEntry& e : list_.Model().Rows()) clips.append(PrlClip{e.duration, e.path});
  QStringList leftOut;
  if (prl::SavePrl(path, PrlWriterKind::PlayListCreator, clips, PrlSaveValues{list_.Total(), today_()}, &leftOut) !=
      0) {
    dialogs_.Message(path, QStringLiteral("KORVO couldn't create out file"), Dialogs::Icon::Warning);
    return -1;
  }
  list_.SetModified(false);
  list_.SetStatus(QStringLiteral("KORVO PRL List Saved"));
  // A path holding a double quote cannot stand in a play list; the user is told which.
  if (!leftOut.isEmpty())
    dialogs_.Message(QStringLiteral("Clips left out of the Play List:\n\n") + leftOut.join(QLatin1Char('\n')), kTitle,
                     Dialogs::Icon::Warning);
  return 0;
}

}  // namespace creator
