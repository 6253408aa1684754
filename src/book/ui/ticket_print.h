#ifndef TICKET_PRINT_H
#define TICKET_PRINT_H

#include <QString>
#include <QStringList>

#include <functional>

class QFont;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

// The ticket list on paper: a print preview to print from, or a PDF file.
// Both are landscape, where nine columns keep a date or an amount on one line.
// The list comes in parts (TicketReport::parts), laid out one at a time: a
// long list shows its progress and can be stopped.
class TicketPrint
{
public:
    // After each part: how many are done of how many; false stops.
    using Going = std::function<bool(int done, int total)>;
    // Rows in a part: a part is laid out in a moment, and two fit a page.
    static constexpr int RowsPerPart = 10;

    // parts are made again each time the preview paints; the page takes the
    // parent's font.
    static void preview(QWidget *parent, const std::function<QStringList()> &parts);
    // Made whole in memory, then written as every export is (ExportFile):
    // a failed or stopped write neither passes for a good one nor spoils the
    // PDF saved before. *error says why it failed. Any thread will do.
    static bool writePdf(const QString &path, const QStringList &parts, const QFont &font, QString *error, const Going &going = {});
    // The same off the window's thread, with the progress shown over parent
    // and a Stop.
    static bool writePdf(QWidget *parent, const QString &path, const QStringList &parts, QString *error);
    // The parts one after another, a part starting a page only when it does
    // not fit on the rest of one. False when going stopped it.
    static bool paint(QPagedPaintDevice *device, const QStringList &parts, const QFont &font, const Going &going);

private:
    static void setUp(QPrinter *printer);
};

#endif
