// The tickets' print sheet: a theoretical prize is marked in words and
// explained under the table, other prizes are not; every cell is one line,
// only the note may wrap; the heading counts the shown tickets out of all.
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
    QTest::addColumn<QString>("prize");
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("footnote");
    QTest::newRow("theoretical") << row(TicketGrade::BoxWin, 30000, true) << QStringLiteral("\u224830,000 yen (theoretical)") << QString() << true;
    QTest::newRow("actual") << row(TicketGrade::BoxWin, 30000, false) << QStringLiteral("30,000 yen") << QString() << false;
    QTest::newRow("no winner") << row(TicketGrade::BoxWin, 0, false) << QStringLiteral("no winner reported") << QString() << false;
    // A theoretical flag on a ticket that did not win shows no prize to mark.
    QTest::newRow("no win") << row(TicketGrade::NoWin, 0, true) << QString() << QString() << false;
    QTest::newRow("waiting") << row(TicketGrade::Waiting, 0, false) << QString() << QString() << false;
    // A tab or a line break would move the cells after it out of their columns.
    QTest::newRow("note on one line") << row(TicketGrade::NoWin, 0, false, QStringLiteral("a\tb\nc\r\nd\u2028e"))
                                      << QString() << QStringLiteral("a b c  d e") << false;
}

void TestBookReport::prizeCell()
{
    QFETCH(GradedTicket, ticket);
    QFETCH(bool, footnote);
    const TicketSheet sheet = TicketReport::sheet(QStringLiteral("All tickets"), {ticket}, TicketTotals::over({ticket}), Printed);
    QCOMPARE(sheet.rows.size(), 1);
    QCOMPARE(sheet.rows.first().size(), sheet.columns.size());
    QTEST(sheet.rows.first().at(TicketTableModel::PrizeColumn), "prize");
    QTEST(sheet.rows.first().at(TicketTableModel::NoteColumn), "note");
    QCOMPARE(sheet.footnote.startsWith(QStringLiteral("\u2248 theoretical prize: the book does not know")), footnote);
    QCOMPARE(sheet.footnote.isEmpty(), !footnote);
}

void TestBookReport::heading()
{
    const QList<GradedTicket> all{row(TicketGrade::BoxWin, 30000, true), row(TicketGrade::NoWin, 0, false),
                                  row(TicketGrade::Waiting, 0, false)};
    const TicketSheet sheet = TicketReport::sheet(QStringLiteral("Won"), {all.first()}, TicketTotals::over(all), Printed);
    QCOMPARE(sheet.title, QStringLiteral("Numbers3 and Numbers4 tickets"));
    QCOMPARE(sheet.heading, QStringList({QStringLiteral("Won: 1 of 3 tickets, printed 2026-12-30 18:05"),
                                         QStringLiteral("Tickets: 3, waiting: 1; spent 1,200 yen, won 30,000 yen (of which 30,000 yen at theoretical prizes), "
                                                        "balance +28,800 yen, return 3,750.0%")}));
    QCOMPARE(sheet.rows.size(), 1);
    QCOMPARE(sheet.wrapColumn, int(TicketTableModel::NoteColumn));
    QVERIFY(sheet.right.at(TicketTableModel::PrizeColumn) && !sheet.right.at(TicketTableModel::NoteColumn));
}

QTEST_GUILESS_MAIN(TestBookReport)
#include "tst_book_report.moc"
