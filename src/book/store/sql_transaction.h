#ifndef SQL_TRANSACTION_H
#define SQL_TRANSACTION_H

#include <QHash>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <memory>

#include "book_error.h"

class QSqlQuery;

// One BEGIN IMMEDIATE transaction on a connection of the book, rolled back
// when it goes out of scope uncommitted, so an early return stores nothing.
// Savepoints inside it let a batch keep each part whole or leave it out.
class SqlTransaction
{
public:
    explicit SqlTransaction(const QSqlDatabase &db);
    ~SqlTransaction();
    SqlTransaction(const SqlTransaction &) = delete;
    SqlTransaction &operator=(const SqlTransaction &) = delete;

    // BEGIN IMMEDIATE: waits for the write lock as long as the busy timeout.
    bool begin();
    // COMMIT; when that fails, everything is rolled back.
    bool commit();
    void rollback();

    // SAVEPOINT name.
    bool savepoint(const QString &name);
    // RELEASE name: what was done since the savepoint stays.
    void release(const QString &name);
    // ROLLBACK TO name, then RELEASE name: what was done since is undone.
    // False when the savepoint was gone: SQLite ended the transaction.
    bool rollbackTo(const QString &name);

    // Why the last step failed.
    BookError error() const { return failure; }

    // One small change: `work` runs its statements on a query of db inside
    // one transaction, which is committed when it returns true. What went
    // wrong, if anything (kind None when all of it is stored); on any
    // failure nothing is.
    static BookError apply(const QSqlDatabase &db, const std::function<bool(QSqlQuery &)> &work);

private:
    bool run(const QString &sql);

    QSqlDatabase db;
    bool open = false;
    BookError failure;
    // A batch sets and releases a savepoint per file, for thousands of
    // small files: each statement is compiled once.
    QHash<QString, std::shared_ptr<QSqlQuery>> statements;
};

#endif
