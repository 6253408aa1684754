#include "book_cli.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

#include "book_store.h"
#include "export_file.h"
#include "import_batch.h"
#include "ticket_list.h"
#include "ticket_rules.h"
#include "ticket_store.h"
#include "ticket_texts.h"
#include "watched_folder.h"

int BookCli::importFiles(BookStore &store, const QStringList &paths, const QDateTime &now, QTextStream &out)
{
    const QStringList files = ImportBatch::expand(paths);
    if (files.isEmpty()) {
        out << QCoreApplication::translate("BookCli", "error: there is no CSV file in what was given") << '\n';
        out.flush();
        return 1;
    }
    const QList<DrawResult> before = store.everyDraw();
    // Hand-entered values are never replaced from here: no one is asked.
    return printOutcomes(store, ImportBatch::run(store, files, now), before, out);
}

int BookCli::printOutcomes(BookStore &store, const QList<ImportBatch::Outcome> &outcomes, const QList<DrawResult> &before,
                           QTextStream &out)
{
    int status = 0;
    for (const ImportBatch::Outcome &outcome : outcomes) {
        const ImportReport &r = outcome.report;
        const QString &name = outcome.path;
        if (!r.ok) {
            out << name << ": " << QCoreApplication::translate("BookCli", "error: %1").arg(r.error) << '\n';
            status = 1;
            continue;
        }
        out << name << ": " << r.summary() << '\n';
        for (const QString &note : r.notes)
            out << "  " << note << '\n';
        for (const QString &warning : r.warnings)
            out << "  " << QCoreApplication::translate("BookCli", "warning: %1").arg(warning) << '\n';
        for (const BookConflict &c : r.handConflicts)
            out << "  " << QCoreApplication::translate("BookCli", "draw %1: kept %2 (entered by hand), the file has %3")
                               .arg(c.draw).arg(c.kept.numberText(), c.offered.numberText())
                << '\n';
    }
    const QString graded = ImportBatch::gradedText(store, before);
    if (!graded.isEmpty())
        out << graded << '\n';
    out.flush();
    return status;
}

int BookCli::watch(BookStore &store, const QDateTime &now, QTextStream &out, int settleMs)
{
    const QString folder = WatchedFolder::folder(store);
    if (!QFileInfo(folder).isDir()) {
        out << folder << ": " << QCoreApplication::translate("BookCli", "error: the watched folder does not exist") << '\n';
        out.flush();
        return 1;
    }
    // A file is taken once it has kept its size between two looks a settle
    // apart; one still being written after a few looks is left for the next run.
    WatchedFolder watched(settleMs);
    QList<ImportBatch::Outcome> outcomes;
    const QList<DrawResult> before = store.everyDraw();
    WatchedFolder::Look look;
    for (int tries = 0; tries == 0 || (look.growing > 0 && tries < 6); ++tries) {
        if (tries > 0)
            QThread::msleep(settleMs);
        look = watched.look(store, folder, now);
        outcomes << look.outcomes;
        if (!look.error.isEmpty())
            out << folder << ": " << QCoreApplication::translate("BookCli", "error: %1").arg(look.error) << '\n';
    }
    if (look.growing > 0)
        out << folder << ": "
            << QCoreApplication::translate("BookCli", "files still being written, left for the next look: %1").arg(look.growing)
            << '\n';
    if (outcomes.isEmpty()) {
        out << folder << ": " << QCoreApplication::translate("BookCli", "nothing new") << '\n';
        out.flush();
        return 0;
    }
    return printOutcomes(store, outcomes, before, out);
}

namespace {

// "FILE: error: ..." and 1, or "FILE: 12 tickets added" and 0.
int ticketOutcome(QTextStream &out, const QString &file, const QString &error, qsizetype n, const char *one, const char *many,
                  int padded = 0)
{
    out << file << ": ";
    if (!error.isEmpty())
        out << QCoreApplication::translate("BookCli", "error: %1").arg(error);
    else
        out << TicketTexts::withPadded(n == 1 ? QCoreApplication::translate("BookCli", one)
                                              : QCoreApplication::translate("BookCli", many).arg(n), padded);
    out << '\n';
    out.flush();
    return error.isEmpty() ? 0 : 1;
}

} // namespace

int BookCli::importTickets(BookStore &store, const QString &file, bool addAgain, QTextStream &out)
{
    const int maxDraw = TicketRules::maxDrawFor(QDateTime::currentDateTimeUtc());
    const TicketList::Parsed list = TicketList::read(file, maxDraw);
    QString error = list.error;
    TicketStore tickets(store);
    QList<Ticket> added = list.tickets;
    if (list.ok() && addAgain)
        tickets.add(list.tickets, nullptr, &error, maxDraw);
    else if (list.ok())
        tickets.addMissing(list.tickets, &added, &error, maxDraw);
    const qsizetype skipped = list.tickets.size() - added.size();
    if (error.isEmpty() && skipped > 0) {
        out << file << ": "
            << TicketTexts::withPadded(QCoreApplication::translate("BookCli", "%1 added, %2 already in the book and not added again")
                                           .arg(added.size()).arg(skipped), list.padded)
            << '\n';
        out.flush();
        return 0;
    }
    return ticketOutcome(out, file, error, added.size(), QT_TRANSLATE_NOOP("BookCli", "1 ticket added"),
                         QT_TRANSLATE_NOOP("BookCli", "%1 tickets added"), list.padded);
}

int BookCli::exportTickets(BookStore &store, const QString &file, QTextStream &out)
{
    TicketStore tickets(store);
    const QList<GradedTicket> rows = tickets.graded();
    QString error = tickets.lastError();
    if (error.isEmpty())
        TicketList::write(file, rows, &error);
    // Exported to standard output, the report goes beside it, not into it.
    QTextStream side(stderr);
    return ticketOutcome(ExportFile::isStandardOutput(file) ? side : out, file, error, rows.size(), QT_TRANSLATE_NOOP("BookCli", "1 ticket written"),
                         QT_TRANSLATE_NOOP("BookCli", "%1 tickets written"));
}
