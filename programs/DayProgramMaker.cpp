#include "programs/DayProgramMaker.h"

#include <QFile>
#include <QFileInfo>

#include "formats/PrlReader.h"
#include "formats/QuotedValues.h"
#include "formats/StationText.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "programs/TimeLine.h"

namespace {

const QString kTitle = QStringLiteral("KORVO XA");
// The nine header values stand at the top of a play list; this is plenty for them.
constexpr qint64 kHeaderBytes = 64 * 1024;
constexpr int kDurationValueChars = 21;

bool Ask(Dialogs& dialogs, const QString& text, Dialogs::Icon icon = Dialogs::Icon::Question) {
  return dialogs.Message(text, kTitle, icon, Dialogs::Buttons::YesNo, Dialogs::Answer::Yes) == Dialogs::Answer::Yes;
}

// The text after a header value's fixed prefix; empty for a value no longer than it.
QString After(const QString& value, int prefix) { return value.size() > prefix ? value.mid(prefix) : QString(); }

// "\LISTS\morning.prl" gives "MORNING": the file name in capitals without its extension.
QString StyleFromPath(const QString& path) {
  const qsizetype slash = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
  QString name = path.mid(slash + 1).toUpper();
  name.chop(4);
  return name;
}

}  // namespace

DayProgramMaker::DayProgramMaker(Dialogs& dialogs, const Clock& clock, QString startFolder, QString& playListFolder,
                                 std::function<void()> help, QObject* parent)
    : QObject(parent),
      dialogs_(dialogs),
      clock_(clock),
      startFolder_(std::move(startFolder)),
      playListFolder_(playListFolder),
      help_(std::move(help)),
      slotMask_(timeline::SlotMask({})) {
  connect(&rows_, &QAbstractItemModel::modelReset, this, [this] { selected_ = -1; });
  connect(&rows_, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int first, int) {
    if (selected_ == first)
      selected_ = -1;
    else if (selected_ > first)
      --selected_;
  });
}

QString DayProgramMaker::ProgramsFilePath() const { return programs::ProgramsFilePath(startFolder_); }

void DayProgramMaker::Open() {
  EmptyEditors();
  ReadProgramsFile();
  RebuildSlotMask();
  modified_ = false;
}

int DayProgramMaker::ReadProgramsFile() {
  QList<ProgramEntry> entries;
  if (programs::ReadProgramsFile(ProgramsFilePath(), entries) != 1) return programs::kReadFailed;
  QList<ProgramEntry> rows;
  for (const ProgramEntry& e : entries) rows.prepend(e);
  rows_.Replace(std::move(rows));
  return 1;
}

void DayProgramMaker::EmptyEditors() {
  editors_.playList.clear();
  editors_.date.clear();
  editors_.owner.clear();
  editors_.clips.clear();
  editors_.duration.clear();
  editors_.style.clear();
  editors_.description.clear();
  editors_.shuffle = true;
  emit editorsChanged();
}

void DayProgramMaker::LoadPlayList() {
  const QStringList chosen = dialogs_.OpenFiles(QStringLiteral("Open"), playListFolder_,
                                                QStringLiteral("KORVO Play Lists (*.prl);;All Files (*.*)"), false);
  if (chosen.isEmpty() || !QFileInfo::exists(chosen.first())) return;
  const QString path = chosen.first();
  playListFolder_ = QFileInfo(path).absolutePath() + u'/';
  if (IsPrlFile(path) != 1) {
    dialogs_.Message(QStringLiteral("%1 is not a KORVO xa Play List").arg(path), kTitle, Dialogs::Icon::Warning);
    return;
  }
  ReadPlayListHeader(path);
}

void DayProgramMaker::ReadPlayListHeader(const QString& path) {
  EmptyEditors();
  editors_.playList = path;
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    const QByteArray data = file.read(kHeaderBytes);
    file.close();
    const stationtext::Encoding encoding = stationtext::EncodingOf(data);
    int n = 0;
    quoted::ForEachValue(data, [&](QByteArrayView bytes) {
      const QString value = stationtext::Decode(bytes, encoding);
      switch (n) {
        case 1:
          editors_.date = After(value, 6);
          break;
        case 2:
          editors_.owner = After(value, 7);
          break;
        case 3:
          editors_.clips = After(value, 7);
          break;
        case 4:
          editors_.duration = value.size() == kDurationValueChars ? value.mid(10) : QStringLiteral("00:00:00:00");
          break;
        case 5:
          editors_.style = After(value, 7);
          break;
        case 6:
          editors_.description = After(value, 13);
          break;
        default:
          break;  // the magic, and the dates to play, which are not shown
      }
      return ++n <= 8;
    });
  }
  emit editorsChanged();
}

