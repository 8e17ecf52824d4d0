#include "songs/ClipLoader.h"

#include "formats/M3uReader.h"
#include "formats/PrlReader.h"
#include "platform/Dialogs.h"
#include "platform/PlayLog.h"
#include "songs/RememberedFolders.h"
#include "songs/SongsList.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kTitle = QStringLiteral("KORVO XA");

// The dialog's filters with the one of the command's kind first, so it is the one shown.
QString FilterFor(ClipLoader::Kind kind) {
  QStringList filters = {QStringLiteral("MPEG Audio Files (*.mp3)"), QStringLiteral("KORVO, TEVRO Play Lists (*.prl)"),
                         QStringLiteral("M3U Play Lists (*.m3u *.m3u8)")};
  filters.move(static_cast<int>(kind) - 1, 0);
  return filters.join(QStringLiteral(";;"));
}

// A clip path relative to the play list is taken against the list's folder; drive and
// absolute paths stay as written and are resolved when the clip is used, so loading a
// list of a hundred thousand clips touches no file.
QString ClipPathOf(const QString& clipPath, const QString& prlFolder) {
  // Absolute already: a native path, a Windows one without a drive, or one with its drive
  // letter (checked by hand: a regular expression per clip costs a 100 000-clip list dearly).
  const bool drive = clipPath.size() >= 2 && clipPath.at(1) == u':' && clipPath.at(0).isLetter() &&
                     clipPath.at(0).unicode() < 0x80;
  if (clipPath.startsWith(QLatin1Char('/')) || clipPath.startsWith(QLatin1Char('\\')) || drive) return clipPath;
  return prlFolder + clipPath;
}

// ".m3u" and the UTF-8 ".m3u8" of other players.
bool IsM3uName(const QString& name) {
  return name.endsWith(QLatin1String(".m3u"), Qt::CaseInsensitive) ||
         name.endsWith(QLatin1String(".m3u8"), Qt::CaseInsensitive);
}

QString LinesNotUsed(int n) {
  return n == 1 ? QStringLiteral("1 line not used") : QStringLiteral("%1 lines not used").arg(n);
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
  } else if (IsM3uName(path)) {
    ImportM3u(path);
    return;
  } else {
    return;
  }
  if (ext == QLatin1String("prl") && !IsPlayList(path)) {
    dialogs_.Message(QStringLiteral("%1 is not a KORVO xa Play List").arg(path), kTitle, Dialogs::Icon::Warning);
    return;
  }
  if (!AskClearFirst()) return;
  if (ext == QLatin1String("prl"))
    LoadPrl(path);
  else
    LoadFolder(FolderOfPath(path));
}

bool ClipLoader::IsPlayList(const QString& path) {
  bool refused = false;
  if (IsPrlFile(path, &refused)) return true;
  if (refused) log_.WritePlayLog(QStringLiteral("ERR"), QStringLiteral("File Is Not a PRL Play List"), path);
  return false;
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

int ClipLoader::LoadPrlFiltered(const QString& path, const QString& word) {
  QList<PrlClip> clips;
  if (prl::LoadPrlFiltered(path, word, clips) != 0) return prl::kReadFailed;
  const QString prlFolder = QFileInfo(path).absolutePath() + QLatin1Char('/');
  std::vector<ClipEntry> entries;
  entries.reserve(static_cast<size_t>(clips.size()));
  for (const PrlClip& clip : clips) entries.push_back(MakeClipEntry(ClipPathOf(clip.path, prlFolder), clip.duration));
  list_.InsertAtCurrent(std::move(entries));
  list_.UpdateClipCount();
  return 0;
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
  m3u::M3uList m3uList;
  if (m3u::ReadM3u(path, m3uList) != 0) return m3u::kReadFailed;
  std::vector<ClipEntry> entries;
  entries.reserve(static_cast<size_t>(m3uList.paths.size()));
  for (const QString& p : m3uList.paths) entries.push_back(MakeClipEntry(p));
  list_.InsertAtCurrent(std::move(entries));

  // Streams and other players' odd lines are left out; the operator is told how many, and
  // a list that gave nothing does not pass for a loaded one.
  const int unused = m3uList.unusedLines;
  QString status =
      m3uList.paths.isEmpty() ? QStringLiteral("No clips found in the M3U list") : QStringLiteral("Songs List Loaded");
  if (unused > 0) status += QStringLiteral(", ") + LinesNotUsed(unused);
  status_(status);
  list_.UpdateClipCount();
  if (m3uList.paths.isEmpty())
    log_.WritePlayLog(QStringLiteral("ERR"), QStringLiteral("No Clips in M3U Play List"), path);
  else
    log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("M3U Play List Imported"), path);
  if (unused > 0) log_.WritePlayLog(QStringLiteral("ERR"), QStringLiteral("M3U Lines Not Used: %1").arg(unused), path);
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
    } else if (IsM3uName(file)) {
      // Imported like the command does, without a question, each list in its turn.
      ImportM3u(file);
    } else if (single && ext == QLatin1String("prl")) {
      if (IsPlayList(file)) LoadPrl(file);
    } else if (single && ext == QLatin1String("epl")) {
      if (eplHandler_) eplHandler_(file);
    } else {
      dialogs_.Message(QStringLiteral("Please drop a 'prl', 'epl' Play List or a mp3 clip"), kTitle,
                       Dialogs::Icon::Information);
    }
  }
  list_.UpdateClipCount();
}
