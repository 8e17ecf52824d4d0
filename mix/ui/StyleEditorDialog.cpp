#include "mix/ui/StyleEditorDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableView>
#include <QVBoxLayout>

#include "mix/StyleEditorModel.h"
#include "mix/ui/StyleListModel.h"

namespace {

const char* SliderName(MixSlider s) {
  switch (s) {
    case MixSlider::Skip:
      return "skip";
    case MixSlider::WaitLevel:
      return "wait";
    case MixSlider::InSpeed:
      return "inSpeed";
    case MixSlider::OutSpeed:
      return "outSpeed";
    case MixSlider::MixSpeed:
      return "mixSpeed";
    case MixSlider::StartVolume:
      return "startVolume";
  }
  return "";
}

constexpr int kNameWidth = 100;
constexpr int kValueWidth = 24;
// "In Step", "Out Step" and the five "Reserved" are carried along but never shown.
constexpr int kHiddenColumns[] = {7, 8, 10, 11, 12, 13, 14};

}  // namespace

StyleEditorDialog::StyleEditorDialog(StyleEditorModel& model, QWidget* parent) : QDialog(parent), model_(model) {
  setWindowTitle(QStringLiteral("Edit Mix Styles"));
  setModal(true);
  BuildControls();
  ConnectModel();
  ConnectUser();
  model_.Open();
  for (MixSlider s : kMixSliders) ShowSlider(s);
  ShowMixAt();
  ShowName();
}

void StyleEditorDialog::BuildList() {
  rows_ = new StyleListModel(model_, this);
  list_ = new QTableView(this);
  list_->setObjectName(QStringLiteral("stylesList"));
  list_->setModel(rows_);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setShowGrid(false);
  list_->setWordWrap(false);
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 4);
  list_->setMouseTracking(true);  // the row under the mouse lights up at once
  list_->setStyleSheet(QStringLiteral(
      "QTableView { background: white; color: black; selection-background-color: #2a62b8;"
      " selection-color: white; }"
      "QTableView::item:hover:!selected { background: #dce7fa; color: black; }"
      "QHeaderView::section { background: #e8e8e8; color: black; padding: 0 2px; border: 1px solid #b0b0b0; }"));
  QHeaderView* header = list_->horizontalHeader();
  header->setMinimumSectionSize(0);
  header->setHighlightSections(false);
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->resizeSection(0, kNameWidth);
  for (int c = 1; c < MixStyle::kFieldCount; ++c) header->resizeSection(c, kValueWidth);
  for (int c : kHiddenColumns) list_->setColumnHidden(c, true);
  header->setStretchLastSection(false);
  list_->setMinimumHeight(150);
}

void StyleEditorDialog::BuildControls() {
  BuildList();
  nameBox_ = new QLineEdit(this);
  nameBox_->setObjectName(QStringLiteral("nameBox"));
  nameBox_->setMaxLength(StyleEditorModel::kMaxNameChars);
  // A field of the table can never hold a double quote.
  nameBox_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), nameBox_));

  mixAtBox_ = new QCheckBox(QStringLiteral("Mix at "), this);
  mixAtBox_->setObjectName(QStringLiteral("mixAtBox"));
  for (MixSlider s : kMixSliders) {
    const ValueRange range = RangeOf(s);
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QString::fromLatin1(SliderName(s)) + QStringLiteral("Slider"));
    slider->setRange(range.min, range.max);
    sliders_[static_cast<int>(s)] = slider;
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(SliderName(s)) + QStringLiteral("Label"));
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("Skip the last 60 seconds")) / 2);
    labels_[static_cast<int>(s)] = label;
  }

  auto* controls = new QGridLayout;
  controls->addWidget(new QLabel(QStringLiteral("Mix Style"), this), 0, 0);
  controls->addWidget(nameBox_, 0, 1, 1, 3);
  controls->addWidget(LabelOf(MixSlider::Skip), 1, 0, 1, 2);
  controls->addWidget(SliderOf(MixSlider::Skip), 1, 2, 1, 2);
  controls->addWidget(mixAtBox_, 2, 0);
  controls->addWidget(SliderOf(MixSlider::WaitLevel), 2, 1, 1, 2);
  controls->addWidget(LabelOf(MixSlider::WaitLevel), 2, 3);
  controls->addWidget(LabelOf(MixSlider::InSpeed), 3, 0);
  controls->addWidget(SliderOf(MixSlider::InSpeed), 3, 1);
  controls->addWidget(LabelOf(MixSlider::OutSpeed), 3, 2);
  controls->addWidget(SliderOf(MixSlider::OutSpeed), 3, 3);
  controls->addWidget(SliderOf(MixSlider::MixSpeed), 4, 0, 1, 1);
  controls->addWidget(LabelOf(MixSlider::MixSpeed), 4, 1);
  controls->addWidget(SliderOf(MixSlider::StartVolume), 4, 2);
  controls->addWidget(LabelOf(MixSlider::StartVolume), 4, 3);
  controls->setColumnStretch(1, 1);
  controls->setColumnStretch(3, 1);

  auto* buttonRow = new QHBoxLayout;
  for (const char* caption : {"Add New", "Update", "Remove", "Save", "Exit", "Cancel"}) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    // Enter in the name box must not press a button behind the user's back.
    b->setAutoDefault(false);
    buttons_.append(b);
    buttonRow->addWidget(b);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Mix Styles List"), this));
  layout->addWidget(list_, 1);
  layout->addLayout(controls);
  layout->addLayout(buttonRow);
  resize(kNameWidth + 7 * kValueWidth + 240, 420);
}

