#include "ticket_store.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

#include "book_session.h"
#include "draw_row.h"
#include "draw_calendar.h"
#include "payment_period.h"
#include "sql_transaction.h"
#include "ticket_rules.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TicketStore", text);
}

// A ticket's columns, as rowToTicket() reads them.
const char *const TicketColumns = "t.id, t.draw, t.number, t.way, t.units, t.note, t.created_at, t.game, t.collected, t.online";
constexpr int TicketColumnCount = 10;

// A ticket's columns, then its draw's row of the same game (all NULL
// while waiting).
QString gradedSelect()
{
    return QStringLiteral("SELECT %1, %2"
                          " FROM tickets t LEFT JOIN draws d ON d.game = t.game AND d.draw = t.draw")
        .arg(QLatin1String(TicketColumns), DrawRow::columns(QStringLiteral("d")));
}

// Within a draw in the order entered, so a list exported and read back
// into a book comes out again in the same order.
const char *const NewestFirst = " ORDER BY t.draw DESC, t.id";

QString isoUtc(const QDateTime &t)
{
    return t.toUTC().toString(Qt::ISODateWithMs);
}

// The first columns of every select, TicketColumns.
Ticket rowToTicket(const QSqlQuery &q)
{
    Ticket t;
    t.id = q.value(0).toLongLong();
    t.draw = q.value(1).toInt();
    t.number = q.value(2).toInt();
    t.way = Ticket::Way(qBound(0, q.value(3).toInt(), Ticket::WayCount - 1));
    t.units = q.value(4).toInt();
    t.note = q.value(5).toString();
    t.createdAt = QDateTime::fromString(q.value(6).toString(), Qt::ISODateWithMs);
    t.game = Games::fromStored(q.value(7).toInt()).value_or(Game::Numbers3);
    t.collected = QDate::fromString(q.value(8).toString(), Qt::ISODate);
    t.online = q.value(9).toInt() != 0;
    return t;
}

GradedTicket rowToGraded(const QSqlQuery &q)
{
    GradedTicket g;
    g.ticket = rowToTicket(q);
    if (q.value(TicketColumnCount).isNull()) {
        g.drawDate = DrawCalendar::dateOf(g.ticket.draw);
        g.grade = TicketRules::grade(g.ticket, nullptr);
        g.period = PaymentPeriod::byRule(g.drawDate);
        return g;
    }
    const DrawResult r = DrawRow::fromQuery(q, TicketColumnCount);
    g.drawDate = r.date.isValid() ? r.date : DrawCalendar::dateOf(r.draw);
    g.period = r.payUntil.isValid() ? PaymentPeriod::of(r) : PaymentPeriod::byRule(g.drawDate);
    g.resultNumber = r.number;
    g.grade = TicketRules::grade(g.ticket, &r);
    return g;
}

// "draw 7065, 123 straight"
QString describe(const Ticket &t)
{
    static const char *const ways[Ticket::WayCount] = {
        QT_TRANSLATE_NOOP("TicketStore", "straight"), QT_TRANSLATE_NOOP("TicketStore", "box"),
        QT_TRANSLATE_NOOP("TicketStore", "set"), QT_TRANSLATE_NOOP("TicketStore", "mini"),
    };
    const int way = qBound(0, int(t.way), Ticket::WayCount - 1);
    return tr("draw %1, %2 %3").arg(t.draw).arg(t.numberText(), tr(ways[way]));
}

QVariant collectedValue(const Ticket &t)
{
    return t.collected.isValid() ? QVariant(t.collected.toString(Qt::ISODate)) : QVariant(QMetaType(QMetaType::QString));
}

// Content only, as Ticket::sameContent() compares.
QString contentKey(int game, int draw, int number, int way, int units, const QString &note)
{
    return QStringLiteral("%1|%2|%3|%4|%5|").arg(game).arg(draw).arg(number).arg(way).arg(units) + note;
}

// The positions in `tickets` of those already stored, each stored ticket
// matching one.
BookError heldIn(const QSqlDatabase &db, const QList<Ticket> &tickets, QList<qsizetype> &out)
{
    out.clear();
    if (tickets.isEmpty())
        return BookError();
    const auto [low, high] = std::minmax_element(tickets.cbegin(), tickets.cend(),
                                                 [](const Ticket &a, const Ticket &b) { return a.draw < b.draw; });
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT game, draw, number, way, units, note FROM tickets WHERE draw BETWEEN ? AND ?"));
    q.addBindValue(low->draw);
    q.addBindValue(high->draw);
    if (!q.exec())
        return BookError::fromSql(q.lastError());
    QHash<QString, int> stored;
    while (q.next())
        ++stored[contentKey(q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(),
                            q.value(4).toInt(), q.value(5).toString())];
    for (qsizetype i = 0; i < tickets.size(); ++i) {
        const Ticket &t = tickets.at(i);
        const auto it = stored.find(contentKey(int(t.game), t.draw, t.number, int(t.way), t.units, t.note));
        if (it != stored.end() && it.value() > 0) {
            --it.value();
            out.append(i);
        }
    }
    return BookError();
}

} // namespace

