#include "songs/ui/SongsListPanel.h"

#include "songs/ui/SongsListViewBinding.h"

#include "platform/ui/ClipTables.h"

#include <QAction>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QApplication>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Pictures 0 and 1 of the list: a note for a song, a speaker mark for an advert.
QIcon Picture(const QColor& colour, bool advert) {
  QPixmap pm(12, 12);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  if (advert) {
    p.drawRect(1, 4, 3, 4);
    p.drawPolygon(QPolygon({QPoint(4, 4), QPoint(9, 1), QPoint(9, 11), QPoint(4, 8)}));
  } else {
    p.drawEllipse(1, 7, 5, 4);
    p.drawRect(5, 1, 2, 8);
    p.drawRect(5, 1, 5, 2);
  }
  return QIcon(pm);
}

// What the list looks like: the rows' pictures and the marked row in bold.
class SongsListLook final : public QIdentityProxyModel {
 public:
  explicit SongsListLook(QObject* parent) : QIdentityProxyModel(parent) {
    pictures_[0] = Picture(QColor(40, 90, 200), false);
    pictures_[1] = Picture(QColor(200, 60, 40), true);
  }

  QVariant data(const QModelIndex& index, int role) const override {
    switch (role) {
      case Qt::DecorationRole:
        if (index.column() != SongsListModel::kTitleColumn) return {};
        return pictures_[QIdentityProxyModel::data(index, SongsListModel::kPictureRole).toInt() == 1 ? 1 : 0];
      case Qt::FontRole:
        if (!QIdentityProxyModel::data(index, SongsListModel::kMarkedRole).toBool()) return {};
        {
          QFont f;
          f.setBold(true);
          return f;
        }
      case Qt::BackgroundRole:
        if (!QIdentityProxyModel::data(index, SongsListModel::kMarkedRole).toBool()) return {};
        return QPalette().color(QPalette::AlternateBase);
      default:
        return QIdentityProxyModel::data(index, role);
    }
  }

 private:
  QIcon pictures_[2];
};

}  // namespace

SongsListPanel::SongsListPanel(SongsList& list, std::function<void(const QString&)> status, QWidget* parent)
    : QWidget(parent), view_(new QTableView(this)), list_(&list), status_(std::move(status)) {
  auto* look = new SongsListLook(this);
  look->setSourceModel(&list_->Model());
  view_->setModel(look);
  SetUpClipTable(*view_);
  view_->setColumnWidth(SongsListModel::kTitleColumn, 300);
  view_->setColumnWidth(SongsListModel::kDurationColumn, 80);
  view_->setColumnHidden(SongsListModel::kPathColumn, true);
  view_->setToolTip(QStringLiteral("Musical Program Material"));
  view_->setAcceptDrops(true);
  view_->viewport()->setAcceptDrops(true);
  view_->viewport()->installEventFilter(this);
  view_->setDragDropMode(QAbstractItemView::DropOnly);

  back_ = SmallButton(QStringLiteral("| <"), QStringLiteral("Back"), this);
  next_ = SmallButton(QStringLiteral("> |"), QStringLiteral("Next"), this);
  loadSelected_ = SmallButton(QStringLiteral("^"), QStringLiteral("Load Selected"), this);
  apl_ = SmallButton(QStringLiteral("APL"), QStringLiteral("Create Play List"), this);
  search_ = new QLineEdit(this);
  search_->setMaxLength(128);
  search_->setToolTip(QStringLiteral("Type and press Find 1 to search in Songs List"));
  find1_ = SmallButton(QStringLiteral("Find 1"), QStringLiteral("Type and press Find 1 to search in Songs List"), this);
  find2_ =
      SmallButton(QStringLiteral("Find 2"), QStringLiteral("Type and press Find 2 to search in Songs & Path List"), this);
  find1_->setEnabled(false);
  find2_->setEnabled(false);
  duration_ = new QLabel(QStringLiteral("List Duration: 00:00:00:00"), this);
  clips_ = new QLabel(QStringLiteral("Clips: 0"), this);
  info_ = new QPlainTextEdit(this);
  info_->setReadOnly(true);
  info_->setFixedHeight(86);
  info_->setLineWrapMode(QPlainTextEdit::NoWrap);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {back_, next_, loadSelected_, apl_}) buttons->addWidget(b);
  auto* find = new QHBoxLayout;
  find->addWidget(search_, 1);
  find->addWidget(find1_);
  find->addWidget(find2_);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(3);
  column->addWidget(view_, 1);
  column->addLayout(buttons);
  column->addLayout(find);
  column->addWidget(duration_);
  column->addWidget(clips_);
  column->addWidget(info_);
  setMinimumSize(200, 400);
  resize(220, 540);

  connect(back_, &QPushButton::clicked, list_, &SongsList::SelectPrevious);
  connect(next_, &QPushButton::clicked, list_, &SongsList::SelectNext);
  connect(loadSelected_, &QPushButton::clicked, this, &SongsListPanel::loadSelectedRequested);
  connect(view_, &QTableView::doubleClicked, this, &SongsListPanel::loadSelectedRequested);
  connect(apl_, &QPushButton::clicked, this, &SongsListPanel::aplClicked);
  connect(search_, &QLineEdit::textChanged, this, &SongsListPanel::OnSearchTextChanged);
  connect(find1_, &QPushButton::clicked, this, [this] { emit searchRequested(1, search_->text()); });
  connect(find2_, &QPushButton::clicked, this, [this] { emit searchRequested(2, search_->text()); });
  connect(list_, &SongsList::clipCountChanged, this,
          [this](int n) { clips_->setText(QStringLiteral("Clips: %1").arg(n)); });
  connect(list_, &SongsList::listDurationChanged, this,
          [this](const QString& t) { duration_->setText(QStringLiteral("List Duration: ") + t); });
  BindList();
  BuildActions();
}

