#include "book_cli.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

#include "book_options.h"
#include "book_store.h"
#include "bundled_report.h"
#include "collect_texts.h"
#include "due_reminders.h"
#include "export_file.h"
#include "fetch_cli.h"
#include "import_batch.h"
#include "import_texts.h"
#include "ticket_import.h"
#include "ticket_list.h"
#include "ticket_rules.h"
#include "ticket_store.h"
#include "ticket_texts.h"
#include "watched_folder.h"

int BookCli::run(BookStore &store, const BookStore::OpenResult &opened, const BookOptions &options)
{
    const bool listOnStdout = options.exportTickets && ExportFile::isStandardOutput(*options.exportTickets);
    QTextStream out(listOnStdout ? stderr : stdout);
    if (!opened.message.isEmpty())
        out << options.database << ": " << opened.message << '\n';
    if (!opened.usable())
        return 1;
    if (!store.loadBundled()) {
        out << options.database << ": " << QCoreApplication::translate("BookCli", "error: %1").arg(store.lastError().text) << '\n';
        return 1;
    }
    // A book an earlier release filled says once what this one added.
    const QString caughtUp = BundledReport::headline(store.bundledCatchUp());
    if (!caughtUp.isEmpty()) {
        out << options.database << ": " << caughtUp << '\n';
        for (const QString &line : BundledReport::differences(store.bundledCatchUp()))
            out << "  " << line << '\n';
    }
    out.flush();
    int status = options.import ? importFiles(store, options.files, QDateTime::currentDateTimeUtc(), out) : 0;
    if (options.watch)
        status = qMax(status, watch(store, QDateTime::currentDateTimeUtc(), out));
    if (options.fetchAddress)
        status = qMax(status, FetchCli::setAddress(store, *options.fetchAddress, out));
    if (options.fetch && status < 2)
        status = qMax(status, FetchCli::run(store, QDateTime::currentDateTimeUtc(), out));
    // Wins whose last day comes near are said when results come in without the window.
    if (options.watch || options.fetch)
        remind(store, QDate::currentDate());
    if (options.importTickets)
        status = qMax(status, importTickets(store, *options.importTickets, options.addAgain, out));
    if (options.exportTickets)
        status = qMax(status, exportTickets(store, *options.exportTickets, out, options.withCollecting));
    return status;
}

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
        for (const QString &line : ImportTexts::details(r))
            out << line << '\n';
    }
    const QString graded = ImportTexts::graded(ImportBatch::graded(store, before));
    if (!graded.isEmpty())
        out << graded << '\n';
    out.flush();
    return status;
}

namespace {
BookCli::Notifier &notifierHook()
{
    static BookCli::Notifier hook;
    return hook;
}
} // namespace

void BookCli::setNotifier(const Notifier &notifier)
{
    notifierHook() = notifier;
}

void BookCli::remind(BookStore &store, const QDate &today)
{
    const Notifier &notify = notifierHook();
    if (!notify)
        return;
    const QList<GradedTicket> unsent = DueReminders::unsent(store, TicketStore(store).graded(), today);
    if (!unsent.isEmpty() && notify(CollectTexts::reminderTitle(int(unsent.size())), CollectTexts::reminderBody(unsent, today)))
        DueReminders::markSent(store, unsent, today, QDateTime::currentDateTimeUtc());
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
        if (look.error.failed())
            out << folder << ": " << QCoreApplication::translate("BookCli", "error: %1").arg(look.error.text) << '\n';
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
int ticketOutcome(QTextStream &out, const QString &file, const QString &error, const QString &done = QString())
{
    out << file << ": ";
    if (!error.isEmpty())
        out << QCoreApplication::translate("BookCli", "error: %1").arg(error);
    else
        out << done;
    out << '\n';
    out.flush();
    return error.isEmpty() ? 0 : 1;
}

} // namespace

int BookCli::importTickets(BookStore &store, const QString &file, bool addAgain, QTextStream &out)
{
    const int maxDraw = TicketRules::maxDrawFor(QDateTime::currentDateTimeUtc());
    const TicketList::Parsed list = TicketList::read(file, maxDraw);
    if (!list.ok())
        return ticketOutcome(out, file, list.error);
    TicketStore tickets(store);
    const TicketImport::Outcome outcome =
        TicketImport::store(tickets, list.tickets, addAgain ? TicketImport::Repeats::AddAgain : TicketImport::Repeats::Skip, maxDraw);
    return ticketOutcome(out, file, outcome.error.text, TicketTexts::added(outcome.added.size(), outcome.skipped, list.padded));
}

int BookCli::exportTickets(BookStore &store, const QString &file, QTextStream &out, bool withCollecting)
{
    TicketStore tickets(store);
    QList<GradedTicket> rows = tickets.graded();
    // As the window shows them: a drawn ticket whose result the book lacks is not waiting.
    TicketRules::markResultsDue(rows, QDateTime::currentDateTimeUtc());
    QString error = tickets.lastError().text;
    if (error.isEmpty())
        TicketList::write(file, rows, &error, withCollecting ? TicketList::Layout::WithCollecting : TicketList::Layout::Results);
    // Exported to standard output, the report goes beside it, not into it.
    QTextStream side(stderr);
    const QString written = rows.size() == 1 ? QCoreApplication::translate("BookCli", "1 ticket written")
                                             : QCoreApplication::translate("BookCli", "%1 tickets written").arg(rows.size());
    return ticketOutcome(ExportFile::isStandardOutput(file) ? side : out, file, error, written);
}