void DayProgramMaker::AddProgram() {
  if (editors_.playList.isEmpty()) {
    if (Ask(dialogs_, QStringLiteral("Do you want to select a Play List now?"))) LoadPlayList();
    return;
  }
  ProgramEntry e;
  e[ProgramEntry::kPlayList] = editors_.playList;
  e[ProgramEntry::kCreationDate] = editors_.date;
  e[ProgramEntry::kOwner] = editors_.owner;
  e[ProgramEntry::kClips] = editors_.clips;
  e[ProgramEntry::kDuration] = editors_.duration;
  e[ProgramEntry::kStyle] = editors_.style;
  e[ProgramEntry::kDescription] = editors_.description;
  e[ProgramEntry::kTimeToPlay] = editors_.time;
  e[ProgramEntry::kShuffleOnLoad] = editors_.shuffle ? QStringLiteral("1") : QStringLiteral("0");

  if (e[ProgramEntry::kTimeToPlay].size() != 5) {
    dialogs_.Message(QStringLiteral("Please Enter the 'Time' to play this play list"), kTitle, Dialogs::Icon::Warning);
    return;
  }
  const QString& duration = e[ProgramEntry::kDuration];
  if ((duration.isEmpty() || duration.contains(QLatin1String("00:00:00:00"))) &&
      !Ask(dialogs_,
           QStringLiteral("Play List duration found '00:00:00:00'\n\nThe Play List will be loaded at the right "
                          "time but you wont be\nable to monitor the reserved time at the program "
                          "'time-line'\n\nDo you want to add this Play List?")))
    return;
  const int taken = FirstRowWithTime(e[ProgramEntry::kTimeToPlay]);
  if (taken >= 0) {
    if (!Ask(dialogs_, QStringLiteral("The time '%1' already exists\n\nDo you want to update it with the selected Play "
                                      "List?")
                           .arg(e[ProgramEntry::kTimeToPlay])))
      return;
    if (!rows_.Remove(taken)) return;
  }
  if (e[ProgramEntry::kCreationDate].isEmpty()) {
    const QDate today = clock_.Now().date();
    e[ProgramEntry::kCreationDate] = QString::asprintf("%02d/%02d/%04d", today.day(), today.month(), today.year());
  }
  if (e[ProgramEntry::kStyle].isEmpty()) e[ProgramEntry::kStyle] = StyleFromPath(e[ProgramEntry::kPlayList]);
  rows_.Append(std::move(e));
  modified_ = true;
  RebuildSlotMask();
}

void DayProgramMaker::RemoveProgram() {
  if (rows_.Count() == 0) return;
  int row = SelectedRow();
  if (row < 0) {
    row = topRow_ ? topRow_() : 0;
    if (row < 0 || row >= rows_.Count()) row = 0;
    SelectRow(row);
  }
  const ProgramEntry& e = rows_.At(row);
  const QString playList = e[ProgramEntry::kPlayList];
  if (!Ask(dialogs_, QStringLiteral("'%1'\n'%2'\n\nDo you want to remove this Play List from Programs List?")
                         .arg(e[ProgramEntry::kStyle], playList)))
    return;
  if (rows_.Remove(row)) {
    modified_ = true;
  } else {
    dialogs_.Message(QStringLiteral("Failed to remove %1 from Programs List").arg(playList), kTitle,
                     Dialogs::Icon::Warning);
  }
  if (rows_.Count() > 0) SelectRow(row > 0 && row < rows_.Count() ? row : 0);
  RebuildSlotMask();
}

void DayProgramMaker::ClearPrograms() {
  if (rows_.Count() == 0) return;
  rows_.Clear();
  modified_ = true;
  RebuildSlotMask();
}

void DayProgramMaker::SavePrograms() {
  const QString path = ProgramsFilePath();
  if (rows_.Count() == 0 &&
      !Ask(dialogs_, QStringLiteral("Programs List is empty\nDo you want to create a new\n%1?").arg(path)))
    return;
  if (!Ask(dialogs_, QStringLiteral("Do you want to save the Programs List\n%1?").arg(path), Dialogs::Icon::Warning))
    return;
  if (programs::SaveProgramsFile(path, rows_.Rows()) != 0) {
    dialogs_.Message(path, QStringLiteral("KORVO couldn't create out file"), Dialogs::Icon::Warning);
    return;
  }
  modified_ = false;
}

void DayProgramMaker::ReloadPrograms() {
  if (modified_ && !Ask(dialogs_, QStringLiteral("Do you want to discard changes?"))) return;
  rows_.Clear();
  RebuildSlotMask();
  if (ReadProgramsFile() == 1) {
    RebuildSlotMask();
    modified_ = false;
  } else {
    dialogs_.Message(QStringLiteral("No programs are defined yet"), kTitle, Dialogs::Icon::Information);
  }
}

void DayProgramMaker::EditRow(int row) {
  if (row < 0 || row >= rows_.Count()) return;
  const ProgramEntry& e = rows_.At(row);
  editors_.playList = e[ProgramEntry::kPlayList];
  editors_.date = e[ProgramEntry::kCreationDate];
  editors_.owner = e[ProgramEntry::kOwner];
  editors_.clips = e[ProgramEntry::kClips];
  editors_.duration = e[ProgramEntry::kDuration];
  editors_.style = e[ProgramEntry::kStyle];
  editors_.description = e[ProgramEntry::kDescription];
  editors_.time = e[ProgramEntry::kTimeToPlay];
  editors_.shuffle = e[ProgramEntry::kShuffleOnLoad].toInt() != 0;
  emit editorsChanged();
}

void DayProgramMaker::NewProgram() {
  editors_ = ProgramEditors{};
  editors_.shuffle = false;
  emit editorsChanged();
}

void DayProgramMaker::Help() {
  if (help_) help_();
}

bool DayProgramMaker::RequestClose() {
  return !modified_ || Ask(dialogs_, QStringLiteral("Do you want to exit without saving changes?"));
}

void DayProgramMaker::SelectRowOfTime(const QString& label) {
  if (label.isEmpty()) return;
  const int row = FirstRowWithTime(label);
  if (row >= 0) SelectRow(row);
}

void DayProgramMaker::SelectRow(int row) {
  if (row < 0 || row >= rows_.Count()) return;
  selected_ = row;
  emit selectionChanged(row);
}

void DayProgramMaker::RebuildSlotMask() {
  slotMask_ = timeline::SlotMask(rows_.Rows());
  emit slotMaskChanged(slotMask_);
}

int DayProgramMaker::FirstRowWithTime(const QString& time) const {
  // Containment, not equality: a hand-edited time with more text around it counts too.
  for (int i = 0; i < rows_.Count(); ++i)
    if (rows_.At(i)[ProgramEntry::kTimeToPlay].contains(time)) return i;
  return -1;
}
