#include "ticket_print.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QSet>
#include <QTextLayout>
#include <QTextOption>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <numeric>

#include "export_file.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TicketPrint", text);
}

// Progress over parent while rows are laid out; Stop ends them.
std::unique_ptr<QProgressDialog> progressOver(QWidget *parent, int rows)
{
    auto progress = std::make_unique<QProgressDialog>(tr("Laying out the ticket list..."), tr("&Stop"), 0, qMax(1, rows), parent);
    progress->setWindowTitle(tr("Numbers3 and Numbers4 tickets"));
    progress->setAccessibleName(tr("Ticket list layout progress"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(300);
    progress->setMinimumWidth(progress->fontMetrics().horizontalAdvance(progress->windowTitle()) * 2);
    return progress;
}

// What QPrinter::HighResolution gives on this platform.
constexpr int HighResolutionDpi = 1200;
// Rows between two looks at Stop.
constexpr int RowsPerStep = 100;

QFont scaled(QFont font, double by)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * by);
    else
        font.setPixelSize(qMax(1, qRound(font.pixelSize() * by)));
    return font;
}

// The sheet's table measured in one font on one device: each column as wide
// as its widest cell or title, the wrapping one given the rest of the width.
struct Grid
{
    QList<double> left;  // from the body's left edge
    QList<double> width;
    QTextOption row;  // a tab stop in each column, on one line
    double pad = 0;
    double line = 0;  // the height of a row of one line
    bool fits = true;  // false when the wrapping column is left too little
};

// Text layout reads tab stops in the screen's units and scales them to the
// device's: by how much, found on a probe.
double tabScale(const QFont &font, QPaintDevice *device)
{
    QTextLayout probe(QStringLiteral("\tx"), font, device);
    QTextOption option;
    option.setTabs({ QTextOption::Tab(1000, QTextOption::LeftTab) });
    probe.setTextOption(option);
    probe.beginLayout();
    const QTextLine line = probe.createLine();
    probe.endLayout();
    const double x = line.isValid() ? line.cursorToX(1) : 0;
    return x > 0 ? x / 1000 : 1;
}

Grid measure(const TicketSheet &sheet, const QFont &font, const QFont &bold, QPaintDevice *device, double width)
{
    const QFontMetricsF metrics(font, device);
    const QFontMetricsF titles(bold, device);
    Grid grid;
    grid.pad = metrics.averageCharWidth() * 0.6;
    grid.line = metrics.height() * 1.3;
    double fixed = 0;
    for (qsizetype c = 0; c < sheet.columns.size(); ++c) {
        double widest = titles.horizontalAdvance(sheet.columns.at(c));
        if (c != sheet.wrapColumn) {
            QSet<QString> seen;  // dates and amounts repeat
            for (const QStringList &cells : sheet.rows) {
                const QString &text = cells.at(c);
                if (!seen.contains(text)) {
                    seen.insert(text);
                    widest = qMax(widest, metrics.horizontalAdvance(text));
                }
            }
            fixed += widest + 2 * grid.pad;
        }
        grid.width << widest + 2 * grid.pad;
    }
    if (sheet.wrapColumn >= 0) {
        // Room for a few words of a note a line, or the font gets smaller.
        const double least = qMax(grid.width.at(sheet.wrapColumn), metrics.averageCharWidth() * 18);
        grid.fits = width - fixed >= least;
        grid.width[sheet.wrapColumn] = qMax(least, width - fixed);
    } else {
        grid.fits = fixed <= width;
    }
    QList<QTextOption::Tab> tabs;
    const double scale = tabScale(font, device);
    double x = 0;
    for (qsizetype c = 0; c < grid.width.size(); ++c) {
        grid.left << x;
        tabs << (sheet.right.value(c) ? QTextOption::Tab((x + grid.width.at(c) - grid.pad) / scale, QTextOption::RightTab)
                                      : QTextOption::Tab((x + grid.pad) / scale, QTextOption::LeftTab));
        x += grid.width.at(c);
    }
    grid.row.setTabs(tabs);
    grid.row.setWrapMode(QTextOption::NoWrap);
    return grid;
}

// One row as a line of text: each cell after a tab, which puts it in its
// column; a note too long for its column is left out, to be drawn wrapped.
QString rowLine(const QStringList &cells, int leftOut)
{
    QString line;
    for (qsizetype c = 0; c < cells.size(); ++c) {
        line += QLatin1Char('\t');
        if (c != leftOut)
            line += cells.at(c);
    }
    return line;
}

} // namespace

