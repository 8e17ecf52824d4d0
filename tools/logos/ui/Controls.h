// Small builders and refresh helpers the logos tool's groups share.
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QPushButton;
class QWidget;

QPushButton* ToolButton(const QString& caption, const QString& tip, QWidget* parent);
// The combo's entries become these, kept when they already are (so an open list or the
// typed text is not disturbed); the signals stay quiet.
void ShowEntries(QComboBox* box, const QStringList& entries);
// The editable combo's text, without signals, when it differs.
void ShowText(QComboBox* box, const QString& text);
// The entry equal to the text chosen, without signals.
void ShowChoice(QComboBox* box, const QString& text);
