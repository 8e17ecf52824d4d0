#include "mix/ui/StyleListModel.h"

#include <QPainter>
#include <QPixmap>

#include "mix/StyleEditorModel.h"

namespace {

// A small round lamp: amber for the built-in styles, green for the station's own.
QIcon Lamp(const QColor& colour) {
  QPixmap pixmap(12, 12);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(colour.darker(160));
  painter.setBrush(colour);
  painter.drawEllipse(1, 1, 10, 10);
  return QIcon(pixmap);
}

}  // namespace

const QStringList& StyleListModel::Headers() {
  static const QStringList headers = {
      QStringLiteral("Style Name"),    QStringLiteral("Override"), QStringLiteral("MIX @db"),
      QStringLiteral("Wait ON"),       QStringLiteral("Force IN"), QStringLiteral("Force OUT"),
      QStringLiteral("Mix Speed"),     QStringLiteral("In Step"),  QStringLiteral("Out Step"),
      QStringLiteral("Start From db"), QStringLiteral("Reserved"), QStringLiteral("Reserved"),
      QStringLiteral("Reserved"),      QStringLiteral("Reserved"), QStringLiteral("Reserved")};
  return headers;
}

StyleListModel::StyleListModel(const StyleEditorModel& editor, QObject* parent)
    : QAbstractTableModel(parent),
      editor_(editor),
      builtIn_(Lamp(QColor(0xff, 0xb0, 0x00))),
      user_(Lamp(QColor(0x30, 0xc0, 0x50))) {}

int StyleListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(editor_.Rows().size());
}

int StyleListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : MixStyle::kFieldCount;
}

QVariant StyleListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= editor_.Rows().size()) return {};
  const MixStyle& style = editor_.Rows()[index.row()];
  if (role == Qt::DisplayRole) return style.fields[index.column()];
  if (role == Qt::DecorationRole && index.column() == 0)
    return StyleEditorModel::IsBuiltIn(style.Name()) ? builtIn_ : user_;
  return {};
}

QVariant StyleListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  // The narrow columns cut their headers; the tip tells them in full.
  const bool text = role == Qt::DisplayRole || role == Qt::ToolTipRole;
  if (orientation != Qt::Horizontal || !text || section < 0 || section >= Headers().size()) return {};
  return Headers()[section];
}

void StyleListModel::Reset() {
  beginResetModel();
  endResetModel();
}
