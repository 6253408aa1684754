// The tickets' print page: a theoretical prize is marked in words and
// explained under the table, other prizes are not; cells are escaped, only
// the note may wrap; the heading counts the shown tickets out of all of them.
#include <QRegularExpression>
#include <QTest>

#include "graded_ticket.h"
#include "ticket_report.h"
#include "ticket_table_model.h"
#include "ticket_totals.h"

class TestBookReport : public QObject
{
    Q_OBJECT

private slots:
    void prizeCell_data();
    void prizeCell();
    void heading();
    void parts_data();
    void parts();
};

namespace {
GradedTicket row(TicketGrade::Outcome outcome, qint64 prize, bool theoretical, const QString &note = QString())
{
    GradedTicket g;
    g.ticket.draw = 7064;
    g.ticket.number = 251;
    g.ticket.way = Ticket::Box;
    g.ticket.units = 2;
    g.ticket.note = note;
    g.drawDate = QDate(2026, 9, 4);
    g.resultNumber = outcome == TicketGrade::Waiting ? -1 : 251;
    g.grade.outcome = outcome;
    g.grade.kind = outcome == TicketGrade::BoxWin ? TicketGrade::SixWay : TicketGrade::None;
    g.grade.prize = prize;
    g.grade.theoretical = theoretical;
    return g;
}

const QDateTime Printed(QDate(2026, 12, 30), QTime(18, 5));
}

void TestBookReport::prizeCell_data()
{
    QTest::addColumn<GradedTicket>("ticket");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<bool>("footnote");
    const QString nowrap = QStringLiteral("<td align=\"right\" style=\"white-space: nowrap\">");
    QTest::newRow("theoretical") << row(TicketGrade::BoxWin, 30000, true)
                                 << nowrap + QStringLiteral("\u224830,000 yen <small>(theoretical)</small></td>") << true;
    QTest::newRow("actual") << row(TicketGrade::BoxWin, 30000, false) << nowrap + QStringLiteral("30,000 yen</td>") << false;
    QTest::newRow("no winner") << row(TicketGrade::BoxWin, 0, false) << nowrap + QStringLiteral("no winner reported</td>") << false;
    // A theoretical flag on a ticket that did not win shows no prize to mark.
    QTest::newRow("no win") << row(TicketGrade::NoWin, 0, true) << nowrap + QStringLiteral("</td><td>") << false;
    QTest::newRow("waiting") << row(TicketGrade::Waiting, 0, false) << nowrap + QStringLiteral("</td><td>") << false;
    QTest::newRow("note escaped and wrapping") << row(TicketGrade::NoWin, 0, false, QStringLiteral("<b>&</b>"))
                                               << QStringLiteral("<td>&lt;b&gt;&amp;&lt;/b&gt;</td>") << false;
}

void TestBookReport::prizeCell()
{
    QFETCH(GradedTicket, ticket);
    QFETCH(QString, cells);
    QFETCH(bool, footnote);
    const QString html = TicketReport::html(QStringLiteral("All tickets"), {ticket}, TicketTotals::over({ticket}), Printed);
    QVERIFY2(html.contains(cells), qPrintable(html));
    QCOMPARE(html.contains(QStringLiteral("(theoretical)")), footnote);
    QCOMPARE(html.contains(QStringLiteral("\u2248 theoretical prize: the book does not know")), footnote);
    QVERIFY(html.endsWith(QStringLiteral("</table></body></html>")) != footnote);
}

void TestBookReport::heading()
{
    const QList<GradedTicket> all{row(TicketGrade::BoxWin, 30000, true), row(TicketGrade::NoWin, 0, false),
                                  row(TicketGrade::Waiting, 0, false)};
    const QString html = TicketReport::html(QStringLiteral("Won"), {all.first()}, TicketTotals::over(all), Printed);
    QVERIFY2(html.startsWith(QStringLiteral("<html><body><h2>Numbers3 and Numbers4 tickets</h2><p>Won: 1 of 3 tickets, printed 2026-12-30 18:05<br>"
                                            "Tickets: 3, waiting: 1; spent 1,200 yen, won 30,000 yen (of which 30,000 yen at theoretical prizes), "
                                            "balance +28,800 yen, return 3,750.0%</p>")),
             qPrintable(html));
    // One heading row and one row for the one shown ticket.
    QCOMPARE(html.count(QStringLiteral("<tr>")), 2);
}

void TestBookReport::parts_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("parts");  // of 30 rows at most
    QTest::newRow("none") << 0 << 1;
    QTest::newRow("parts just full") << 60 << 2;
    QTest::newRow("a last part of one") << 61 << 3;
}

// A long list prints in parts: every row once and in order, each part a
// table with its heading row, the title first and the note last.
void TestBookReport::parts()
{
    QFETCH(int, rows);
    QList<GradedTicket> shown;
    for (int i = 0; i < rows; ++i)
        shown << row(TicketGrade::BoxWin, 30000, i == rows - 1, QString::number(i));
    const QStringList parts = TicketReport::parts(QStringLiteral("All tickets"), shown, TicketTotals::over(shown), Printed, 30);
    QTEST(int(parts.size()), "parts");
    QStringList notes;
    static const QRegularExpression note(QStringLiteral("<td>(\\d+)</td>"));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QVERIFY(parts.at(i).startsWith(QLatin1String("<html><body>")) && parts.at(i).endsWith(QLatin1String("</body></html>")));
        QCOMPARE(parts.at(i).contains(QLatin1String("<h2>")), i == 0);
        QCOMPARE(parts.at(i).contains(QStringLiteral("\u2248 theoretical prize")), rows > 0 && i == parts.size() - 1);
        QCOMPARE(parts.at(i).count(QLatin1String("<th>")), int(TicketTableModel::ColumnCount));
        for (const QRegularExpressionMatch &m : note.globalMatch(parts.at(i)))
            notes << m.captured(1);
    }
    for (int i = 0; i < rows; ++i)
        QCOMPARE(notes.value(i), QString::number(i));
    QCOMPARE(notes.size(), rows);
}

QTEST_GUILESS_MAIN(TestBookReport)
#include "tst_book_report.moc"
