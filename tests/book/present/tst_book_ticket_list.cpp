// The tickets list's model without a window: read from a book in pages it
// holds every ticket once, in the order the store reads them whole; its
// sort keeps each column's order, also after the rows change.
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QtTest>

#include "book_store.h"
#include "ticket_sort_proxy.h"
#include "ticket_store.h"
#include "ticket_table_model.h"

class TestBookTicketList : public QObject
{
    Q_OBJECT

private slots:
    void pages_data();
    void pages();
    void sortKeepsOrder();
};

namespace {

Ticket ticket(int draw, int number, Game game = Game::Numbers3)
{
    Ticket t;
    t.game = game;
    t.draw = draw;
    t.number = number;
    return t;
}

QList<qint64> ids(const QList<GradedTicket> &rows)
{
    QList<qint64> out;
    for (const GradedTicket &g : rows)
        out << g.ticket.id;
    return out;
}

} // namespace

void TestBookTicketList::pages_data()
{
    QTest::addColumn<QList<Ticket>>("tickets");
    QTest::addColumn<int>("downTo");  // fetchDownTo() this draw first
    QList<Ticket> spread, crowded, sparse;
    for (int i = 0; i < 1500; ++i)
        spread << ticket(1000 + i / 2, i % 1000, i % 3 ? Game::Numbers3 : Game::Numbers4);
    for (int i = 0; i < 900; ++i)
        crowded << ticket(5000, i);
    for (int draw : {4990, 4000, 12, 5001, 3999})
        crowded << ticket(draw, 7);
    for (int draw : {7000, 100, 4000, 1, 6999})
        for (int i = 0; i < 80; ++i)
            sparse << ticket(draw, i);
    QTest::newRow("none") << QList<Ticket>{} << 1;
    QTest::newRow("two a draw, both games, over many pages") << spread << 1200;
    QTest::newRow("one draw holds more than a page") << crowded << 4000;
    QTest::newRow("far apart draws") << sparse << 4000;
}

void TestBookTicketList::pages()
{
    QFETCH(QList<Ticket>, tickets);
    QFETCH(int, downTo);
    QTemporaryDir dir;
    BookStore book;
    QVERIFY(book.open(dir.filePath(QStringLiteral("book.sqlite"))).usable());
    TicketStore store(book);
    QVERIFY(!store.add(tickets, nullptr, 8000).failed());
    const QList<GradedTicket> whole = store.graded();

    TicketTableModel model;
    QSignalSpy loaded(&model, &TicketTableModel::loaded);
    model.load(&store);
    QCOMPARE(model.expected(), int(tickets.size()));
    QVERIFY(model.rowCount() >= qMin(int(tickets.size()), TicketTableModel::FirstPageRows));
    model.fetchDownTo(downTo);
    for (const GradedTicket &g : whole)
        if (g.ticket.draw >= downTo)
            QVERIFY2(model.rowOf(g.ticket.id) >= 0, qPrintable(QString::number(g.ticket.draw)));
    // The rest comes in by itself.
    QTRY_VERIFY(model.isLoaded());
    QCOMPARE(ids(model.rows()), ids(whole));
    QCOMPARE(loaded.size(), 1);
}

void TestBookTicketList::sortKeepsOrder()
{
    const auto rows = [](int shift) {
        QList<GradedTicket> out;
        for (int i = 0; i < 60; ++i) {
            GradedTicket g;
            g.ticket = ticket(7000 + (i * 7 + shift) % 13, (i * 37 + shift) % 1000, i % 2 ? Game::Numbers4 : Game::Numbers3);
            g.ticket.id = i + 1;
            g.ticket.units = 1 + (i * 5 + shift) % 9;
            g.ticket.note = QString(QChar(u'a' + (i * 11 + shift) % 26));
            g.grade.outcome = (i + shift) % 4 ? TicketGrade::NoWin : TicketGrade::StraightWin;
            g.grade.prize = g.grade.won() ? 1000 * ((i * 3 + shift) % 17) : 0;
            g.resultNumber = 0;
            out << g;
        }
        return out;
    };
    TicketTableModel model;
    TicketSortProxy proxy(&model, nullptr);
    proxy.setSortRole(TicketTableModel::SortRole);
    // Every column in turn, then the rows change under the list as it was
    // last sorted (their number the same) and every column again backwards.
    for (int shift : {0, 5}) {
        model.setRows(rows(shift));
        for (int step = 0; step < 2 * TicketTableModel::ColumnCount; ++step) {
            const int turn = shift ? 2 * TicketTableModel::ColumnCount - 1 - step : step;
            const int column = turn / 2;
            const Qt::SortOrder order = turn % 2 ? Qt::DescendingOrder : Qt::AscendingOrder;
            proxy.sort(column, order);
            for (int r = 1; r < proxy.rowCount(); ++r) {
                QVariant a = proxy.index(r - 1, column).data(TicketTableModel::SortRole);
                QVariant b = proxy.index(r, column).data(TicketTableModel::SortRole);
                if (order == Qt::DescendingOrder)
                    std::swap(a, b);
                QVERIFY2(QVariant::compare(a, b) != QPartialOrdering::Greater,
                         qPrintable(QStringLiteral("column %1, row %2").arg(column).arg(r)));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestBookTicketList)
#include "tst_book_ticket_list.moc"
