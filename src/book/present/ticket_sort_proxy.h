#ifndef TICKET_SORT_PROXY_H
#define TICKET_SORT_PROXY_H

#include <QSortFilterProxyModel>
#include <QString>

#include <optional>

#include "game.h"

class TicketTableModel;

// The tickets list's sort and filter, straight from the model's rows rather
// than through cell values: a hundred thousand tickets sort by prize in
// tens of milliseconds.
class TicketSortProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    TicketSortProxy(TicketTableModel *model, QObject *parent);

    // Keeps the rows of a state ("waiting", "missing", "won", "tocollect",
    // or empty for any; a win to collect is a win too) and of a game (none
    // for both).
    void setFilter(const QString &state, std::optional<Game> game);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    TicketTableModel *tickets;
    // A TicketTableModel::State, ToCollect, or Any.
    enum { Any = -1, ToCollect = -2 };
    int state = Any;
    std::optional<Game> game;
};

#endif
