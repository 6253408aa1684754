#ifndef DRAW_WRITER_H
#define DRAW_WRITER_H

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <optional>

#include "book_error.h"
#include "draw_result.h"
#include "import_report.h"
#include "imported_file.h"

class QSqlQuery;

// Writes draws into an open book, through statements prepared once per
// connection: thousands of small files would otherwise spend their time
// compiling SQL. The caller holds the transaction.
class DrawWriter
{
public:
    // progress: called while a file's draws are written (done of total);
    // may be empty, and is read at each call.
    DrawWriter(const QSqlDatabase &db, const std::function<void(int, int)> &progress);
    ~DrawWriter();
    DrawWriter(const DrawWriter &) = delete;
    DrawWriter &operator=(const DrawWriter &) = delete;

    // The draws of one file, each merged with what the book holds by
    // DrawMerge's rules; report says what it did. False (error()) when the
    // book refused a write: the caller rolls the file back.
    bool store(const ImportedFile &file, DrawResult::SourceKind kind, bool replaceExisting,
               const QHash<qint64, int> &replaceHand, ImportReport &report);

    // For a batch of several files: what the book holds over all their
    // draws is read once, and kept up to date by store() until endBatch().
    bool beginBatch(const QList<ImportedFile> &files);
    void endBatch();

    // A whole draw row, new or known.
    bool write(const DrawResult &r);
    // Keeps the whole row that replacement overwrites, so no value is lost.
    bool saveReplaced(const DrawResult &old, const DrawResult &replacement, const QDateTime &at);

    BookError error() const { return failure; }

private:
    QSqlQuery &prepared(const QString &sql);
    bool exec(QSqlQuery &q);
    bool loadKnown(const QList<ImportedFile> &files, QHash<qint64, DrawResult> &into);
    bool logImport(const ImportedFile &file, DrawResult::SourceKind kind, const ImportReport &report,
                   const QDateTime &at);

    QSqlDatabase db;
    const std::function<void(int, int)> &progress;
    QHash<QString, QSqlQuery *> statements;
    bool inBatch = false;
    QHash<qint64, DrawResult> batch;  // by DrawResult::key()
    BookError failure;
};

#endif