TicketStore::TicketStore(BookSession &book) : book(book)
{
}

BookError TicketStore::lastError() const
{
    return error;
}

namespace {

BookError refused(BookError::Kind kind, const QString &why)
{
    return { kind, why };
}

} // namespace

BookError TicketStore::add(const QList<Ticket> &tickets, QList<qint64> *ids, int maxDraw)
{
    QList<qint64> made;
    const BookError failed = checkAndStore(tickets, maxDraw, [&](const QSqlDatabase &db) {
        return insert(db, tickets, made);
    });
    if (!failed.failed() && ids)
        *ids = made;
    return failed;
}

// Every ticket checked against the rules first, then the work in one transaction.
BookError TicketStore::checkAndStore(const QList<Ticket> &tickets, int maxDraw,
                                const std::function<BookError(const QSqlDatabase &)> &work)
{
    if (!book.isOpen())
        return keep(refused(BookError::NotOpen, tr("The book is not open.")));
    if (maxDraw <= 0)
        maxDraw = TicketRules::maxDrawFor(QDateTime::currentDateTimeUtc());
    for (qsizetype i = 0; i < tickets.size(); ++i) {
        const QString why = TicketRules::problem(tickets.at(i), maxDraw);
        if (!why.isEmpty()) {
            const QString where = tickets.size() == 1
                ? describe(tickets.at(i))
                : tr("ticket %1 (%2)").arg(i + 1).arg(describe(tickets.at(i)));
            return keep(refused(BookError::Refused, tr("%1: %2 Nothing was stored.").arg(where, why)));
        }
    }
    return inTransaction(work);
}

BookError TicketStore::addMissing(const QList<Ticket> &tickets, QList<Ticket> *added, int maxDraw)
{
    QList<Ticket> fresh;
    const BookError failed = checkAndStore(tickets, maxDraw, [&](const QSqlDatabase &db) {
        QList<qsizetype> already;
        const BookError why = heldIn(db, tickets, already);
        if (why.failed())
            return why;
        for (qsizetype i = 0, next = 0; i < tickets.size(); ++i) {
            if (next < already.size() && already.at(next) == i)
                ++next;
            else
                fresh.append(tickets.at(i));
        }
        QList<qint64> made;
        const BookError failed = insert(db, fresh, made);
        for (qsizetype i = 0; i < fresh.size() && i < made.size(); ++i)
            fresh[i].id = made.at(i);
        return failed;
    });
    if (!failed.failed() && added)
        *added = fresh;
    return failed;
}

QList<qsizetype> TicketStore::held(const QList<Ticket> &tickets) const
{
    QList<qsizetype> out;
    if (!book.isOpen())
        return out;
    error = heldIn(QSqlDatabase::database(book.connectionName(), false), tickets, out);
    return out;
}

BookError TicketStore::insert(const QSqlDatabase &db, const QList<Ticket> &tickets, QList<qint64> &made)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QSqlQuery fresh(db);
    fresh.prepare(QStringLiteral("INSERT INTO tickets (game, draw, number, way, units, note, created_at, collected, online)"
                                 " VALUES (?,?,?,?,?,?,?,?,?)"));
    QSqlQuery kept(db);
    kept.prepare(QStringLiteral("INSERT INTO tickets (id, game, draw, number, way, units, note, created_at, collected, online)"
                                " VALUES (?,?,?,?,?,?,?,?,?,?)"));
    made.reserve(tickets.size());
    for (const Ticket &t : tickets) {
        QSqlQuery &q = t.id > 0 ? kept : fresh;
        if (t.id > 0)
            q.addBindValue(t.id);
        q.addBindValue(int(t.game));
        q.addBindValue(t.draw);
        q.addBindValue(t.number);
        q.addBindValue(int(t.way));
        q.addBindValue(t.units);
        q.addBindValue(t.note.isNull() ? QStringLiteral("") : t.note);
        q.addBindValue(isoUtc(t.createdAt.isValid() ? t.createdAt : now));
        q.addBindValue(collectedValue(t));
        q.addBindValue(t.online ? 1 : 0);
        if (!q.exec()) {
            BookError why = BookError::fromSql(q.lastError());
            // A full disk or a busy book is no fault of the ticket it met.
            if (why.kind == BookError::Refused || why.kind == BookError::Other)
                why.text = tr("%1: %2").arg(describe(t), why.text);
            return why;
        }
        made.append(t.id > 0 ? t.id : q.lastInsertId().toLongLong());
    }
    return BookError();
}

