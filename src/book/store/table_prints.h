#ifndef TABLE_PRINTS_H
#define TABLE_PRINTS_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

class QFile;
class QSqlQuery;

// Fingerprints of the book's tables, each over the bytes of every page of
// the table and its indexes (as SQLite's dbstat lists them), their page
// numbers, their schema rows and the file's page size and text encoding.
// SQLite reads a table by walking its pages from its root: when every page
// it had is byte for byte as it was, so are its rows, so a table whose
// print still holds after another program's write to the book needs no new
// BookContentCheck. Both calls want a read transaction open on q and the
// book's file opened before it (and closed only after it, as a close drops
// SQLite's locks). A WAL book gets no prints: its pages may be in the log.
//
// Each leaf page of a table is printed on its own as well. When only leaves
// changed (an edit of a few rows: the inner pages, the indexes and the
// schema byte for byte as they were), only the rows on them need checking.
class TablePrints
{
public:
    struct Changes
    {
        QSet<QString> same;  // tables as they were
        // Tables where only these rows' leaf pages changed, by rowid.
        QHash<QString, QList<qint64>> rows;
    };

    // One line a table: hash, pages, name, and the print of all but its
    // leaves and each leaf's. Empty when dbstat is missing or something
    // could not be read: then every table is checked.
    static QByteArray record(QSqlQuery &q, QFile &book);
    // What still holds of the prints in `recorded`.
    static Changes compare(QSqlQuery &q, QFile &book, const QByteArray &recorded);
};

#endif