QPushButton* StyleEditorDialog::Button(const QString& caption) const {
  for (QPushButton* b : buttons_)
    if (b->text() == caption) return b;
  return nullptr;
}

void StyleEditorDialog::ConnectModel() {
  connect(&model_, &StyleEditorModel::rowsChanged, this, &StyleEditorDialog::ShowRows);
  connect(&model_, &StyleEditorModel::selectionChanged, this, &StyleEditorDialog::ShowSelection);
  connect(&model_, &StyleEditorModel::nameChanged, this, &StyleEditorDialog::ShowName);
  connect(&model_, &StyleEditorModel::sliderChanged, this, &StyleEditorDialog::ShowSlider);
  connect(&model_, &StyleEditorModel::mixAtChanged, this, &StyleEditorDialog::ShowMixAt);
  connect(&model_, &StyleEditorModel::finished, this, &StyleEditorDialog::Close);
}

void StyleEditorDialog::ConnectUser() {
  // Showing the model happens under signal blockers, so these carry only the user's moves.
  for (MixSlider s : kMixSliders) {
    connect(SliderOf(s), &QSlider::valueChanged, this, [this, s](int v) { model_.MoveSlider(s, v); });
  }
  connect(mixAtBox_, &QCheckBox::toggled, this, [this](bool on) { model_.SetMixAt(on); });
  connect(nameBox_, &QLineEdit::textEdited, this, [this](const QString& text) { model_.EditName(text); });
  connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { model_.SelectRow(current.isValid() ? current.row() : -1); });
  // Queued: the click may ask a question and rebuild the rows, which must not happen
  // inside the list's own mouse handling.
  connect(
      list_, &QTableView::clicked, this, [this](const QModelIndex& index) { model_.ClickRow(index.row()); },
      Qt::QueuedConnection);
  connect(Button(QStringLiteral("Add New")), &QPushButton::clicked, &model_, &StyleEditorModel::AddNew);
  connect(Button(QStringLiteral("Update")), &QPushButton::clicked, &model_, &StyleEditorModel::Update);
  connect(Button(QStringLiteral("Remove")), &QPushButton::clicked, &model_, &StyleEditorModel::Remove);
  connect(Button(QStringLiteral("Save")), &QPushButton::clicked, &model_, &StyleEditorModel::Save);
  connect(Button(QStringLiteral("Exit")), &QPushButton::clicked, &model_, &StyleEditorModel::Exit);
  connect(Button(QStringLiteral("Cancel")), &QPushButton::clicked, &model_, &StyleEditorModel::Cancel);
}

void StyleEditorDialog::ShowRows() {
  {
    // A reset drops the list's current row; that is not the user moving the selection.
    const QSignalBlocker block(list_->selectionModel());
    rows_->Reset();
  }
  ShowSelection();
}

// Not under a signal blocker: the list repaints its selection from those signals. The
// model hears back the row it already has, which changes nothing.
void StyleEditorDialog::ShowSelection() {
  const int row = model_.SelectedRow();
  if (row < 0) {
    list_->clearSelection();
    list_->setCurrentIndex({});
    return;
  }
  const QModelIndex index = rows_->index(row, 0);
  list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  list_->scrollTo(index);
}

void StyleEditorDialog::ShowName() {
  if (nameBox_->text() == model_.Name()) return;
  const QSignalBlocker block(nameBox_);
  nameBox_->setText(model_.Name());
}

void StyleEditorDialog::ShowSlider(MixSlider s) {
  const SliderState& state = model_.Slider(s);
  {
    const QSignalBlocker block(SliderOf(s));
    SliderOf(s)->setValue(state.value);
  }
  if (LabelOf(s)->text() != state.label) LabelOf(s)->setText(state.label);
  SliderOf(s)->setEnabled(state.enabled);
  LabelOf(s)->setEnabled(state.enabled);
}

void StyleEditorDialog::ShowMixAt() {
  const QSignalBlocker block(mixAtBox_);
  mixAtBox_->setChecked(model_.MixAt());
}

void StyleEditorDialog::reject() { model_.Cancel(); }

void StyleEditorDialog::Close(bool accepted) {
  if (accepted)
    QDialog::accept();
  else
    QDialog::reject();
}