SongsListPanel::~SongsListPanel() {
  // The list outlives the panel: it must not ask a deleted view for its top row.
  list_->SetTopRowSource({});
  if (busyCursor_) QApplication::restoreOverrideCursor();
}

void SongsListPanel::BindList() {
  BindSongsListView(*list_, *view_);
  connect(list_, &SongsList::clipInfoTextChanged, info_, &QPlainTextEdit::setPlainText);
  connect(list_, &SongsList::busyChanged, this, [this](bool busy) {
    view_->setEnabled(!busy);
    if (busy == busyCursor_) return;
    busyCursor_ = busy;
    if (busy)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QApplication::restoreOverrideCursor();
  });
  clips_->setText(QStringLiteral("Clips: %1").arg(list_->Count()));
  duration_->setText(QStringLiteral("List Duration: ") + list_->ListDuration());
  info_->setPlainText(list_->ClipInfoText());
}

void SongsListPanel::BuildActions() {
  static const char* const kTexts[kMenuEntryCount] = {
      "Load MP3 Clips", "Load Play List", "Import m3u List", "Remove Clip",     "Select Previws",
      "Select Next",    "Load Selected",  "Rename Selected", "Save Play List", "Add to favorites"};
  for (int i = 0; i < kMenuEntryCount; ++i) actions_[i] = new QAction(QString::fromLatin1(kTexts[i]), this);
  // The window that holds the panel routes the entries and shows them as its songs-list
  // pop-up.
}

QList<QAction*> SongsListPanel::ContextActions() const {
  return QList<QAction*>(std::begin(actions_), std::end(actions_));
}

void SongsListPanel::OnSearchTextChanged(const QString& text) {
  const bool any = !text.isEmpty();
  apl_->setText(any ? QStringLiteral("FPL") : QStringLiteral("APL"));
  find1_->setEnabled(any);
  find2_->setEnabled(any);
  if (status_) status_(any ? QStringLiteral("Search for %1").arg(text) : QString());
}

void SongsListPanel::SetClipInfoText(const QString& text) { list_->SetClipInfoText(text); }

QString SongsListPanel::ClipInfoText() const { return list_->ClipInfoText(); }

bool SongsListPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view_->viewport()) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
    auto* drag = static_cast<QDropEvent*>(event);
    if (drag->mimeData()->hasUrls()) {
      drag->acceptProposedAction();
      return true;
    }
  } else if (event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    QStringList files;
    for (const QUrl& url : drop->mimeData()->urls())
      if (url.isLocalFile()) files << url.toLocalFile();
    drop->acceptProposedAction();
    if (!files.isEmpty()) emit filesDropped(files);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
