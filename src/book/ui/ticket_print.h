#ifndef TICKET_PRINT_H
#define TICKET_PRINT_H

#include <QString>

#include <functional>

class QFont;
class QPagedPaintDevice;
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
    // Made whole in memory, then written as every export is (ExportFile):
    // a failed write neither passes for a good one nor spoils the PDF saved
    // before. *error says why it failed.
    static bool writePdf(const QString &path, const QString &html, const QFont &font, QString *error);

private:
    static void setUp(QPrinter *printer);
    static void paint(QPagedPaintDevice *device, const QString &html, const QFont &font);
};

#endif