void TicketPrint::setUp(QPrinter *printer)
{
    printer->setDocName(tr("Numbers3 and Numbers4 tickets"));
    printer->setPageOrientation(QPageLayout::Landscape);
}

QList<qsizetype> TicketPrint::pageStarts(const QList<double> &heights, double first, double others)
{
    QList<qsizetype> starts{ 0 };
    double room = first;
    double used = 0;
    for (qsizetype i = 0; i < heights.size(); ++i) {
        // Over the rest of a page, or over a first page shorter than the others.
        if (used + heights.at(i) > room && (used > 0 || room < others)) {
            starts << i;
            room = others;
            used = 0;
        }
        used += heights.at(i);
    }
    return starts;
}

bool TicketPrint::paint(QPagedPaintDevice *device, const TicketSheet &sheet, const QFont &base, const Going &going)
{
    QPainter painter(device);
    // 2 cm around the page, as a printed text document has.
    const double margin = 2 / 2.54 * device->logicalDpiY();
    const QRectF body(margin, margin, device->width() - 2 * margin, device->height() - 2 * margin);
    QFont font(base, device);
    QFont bold = font;
    bold.setBold(true);
    Grid grid = measure(sheet, font, bold, device, body.width());
    // Too wide for the page: a smaller font, as the widths shrink with it.
    for (int tries = 0; !grid.fits && tries < 3; ++tries) {
        const double fixed = std::accumulate(grid.width.cbegin(), grid.width.cend(), 0.0)
                             - (sheet.wrapColumn >= 0 ? grid.width.at(sheet.wrapColumn) : 0);
        const double by = qBound(0.3, 0.97 * body.width() / (fixed + (sheet.wrapColumn >= 0 ? grid.width.at(sheet.wrapColumn) : 0)), 0.97);
        font = scaled(font, by);
        bold = scaled(bold, by);
        grid = measure(sheet, font, bold, device, body.width());
    }
    const QFontMetricsF metrics(font, device);
    const double above = (grid.line - metrics.height()) / 2;

    // Each row's height: one line, or a wrapped note's lines.
    const double noteWidth = sheet.wrapColumn >= 0 ? grid.width.at(sheet.wrapColumn) - 2 * grid.pad : 0;
    QList<double> heights(sheet.rows.size(), grid.line);
    QList<bool> wrapped(sheet.rows.size(), false);
    for (qsizetype r = 0; r < sheet.rows.size(); ++r) {
        const QString note = sheet.wrapColumn >= 0 ? sheet.rows.at(r).at(sheet.wrapColumn) : QString();
        if (!note.isEmpty() && metrics.horizontalAdvance(note) > noteWidth) {
            wrapped[r] = true;
            heights[r] = metrics.boundingRect(QRectF(0, 0, noteWidth, 1e9), Qt::TextWordWrap, note).height() + 2 * above;
        }
    }

    int page = 1;
    const auto number = [&] {
        painter.setFont(font);
        painter.drawText(QRectF(body.left(), body.bottom(), body.width(), margin), Qt::AlignRight | Qt::AlignVCenter, QString::number(page));
    };
    const auto newPage = [&] {
        number();
        device->newPage();
        ++page;
    };

    // The title and the lines under it, on the first page only.
    double y = body.top();
    const auto words = [&](const QFont &f, const QString &text) {
        painter.setFont(f);
        const QRectF r = painter.boundingRect(QRectF(body.left(), y, body.width(), body.height()), Qt::TextWordWrap, text);
        painter.drawText(r, Qt::TextWordWrap, text);
        y = r.bottom();
    };
    words(scaled(bold, 1.4), sheet.title);
    y += grid.line / 2;
    for (const QString &line : sheet.heading)
        words(font, line);
    y += grid.line;

    QPen pen(Qt::black, device->logicalDpiY() / 144.0);  // half a point
    const QList<qsizetype> starts = pageStarts(heights, body.bottom() - y - grid.line, body.height() - grid.line);
    int done = 0;
    for (qsizetype p = 0; p < starts.size(); ++p) {
        if (p > 0) {
            newPage();
            y = body.top();
        }
        const double top = y;
        QList<QLineF> lines{ QLineF(body.left(), y, body.right(), y) };
        painter.setFont(bold);
        painter.drawText(QRectF(body.left(), y + above, body.width(), metrics.height()), rowLine(sheet.columns, -1), grid.row);
        y += grid.line;
        lines << QLineF(body.left(), y, body.right(), y);
        painter.setFont(font);
        const qsizetype end = p + 1 < starts.size() ? starts.at(p + 1) : sheet.rows.size();
        for (qsizetype r = starts.at(p); r < end; ++r) {
            const double height = qMin(heights.at(r), body.bottom() - y);  // a note longer than a page is cut
            const QStringList &cells = sheet.rows.at(r);
            painter.drawText(QRectF(body.left(), y + above, body.width(), metrics.height()),
                             rowLine(cells, wrapped.at(r) ? sheet.wrapColumn : -1), grid.row);
            if (wrapped.at(r))
                painter.drawText(QRectF(body.left() + grid.left.at(sheet.wrapColumn) + grid.pad, y + above, noteWidth, height - above),
                                 Qt::TextWordWrap, cells.at(sheet.wrapColumn));
            y += height;
            lines << QLineF(body.left(), y, body.right(), y);
            if (++done % RowsPerStep == 0 && going && !going(done, int(sheet.rows.size())))
                return false;
        }
        for (qsizetype c = 0; c <= grid.left.size(); ++c) {
            const double x = body.left() + (c < grid.left.size() ? grid.left.at(c) : grid.left.last() + grid.width.last());
            lines << QLineF(x, top, x, y);
        }
        painter.setPen(pen);
        painter.drawLines(lines);
    }
    if (!sheet.footnote.isEmpty()) {
        const QFont small = scaled(font, 0.85);
        const QFontMetricsF smallMetrics(small, device);
        y += above;
        if (y + smallMetrics.boundingRect(body, Qt::TextWordWrap, sheet.footnote).height() > body.bottom()) {
            newPage();
            y = body.top();
        }
        words(small, sheet.footnote);
    }
    number();
    return !going || going(done, int(sheet.rows.size()));
}

