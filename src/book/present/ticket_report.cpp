#include "ticket_report.h"

#include <QCoreApplication>
#include <QLocale>

#include "ticket_table_model.h"
#include "ticket_texts.h"

QString TicketReport::html(const QString &filter, const QList<GradedTicket> &shown, const TicketTotals &all,
                           const QDateTime &printed)
{
    // Printed from the tickets tab, the words keep its context in the catalogue.
    QString html;
    html += QStringLiteral("<html><body><h2>%1</h2>").arg(QCoreApplication::translate("TicketView", "Numbers3 and Numbers4 tickets").toHtmlEscaped());
    html += QStringLiteral("<p>%1<br>%2</p>")
                .arg(QCoreApplication::translate("TicketView", "%1: %2 of %3 tickets, printed %4")
                         .arg(filter, QString::number(shown.size()), QString::number(all.tickets),
                              QLocale().toString(printed, QStringLiteral("yyyy-MM-dd HH:mm")))
                         .toHtmlEscaped(),
                     TicketTexts::summary(all).toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><thead><tr>");
    for (int column = 0; column < TicketTableModel::ColumnCount; ++column)
        html += QStringLiteral("<th>%1</th>").arg(TicketTableModel::title(column).toHtmlEscaped());
    html += QStringLiteral("</tr></thead>");
    bool anyTheoretical = false;
    for (const GradedTicket &row : shown) {
        html += QStringLiteral("<tr>");
        for (int column = 0; column < TicketTableModel::ColumnCount; ++column) {
            QString text = TicketTableModel::display(row, column).toString().toHtmlEscaped();
            // The table marks such a prize with a sign; on paper it is said in words.
            if (column == TicketTableModel::PrizeColumn && row.grade.won() && row.grade.theoretical) {
                text += QStringLiteral(" <small>(%1)</small>").arg(QCoreApplication::translate("TicketView", "theoretical").toHtmlEscaped());
                anyTheoretical = true;
            }
            const bool right = TicketTableModel::alignment(column) & Qt::AlignRight;
            // Only the note may wrap; a date or an amount split over two lines reads badly.
            const QString wrap = column == TicketTableModel::NoteColumn ? QString() : QStringLiteral(" style=\"white-space: nowrap\"");
            html += QStringLiteral("<td%1%2>%3</td>").arg(right ? QStringLiteral(" align=\"right\"") : QString(), wrap, text);
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    if (anyTheoretical)
        html += QStringLiteral("<p><small>%1</small></p>")
                    .arg((QStringLiteral("\u2248 ")
                          + QCoreApplication::translate("TicketView", "theoretical prize: the book does not know that draw's actual prize for the way."))
                             .toHtmlEscaped());
    html += QStringLiteral("</body></html>");
    return html;
}
