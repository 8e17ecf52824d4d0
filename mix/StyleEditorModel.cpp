#include "mix/StyleEditorModel.h"

#include "formats/StyleTableFile.h"
#include "mix/MixSettings.h"

namespace {

const QString kTitle = QStringLiteral("KORVO XA");

// Fields 1, 2, 4, 5, 6 and 9 of a style, one for each value control.
StyleField FieldOf(MixSlider slider) {
  switch (slider) {
    case MixSlider::Skip:
      return StyleField::SkipSecOffset;
    case MixSlider::WaitLevel:
      return StyleField::WaitVolumeValue;
    case MixSlider::InSpeed:
      return StyleField::InSpeedStep;
    case MixSlider::OutSpeed:
      return StyleField::OutSpeedStep;
    case MixSlider::MixSpeed:
      return StyleField::MixTimerInterval;
    case MixSlider::StartVolume:
      return StyleField::StyleStartVolume;
  }
  return StyleField::StyleStartVolume;
}

}  // namespace

StyleEditorModel::StyleEditorModel(Dialogs& dialogs, QString folder, QObject* parent)
    : QObject(parent), dialogs_(dialogs), folder_(std::move(folder)) {
  // The same starting positions as the "Mix Style" group, but with "Mix at " ticked.
  MixSettings defaults;
  for (MixSlider s : kMixSliders) {
    const int value = SettingOf(defaults, s);
    sliders_[Index(s)] = {value, SliderLabel(s, value, false), true};
  }
}

bool StyleEditorModel::IsBuiltIn(const QString& name) {
  return name == QLatin1String(kDefaultStyle) || name == QLatin1String(kAdvertStyle);
}

void StyleEditorModel::Open() {
  StyleTable table;
  rows_.clear();
  if (stylefile::ReadStyleFile(folder_, table) >= 0) {
    for (qsizetype i = 0; i < table.Size(); ++i) rows_.append(table.Row(i));
  }
  selected_ = -1;
  listUnsaved_ = false;
  emit rowsChanged();
}

Dialogs::Answer StyleEditorModel::Ask(const QString& text, Dialogs::Answer byDefault) {
  return dialogs_.Message(text, kTitle, Dialogs::Icon::Question, Dialogs::Buttons::YesNo, byDefault);
}

void StyleEditorModel::Warn(const QString& text) { dialogs_.Message(text, kTitle, Dialogs::Icon::Warning); }

// --- Showing.

void StyleEditorModel::Select(int row) {
  if (selected_ == row) return;
  selected_ = row;
  emit selectionChanged(row);
}

void StyleEditorModel::ShowSlider(MixSlider slider, int value, bool byHand) {
  SliderState state = Slider(slider);
  state.value = RangeOf(slider).Clamp(value);
  state.label = SliderLabel(slider, state.value, byHand);
  if (slider == MixSlider::WaitLevel) state.enabled = mixAt_;
  if (state == Slider(slider)) return;
  sliders_[Index(slider)] = state;
  emit sliderChanged(slider);
}

void StyleEditorModel::ShowMixAt(bool on) {
  if (mixAt_ != on) {
    mixAt_ = on;
    emit mixAtChanged(on);
  }
  SliderState wait = Slider(MixSlider::WaitLevel);
  if (wait.enabled == on) return;
  wait.enabled = on;
  sliders_[Index(MixSlider::WaitLevel)] = wait;
  emit sliderChanged(MixSlider::WaitLevel);
}

void StyleEditorModel::ShowRow(int row) {
  const MixStyle& style = rows_[row];
  if (name_ != style.Name()) {
    name_ = style.Name();
    emit nameChanged(name_);
  }
  ShowMixAt(StyleNumber(style.Field(StyleField::WaitVolume)) != 0);
  for (MixSlider s : kMixSliders) ShowSlider(s, StyleNumber(style.Field(FieldOf(s))), false);
  styleChanged_ = false;
}

// --- The user's edits.

void StyleEditorModel::EditName(const QString& text) {
  const QString name = QString(text).remove(u'"').left(kMaxNameChars);
  styleChanged_ = true;
  if (name == name_) return;
  name_ = name;
  emit nameChanged(name_);
}

void StyleEditorModel::MoveSlider(MixSlider slider, int value) {
  styleChanged_ = true;
  ShowSlider(slider, value, true);
}

void StyleEditorModel::SetMixAt(bool on) {
  styleChanged_ = true;
  ShowMixAt(on);
}

void StyleEditorModel::SelectRow(int row) {
  if (row >= -1 && row < rows_.size()) Select(row);
}

