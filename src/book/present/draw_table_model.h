#ifndef DRAW_TABLE_MODEL_H
#define DRAW_TABLE_MODEL_H

#include <QAbstractTableModel>
#include <QList>

#include "draw_result.h"

class BookStore;

// The book's draws for a table view, newest first: draw, date, number, the
// prize of each way when known, and where the result came from. Reads the
// whole book once per reload and formats cells only when they are shown, so
// a book of many thousand draws opens at once.
class DrawTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { DrawColumn, DateColumn, NumberColumn, FirstWayColumn, SourceColumn = FirstWayColumn + DrawResult::WayCount, ColumnCount };

    explicit DrawTableModel(QObject *parent = nullptr);

    void reload(const BookStore &store, Game game = Game::Numbers3);
    // The row that shows a draw, -1 when the book does not hold it.
    int rowOf(int draw) const;
    // The draws shown, newest first.
    const QList<DrawResult> &draws() const { return rows; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<DrawResult> rows;
};

#endif
