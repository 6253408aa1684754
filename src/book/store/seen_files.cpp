#include "seen_files.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "book_session.h"
#include "sql_transaction.h"

bool SeenFiles::contains(const QString &sha256) const
{
    QSqlQuery q(QSqlDatabase::database(book.connectionName()));
    q.prepare(QStringLiteral("SELECT 1 FROM seen_files WHERE sha256 = ?"));
    q.addBindValue(sha256);
    return q.exec() && q.next();
}

BookError SeenFiles::remember(const QList<Entry> &entries, const QDateTime &at)
{
    return SqlTransaction::apply(QSqlDatabase::database(book.connectionName()), [&](QSqlQuery &q) {
        q.prepare(QStringLiteral("INSERT OR IGNORE INTO seen_files (sha256, name, at, ok) VALUES (?, ?, ?, ?)"));
        for (const Entry &e : entries) {
            q.addBindValue(e.sha256);
            q.addBindValue(e.name);
            q.addBindValue(at.toUTC().toString(Qt::ISODateWithMs));
            q.addBindValue(e.ok ? 1 : 0);
            if (!q.exec())
                return false;
        }
        return true;
    });
}
