#ifndef TICKET_TABLE_MODEL_H
#define TICKET_TABLE_MODEL_H

#include <QAbstractTableModel>
#include <QDate>
#include <QList>

#include <limits>

#include "book_error.h"
#include "graded_ticket.h"

class QTimer;
class TicketStore;

// The graded tickets for a table view, newest draw first. Cells are worded
// only when shown; SortRole gives numbers for sorting, and abbreviated cells
// carry their words in Qt::AccessibleTextRole.
//
// load() reads the book's tickets in pages of newest draws: the first page
// at once, enough to fill a list, the rest in later turns of the event loop,
// so a book of a hundred thousand tickets shows at once and the window
// answers while the rest comes in. fetchMore() and fetchAll() read on at once.
class TicketTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { DrawColumn, DateColumn, GameColumn, NumberColumn, WayColumn, UnitsColumn, ResultColumn, OutcomeColumn, PrizeColumn, NoteColumn, LastDayColumn, CollectedColumn, ColumnCount };
    enum Role { SortRole = Qt::UserRole, IdRole };
    // What became of a ticket, for the list's filter.
    enum State { Waiting, Missing, Won, Lost };
    static constexpr int FirstPageRows = 300;
    static constexpr int PageRows = 4000;

    explicit TicketTableModel(QObject *parent = nullptr);

    void setRows(const QList<GradedTicket> &rows);
    const QList<GradedTicket> &rows() const { return list; }
    // The row of a ticket id, -1 when not shown.
    int rowOf(qint64 id) const;

    // Reads the store's tickets again from the newest draw; the store must
    // outlive the reading.
    void load(const TicketStore *store);
    bool isLoaded() const { return !source; }
    // The tickets the book held when the reading began.
    int expected() const { return total; }
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    void fetchAll();
    // Reads on until the tickets of every draw from `draw` up are in.
    void fetchDownTo(int draw);

    State state(int row) const { return meta.at(row).state; }
    bool toCollect(int row) const { return meta.at(row).toCollect; }
    Game game(int row) const { return meta.at(row).game; }
    // Whether row a comes before row b in a column's ascending order.
    bool lessThan(int a, int b, int column) const;
    // Why the reading stopped short, if it did.
    BookError error() const { return readError; }

    // Without asking rowCount() and columnCount(): sorting asks for two
    // indexes at every comparison.
    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A cell as the table shows it, its alignment and a column's title, for
    // whatever else lays the rows out (the print).
    static QVariant display(const GradedTicket &row, int column);
    static Qt::Alignment alignment(int column);
    static QString title(int column);
    // Whether a column reads best largest (newest) first: draws, dates, units, prizes.
    static bool largestFirst(int column);

signals:
    // Some rows came in; every row is in.
    void pageRead();
    void loaded();

private:
    struct Meta
    {
        State state = Waiting;
        Game game = Game::Numbers3;
        bool toCollect = false;
        qint8 collect = 0;  // WinCollect::State, as of the day read
    };
    // Reads on, newest draws first, until `rows` more are read and every
    // draw from downTo up is in, or the tickets end.
    QList<GradedTicket> nextPage(int rows, int downTo = std::numeric_limits<int>::max());
    // The same, told to the views; schedules the next page.
    void readPage(int rows, int downTo = std::numeric_limits<int>::max());
    // The rows of a page, marked and described, without telling the views.
    void take(QList<GradedTicket> rows);
    qint64 key(int row, int column) const;

    QList<GradedTicket> list;
    QList<Meta> meta;
    const TicketStore *source = nullptr;
    BookError readError;
    int total = 0;
    int lowDraw = 0;
    int nextDraw = 0;   // the highest draw not read yet
    int drawsPerPage = 1;
    QDate today;
    QTimer *pager;
    // key() of every row for one column, for sorting.
    mutable int keyColumn = -1;
    mutable QList<qint64> keys;
};

#endif
