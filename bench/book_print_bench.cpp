// The tickets tab's "Save tickets as PDF" beside its CSV export: 10,000
// tickets over a book of 7,147 draws written both ways, in turns, so that
// the machine's other work falls on both alike. Prints the medians in
// milliseconds and their ratio beside its limit of 2x. Runs offscreen
// unless a display is given.
//
// Draws 1..7088 are the real results; draws 7089..7147 and the tickets are
// benchmark filler (filler_book.h, filler_tickets.h), never shown to users.
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFont>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include "book_store.h"
#include "filler_book.h"
#include "filler_tickets.h"
#include "ticket_list.h"
#include "ticket_print.h"
#include "ticket_report.h"
#include "ticket_store.h"
#include "ticket_totals.h"

namespace {

constexpr int Draws = 7147;
constexpr int Tickets = 10000;
constexpr int Runs = 3;
constexpr double Limit = 2.0;

double median(QList<double> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    BookStore store;
    store.open(dir.filePath(QStringLiteral("book.sqlite")));
    const ImportReport r = store.importFile(fillerBook(Draws));
    if (!r.ok)
        std::printf("could not fill the book: %s\n", qPrintable(r.error));
    TicketStore tickets(store);
    if (const BookError error = tickets.add(fillerTickets(Tickets, Draws), nullptr, Draws + 400); error.failed())
        std::printf("could not add the tickets: %s\n", qPrintable(error.text));
    const QList<GradedTicket> rows = tickets.graded();
    const TicketTotals totals = TicketTotals::over(rows);
    std::printf("platform %s; %d draws, %d tickets\n", qPrintable(QGuiApplication::platformName()), store.count(), int(rows.size()));

    const QString csv = dir.filePath(QStringLiteral("tickets.csv"));
    const QString pdf = dir.filePath(QStringLiteral("tickets.pdf"));
    const QFont font = QApplication::font();
    QList<double> csvTimes, pdfTimes;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        QString error;
        if (!TicketList::write(csv, rows, &error, TicketList::Layout::WithCollecting))
            std::printf("CSV not written: %s\n", qPrintable(error));
        csvTimes << timer.nsecsElapsed() / 1e6;
        timer.restart();
        // What the window does: the list as printed, laid out and written.
        const TicketSheet sheet = TicketReport::sheet(QStringLiteral("All tickets"), rows, totals, QDateTime::currentDateTime());
        if (!TicketPrint::writePdf(pdf, sheet, font, &error))
            std::printf("PDF not written: %s\n", qPrintable(error));
        pdfTimes << timer.nsecsElapsed() / 1e6;
    }
    std::printf("%-40s median %9.1f ms (%d runs)\n", "the tickets as CSV (the export)", median(csvTimes), Runs);
    std::printf("%-40s median %9.1f ms (%d runs)\n", "the same rows as PDF (Save as PDF)", median(pdfTimes), Runs);
    const double ratio = median(pdfTimes) / median(csvTimes);
    std::printf("PDF against CSV: %.1fx (limit %.0fx) %s\n", ratio, Limit, ratio <= Limit ? "within" : "OVER");
    return 0;
}
