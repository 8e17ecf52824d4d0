#include "songs/ClipLoader.h"

#include "formats/M3uReader.h"
#include "formats/PrlReader.h"
#include "platform/Dialogs.h"
#include "platform/PlayLog.h"
#include "songs/RememberedFolders.h"
#include "songs/SongsList.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kTitle = QStringLiteral("KORVO XA");

// The dialog's filters with the one of the command's kind first, so it is the one shown.
QString FilterFor(ClipLoader::Kind kind) {
  QStringList filters = {QStringLiteral("MPEG Audio Files (*.mp3)"), QStringLiteral("KORVO, TEVRO Play Lists (*.prl)"),
                         QStringLiteral("M3U Play Lists (*.m3u)")};
  filters.move(static_cast<int>(kind) - 1, 0);
  return filters.join(QStringLiteral(";;"));
}

// A clip path relative to the play list is taken against the list's folder; drive and
// absolute paths stay as written and are resolved when the clip is used, so loading a
// list of a hundred thousand clips touches no file.
QString ClipPathOf(const QString& clipPath, const QString& prlFolder) {
  static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
  if (clipPath.startsWith(QLatin1Char('/')) || clipPath.startsWith(QLatin1Char('\\')) || drive.match(clipPath).hasMatch())
    return clipPath;
  return prlFolder + clipPath;
}

}  // namespace

ClipLoader::ClipLoader(SongsList& list, Dialogs& dialogs, PlayLog& log, RememberedFolders& folders, StatusSink status,
                       EplHandler eplHandler)
    : list_(list),
      dialogs_(dialogs),
      log_(log),
      folders_(folders),
      status_(std::move(status)),
      eplHandler_(std::move(eplHandler)) {}

void ClipLoader::LoadClips(Kind kind) {
  status_(QStringLiteral("Loading files..."));
  const QString folder = kind == kMp3 ? folders_.mp3Folder : kind == kPrl ? folders_.playListFolder : QString();
  const QStringList chosen = dialogs_.OpenFiles(QStringLiteral("Open"), folder, FilterFor(kind), false);
  if (chosen.isEmpty() || !QFileInfo::exists(chosen.first())) {
    status_(QStringLiteral("Loading canceled"));
    return;
  }
  const QString path = chosen.first();
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == QLatin1String("mp3")) {
    folders_.mp3Folder = FolderOfPath(path);
  } else if (ext == QLatin1String("prl")) {
    folders_.playListFolder = FolderOfPath(path);
  } else if (ext == QLatin1String("m3u")) {
    ImportM3u(path);
    return;
  } else {
    return;
  }
  if (ext == QLatin1String("prl") && !IsPrlFile(path, &log_)) {
    dialogs_.Message(QStringLiteral("%1 is not a KORVO xa Play List").arg(path), kTitle, Dialogs::Icon::Warning);
    return;
  }
  if (!AskClearFirst()) return;
  if (ext == QLatin1String("prl"))
    LoadPrl(path);
  else
    LoadFolder(FolderOfPath(path));
}

bool ClipLoader::AskClearFirst() {
  if (list_.Count() == 0) return true;
  const Dialogs::Answer a =
      dialogs_.Message(QStringLiteral("Clear %1 clips and empty the Play List?").arg(list_.Count()), kTitle,
                       Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel, Dialogs::Answer::No);
  if (a == Dialogs::Answer::Cancel) {
    status_(QStringLiteral("Load canceled"));
    return false;
  }
  if (a == Dialogs::Answer::Yes) list_.ClearSongsList();
  return true;
}

int ClipLoader::LoadPrl(const QString& path) {
  PrlPlayList prl;
  prl.header = list_.Header();
  if (prl::LoadPrl(path, prl) != 0) return prl::kReadFailed;
  list_.Header() = prl.header;
  list_.SetListDuration(prl.header.Value(PrlField::Duration));

  const QString prlFolder = QFileInfo(path).absolutePath() + QLatin1Char('/');
  std::vector<ClipEntry> entries;
  entries.reserve(static_cast<size_t>(prl.clips.size()));
  for (const PrlClip& clip : prl.clips) entries.push_back(MakeClipEntry(ClipPathOf(clip.path, prlFolder), clip.duration));
  list_.InsertAtCurrent(std::move(entries));

  list_.UpdateClipCount();
  status_(QStringLiteral("Songs List Loaded"));
  log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("PRL Play List Loaded"), path);
  return 0;
}

int ClipLoader::ImportM3u(const QString& path) {
  QStringList paths;
  if (m3u::ReadM3u(path, paths) != 0) return m3u::kReadFailed;
  std::vector<ClipEntry> entries;
  entries.reserve(static_cast<size_t>(paths.size()));
  for (const QString& p : paths) entries.push_back(MakeClipEntry(p));
  list_.InsertAtCurrent(std::move(entries));
  status_(QStringLiteral("Songs List Loaded"));
  list_.UpdateClipCount();
  log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("M3U Play List Imported"), path);
  return 0;
}

void ClipLoader::LoadFolder(const QString& folder) {
  QDir dir(folder);
  const QStringList names = dir.entryList({QStringLiteral("*.mp3")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
  std::vector<ClipEntry> entries;
  entries.reserve(static_cast<size_t>(names.size()));
  for (const QString& name : names) entries.push_back(MakeClipEntry(dir.filePath(name)));
  list_.InsertAtCurrent(std::move(entries));
  list_.UpdateClipCount();
}

void ClipLoader::DropFiles(const QStringList& files) {
  const bool single = files.size() == 1;
  for (const QString& file : files) {
    const QString ext = file.right(3).toLower();
    if (ext == QLatin1String("mp3")) {
      const int at = list_.Count() == 0 ? 0 : list_.CurrentItem() + 1;
      list_.Model().Insert(at, {MakeClipEntry(file)});
      list_.SelectItem(at);
      list_.UpdateClipCount();
    } else if (single && ext == QLatin1String("prl")) {
      if (IsPrlFile(file, &log_)) LoadPrl(file);
    } else if (single && ext == QLatin1String("epl")) {
      if (eplHandler_) eplHandler_(file);
    } else {
      dialogs_.Message(QStringLiteral("Please drop a 'prl', 'epl' Play List or a mp3 clip"), kTitle,
                       Dialogs::Icon::Information);
    }
  }
  list_.UpdateClipCount();
}
