#include "formats/PrlPlayList.h"

#include "formats/TimeText.h"

int PrlHeader::Capacity(PrlField field) {
  switch (field) {
    case PrlField::Version: return 3;
    case PrlField::Date:
    case PrlField::DateToPlay:
    case PrlField::TimeToPlay: return 15;
    case PrlField::Clips: return 5;
    case PrlField::Duration: return 12;
    // The file path is never cut: a cut path names another file.
    case PrlField::FilePath: return 0;
    case PrlField::Owner:
    case PrlField::Style:
    case PrlField::Description: return 255;
  }
  return 1;
}

void PrlHeader::SetValue(PrlField field, const QString& value) {
  const int capacity = Capacity(field);
  values_[Index(field)] = capacity > 0 ? value.left(capacity - 1) : value;
}

void PrlHeader::Reset() {
  for (QString& v : values_) v.clear();
  SetValue(PrlField::Clips, QStringLiteral("0"));
  SetValue(PrlField::Duration, QString::fromLatin1(timetext::kUnmeasured));
}
