#include "sql_transaction.h"

#include <QSqlError>
#include <QSqlQuery>

SqlTransaction::SqlTransaction(const QSqlDatabase &db) : db(db)
{
}

SqlTransaction::~SqlTransaction()
{
    if (open)
        rollback();
}

bool SqlTransaction::run(const QString &sql)
{
    std::shared_ptr<QSqlQuery> &q = statements[sql];
    if (!q) {
        q = std::make_shared<QSqlQuery>(db);
        q->prepare(sql);
    }
    if (q->exec())
        return true;
    failure = BookError::fromSql(q->lastError());
    return false;
}

bool SqlTransaction::begin()
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        failure = BookError::fromSql(q.lastError());
        return false;
    }
    open = true;
    return true;
}

bool SqlTransaction::commit()
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("COMMIT"))) {
        failure = BookError::fromSql(q.lastError());
        rollback();
        return false;
    }
    open = false;
    return true;
}

void SqlTransaction::rollback()
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("ROLLBACK"));
    open = false;
}

bool SqlTransaction::savepoint(const QString &name)
{
    return run(QStringLiteral("SAVEPOINT ") + name);
}

void SqlTransaction::release(const QString &name)
{
    run(QStringLiteral("RELEASE ") + name);
}

bool SqlTransaction::rollbackTo(const QString &name)
{
    QSqlQuery q(db);
    const bool held = q.exec(QStringLiteral("ROLLBACK TO ") + name);
    q.exec(QStringLiteral("RELEASE ") + name);
    return held;
}

BookError SqlTransaction::apply(const QSqlDatabase &db, const std::function<bool(QSqlQuery &)> &work)
{
    SqlTransaction tx(db);
    if (!tx.begin())
        return tx.error();
    QSqlQuery q(db);
    if (!work(q))
        return BookError::fromSql(q.lastError());
    if (!tx.commit())
        return tx.error();
    return BookError();
}
