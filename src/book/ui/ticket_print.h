#ifndef TICKET_PRINT_H
#define TICKET_PRINT_H

#include <QString>

#include <functional>

class QFont;
class QPrinter;
class QWidget;

// The ticket list on paper: a print preview to print from, or a PDF file.
// Both are landscape, where nine columns keep a date or an amount on one line.
class TicketPrint
{
public:
    // html is made again each time the preview paints; the page takes the
    // parent's font.
    static void preview(QWidget *parent, const std::function<QString()> &html);
    // Written beside path and renamed over it only when whole: a failed
    // write neither passes for a good one nor spoils the PDF saved before.
    static bool writePdf(const QString &path, const QString &html, const QFont &font);

private:
    static void setUp(QPrinter *printer);
    static void paint(QPrinter *printer, const QString &html, const QFont &font);
};

#endif
