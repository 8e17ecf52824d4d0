#include "adverts/AdvertList.h"

#include "formats/AdvertPath.h"
#include "formats/EplReader.h"
#include "platform/PlayLog.h"

AdvertList::AdvertList(PlayLog& log, QObject* parent) : QObject(parent), log_(log) {
  FollowRows(selection_, model_, this, [this] { emit selectionChanged(-1); });
}

int AdvertList::CurrentRow() {
  const bool chosen = SelectedRow() >= 0;
  const int row = selection_.RowToActOn(Count());
  if (!chosen && row >= 0) emit selectionChanged(row);
  return row;
}

void AdvertList::SelectRow(int row) {
  if (selection_.Choose(row, Count())) emit selectionChanged(row);
}

void AdvertList::RemoveBlockAt(int index) {
  if (index < 0 || index >= blocks_.Count()) return;
  blocks_.RemoveAt(index);
  emit blocksChanged();
}

void AdvertList::ChooseBlock(int index) {
  if (index == blocks_.Index()) return;
  blocks_.SetIndex(index);
  emit blocksChanged();
}

void AdvertList::SetBlockListEnabled(bool on) {
  if (on == blockListEnabled_) return;
  blockListEnabled_ = on;
  emit controlsChanged();
}

void AdvertList::SetManual(bool on) {
  manual_ = on;
  loadBlockEnabled_ = on;
  blockListEnabled_ = !on;
  emit controlsChanged();
}

int AdvertList::LoadAdvertList(const QString& path, int loadingType) {
  epl::EplContents contents;
  if (epl::LoadEpl(path, contents) != 0) return epl::kReadFailed;
  ClearAdvertList();
  eplPath_ = path;
  for (AdvertSpot& spot : contents.spots) {
    spot.clipPath = AdvertClipPath(spot, loadingType);
    blocks_.Add(spot.blockTime);
  }
  const int spots = int(contents.spots.size());
  model_.Append(std::move(contents.spots));
  SetStatusLabel(QStringLiteral("Ready"));
  if (blocks_.Count() > 0) blocks_.SetIndex(0);
  emit blocksChanged();
  if (Count() > 0) SelectRow(0);
  log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("AD's Play List Loaded"), path);
  return spots;
}

void AdvertList::ClearAdvertList() {
  SetStatusLabel(QString());
  if (Count() == 0) return;
  model_.Clear();
  blocks_.Clear();
  emit blocksChanged();
  // Manual goes off without its handler: ">>" keeps whatever state it had.
  manual_ = false;
  blockListEnabled_ = true;
  emit controlsChanged();
  log_.WritePlayLog(QStringLiteral("ACC"), QStringLiteral("AD's Play List Initialized"), QString());
}

void AdvertList::SetStatusLabel(const QString& text) {
  if (text == statusLabel_) return;
  statusLabel_ = text;
  emit statusLabelChanged(statusLabel_);
}
