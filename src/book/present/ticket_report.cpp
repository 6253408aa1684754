#include "ticket_report.h"

#include <QCoreApplication>
#include <QLocale>

#include "ticket_table_model.h"
#include "ticket_texts.h"

namespace {

QString tr(const char *text)
{
    // Printed from the tickets tab, the words keep its context in the catalogue.
    return QCoreApplication::translate("TicketReport", text);
}

// A cell on one line: a tab or a line break in a note would push the
// cells after it out of their columns.
QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

TicketSheet TicketReport::sheet(const QString &filter, const QList<GradedTicket> &shown, const TicketTotals &all,
                                const QDateTime &printed)
{
    TicketSheet sheet;
    sheet.title = tr("Numbers3 and Numbers4 tickets");
    sheet.heading << tr("%1: %2 of %3 tickets, printed %4")
                         .arg(filter, QString::number(shown.size()), QString::number(all.tickets),
                              QLocale().toString(printed, QStringLiteral("yyyy-MM-dd HH:mm")))
                  << TicketTexts::summary(all);
    for (int column = 0; column < TicketTableModel::ColumnCount; ++column) {
        sheet.columns << TicketTableModel::title(column);
        sheet.right << bool(TicketTableModel::alignment(column) & Qt::AlignRight);
    }
    // Only the note may wrap; a date or an amount split over two lines reads badly.
    sheet.wrapColumn = TicketTableModel::NoteColumn;
    sheet.rows.reserve(shown.size());
    bool anyTheoretical = false;
    for (const GradedTicket &row : shown) {
        QStringList cells;
        cells.reserve(TicketTableModel::ColumnCount);
        for (int column = 0; column < TicketTableModel::ColumnCount; ++column) {
            QString text = oneLine(TicketTableModel::display(row, column).toString());
            // The table marks such a prize with a sign; on paper it is said in words.
            if (column == TicketTableModel::PrizeColumn && row.grade.won() && row.grade.theoretical) {
                text += QStringLiteral(" (%1)").arg(tr("theoretical"));
                anyTheoretical = true;
            }
            cells << text;
        }
        sheet.rows << cells;
    }
    if (anyTheoretical)
        sheet.footnote = QStringLiteral("\u2248 ") + tr("theoretical prize: the book does not know that draw's actual prize for the way.");
    return sheet;
}
