#include "book_cli.h"

#include <QCoreApplication>
#include <QTextStream>

#include "book_store.h"
#include "result_importer.h"
#include "ticket_list.h"
#include "ticket_rules.h"
#include "ticket_store.h"

int BookCli::importFiles(BookStore &store, const QStringList &files, QTextStream &out)
{
    // Read every file first, then store them in one transaction, each file
    // whole or not at all: a bad file does not stop the good ones.
    QList<ImportedFile> read;
    read.reserve(files.size());
    for (const QString &path : files)
        read.append(ResultImporter::read(path));
    const QList<ImportReport> reports = store.importFiles(read);

    int status = 0;
    for (qsizetype i = 0; i < reports.size(); ++i) {
        const ImportReport &r = reports.at(i);
        const QString &name = files.at(i);
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
    out.flush();
    return status;
}

int BookCli::importTickets(BookStore &store, const QString &file, QTextStream &out)
{
    const int maxDraw = TicketRules::maxDrawFor(QDateTime::currentDateTimeUtc());
    const TicketList::Parsed list = TicketList::read(file, maxDraw);
    QString error = list.error;
    TicketStore tickets(store);
    if (list.ok())
        tickets.add(list.tickets, nullptr, &error, maxDraw);
    if (!error.isEmpty()) {
        out << file << ": " << QCoreApplication::translate("BookCli", "error: %1").arg(error) << '\n';
        out.flush();
        return 1;
    }
    const qsizetype n = list.tickets.size();
    out << file << ": "
        << (n == 1 ? QCoreApplication::translate("BookCli", "1 ticket added")
                   : QCoreApplication::translate("BookCli", "%1 tickets added").arg(n))
        << '\n';
    out.flush();
    return 0;
}

int BookCli::exportTickets(BookStore &store, const QString &file, QTextStream &out)
{
    TicketStore tickets(store);
    const QList<GradedTicket> rows = tickets.graded();
    QString error = tickets.lastError();
    if (error.isEmpty())
        TicketList::write(file, rows, &error);
    if (!error.isEmpty()) {
        out << file << ": " << QCoreApplication::translate("BookCli", "error: %1").arg(error) << '\n';
        out.flush();
        return 1;
    }
    const qsizetype n = rows.size();
    out << file << ": "
        << (n == 1 ? QCoreApplication::translate("BookCli", "1 ticket written")
                   : QCoreApplication::translate("BookCli", "%1 tickets written").arg(n))
        << '\n';
    out.flush();
    return 0;
}
