#include "platform/ui/ClipTables.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

void SetUpClipTable(QTableView& view) {
  view.setSelectionBehavior(QAbstractItemView::SelectRows);
  view.setSelectionMode(QAbstractItemView::SingleSelection);
  view.setEditTriggers(QAbstractItemView::NoEditTriggers);
  view.setShowGrid(false);
  view.setWordWrap(false);
  view.verticalHeader()->hide();
  view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view.verticalHeader()->setDefaultSectionSize(18);
  view.horizontalHeader()->setHighlightSections(false);
  view.setStyleSheet(QStringLiteral("QTableView { background: white; color: black; }"));
}

QPushButton* SmallButton(const QString& caption, const QString& tip, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setToolTip(tip);
  b->setFixedHeight(22);
  return b;
}
