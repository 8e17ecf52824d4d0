#include "mix/MixStyleModel.h"

#include "formats/StyleTableFile.h"
#include "platform/Dialogs.h"
#include "platform/PlayLog.h"

MixStyleModel::MixStyleModel(MixSettings& settings, PlayLog* log, Dialogs* dialogs, QString startFolder,
                             QObject* parent)
    : QObject(parent), settings_(settings), log_(log), dialogs_(dialogs), startFolder_(std::move(startFolder)) {
  for (MixSlider s : kMixSliders) sliders_[Index(s)] = InitialSlider(s);
}

void MixStyleModel::Show(MixSlider slider, const SliderState& state) {
  SliderState& shown = sliders_[Index(slider)];
  if (shown == state) return;
  shown = state;
  emit sliderChanged(slider);
}

SliderState MixStyleModel::Placed(MixSlider slider, int value, bool byHand) const {
  SliderState state = Slider(slider);
  state.value = RangeOf(slider).Clamp(value);
  state.label = SliderLabel(slider, state.value, byHand);
  return state;
}

void MixStyleModel::Put(MixSlider slider, const SliderState& state) {
  Show(slider, state);
  SettingOf(settings_, slider) = state.value;
}

void MixStyleModel::ShowMixAt(bool on) {
  SliderState wait = Slider(MixSlider::WaitLevel);
  wait.enabled = on;
  Show(MixSlider::WaitLevel, wait);
  if (mixAt_ == on) return;
  mixAt_ = on;
  emit mixAtChanged(on);
}

void MixStyleModel::SelectEntry(int index) {
  if (listIndex_ == index) return;
  listIndex_ = index;
  emit listIndexChanged(index);
}

void MixStyleModel::CaptureMixSettings() {
  for (MixSlider s : kMixSliders) SettingOf(settings_, s) = Slider(s).value;
  settings_.waitVolume = mixAt_ ? 1 : 0;
  ShowMixAt(mixAt_);
  settings_.inSpeed = 1;
  settings_.outSpeed = 1;
}

void MixStyleModel::MoveSlider(MixSlider slider, int value) { Put(slider, Placed(slider, value, true)); }

void MixStyleModel::SetMixAt(bool on) {
  settings_.waitVolume = on ? 1 : 0;
  ShowMixAt(on);
}

int MixStyleModel::LoadStyles() {
  StyleTable loaded;
  if (stylefile::ReadStyleFile(startFolder_, loaded) < 0) return stylefile::kReadFailed;
  const bool sameEntries = loaded.Names() == table_.Names();
  table_ = std::move(loaded);
  const int count = int(table_.Size());
  // Showing the last entry does not put it into force.
  if (sameEntries) {
    SelectEntry(count - 1);
  } else {
    listIndex_ = count - 1;
    emit stylesChanged();
  }
  emit statusText(QString::asprintf("Mix Styles loaded: %d", count));
  return count;
}

bool MixStyleModel::WriteDefaultStyles(const QString& folder) {
  if (!stylefile::WriteDefaultStyles(folder)) {
    if (log_) {
      log_->WritePlayLog(QStringLiteral("ERR"), QStringLiteral("Can't create default mix styles"),
                         stylefile::StyleFilePath(folder));
    }
    return false;
  }
  if (dialogs_) {
    dialogs_->Message(QStringLiteral("Default Mix Styles created!"), QStringLiteral("KORVO XA"),
                      Dialogs::Icon::Information);
  }
  return true;
}

int MixStyleModel::ApplyStyle(const QString& name) {
  if (table_.IsEmpty()) return 0;
  const qsizetype row = table_.IndexOf(name);
  if (row < 0) {
    currentStyleName_ = QString::fromLatin1(kDefaultStyle);
    SelectEntry(int(table_.IndexOf(currentStyleName_)));
    return 0;
  }
  const MixStyle& style = table_.Row(row);
  const StyleParameters p = ParametersOf(style);
  const bool advert = name == QLatin1String(kAdvertStyle);
  settings_.appliedStyleName = style.Name();

  // Advert clips are mixed on the frames of their own end, not on a skip time, so the
  // skip slider keeps its position and skipSecOffset its value.
  if (advert) {
    SliderState skip = Slider(MixSlider::Skip);
    skip.label = QStringLiteral("Skip the last 15 frames");
    skip.enabled = false;
    Show(MixSlider::Skip, skip);
  } else {
    SliderState skip = Placed(MixSlider::Skip, p.skipSecOffset, false);
    skip.enabled = true;
    Put(MixSlider::Skip, skip);
  }
  SliderState wait = Placed(MixSlider::WaitLevel, p.waitVolumeValue, false);
  wait.enabled = p.waitVolume != 0;
  Put(MixSlider::WaitLevel, wait);
  ShowMixAt(p.waitVolume != 0);
  settings_.waitVolume = p.waitVolume;
  Put(MixSlider::InSpeed, Placed(MixSlider::InSpeed, p.inSpeedStep, false));
  Put(MixSlider::OutSpeed, Placed(MixSlider::OutSpeed, p.outSpeedStep, false));
  Put(MixSlider::MixSpeed, Placed(MixSlider::MixSpeed, p.mixTimerInterval, false));
  Put(MixSlider::StartVolume, Placed(MixSlider::StartVolume, p.styleStartVolume, false));

  if (!advert) currentStyleName_ = style.Name();
  SelectEntry(int(row));
  emit statusText(QString());
  return int(row);
}

void MixStyleModel::StartUp(const QString& defaultStyleSetting) {
  currentStyleName_ = defaultStyleSetting;
  if (LoadStyles() > 0) return;  // the first clip load applies a style
  if (WriteDefaultStyles(startFolder_) && LoadStyles() >= 1) ApplyStyle(defaultStyleSetting);
}

void MixStyleModel::ReloadAfterEditor(const QString& defaultStyleSetting) {
  LoadStyles();
  ApplyStyle(defaultStyleSetting);
}

QString MixStyleModel::StyleForClip(const QString& title, bool advertsOn, const QString& defaultStyleSetting) const {
  return ::StyleForClip(title, advertsOn, defaultStyleSetting, currentStyleName_);
}

void MixStyleModel::ChooseStyle(int index) {
  const QString text = index >= 0 && index < table_.Size() ? table_.Row(index).Name() : QString();
  if (text.isEmpty()) {
    emit statusText(QStringLiteral("Styles List is Empty!!!"));
    return;
  }
  SelectEntry(index);
  ApplyStyle(text);
}
