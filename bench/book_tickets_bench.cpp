// The tickets tab on a big book: 100,000 tickets over a book of 7,147 draws.
// Prints, in milliseconds: reading the same rows from SQLite alone (a plain
// SELECT over the tickets-draws join, the limit), TicketStore::graded() (read
// and grade), filling the list model (with the view's sorting proxy), the
// totals, the tab's whole reload, and one full repaint of the list. Prints
// figures; never fails. Last, 20,000 of the tickets deleted from the list
// (the box that asks answered with Return) and brought back by the undo, each
// timed to the list shown again, with their ratio beside its limit of 2.
// Then 100,000 tickets of both games over the bundled draws of both games,
// read and graded beside the raw query, with its limit of 1.5x. Runs
// offscreen unless a display is given.
//
// Draws 1..7088 are the real results; draws 7089..7147 are benchmark filler,
// made up here only to give the book its size, and never shown to users.
// The tickets are made up too (a fixed pseudo-random sequence); a few
// hundred are for draws after 7147 and stay waiting. The book of both games
// holds the bundled draws only, all real; its four-digit tickets for the
// draws without a known result wait too.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QSortFilterProxyModel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "book_store.h"
#include "draw_row.h"
#include "book_window.h"
#include "draw_calendar.h"
#include "filler_book.h"
#include "filler_tickets.h"
#include "result_importer.h"
#include "ticket_rules.h"
#include "ticket_store.h"
#include "ticket_sort_proxy.h"
#include "ticket_table_model.h"
#include "ticket_sums.h"
#include "ticket_filter.h"
#include "ticket_view.h"
#include "support/box_catcher.h"

namespace {

constexpr int Draws = 7147;
constexpr int Tickets = 100000;
constexpr int Runs = 5;

double median(QList<double> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

void measure(const char *what, const std::function<void()> &run, int runs = Runs)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    std::printf("%-52s median %8.1f ms, best %8.1f ms (%d runs)\n", what, median(times), times.first(), runs);
}

// Every row of the tickets-draws join with the columns, join and order
// TicketStore::graded() reads, each value fetched; returns the rows.
int rawRows(const QSqlDatabase &db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT t.id, t.draw, t.number, t.way, t.units, t.note, t.created_at, t.game, %1"
                          " FROM tickets t LEFT JOIN draws d ON d.game = t.game AND d.draw = t.draw"
                          " ORDER BY t.draw DESC, t.id")
               .arg(DrawRow::columns(QStringLiteral("d"))));
    const int columns = q.record().count();
    int rows = 0;
    qint64 sum = 0;
    while (q.next()) {
        for (int c = 0; c < columns; ++c)
            sum += q.value(c).isNull() ? 0 : 1;
        ++rows;
    }
    if (sum < 0)
        std::printf("?");
    return rows;
}

// The same orders and filters from SQLite alone: the ids of the joined rows
// in that order, each fetched. The prize and the wins are the straight ones,
// the least a query must work out from the join.
const char *const Join = " FROM tickets t LEFT JOIN draws d ON d.game = t.game AND d.draw = t.draw";
const char *const StraightPrize = "(CASE WHEN t.way = 0 AND t.number = d.number THEN d.straight_prize * t.units ELSE 0 END)";

int rawIds(const QSqlDatabase &db, const QString &where, const QString &order)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT t.id") + QLatin1String(Join) + where + QStringLiteral(" ORDER BY ") + order);
    int rows = 0;
    while (q.next())
        rows += q.value(0).toLongLong() > 0 ? 1 : 0;
    return rows;
}

