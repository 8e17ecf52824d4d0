#include "adverts/ui/AdvertsPanel.h"

#include "platform/ui/ClipTables.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "adverts/Adverts.h"

AdvertsPanel::AdvertsPanel(Adverts& adverts, QWidget* parent) : QWidget(parent), adverts_(adverts) {
  BuildControls();
  BuildMenu();
  BindModel();
}

AdvertsPanel::~AdvertsPanel() {
  // The list outlives the panel: it must not ask a deleted view for its top row.
  adverts_.List().SetTopRowSource({});
}

void AdvertsPanel::BuildControls() {
  AdvertList& list = adverts_.List();
  view_ = new QTableView(this);
  view_->setModel(&list.Model());
  SetUpClipTable(*view_);
  view_->setColumnWidth(AdvertListModel::kBlockColumn, 50);
  view_->setColumnWidth(AdvertListModel::kNameColumn, 148);
  view_->setColumnHidden(AdvertListModel::kClipColumn, true);
  view_->setToolTip(QStringLiteral("Insertion Clips [AD's, News, Clock, Announcements, etcetera]"));

  load_ = SmallButton(QStringLiteral("..."), QStringLiteral("Load Advertising Play List (Spotwright0116)"), this);
  clear_ = SmallButton(QStringLiteral("C"), QStringLiteral("Clear Advertising Play List"), this);
  loadBlock_ = SmallButton(QStringLiteral(">>"), QStringLiteral("Add Selected Block Manual"), this);
  manual_ = SmallButton(QStringLiteral("Manual"), QStringLiteral("Auto/Manual Adverts Loading"), this);
  manual_->setCheckable(true);
  blocks_ = new QComboBox(this);
  blocks_->setToolTip(QStringLiteral("Loaded Block Times"));
  status_ = new QLabel(this);
  status_->setToolTip(QStringLiteral("KORVO XA"));

  auto* controls = new QHBoxLayout;
  controls->setSpacing(2);
  for (QWidget* w : std::initializer_list<QWidget*>{load_, clear_, loadBlock_, blocks_, status_, manual_})
    controls->addWidget(w);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(3);
  column->addWidget(view_, 1);
  column->addLayout(controls);

  connect(load_, &QPushButton::clicked, &adverts_, &Adverts::OpenAdvertList);
  connect(clear_, &QPushButton::clicked, &adverts_, &Adverts::Clear);
  connect(loadBlock_, &QPushButton::clicked, &adverts_, &Adverts::LoadBlock);
  connect(manual_, &QPushButton::clicked, &adverts_, &Adverts::SetManual);
  connect(blocks_, &QComboBox::activated, &list, &AdvertList::ChooseBlock);
}

void AdvertsPanel::BuildMenu() {
  static const char* const kTexts[kMenuEntryCount] = {"Load Block Now", "Import Logos",     "Import AD",    "Remove AD",
                                                      "Remove Block",   "Clear Logos List", "Disable Logos"};
  menu_ = new QMenu(this);
  for (int i = 0; i < kMenuEntryCount; ++i) actions_[i] = menu_->addAction(QString::fromLatin1(kTexts[i]));
  // "Remove Block" is offered but has never done anything.
  actions_[kRemoveBlock]->setEnabled(false);
  // The entries are routed, and the menu shown, by the window that holds the panel: one
  // right click there chooses among all of its pop-ups.
}

void AdvertsPanel::BindModel() {
  AdvertList& list = adverts_.List();
  list.SetTopRowSource([this] { return view_->rowAt(0); });
  connect(&list, &AdvertList::selectionChanged, this, &AdvertsPanel::ShowSelection);
  connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { adverts_.List().NoteSelected(current.isValid() ? current.row() : -1); });
  connect(&list, &AdvertList::blocksChanged, this, &AdvertsPanel::ShowBlocks);
  connect(&list, &AdvertList::controlsChanged, this, &AdvertsPanel::ShowControls);
  connect(&list, &AdvertList::statusLabelChanged, status_, &QLabel::setText);
  ShowSelection(list.SelectedRow());
  ShowBlocks();
  ShowControls();
  status_->setText(list.StatusLabel());
}

void AdvertsPanel::ShowSelection(int row) {
  // The view's echo of this comes back as NoteSelected of the same row, which says nothing.
  QItemSelectionModel* sel = view_->selectionModel();
  if (row < 0) {
    sel->clear();
    return;
  }
  const QModelIndex index = view_->model()->index(row, AdvertListModel::kBlockColumn);
  sel->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  view_->scrollTo(index);
}

void AdvertsPanel::ShowBlocks() {
  const BlockList& blocks = adverts_.List().Blocks();
  const QSignalBlocker quiet(blocks_);
  QStringList shown;
  for (int i = 0; i < blocks_->count(); ++i) shown << blocks_->itemText(i);
  if (shown != blocks.Entries()) {
    blocks_->clear();
    blocks_->addItems(blocks.Entries());
  }
  blocks_->setCurrentIndex(blocks.Index());
}

void AdvertsPanel::ShowControls() {
  const AdvertList& list = adverts_.List();
  manual_->setChecked(list.Manual());
  loadBlock_->setEnabled(list.LoadBlockEnabled());
  blocks_->setEnabled(list.BlockListEnabled());
}
