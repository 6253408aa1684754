#include "ticket_print.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QTextDocument>
#include <QTextFrame>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>

#include "export_file.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TicketPrint", text);
}

// Progress over parent while parts are laid out; Stop ends them.
std::unique_ptr<QProgressDialog> progressOver(QWidget *parent, int parts)
{
    auto progress = std::make_unique<QProgressDialog>(tr("Laying out the ticket list..."), tr("&Stop"), 0, parts, parent);
    progress->setWindowTitle(tr("Numbers3 and Numbers4 tickets"));
    progress->setAccessibleName(tr("Ticket list layout progress"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(300);
    return progress;
}

// What QPrinter::HighResolution gives on this platform.
constexpr int HighResolutionDpi = 1200;

} // namespace

void TicketPrint::setUp(QPrinter *printer)
{
    printer->setDocName(tr("Numbers3 and Numbers4 tickets"));
    printer->setPageOrientation(QPageLayout::Landscape);
}

bool TicketPrint::paint(QPagedPaintDevice *device, const QStringList &parts, const QFont &font, const Going &going)
{
    QPainter painter(device);
    // 2 cm around the page, as a printed text document has.
    const double margin = 2 / 2.54 * device->logicalDpiY();
    const QRectF body(margin, margin, device->width() - 2 * margin, device->height() - 2 * margin);
    int page = 1;
    double y = 0;
    const auto number = [&] { painter.drawText(QRectF(body.left(), body.bottom(), body.width(), margin), Qt::AlignRight | Qt::AlignVCenter, QString::number(page)); };
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QTextDocument part;
        part.documentLayout()->setPaintDevice(device);
        part.setDefaultFont(font);
        part.setDocumentMargin(0);
        part.setHtml(parts.at(i));
        part.setTextWidth(body.width());
        const double height = part.size().height();
        // A part taller than a page (long notes) goes on in slices.
        for (double from = 0; from < height; from += body.height()) {
            if (y > 0 && (from > 0 || y + qMin(height, body.height()) > body.height())) {
                number();
                device->newPage();
                ++page;
                y = 0;
            }
            const double slice = qMin(height - from, body.height());
            painter.save();
            painter.translate(body.left(), body.top() + y - from);
            part.drawContents(&painter, QRectF(0, from, body.width(), slice));
            painter.restore();
            y += slice;
        }
        if (going && !going(int(i + 1), int(parts.size())))
            return false;
    }
    number();
    return true;
}

void TicketPrint::preview(QWidget *parent, const std::function<QStringList()> &parts)
{
    QPrinter printer(QPrinter::HighResolution);
    setUp(&printer);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(tr("Print tickets"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, parent, [parent, &preview, &parts](QPrinter *target) {
        // Printed to a file: never over the book or its files.
        if (!target->outputFileName().isEmpty() && ExportFile::isKept(target->outputFileName())) {
            QMessageBox::warning(&preview, tr("Print tickets"), tr("The tickets were not printed to %1: it is the book or a file the book keeps.").arg(target->outputFileName()));
            return;
        }
        const QStringList made = parts();
        const auto progress = progressOver(&preview, int(made.size()));
        paint(target, made, parent->font(), [&progress](int done, int) {
            progress->setValue(done);  // a modal dialog: the window repaints meanwhile
            return !progress->wasCanceled();
        });
    });
    preview.exec();
}

bool TicketPrint::writePdf(const QString &path, const QStringList &parts, const QFont &font, QString *error, const Going &going)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(HighResolutionDpi);  // a QPrinter's, made without one off the window's thread
        writer.setTitle(tr("Numbers3 and Numbers4 tickets"));
        writer.setPageOrientation(QPageLayout::Landscape);
        if (!paint(&writer, parts, font, going)) {
            *error = tr("Stopped before the end; nothing was written.");
            return false;
        }
    }
    return ExportFile::write(path, pdf.data(), error);
}

bool TicketPrint::writePdf(QWidget *parent, const QString &path, const QStringList &parts, QString *error)
{
    std::atomic<int> done{ 0 };
    std::atomic<bool> stop{ false };
    bool written = false;
    const QFont font = parent->font();
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        written = writePdf(path, parts, font, error, [&](int n, int) {
            done = n;
            return !stop;
        });
    }));
    const auto progress = progressOver(parent, int(parts.size()));
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
