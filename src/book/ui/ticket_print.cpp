#include "ticket_print.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>

#include <cstdio>

void TicketPrint::setUp(QPrinter *printer)
{
    printer->setDocName(QCoreApplication::translate("TicketView", "Numbers3 tickets"));
    printer->setPageOrientation(QPageLayout::Landscape);
}

void TicketPrint::paint(QPrinter *printer, const QString &html, const QFont &font)
{
    QTextDocument document;
    document.setDefaultFont(font);
    document.setHtml(html);
    document.print(printer);
}

void TicketPrint::preview(QWidget *parent, const std::function<QString()> &html)
{
    QPrinter printer(QPrinter::HighResolution);
    setUp(&printer);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QCoreApplication::translate("TicketView", "Print tickets"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, parent,
                     [parent, &html](QPrinter *target) { paint(target, html(), parent->font()); });
    preview.exec();
}

bool TicketPrint::writePdf(const QString &path, const QString &html, const QFont &font)
{
    // Written beside the file and renamed over it only when whole: a failed
    // write neither passes for a good one nor spoils the PDF saved before.
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(part);
        setUp(&printer);
        paint(&printer, html, font);
    }
    const bool written = QFileInfo(part).isFile() && QFileInfo(part).size() > 0
        && std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) == 0;
    if (!written)
        QFile::remove(part);
    return written;
}
