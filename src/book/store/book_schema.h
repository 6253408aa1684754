#ifndef BOOK_SCHEMA_H
#define BOOK_SCHEMA_H

#include <QList>
#include <QStringList>

class QSqlQuery;

// The book's tables, as steps: step i brings the schema from version i to
// i + 1 (PRAGMA user_version). Steps are appended, never edited: a book
// written by an older program takes every step after its own version.
class BookSchema
{
public:
    // The statements of each step, oldest first.
    static const QList<QStringList> &steps();

    // Runs the steps from version `from` up to `to` and sets user_version,
    // in the caller's transaction. False at the first statement that fails;
    // q.lastError() says why.
    static bool upgrade(QSqlQuery &q, int from, int to);
};

#endif
