#include "tools/logos/LogosList.h"

#include <algorithm>

#include "formats/LogoRecord.h"

namespace {

void InsertSorted(QStringList& list, const QString& text) {
  list.insert(std::upper_bound(list.begin(), list.end(), text), text);
}

}  // namespace

void LogosList::Add(const QString& record) {
  InsertSorted(records_, record);
  InsertSorted(names_, logo::NameOf(record));
  InsertSorted(descriptions_, logo::DescriptionOf(record));
  emit changed();
}

void LogosList::AddLoaded(const QStringList& records) {
  for (const QString& r : records) InsertSorted(records_, r);
  for (const QString& r : records_) {
    InsertSorted(descriptions_, logo::DescriptionOf(r));
    InsertSorted(names_, logo::NameOf(r));
  }
  emit changed();
}

void LogosList::Clear() {
  records_.clear();
  names_.clear();
  descriptions_.clear();
  emit changed();
}

int LogosList::FindByName(const QString& name) const {
  for (int i = 0; i < Count(); ++i)
    if (logo::NameOf(records_[i]) == name) return i;
  return -1;
}

int LogosList::FindByDescription(const QString& description) const {
  for (int i = 0; i < Count(); ++i)
    if (logo::DescriptionOf(records_[i]) == description) return i;
  return -1;
}
