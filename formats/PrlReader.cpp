#include "formats/PrlReader.h"

#include <QFile>
#include <QFileInfo>

#include "formats/QuotedValues.h"
#include "formats/StationFile.h"
#include "formats/StationText.h"
#include "formats/TimeText.h"
#include "platform/Paths.h"

namespace prl {

namespace {

constexpr int kHeaderValues = 9;
// Large enough for a profile of every MP3 file on a station's disks; a bigger file is
// not a play list and is refused rather than buffered.
constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;

// Header value k (2..9, not 5) to its field and label.
struct LabelledField {
  PrlField field;
  const char* label;
};
constexpr LabelledField kLabelled[kHeaderValues + 1] = {
    {PrlField::FilePath, nullptr},    {PrlField::FilePath, nullptr},       {PrlField::Date, kDateLabel},
    {PrlField::Owner, kOwnerLabel},   {PrlField::Clips, kClipsLabel},      {PrlField::Duration, nullptr},
    {PrlField::Style, kStyleLabel},   {PrlField::Description, kDescriptionLabel},
    {PrlField::DateToPlay, kDateToPlayLabel}, {PrlField::TimeToPlay, kTimeToPlayLabel}};

// Positions decide, not labels: the label's length is cut off without comparing it.
QString AfterLabel(const QString& value, const char* label) {
  const qsizetype labelLength = qstrlen(label);
  if (value.size() <= labelLength) return {};
  return value.sliced(labelLength);
}

QString ListDuration(const QString& value) {
  // "Duration: " + 11 characters; anything else is not a usable duration.
  if (value.size() != 21) return QString::fromLatin1(timetext::kUnmeasured);
  return value.sliced(10);
}

PrlClip ClipFromValue(const QString& value, bool withDuration) {
  if (!withDuration) return {QString(), value};
  const qsizetype cut = qMin<qsizetype>(value.size(), timetext::kDurationLength);
  return {value.first(cut), value.sliced(cut)};
}

}  // namespace

PrlPlayList ParsePrl(QByteArrayView data, const QString& filePath, const PrlHeader& previous, int* unusedValues) {
  PrlPlayList list{previous, {}};
  const stationtext::Encoding encoding = stationtext::EncodingOf(data);
  int k = 0;
  bool version2 = false;
  quoted::ForEachValue(data, [&](QByteArrayView bytes) {
    ++k;
    if (k == 1) {
      list.header.SetValue(PrlField::FilePath, filePath);
      version2 = bytes == QByteArrayView(kMagic);
      list.header.SetValue(PrlField::Version, version2 ? QStringLiteral("2") : QStringLiteral("1"));
      return true;
    }
    const QString value = stationtext::Decode(bytes, encoding);
    if (k == 5) {
      list.header.SetValue(PrlField::Duration, ListDuration(value));
    } else if (k <= kHeaderValues) {
      list.header.SetValue(kLabelled[k].field, AfterLabel(value, kLabelled[k].label));
    } else {
      PrlClip clip = ClipFromValue(value, version2);
      if (!clip.path.isEmpty())
        list.clips.append(std::move(clip));
      else if (unusedValues)
        ++*unusedValues;
    }
    return true;
  });
  return list;
}

QList<PrlClip> ParsePrlFiltered(QByteArrayView data, const QString& word) {
  QList<PrlClip> clips;
  const stationtext::Encoding encoding = stationtext::EncodingOf(data);
  int k = 0;
  quoted::ForEachValue(data, [&](QByteArrayView bytes) {
    if (++k <= kHeaderValues) return true;
    const QString value = stationtext::Decode(bytes, encoding);
    const qsizetype at = value.indexOf(word, 1, Qt::CaseSensitive);
    if (at >= 2) {
      PrlClip clip = ClipFromValue(value, true);
      if (!clip.path.isEmpty()) clips.append(std::move(clip));
    }
    return true;
  });
  return clips;
}

int LoadPrl(const QString& path, PrlPlayList& list, int* unusedValues) {
  QByteArray data;
  if (!stationfile::ReadWhole(path, kMaxFileBytes, data)) return kReadFailed;
  list = ParsePrl(data, path, list.header, unusedValues);
  return 0;
}

int LoadPrlFiltered(const QString& path, const QString& word, QList<PrlClip>& clips) {
  QByteArray data;
  if (!stationfile::ReadWhole(path, kMaxFileBytes, data)) return kReadFailed;
  clips = ParsePrlFiltered(data, word);
  return 0;
}

QString ResolveClipPath(const QString& clipPath, const QString& prlFilePath) {
  return paths::ResolvePath(clipPath, QFileInfo(prlFilePath).absolutePath() + u'/');
}

}  // namespace prl

int IsPrlFile(const QString& path, bool* readButRefused) {
  if (readButRefused) *readButRefused = false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const QByteArray head = file.read(31);
  if (head.size() < 31) return 0;
  if (head.sliced(1, 15) == QByteArrayView(prl::kMagicPrefix)) return 1;
  if (readButRefused) *readButRefused = true;
  return 0;
}
