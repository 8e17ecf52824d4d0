#include "tools/logos/ui/Controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

QPushButton* ToolButton(const QString& caption, const QString& tip, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setToolTip(tip);
  b->setFixedHeight(22);
  // As wide as the caption: the old dialog's buttons were small, and so are its groups.
  b->setMaximumWidth(qMax(34, b->fontMetrics().horizontalAdvance(caption) + 18));
  b->setAutoDefault(false);
  return b;
}

void ShowEntries(QComboBox* box, const QStringList& entries) {
  QStringList shown;
  for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
  if (shown == entries) return;
  const QSignalBlocker quiet(box);
  const QString text = box->currentText();
  box->clear();
  box->addItems(entries);
  if (box->isEditable()) box->setEditText(text);
}

void ShowText(QComboBox* box, const QString& text) {
  if (box->currentText() == text) return;
  const QSignalBlocker quiet(box);
  box->setEditText(text);
}

void ShowChoice(QComboBox* box, const QString& text) {
  const int at = box->findText(text, Qt::MatchExactly);
  if (at < 0 || at == box->currentIndex()) return;
  const QSignalBlocker quiet(box);
  box->setCurrentIndex(at);
}