// Each way of sorting and filtering the list of every ticket, in the view,
// beside its raw query, measured in turns; with the limit of 1.5x.
void sortsAndFilters(TicketView *view, const QSqlDatabase &db)
{
    constexpr double Limit = 1.5;
    struct Case
    {
        const char *what;
        std::function<void()> inView;
        QString where;
        QString order;
    };
    const QString newest = QStringLiteral("t.draw DESC, t.id");
    const auto sortBy = [view](int column, Qt::SortOrder order) {
        return [view, column, order] {
            view->table->sortByColumn(column, order);
            QCoreApplication::processEvents();
        };
    };
    const auto showOnly = [view](int state, int game) {
        return [view, state, game] {
            view->filter->stateBox->setCurrentIndex(state);
            view->filter->gameBox->setCurrentIndex(game);
            QCoreApplication::processEvents();
        };
    };
    const QList<Case> cases = {
        {"sorted by prize, largest first", sortBy(TicketTableModel::PrizeColumn, Qt::DescendingOrder), QString(),
         QLatin1String(StraightPrize) + QStringLiteral(" DESC, ") + newest},
        {"sorted by draw, oldest first", sortBy(TicketTableModel::DrawColumn, Qt::AscendingOrder), QString(), QStringLiteral("t.draw, t.id")},
        {"won only", showOnly(2, 0), QStringLiteral(" WHERE ") + QLatin1String(StraightPrize) + QStringLiteral(" > 0"), newest},
        {"one game (Numbers4)", showOnly(0, 2), QStringLiteral(" WHERE t.game = 4"), newest},
    };
    for (const Case &c : cases) {
        QList<double> inView, raw;
        for (int i = 0; i < Runs; ++i) {
            // From the list as it opens: every ticket, newest first.
            showOnly(0, 0)();
            sortBy(TicketTableModel::DrawColumn, Qt::DescendingOrder)();
            QElapsedTimer timer;
            timer.start();
            c.inView();
            inView << timer.nsecsElapsed() / 1e6;
            timer.restart();
            rawIds(db, c.where, c.order);
            raw << timer.nsecsElapsed() / 1e6;
        }
        const double ratio = median(inView) / median(raw);
        std::printf("%-32s list %7.1f ms (%6d rows), SQLite %7.1f ms: %.2fx (limit %.1fx) %s\n", c.what, median(inView),
                    int(view->proxy->rowCount()), median(raw), ratio, Limit, ratio <= Limit ? "within" : "OVER");
    }
    showOnly(0, 0)();
    sortBy(TicketTableModel::DrawColumn, Qt::DescendingOrder)();
}


