#include "formats/PrlWriter.h"

#include <QFile>

#include "formats/QuotedValues.h"
#include "formats/StationFile.h"
#include "formats/TimeText.h"

namespace prl {

namespace {

constexpr char kOwner[] = "KORVO XA user";
constexpr char kCreatedByMain[] = "Created By KORVO XA";
constexpr char kCreatedByCreator[] = "Created By KORVOPRL";
constexpr int kDisplayDurationChars = 20;
// The favourites file is read back whole before each append; far larger is not one.
constexpr qint64 kMaxFavouritesBytes = 64LL * 1024 * 1024;

QByteArray Quoted(const QString& text, const char* lineEnd) {
  QByteArray out;
  out += '"';
  // A quote cannot be written inside a value. Values are written in UTF-8, as this
  // machine names its files; the readers still take the old code page.
  out += quoted::EncodeValue(QString(text).remove(u'"'));
  out += '"';
  out += lineEnd;
  return out;
}

}  // namespace

QByteArray HeaderBytes(PrlWriterKind kind, int clipCount, const PrlSaveValues& values) {
  const bool creator = kind == PrlWriterKind::PlayListCreator;
  const bool counted = kind == PrlWriterKind::MainSave || creator;
  const QString date = creator ? QString::asprintf("%02d/%02d/%04d", values.saveDate.day(), values.saveDate.month(),
                                                   values.saveDate.year())
                               : QString();
  const QString duration =
      counted ? values.listDuration.left(kDisplayDurationChars) : QString::fromLatin1(timetext::kUnmeasured);
  const QStringList header = {
      QString::fromLatin1(kMagic),
      QString::fromLatin1(kDateLabel) + date,
      QString::fromLatin1(kOwnerLabel) + QString::fromLatin1(kOwner),
      QString::fromLatin1(kClipsLabel) + (counted ? QString::number(clipCount) : QStringLiteral("1")),
      QString::fromLatin1(kDurationLabel) + duration,
      QString::fromLatin1(kStyleLabel),
      QString::fromLatin1(kDescriptionLabel) + QString::fromLatin1(creator ? kCreatedByCreator : kCreatedByMain),
      QString::fromLatin1(kDateToPlayLabel),
      QString::fromLatin1(kTimeToPlayLabel),
  };
  QByteArray out;
  for (const QString& value : header) out += Quoted(value, "\r\n");
  return out;
}

QByteArray ClipLineBytes(PrlWriterKind kind, const PrlClip& clip) {
  if (clip.path.contains(u'"')) return {};
  const bool keepDuration = kind != PrlWriterKind::DriveScanner && clip.duration.size() == timetext::kDurationLength;
  const QString duration = keepDuration ? clip.duration : QString::fromLatin1(timetext::kUnmeasured);
  return Quoted(duration + clip.path, kind == PrlWriterKind::DriveScanner ? "\n" : "\r\n");
}

int SavePrl(const QString& path, PrlWriterKind kind, const QList<PrlClip>& clips, const PrlSaveValues& values,
            QStringList* leftOut) {
  if (leftOut) leftOut->clear();
  const bool needsClips = kind == PrlWriterKind::MainSave || kind == PrlWriterKind::PlayListCreator;
  if (needsClips && clips.isEmpty()) return kWriteFailed;
  QByteArray lines;
  int written = 0;
  for (const PrlClip& clip : clips) {
    const QByteArray line = ClipLineBytes(kind, clip);
    if (line.isEmpty()) {
      if (leftOut) leftOut->append(clip.path);
      continue;
    }
    lines += line;
    ++written;
  }
  return stationfile::WriteWhole(path, HeaderBytes(kind, written, values) + lines) ? 0 : kWriteFailed;
}

int AppendFavourite(const QString& path, const PrlClip& clip) {
  const QByteArray line = ClipLineBytes(PrlWriterKind::FavouritesNew, clip);
  if (line.isEmpty()) return kClipNotWritable;
  QByteArray bytes;
  QFile old(path);
  if (old.exists()) {
    if (!old.open(QIODevice::ReadOnly) || old.size() > kMaxFavouritesBytes) return kWriteFailed;
    bytes = old.readAll();
    old.close();
  } else {
    bytes = HeaderBytes(PrlWriterKind::FavouritesNew, 1, {});
  }
  return stationfile::WriteWhole(path, bytes + line) ? 0 : kWriteFailed;
}

}  // namespace prl
