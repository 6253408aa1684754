// The watched folder: a file is taken once it has kept its size between two
// looks, never twice (by content, whatever its name), and a file that fails
// is reported once and left where it is. What came in is said in words,
// with the player's winning tickets.
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "book_store.h"
#include "draw_calendar.h"
#include "ticket_store.h"
#include "watch_news.h"
#include "watched_folder.h"

class TstBookWatch : public QObject
{
    Q_OBJECT

private slots:
    void looks_data();
    void looks();
    void news();
};

namespace {

QByteArray fixture(const QString &name)
{
    QFile f(QStringLiteral(BOOK_FIXTURES "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Written a minute ago, as if the writer were done.
bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush()
        && f.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
}

// After every result of this program's draws: none is refused as still to come.
const QDateTime Later(QDate(2030, 1, 1), QTime(0, 0), Qt::UTC);

} // namespace

// Steps, one a string: "put NAME FIXTURE", "half NAME FIXTURE" (the first
// half of its bytes, as while it downloads), "many NAME" (a book CSV of
// draws 100 to 899), "mv FROM TO", "now NAME" (written a moment ago), "full" (the book's disk full) and "room"
// (space freed), and
// "look IN REFUSED GROWING": a look that imports IN files, refuses
// REFUSED and sees GROWING files still changing.
void TstBookWatch::looks_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("left");  // files still in the folder at the end
    QTest::newRow("a growing file is read once complete")
        << QStringList{ "half A1005167.CSV A1005167.CSV", "look 0 0 1", "put A1005167.CSV A1005167.CSV", "look 0 0 1", "look 1 0 0",
                        "look 0 0 0" }
        << QStringList{ "A1005167.CSV" };
    QTest::newRow("a download renamed from .part is taken once")
        << QStringList{ "half a1005167.csv.part A1005167.CSV", "look 0 0 0", "put a1005167.csv.part A1005167.CSV",
                        "mv a1005167.csv.part a1005167.csv", "look 0 0 1", "look 1 0 0", "look 0 0 0" }
        << QStringList{ "a1005167.csv" };
    QTest::newRow("the same bytes under another name change nothing")
        << QStringList{ "put A1005167.CSV A1005167.CSV", "look 0 0 1", "look 1 0 0", "put A1009999.CSV A1005167.CSV",
                        "put results.csv plain_1338_1340.csv", "put results-copy.csv plain_1338_1340.csv", "look 0 0 3",
                        "look 1 0 0", "look 0 0 0" }
        << QStringList{ "A1005167.CSV", "A1009999.CSV", "results-copy.csv", "results.csv" };
    QTest::newRow("a damaged file is reported once and left in place")
        << QStringList{ "put A1007064.CSV bad_truncated.csv", "look 0 0 1", "look 0 1 0", "look 0 0 0" }
        << QStringList{ "A1007064.CSV" };
    QTest::newRow("other files are left alone")
        << QStringList{ "put notes.csv bad_prose.txt", "put A1005167.txt A1005167.CSV", "look 0 0 0", "look 0 0 0" }
        << QStringList{ "A1005167.txt", "notes.csv" };
    QTest::newRow("a download that pauses under its own name is read once complete")
        << QStringList{ "half A1005167.CSV A1005167.CSV", "now A1005167.CSV", "look 0 0 1", "look 0 0 1",
                        "put A1005167.CSV A1005167.CSV", "look 0 0 1", "look 1 0 0", "look 0 0 0" }
        << QStringList{ "A1005167.CSV" };
    QTest::newRow("a full disk leaves every file of the look for later")
        << QStringList{ "many a.csv", "put results.csv plain_1338_1340.csv", "put A1007064.CSV bad_truncated.csv", "look 0 0 3",
                        "full", "look 0 3 0", "look 0 3 0", "room", "look 2 1 0", "look 0 0 0" }
        << QStringList{ "A1007064.CSV", "a.csv", "results.csv" };
}

void TstBookWatch::looks()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, left);
    QTemporaryDir dir;
    const QDir folder(dir.filePath(QStringLiteral("in")));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    BookStore store;
    QVERIFY(store.open(dir.filePath(QStringLiteral("book.sqlite"))).usable());
    WatchedFolder watched;
    bool full = false;
    for (const QString &step : std::as_const(steps)) {
        const QStringList w = step.split(QLatin1Char(' '));
        if (w.at(0) == QLatin1String("put") || w.at(0) == QLatin1String("half")) {
            QByteArray bytes = fixture(w.at(2));
            QVERIFY(!bytes.isEmpty());
            if (w.at(0) == QLatin1String("half"))
                bytes.truncate(bytes.size() / 2);
            QVERIFY(write(folder.filePath(w.at(1)), bytes));
        } else if (w.at(0) == QLatin1String("many")) {
            QByteArray csv = "draw,date,number\n";
            for (int n = 100; n < 900; ++n)
                csv += QByteArray::number(n) + ',' + DrawCalendar::dateOf(n).toString(Qt::ISODate).toLatin1() + ','
                    + QByteArray::number(n % 1000).rightJustified(3, '0') + '\n';
            QVERIFY(write(folder.filePath(w.at(1)), csv));
        } else if (w.at(0) == QLatin1String("full") || w.at(0) == QLatin1String("room")) {
            full = w.at(0) == QLatin1String("full");
            QSqlQuery q(QSqlDatabase::database(store.connectionName()));
            QVERIFY(q.exec(QStringLiteral("PRAGMA page_count")) && q.next());
            QVERIFY(q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(full ? q.value(0).toInt() : 1 << 30)));
        } else if (w.at(0) == QLatin1String("now")) {
            QFile f(folder.filePath(w.at(1)));
            QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime));
        } else if (w.at(0) == QLatin1String("mv")) {
            QVERIFY(QFile::rename(folder.filePath(w.at(1)), folder.filePath(w.at(2))));
        } else {
            const WatchedFolder::Look look = watched.look(store, folder.path(), Later);
            QVERIFY2(look.error.isEmpty(), qPrintable(look.error));
            QCOMPARE(look.again, full);
            int in = 0;
            for (const ImportBatch::Outcome &o : look.outcomes) {
                in += o.report.ok ? 1 : 0;
                QVERIFY2(!full || o.report.error.contains(QLatin1String("disk is full")) || o.path.endsWith(QLatin1String("A1007064.CSV")),
                         qPrintable(o.report.error));
            }
            QCOMPARE(QStringList({ QString::number(in), QString::number(ImportBatch::failed(look.outcomes)),
                                   QString::number(look.growing) }).join(QLatin1Char(' ')),
                     step.mid(5));
        }
    }
    QCOMPARE(folder.entryList(QDir::Files, QDir::Name), left);
}