void TicketPrint::preview(QWidget *parent, const std::function<TicketSheet()> &sheet)
{
    QPrinter printer(QPrinter::HighResolution);
    setUp(&printer);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(tr("Print tickets"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, parent, [parent, &preview, &sheet](QPrinter *target) {
        // Printed to a file: never over the book or its files.
        if (!target->outputFileName().isEmpty() && ExportFile::isKept(target->outputFileName())) {
            QMessageBox::warning(&preview, tr("Print tickets"), tr("The tickets were not printed to %1: it is the book or a file the book keeps.").arg(target->outputFileName()));
            return;
        }
        const TicketSheet made = sheet();
        const auto progress = progressOver(&preview, int(made.rows.size()));
        paint(target, made, parent->font(), [&progress](int done, int) {
            progress->setValue(done);  // a modal dialog: the window repaints meanwhile
            return !progress->wasCanceled();
        });
    });
    preview.exec();
}

bool TicketPrint::writePdf(const QString &path, const TicketSheet &sheet, const QFont &font, QString *error, const Going &going)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(HighResolutionDpi);  // a QPrinter's, made without one off the window's thread
        writer.setTitle(tr("Numbers3 and Numbers4 tickets"));
        writer.setPageOrientation(QPageLayout::Landscape);
        if (!paint(&writer, sheet, font, going)) {
            *error = tr("Stopped before the end; nothing was written.");
            return false;
        }
    }
    return ExportFile::write(path, pdf.data(), error);
}

bool TicketPrint::writePdf(QWidget *parent, const QString &path, const TicketSheet &sheet, QString *error)
{
    std::atomic<int> done{ 0 };
    std::atomic<bool> stop{ false };
    bool written = false;
    const QFont font = parent->font();
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        written = writePdf(path, sheet, font, error, [&](int n, int) {
            done = n;
            return !stop;
        });
    }));
    const auto progress = progressOver(parent, int(sheet.rows.size()));
    QObject::connect(progress.get(), &QProgressDialog::canceled, progress.get(), [&stop] { stop = true; });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, progress.get(), [&] { progress->setValue(qMin(int(done), progress->maximum() - 1)); });
    // Queued to this thread: a worker done before exec() still ends the loop.
    QEventLoop waiting;
    QObject::connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    worker->start();
    tick.start(50);
    waiting.exec();
    worker->wait();
    return written;
}
