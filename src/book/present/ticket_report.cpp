#include "ticket_report.h"

#include <QCoreApplication>
#include <QLocale>

#include "ticket_table_model.h"
#include "ticket_texts.h"

QString TicketReport::html(const QString &filter, const QList<GradedTicket> &shown, const TicketTotals &all,
                           const QDateTime &printed)
{
    return parts(filter, shown, all, printed, qMax(qsizetype(1), shown.size())).constFirst();
}

namespace {

QString tableHead()
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><thead><tr>");
    for (int column = 0; column < TicketTableModel::ColumnCount; ++column)
        html += QStringLiteral("<th>%1</th>").arg(TicketTableModel::title(column).toHtmlEscaped());
    return html + QStringLiteral("</tr></thead>");
}

// One row of the table; *theoretical when its prize is only the theoretical one.
QString tableRow(const GradedTicket &row, bool *theoretical)
{
    QString html = QStringLiteral("<tr>");
    for (int column = 0; column < TicketTableModel::ColumnCount; ++column) {
        QString text = TicketTableModel::display(row, column).toString().toHtmlEscaped();
        // The table marks such a prize with a sign; on paper it is said in words.
        if (column == TicketTableModel::PrizeColumn && row.grade.won() && row.grade.theoretical) {
            text += QStringLiteral(" <small>(%1)</small>").arg(QCoreApplication::translate("TicketReport", "theoretical").toHtmlEscaped());
            *theoretical = true;
        }
        const bool right = TicketTableModel::alignment(column) & Qt::AlignRight;
        // Only the note may wrap; a date or an amount split over two lines reads badly.
        const QString wrap = column == TicketTableModel::NoteColumn ? QString() : QStringLiteral(" style=\"white-space: nowrap\"");
        html += QStringLiteral("<td%1%2>%3</td>").arg(right ? QStringLiteral(" align=\"right\"") : QString(), wrap, text);
    }
    return html + QStringLiteral("</tr>");
}

} // namespace

QStringList TicketReport::parts(const QString &filter, const QList<GradedTicket> &shown, const TicketTotals &all,
                                const QDateTime &printed, qsizetype rowsPerPart)
{
    // Printed from the tickets tab, the words keep its context in the catalogue.
    QString html;
    html += QStringLiteral("<html><body><h2>%1</h2>").arg(QCoreApplication::translate("TicketReport", "Numbers3 and Numbers4 tickets").toHtmlEscaped());
    html += QStringLiteral("<p>%1<br>%2</p>")
                .arg(QCoreApplication::translate("TicketReport", "%1: %2 of %3 tickets, printed %4")
                         .arg(filter, QString::number(shown.size()), QString::number(all.tickets),
                              QLocale().toString(printed, QStringLiteral("yyyy-MM-dd HH:mm")))
                         .toHtmlEscaped(),
                     TicketTexts::summary(all).toHtmlEscaped());
    QStringList parts;
    bool anyTheoretical = false;
    for (qsizetype first = 0; first < shown.size() || parts.isEmpty(); first += qMax(qsizetype(1), rowsPerPart)) {
        if (!parts.isEmpty())
            html = QStringLiteral("<html><body>");
        html += tableHead();
        for (qsizetype i = first; i < qMin(shown.size(), first + rowsPerPart); ++i)
            html += tableRow(shown.at(i), &anyTheoretical);
        html += QStringLiteral("</table>");
        parts << html;
    }
    if (anyTheoretical)
        parts.last() += QStringLiteral("<p><small>%1</small></p>")
                            .arg((QStringLiteral("\u2248 ")
                                  + QCoreApplication::translate("TicketReport", "theoretical prize: the book does not know that draw's actual prize for the way."))
                                     .toHtmlEscaped());
    for (QString &part : parts)
        part += QStringLiteral("</body></html>");
    return parts;
}
