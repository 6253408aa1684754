#ifndef IMPORT_QUESTIONS_H
#define IMPORT_QUESTIONS_H

#include <QCoreApplication>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "book_store.h"

class ImportRun;
class QWidget;

// What the window's import asks and shows while it runs: the reading of
// many files behind a progress dialog that can stop it, and the question
// before a result entered by hand is replaced. Its words are the window's.
class ImportQuestions
{
    Q_DECLARE_TR_FUNCTIONS(ImportQuestions)

public:
    // Runs the import to its end, or until the user stops it, then asks
    // about the results entered by hand that its files would replace. From
    // `progressFrom` files on, a dialog shows how far the reading got.
    static void run(QWidget *parent, ImportRun &import, int progressFrom);

private:
    // The draws whose hand-entered value the user agreed to replace.
    static QSet<qint64> askReplace(QWidget *parent, const QString &path, const QList<BookConflict> &conflicts);
    static void runWithProgress(QWidget *parent, ImportRun &import);
};

#endif
