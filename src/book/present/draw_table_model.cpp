#include "draw_table_model.h"

#include <algorithm>

#include "book_store.h"
#include "book_texts.h"
#include "draw_words.h"

DrawTableModel::DrawTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void DrawTableModel::reload(const BookStore &store, Game game)
{
    beginResetModel();
    rows = store.allDraws(game);
    std::reverse(rows.begin(), rows.end());
    endResetModel();
}

int DrawTableModel::rowOf(int draw) const
{
    // Rows are in falling draw order.
    const auto it = std::lower_bound(rows.cbegin(), rows.cend(), draw,
                                     [](const DrawResult &r, int d) { return r.draw > d; });
    return it != rows.cend() && it->draw == draw ? int(it - rows.cbegin()) : -1;
}

int DrawTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int DrawTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DrawTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return QVariant();
    const DrawResult &r = rows.at(index.row());
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return column == SourceColumn ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return QVariant();
    if (column == DrawColumn)
        return r.draw;
    if (column == DateColumn)
        return DrawWords::date(r.date);
    if (column == NumberColumn)
        return r.numberText();
    if (column == SourceColumn)
        return BookTexts::source(r);
    return BookTexts::prize(r, DrawResult::Way(column - FirstWayColumn));
}

QVariant DrawTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case DrawColumn: return tr("Draw");
    case DateColumn: return tr("Date");
    case NumberColumn: return tr("Number");
    case SourceColumn: return tr("Source");
    default: return BookTexts::wayName(DrawResult::Way(section - FirstWayColumn));
    }
}