void StyleEditorModel::ClickRow(int row) {
  if (rows_.isEmpty()) return;
  if (row < 0 || row >= rows_.size()) row = selected_ >= 0 ? selected_ : 0;
  Select(row);
  if (styleChanged_ && Ask(QStringLiteral("Style has changed\nDo you want to update the Style?"),
                           Dialogs::Answer::Yes) == Dialogs::Answer::Yes) {
    // The update moves rows: show the style that was clicked, wherever it now stands
    // (the new version when the clicked row was the one updated).
    const int removed = UpdateRow();
    if (removed >= 0) row = row == removed ? int(rows_.size()) - 1 : (row > removed ? row - 1 : row);
    Select(row);
  }
  ShowRow(row);
}

// --- The buttons.

MixStyle StyleEditorModel::FromControls() const {
  MixStyle style;
  style.fields.fill(QStringLiteral("0"));
  style.fields[0] = name_;
  for (MixSlider s : kMixSliders) style.fields[static_cast<int>(FieldOf(s))] = QString::number(Slider(s).value);
  style.fields[static_cast<int>(StyleField::WaitVolume)] = mixAt_ ? QStringLiteral("1") : QStringLiteral("0");
  style.fields[static_cast<int>(StyleField::StoredInStep)] = QStringLiteral("1");
  style.fields[static_cast<int>(StyleField::StoredOutStep)] = QStringLiteral("1");
  return style;
}

bool StyleEditorModel::Append() {
  if (name_.isEmpty()) {
    Warn(QStringLiteral("Enter a Name for this style"));
    return false;
  }
  if (!updating_ && StyleTable(rows_).IndexOf(name_) >= 0) {
    Warn(QStringLiteral("Choose another Style Name\nThis Style name allready exists"));
    return false;
  }
  rows_.append(FromControls());
  listUnsaved_ = true;
  styleChanged_ = false;
  emit rowsChanged();
  return true;
}

void StyleEditorModel::AddNew() { Append(); }

int StyleEditorModel::UpdateRow() {
  if (IsBuiltIn(name_)) {
    Warn(QStringLiteral("You can't Update 'DEF1' or 'ADVS' Mix Style"));
    return -1;
  }
  if (name_.isEmpty()) {
    Warn(QStringLiteral("Enter a Name for this style"));
    return -1;
  }
  const int earlier = int(StyleTable(rows_).IndexOf(name_));
  if (earlier < 0) {
    Warn(QStringLiteral("The style you try to Update does not exists"));
    return -1;
  }
  updating_ = true;
  Append();
  RemoveRow(earlier);
  updating_ = false;
  styleChanged_ = false;
  listUnsaved_ = true;
  return earlier;
}

void StyleEditorModel::Update() { UpdateRow(); }

bool StyleEditorModel::RemoveRow(int row) {
  if (rows_.isEmpty() || row < 0 || row >= rows_.size()) return false;
  const QString name = rows_[row].Name();
  if (IsBuiltIn(name)) {
    Warn(QStringLiteral("You can't remove 'DEF1' or 'ADVS' Mix Style"));
    return false;
  }
  if (!updating_ && Ask(QStringLiteral("Do you want to remove the '%1' Style from Mix Styles List?").arg(name),
                        Dialogs::Answer::No) != Dialogs::Answer::Yes) {
    return false;
  }
  rows_.removeAt(row);
  listUnsaved_ = true;
  styleChanged_ = false;
  // The row that moved into the removed one's place; the first row after removing the last.
  selected_ = rows_.isEmpty() ? -1 : (row < rows_.size() ? row : 0);
  emit rowsChanged();
  emit selectionChanged(selected_);
  return true;
}

void StyleEditorModel::Remove() { RemoveRow(selected_); }

void StyleEditorModel::Save() {
  if (rows_.isEmpty()) return;
  if (!stylefile::WriteStyleFile(folder_, StyleTable(rows_))) {
    Warn(QStringLiteral("Can't create %1").arg(stylefile::StyleFilePath(folder_)));
    return;
  }
  listUnsaved_ = false;
  if (Ask(QStringLiteral("Changes saved\n\nDo you want to exit Mix Styles Editor?"), Dialogs::Answer::Yes) ==
      Dialogs::Answer::Yes) {
    Exit();
  }
}

void StyleEditorModel::Exit() {
  if (listUnsaved_ && Ask(QStringLiteral("Do you want to exit without saving Mix Styles List?"), Dialogs::Answer::No) !=
                          Dialogs::Answer::Yes) {
    return;
  }
  emit finished(true);
}

void StyleEditorModel::Cancel() { emit finished(false); }