// 100,000 tickets of both games, every second one four-digit, over the
// bundled draws of both games (real results and prizes): read and graded
// beside reading the same rows with a raw query, with its limit.
void bothGames(const QString &path)
{
    constexpr int Last = 7088;  // the last bundled draw
    constexpr double Limit = 1.5;
    BookStore store;
    store.open(path);
    if (!store.loadBundled())
        std::printf("could not load the bundled data: %s\n", qPrintable(store.lastError().text));
    TicketStore tickets(store);
    const BookError error = tickets.add(fillerTickets(Tickets, Last, true), nullptr, Last + 400);
    if (error.failed())
        std::printf("could not add the tickets: %s\n", qPrintable(error.text));
    std::printf("\nboth games: %d and %d bundled draws, %d tickets\n", store.count(Game::Numbers3),
                store.count(Game::Numbers4), tickets.count());
    QSqlDatabase db = QSqlDatabase::database(store.connectionName());
    // In turns, so that the machine's other work falls on both alike.
    QList<double> raw, read;
    int rows = 0;
    QList<GradedTicket> graded;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        rows = rawRows(db);
        raw << timer.nsecsElapsed() / 1e6;
        timer.restart();
        graded = tickets.graded();
        read << timer.nsecsElapsed() / 1e6;
    }
    int fours = 0, won = 0;
    for (const GradedTicket &g : std::as_const(graded)) {
        fours += g.ticket.game == Game::Numbers4 ? 1 : 0;
        won += g.grade.won() ? 1 : 0;
    }
    std::printf("%-52s median %8.1f ms, best %8.1f ms (%d runs)\n", "SQLite alone: SELECT over the join, every value", median(raw),
                *std::min_element(raw.cbegin(), raw.cend()), Runs);
    std::printf("%-52s median %8.1f ms, best %8.1f ms (%d runs)\n", "TicketStore::graded() (read and grade)", median(read),
                *std::min_element(read.cbegin(), read.cend()), Runs);
    std::printf("  %d rows read, %d graded (%d four-digit), %d won\n", rows, int(graded.size()), fours, won);
    const double ratio = median(read) / median(raw);
    std::printf("grading both games against the raw query: %.2fx (limit %.1fx) %s\n", ratio, Limit, ratio <= Limit ? "within" : "OVER");

    BookWindow window(store);
    window.tabs->setCurrentWidget(window.tickets);
    window.resize(1280, 800);
    window.show();
    window.tickets->model->fetchAll();
    QCoreApplication::processEvents();
    sortsAndFilters(window.tickets, db);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    BookStore store;
    store.open(dir.filePath(QStringLiteral("book.sqlite")));
    const ImportReport r = store.importFile(fillerBook(Draws));
    if (!r.ok)
        std::printf("could not fill the book: %s\n", qPrintable(r.error));
    TicketStore tickets(store);
    {
        QElapsedTimer timer;
        timer.start();
        const BookError error = tickets.add(fillerTickets(Tickets, Draws), nullptr, Draws + 400);
        if (error.failed())
            std::printf("could not add the tickets: %s\n", qPrintable(error.text));
        std::printf("platform %s; %d draws, %d tickets (added in one transaction in %.1f ms)\n",
                    qPrintable(QGuiApplication::platformName()), store.count(), tickets.count(), timer.nsecsElapsed() / 1e6);
    }

    // The limit: the same join, columns and order the store reads, each value fetched.
    QSqlDatabase db = QSqlDatabase::database(store.connectionName());
    int rows = 0;
    measure("SQLite alone: SELECT over the join, every value", [&] { rows = rawRows(db); });
    QList<GradedTicket> graded;
    measure("TicketStore::graded() (read and grade)", [&] { graded = tickets.graded(); });
    std::printf("  %d rows read, %d graded\n", rows, int(graded.size()));

    BookWindow window(store);
    TicketView *view = window.tickets;
    window.tabs->setCurrentWidget(view);
    window.resize(1280, 800);
    window.show();
    QCoreApplication::processEvents();
    measure("fill the list model (sorting proxy, newest first)", [&] { view->model->setRows(graded); });
    measure("totals and per month", [&] {
        const TicketSums sums(graded, QDate::currentDate());
        if (sums.totals({}).tickets != graded.size() || sums.months({}).isEmpty())
            std::printf("?");
    });
    measure("the tab's reload to its first rows", [&] { view->reload(); });
    measure("the tab's reload to every row and the totals", [&] {
        view->reload();
        view->model->fetchAll();
    });
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    const int visible = view->table->rowAt(view->table->viewport()->height() - 1) - view->table->rowAt(0) + 1;
    measure("one full repaint of the list's viewport", [&] { view->table->viewport()->repaint(); }, 21);
    view->table->scrollToBottom();
    measure("scroll to the end and repaint", [&] {
        view->table->scrollToTop();
        view->table->viewport()->repaint();
        view->table->scrollToBottom();
        view->table->viewport()->repaint();
    }, 11);
    std::printf("  the view shows %d rows of %d at a time, %dx%d pixels\n", visible, view->proxy->rowCount(),
                view->table->viewport()->width(), view->table->viewport()->height());

    // Rows 1,000 to 20,999 of the list as shown, deleted and brought back.
    constexpr int Deleted = 20000;
    view->table->setFocus();
    view->table->selectionModel()->select(
        QItemSelection(view->proxy->index(1000, 0), view->proxy->index(1000 + Deleted - 1, 0)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QElapsedTimer timer;
    timer.start();
    {
        BoxCatcher catcher(BoxCatcher::Answer::Return);
        view->deleteTickets();
    }
    QCoreApplication::processEvents();
    const double deleteMs = timer.nsecsElapsed() / 1e6;
    const int afterDelete = tickets.count();
    timer.restart();
    view->undo();
    QCoreApplication::processEvents();
    const double undoMs = timer.nsecsElapsed() / 1e6;
    std::printf("delete %d tickets from the list                        %8.1f ms (%d left)\n", Deleted, deleteMs, afterDelete);
    std::printf("undo the delete, the %d selected again                %8.1f ms (%d tickets, %d selected)\n", Deleted, undoMs,
                tickets.count(), int(view->table->selectionModel()->selectedRows().size()));
    std::printf("undo against the delete: %.2fx (limit 2x) %s\n", undoMs / deleteMs, undoMs <= 2 * deleteMs ? "within" : "OVER");
    window.close();
    bothGames(dir.filePath(QStringLiteral("both.sqlite")));
    return 0;
}