BookError TicketStore::addRun(const Ticket &first, int count, QList<qint64> *ids, int maxDraw)
{
    if (maxDraw <= 0)
        maxDraw = TicketRules::maxDrawFor(QDateTime::currentDateTimeUtc());
    if (count < 1 || count > maxDraw)
        return keep(refused(BookError::Refused, tr("A run takes 1 to %1 draws in a row; %2 is not possible. Nothing was stored.")
                                                      .arg(maxDraw)
                                                      .arg(count)));
    // Draw numbers follow the draw calendar: the next number is the next draw day.
    const qint64 last = qint64(first.draw) + count - 1;
    if (last > maxDraw) {
        return keep(refused(BookError::Refused,
                              tr("Draws %1 to %2 go past draw %3, the last one that can be bought now. Nothing was stored.")
                                  .arg(first.draw)
                                  .arg(last)
                                  .arg(maxDraw)));
    }
    QList<Ticket> run;
    run.reserve(count);
    for (int i = 0; i < count; ++i) {
        Ticket t = first;
        t.id = 0;
        t.draw = first.draw + i;
        run.append(t);
    }
    return add(run, ids, maxDraw);
}

BookError TicketStore::update(const Ticket &ticket, int maxDraw)
{
    if (!book.isOpen())
        return keep(refused(BookError::NotOpen, tr("The book is not open.")));
    if (maxDraw <= 0)
        maxDraw = TicketRules::maxDrawFor(QDateTime::currentDateTimeUtc());
    const QString problem = TicketRules::problem(ticket, maxDraw);
    if (!problem.isEmpty())
        return keep(refused(BookError::Refused, tr("%1: %2 Nothing was stored.").arg(describe(ticket), problem)));
    return inTransaction([&ticket](const QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("UPDATE tickets SET game = ?, draw = ?, number = ?, way = ?, units = ?, note = ? WHERE id = ?"));
        q.addBindValue(int(ticket.game));
        q.addBindValue(ticket.draw);
        q.addBindValue(ticket.number);
        q.addBindValue(int(ticket.way));
        q.addBindValue(ticket.units);
        q.addBindValue(ticket.note.isNull() ? QStringLiteral("") : ticket.note);
        q.addBindValue(ticket.id);
        if (!q.exec())
            return BookError::fromSql(q.lastError());
        if (q.numRowsAffected() != 1)
            return refused(BookError::Refused, tr("The ticket is no longer in the book (deleted elsewhere?). Nothing was changed."));
        return BookError();
    });
}

BookError TicketStore::setMarks(const QList<Ticket> &tickets)
{
    if (!book.isOpen())
        return keep(refused(BookError::NotOpen, tr("The book is not open.")));
    return inTransaction([&tickets](const QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("UPDATE tickets SET collected = ?, online = ? WHERE id = ?"));
        for (const Ticket &t : tickets) {
            q.addBindValue(collectedValue(t));
            q.addBindValue(t.online ? 1 : 0);
            q.addBindValue(t.id);
            if (!q.exec())
                return BookError::fromSql(q.lastError());
            if (q.numRowsAffected() != 1)
                return refused(BookError::Refused, tr("The ticket is no longer in the book (deleted elsewhere?). Nothing was changed."));
        }
        return BookError();
    });
}

BookError TicketStore::remove(const QList<qint64> &ids)
{
    if (!book.isOpen())
        return keep(refused(BookError::NotOpen, tr("The book is not open.")));
    return inTransaction([&ids](const QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("DELETE FROM tickets WHERE id = ?"));
        for (qint64 id : ids) {
            q.addBindValue(id);
            if (!q.exec())
                return BookError::fromSql(q.lastError());
        }
        return BookError();
    });
}

BookError TicketStore::inTransaction(const std::function<BookError(const QSqlDatabase &)> &work)
{
    QSqlDatabase db = QSqlDatabase::database(book.connectionName(), false);
    SqlTransaction tx(db);
    if (!tx.begin())
        return keep(tx.error());
    const BookError why = work(db);
    if (why.failed())
        return keep(why);
    if (!tx.commit())
        return keep(tx.error());
    return keep(BookError());
}

