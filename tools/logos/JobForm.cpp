#include "tools/logos/JobForm.h"

#include "formats/LogoRecord.h"

namespace {

// A double quote would end the value early in every file these texts go into.
QString Typed(const QString& text, int maxChars) { return QString(text).remove(u'"').left(maxChars); }

}  // namespace

template <typename T>
void JobForm::Set(T& field, const T& value) {
  if (field == value) return;
  field = value;
  emit changed();
}

void JobForm::SetName(const QString& text) { Set(name_, Typed(text, logo::kNameChars)); }
void JobForm::SetId(const QString& id) { Set(id_, id); }
void JobForm::SetDescription(const QString& text) { Set(description_, Typed(text, logo::kMaxDescriptionChars)); }
void JobForm::SetHour(const QString& time) { Set(hour_, time); }
void JobForm::SetCriterion(const QString& criterion) { Set(criterion_, criterion); }
void JobForm::SetRule(InsertRule rule) { Set(rule_, rule); }
void JobForm::SetPositionText(const QString& text) { Set(positionText_, text.left(2)); }
void JobForm::SetAddOne(bool on) { Set(addOne_, on); }
void JobForm::SetCreate(bool on) { Set(create_, on); }
void JobForm::SetType(PlayListType type) { Set(type_, type); }
void JobForm::SetTypeChoosable(bool on) { Set(typeChoosable_, on); }
void JobForm::SetStatus(const QString& text) { Set(status_, text); }
