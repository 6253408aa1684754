#include "ticket_print.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>

#include "export_file.h"

void TicketPrint::setUp(QPrinter *printer)
{
    printer->setDocName(QCoreApplication::translate("TicketView", "Numbers3 and Numbers4 tickets"));
    printer->setPageOrientation(QPageLayout::Landscape);
}

void TicketPrint::paint(QPagedPaintDevice *device, const QString &html, const QFont &font)
{
    QTextDocument document;
    document.setDefaultFont(font);
    document.setHtml(html);
    document.print(device);
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

bool TicketPrint::writePdf(const QString &path, const QString &html, const QFont &font, QString *error)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(QPrinter(QPrinter::HighResolution).resolution());
        writer.setTitle(QCoreApplication::translate("TicketView", "Numbers3 and Numbers4 tickets"));
        writer.setPageOrientation(QPageLayout::Landscape);
        paint(&writer, html, font);
    }
    return ExportFile::write(path, pdf.data(), error);
}
