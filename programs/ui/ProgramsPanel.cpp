#include "programs/ui/ProgramsPanel.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

#include "programs/ProgramScheduler.h"

ProgramsPanel::ProgramsPanel(ProgramScheduler& programs, QWidget* parent) : QWidget(parent), programs_(programs) {
  view_ = new QTableView(this);
  view_->setModel(&programs.List());
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setShowGrid(false);
  view_->setWordWrap(false);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view_->verticalHeader()->setDefaultSectionSize(18);
  view_->horizontalHeader()->setHighlightSections(false);
  for (int c : {ProgramsListModel::kPlayListColumn, ProgramsListModel::kDateColumn, ProgramsListModel::kShuffleColumn})
    view_->setColumnHidden(c, true);
  view_->setColumnWidth(ProgramsListModel::kTimeColumn, 50);
  view_->setColumnWidth(ProgramsListModel::kNameColumn, 148);
  view_->setStyleSheet(QStringLiteral("QTableView { background: white; color: black; }"));
  view_->setToolTip(QStringLiteral("Musical Program Material"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(view_);

  connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { programs_.NoteSelected(current.isValid() ? current.row() : -1); });

  static const char* const kTexts[kMenuEntryCount] = {"Load Program Now", "Re-Load Programs", "Clear Programs",
                                                      "Disable Programs"};
  menu_ = new QMenu(this);
  for (int i = 0; i < kMenuEntryCount; ++i) actions_[i] = menu_->addAction(QString::fromLatin1(kTexts[i]));
  // The window that holds the panel routes the entries and shows the menu.
}
