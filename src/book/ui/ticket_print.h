#ifndef TICKET_PRINT_H
#define TICKET_PRINT_H

#include <QList>
#include <QString>

#include <functional>

#include "ticket_sheet.h"

class QFont;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

// The ticket list on paper: a print preview to print from, or a PDF file.
// Both are landscape, where twelve columns keep a date or an amount on one
// line. Rows are drawn straight onto the page, a line of text each, with the
// columns' titles at the top of every page: a list of thousands of tickets
// takes a moment, shows its progress and can be stopped.
class TicketPrint
{
public:
    // After each run of rows: how many are done of how many; false stops.
    using Going = std::function<bool(int done, int total)>;

    // The sheet is made again each time the preview paints; the page takes
    // the parent's font.
    static void preview(QWidget *parent, const std::function<TicketSheet()> &sheet);
    // Made whole in memory, then written as every export is (ExportFile):
    // a failed or stopped write neither passes for a good one nor spoils the
    // PDF saved before. *error says why it failed. Any thread will do.
    static bool writePdf(const QString &path, const TicketSheet &sheet, const QFont &font, QString *error, const Going &going = {});
    // The same off the window's thread, with the progress shown over parent
    // and a Stop.
    static bool writePdf(QWidget *parent, const QString &path, const TicketSheet &sheet, QString *error);
    // The sheet page after page. False when going stopped it.
    static bool paint(QPagedPaintDevice *device, const TicketSheet &sheet, const QFont &font, const Going &going);
    // The first row of each page, for rows of these heights, with `first`
    // room for rows on the first page and `others` on each one after. A row
    // starts a page when it does not fit on the rest of one; a row taller
    // than a page has one of its own. The first page may hold no row.
    static QList<qsizetype> pageStarts(const QList<double> &heights, double first, double others);

private:
    static void setUp(QPrinter *printer);
};

#endif
