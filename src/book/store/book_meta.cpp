#include "book_meta.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "book_session.h"
#include "sql_transaction.h"

QString BookMeta::value(const QString &key, const QString &fallback) const
{
    QSqlQuery q(QSqlDatabase::database(book.connectionName()));
    q.prepare(QStringLiteral("SELECT value FROM meta WHERE key = ?"));
    q.addBindValue(key);
    if (!q.exec() || !q.next() || q.value(0).isNull())
        return fallback;
    return q.value(0).toString();
}

bool BookMeta::flag(const QString &key, bool fallback) const
{
    const QString v = value(key);
    return v.isEmpty() ? fallback : v != QLatin1String("0");
}

BookError BookMeta::setValue(const QString &key, const QString &value)
{
    return SqlTransaction::apply(QSqlDatabase::database(book.connectionName()), [&](QSqlQuery &q) {
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO meta (key, value) VALUES (?, ?)"));
        q.addBindValue(key);
        q.addBindValue(value);
        return q.exec();
    });
}

BookError BookMeta::setFlag(const QString &key, bool on)
{
    return setValue(key, on ? QStringLiteral("1") : QStringLiteral("0"));
}
