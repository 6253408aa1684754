#include "reminder_log.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "book_session.h"
#include "sql_transaction.h"

QList<ReminderLog::Reminder> ReminderLog::unsent(const QList<Reminder> &due) const
{
    QList<Reminder> out;
    if (!book.isOpen() || due.isEmpty())
        return out;
    QSqlQuery q(QSqlDatabase::database(book.connectionName(), false));
    q.prepare(QStringLiteral("SELECT 1 FROM reminders WHERE ticket = ? AND last_day = ? AND within = ?"));
    for (const Reminder &r : due) {
        q.addBindValue(r.ticket);
        q.addBindValue(r.lastDay.toString(Qt::ISODate));
        q.addBindValue(r.within);
        // A book that cannot be read sends nothing rather than the same again and again.
        if (!q.exec())
            return {};
        if (!q.next())
            out.append(r);
        q.finish();
    }
    return out;
}

BookError ReminderLog::remember(const QList<Reminder> &sent, const QDateTime &at)
{
    if (!book.isOpen())
        return BookError::refused(QCoreApplication::translate("ReminderLog", "The book is not open."));
    QSqlDatabase db = QSqlDatabase::database(book.connectionName(), false);
    SqlTransaction tx(db);
    if (!tx.begin())
        return tx.error();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT OR IGNORE INTO reminders (ticket, last_day, within, at) VALUES (?,?,?,?)"));
    for (const Reminder &r : sent) {
        q.addBindValue(r.ticket);
        q.addBindValue(r.lastDay.toString(Qt::ISODate));
        q.addBindValue(r.within);
        q.addBindValue(at.toUTC().toString(Qt::ISODateWithMs));
        if (!q.exec())
            return BookError::fromSql(q.lastError());
    }
    if (!tx.commit())
        return tx.error();
    return BookError();
}