std::optional<Ticket> TicketStore::ticket(qint64 id) const
{
    if (!book.isOpen())
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(book.connectionName(), false));
    q.prepare(QStringLiteral("SELECT %1 FROM tickets t WHERE t.id = ?").arg(QLatin1String(TicketColumns)));
    q.addBindValue(id);
    if (!q.exec()) {
        error = BookError::fromSql(q.lastError());
        return std::nullopt;
    }
    if (!q.next())
        return std::nullopt;
    return rowToTicket(q);
}

namespace {

// Runs a prepared select and turns every row into a Row; false (with the
// error in words) when the book refused it.
template<typename Row>
bool readRows(QSqlQuery &q, Row (*toRow)(const QSqlQuery &), QList<Row> &out, BookError &error)
{
    q.setForwardOnly(true);
    if (!q.exec()) {
        error = BookError::fromSql(q.lastError());
        return false;
    }
    while (q.next())
        out.append(toRow(q));
    return true;
}

// Every row of a select on the book's tickets, newest draw first.
template<typename Row>
QList<Row> selectAll(const BookSession &book, const QString &select, Row (*toRow)(const QSqlQuery &), BookError &error)
{
    error = BookError();
    QList<Row> out;
    if (!book.isOpen())
        return out;
    QSqlQuery q(QSqlDatabase::database(book.connectionName(), false));
    q.prepare(select + QLatin1String(NewestFirst));
    readRows(q, toRow, out, error);
    return out;
}

} // namespace

QList<Ticket> TicketStore::tickets() const
{
    return selectAll(book, QStringLiteral("SELECT %1 FROM tickets t").arg(QLatin1String(TicketColumns)),
                     rowToTicket, error);
}

int TicketStore::count() const
{
    if (!book.isOpen())
        return 0;
    QSqlQuery q(QSqlDatabase::database(book.connectionName(), false));
    if (q.exec(QStringLiteral("SELECT COUNT(*) FROM tickets")) && q.next())
        return q.value(0).toInt();
    error = BookError::fromSql(q.lastError());
    return 0;
}

QList<GradedTicket> TicketStore::graded() const
{
    return selectAll(book, gradedSelect(), rowToGraded, error);
}

QList<GradedTicket> TicketStore::gradedBetween(int low, int high) const
{
    error = BookError();
    QList<GradedTicket> out;
    if (!book.isOpen() || low > high)
        return out;
    // Naming every game lets SQLite use the index led by the game.
    QStringList games;
    for (Game g : Games::All)
        games << QString::number(int(g));
    QSqlQuery q(QSqlDatabase::database(book.connectionName(), false));
    q.prepare(gradedSelect() + QStringLiteral(" WHERE t.game IN (%1) AND t.draw BETWEEN ? AND ?").arg(games.join(QLatin1Char(',')))
              + QLatin1String(NewestFirst));
    q.addBindValue(low);
    q.addBindValue(high);
    readRows(q, rowToGraded, out, error);
    return out;
}

TicketStore::Span TicketStore::span() const
{
    error = BookError();
    Span s;
    if (!book.isOpen())
        return s;
    QSqlQuery q(QSqlDatabase::database(book.connectionName(), false));
    if (q.exec(QStringLiteral("SELECT COUNT(*), MIN(draw), MAX(draw) FROM tickets")) && q.next()) {
        s.tickets = q.value(0).toInt();
        s.lowDraw = q.value(1).toInt();
        s.highDraw = q.value(2).toInt();
        return s;
    }
    error = BookError::fromSql(q.lastError());
    return s;
}

QList<GradedTicket> TicketStore::gradedForDraws(const QList<int> &draws) const
{
    error = BookError();
    QList<GradedTicket> out;
    if (!book.isOpen() || draws.isEmpty())
        return out;
    QList<int> wanted = draws;
    std::sort(wanted.begin(), wanted.end(), std::greater<int>());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    QSqlDatabase db = QSqlDatabase::database(book.connectionName(), false);
    // In slices, well under SQLite's limit on bound values; newest draws
    // first, so the slices come out in order.
    const qsizetype slice = 500;
    for (qsizetype from = 0; from < wanted.size(); from += slice) {
        const qsizetype n = qMin(slice, wanted.size() - from);
        QStringList marks;
        for (qsizetype i = 0; i < n; ++i)
            marks.append(QStringLiteral("?"));
        QSqlQuery q(db);
        q.prepare(gradedSelect() + QStringLiteral(" WHERE t.draw IN (%1)").arg(marks.join(QLatin1Char(',')))
                  + QLatin1String(NewestFirst));
        for (qsizetype i = 0; i < n; ++i)
            q.addBindValue(wanted.at(from + i));
        if (!readRows(q, rowToGraded, out, error))
            return {};
    }
    return out;
}