// The word of a new draw, and of the tickets of it that won with their prize.
void TstBookWatch::news()
{
    QTemporaryDir dir;
    BookStore store;
    QVERIFY(store.open(dir.filePath(QStringLiteral("book.sqlite"))).usable());
    QVERIFY(write(dir.filePath(QStringLiteral("A1001340.CSV")), fixture(QStringLiteral("A1001340.CSV"))));
    QString error;
    Ticket straight;
    straight.draw = 1340;
    straight.number = 0;  // set below from the file's result
    const QList<DrawResult> before = store.allDraws();
    WatchedFolder watched;
    QVERIFY(watched.look(store, dir.path(), Later).outcomes.isEmpty());
    const WatchedFolder::Look look = watched.look(store, dir.path(), Later);
    QCOMPARE(look.outcomes.size(), 1);
    QVERIFY2(look.outcomes.at(0).report.ok, qPrintable(look.outcomes.at(0).report.error));
    const std::optional<DrawResult> result = store.draw(1340);
    QVERIFY(result);
    const WatchNews none = WatchNews::since(store, before);
    QCOMPARE(none.draws, QStringList{ QStringLiteral("Draw 1340: %1").arg(result->numberText()) });
    QVERIFY(none.wins.isEmpty());
    QCOMPARE(none.summary(), QStringLiteral("A new result in the book"));

    // The same import with a winning ticket and a losing one in the book.
    BookStore again;
    QVERIFY(again.open(dir.filePath(QStringLiteral("again.sqlite"))).usable());
    straight.number = result->number;
    Ticket miss = straight;
    miss.number = (result->number + 1) % 1000;
    QVERIFY2(TicketStore(again).add({ straight, miss }, nullptr, &error), qPrintable(error));
    const QList<DrawResult> empty = again.allDraws();
    WatchedFolder other;
    other.look(again, dir.path(), Later);
    QCOMPARE(other.look(again, dir.path(), Later).outcomes.size(), 1);
    const WatchNews won = WatchNews::since(again, empty);
    QCOMPARE(won.wins.size(), 1);
    QVERIFY2(won.wins.at(0).startsWith(QStringLiteral("Draw 1340, %1 straight: ").arg(result->numberText())), qPrintable(won.wins.at(0)));
    QVERIFY2(won.wins.at(0).endsWith(QStringLiteral("yen, actual prize")), qPrintable(won.wins.at(0)));
    QCOMPARE(won.summary(), QStringLiteral("A ticket won"));
    QVERIFY(won.body().startsWith(won.wins.at(0) + QLatin1Char('\n')));
}

QTEST_GUILESS_MAIN(TstBookWatch)
#include "tst_book_watch.moc"
