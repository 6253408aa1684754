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
#include "import_texts.h"
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
// half of its bytes, as while it downloads), "empty NAME", "many NAME" (a
// book CSV of draws 100 to 899), "mv FROM TO" (over TO, as a browser does),
// "now NAME" (written a moment ago), "full" (the book's disk full), "room"
// (space freed), "restart" (the program started again), and
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
        << QStringList{ "put A1007073.CSV A1007073-as-text.txt", "look 0 0 1", "look 1 0 0", "put A1009999.CSV A1007073-as-text.txt",
                        "put results.csv plain_1338_1340.csv", "put results-copy.csv plain_1338_1340.csv", "look 0 0 3",
                        "look 1 0 0", "look 0 0 0", "restart", "look 0 0 4", "look 0 0 0" }
        << QStringList{ "A1007073.CSV", "A1009999.CSV", "results-copy.csv", "results.csv" };
    // After a bad download the browser saves the next beside it.
    QTest::newRow("a browser's second copy is taken")
        << QStringList{ "put A1007073.CSV bad_truncated.csv", "look 0 0 1", "look 0 1 0", "put A1007073(1).CSV A1007073-as-text.txt",
                        "put A1007073+(2).CSV A1005167.CSV", "put dl.csv A1001340.CSV", "look 0 0 3", "look 3 0 0", "look 0 0 0" }
        << QStringList{ "A1007073 (2).CSV", "A1007073(1).CSV", "A1007073.CSV", "dl.csv" };
    QTest::newRow("an empty file beside its .part is a download under way")
        << QStringList{ "empty A1007073.CSV", "half A1007073.CSV.part A1007073-as-text.txt", "look 0 0 1", "look 0 0 1",
                        "put A1007073.CSV.part A1007073-as-text.txt", "mv A1007073.CSV.part A1007073.CSV", "look 0 0 1",
                        "look 1 0 0", "empty A1007074.CSV", "put A1007074.CSV.crdownload A1007073-as-text.txt", "look 0 0 1" }
        << QStringList{ "A1007073.CSV", "A1007074.CSV", "A1007074.CSV.crdownload" };
    // Not kept as taken: said again on the next start, until a whole copy comes.
    QTest::newRow("a file with one game is looked at again")
        << QStringList{ "put A1005167.CSV A1005167.CSV", "look 0 0 1", "look 1 0 0", "look 0 0 0", "restart", "look 0 0 1", "look 1 0 0" }
        << QStringList{ "A1005167.CSV" };
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
        // A "+" in a name stands for a space.
        const QStringList w = step.split(QLatin1Char(' ')).replaceInStrings(QStringLiteral("+"), QStringLiteral(" "));
        if (w.at(0) == QLatin1String("put") || w.at(0) == QLatin1String("half")) {
            QByteArray bytes = fixture(w.at(2));
            QVERIFY(!bytes.isEmpty());
            if (w.at(0) == QLatin1String("half"))
                bytes.truncate(bytes.size() / 2);
            QVERIFY(write(folder.filePath(w.at(1)), bytes));
        } else if (w.at(0) == QLatin1String("empty")) {
            QVERIFY(write(folder.filePath(w.at(1)), QByteArray()));
        } else if (w.at(0) == QLatin1String("restart")) {
            watched = WatchedFolder();
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
            QFile::remove(folder.filePath(w.at(2)));
            QVERIFY(QFile::rename(folder.filePath(w.at(1)), folder.filePath(w.at(2))));
        } else {
            const WatchedFolder::Look look = watched.look(store, folder.path(), Later);
            QVERIFY2(!look.error.failed(), qPrintable(look.error.text));
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

// The words of new results, each naming its game, of the tickets of them
// that won (game, kind and prize), and of the files' warnings as the
// import report has them.
void TstBookWatch::news()
{
    QTemporaryDir dir;
    BookStore store;
    QVERIFY(store.open(dir.filePath(QStringLiteral("book.sqlite"))).usable());
    // The operator's file for 7073 under another draw's name.
    QVERIFY(write(dir.filePath(QStringLiteral("A1007179.CSV")), fixture(QStringLiteral("A1007073-as-text.txt"))));
    const QList<DrawResult> before = store.allDraws();
    WatchedFolder watched;
    QVERIFY(watched.look(store, dir.path(), Later).outcomes.isEmpty());
    const WatchedFolder::Look look = watched.look(store, dir.path(), Later);
    QCOMPARE(look.outcomes.size(), 1);
    QVERIFY2(look.outcomes.at(0).report.ok, qPrintable(look.outcomes.at(0).report.error));
    const WatchNews none = WatchNews::since(store, before);
    QCOMPARE(none.draws, (QStringList{ QStringLiteral("Numbers3 draw 7073: 188"), QStringLiteral("Numbers4 draw 7073: 6916") }));
    QVERIFY(none.wins.isEmpty());
    QCOMPARE(none.summary(), QStringLiteral("2 new results in the book"));
    const QString warning = QStringLiteral("A1007179.CSV: warning: the file's name is for draw 7179, but it holds draw 7073");
    QCOMPARE(ImportTexts::warnings(look.outcomes), QStringList{ warning });
    QVERIFY2(ImportTexts::report(look.outcomes).contains(warning.section(QStringLiteral(": "), 1)), qPrintable(ImportTexts::report(look.outcomes)));
    // One draw of two games: a draw and its results, each counted in its own word.
    QVERIFY2(ImportTexts::report(look.outcomes).endsWith(QStringLiteral("New in the book: 1 draw, 2 results.")), qPrintable(ImportTexts::report(look.outcomes)));

    // The same import with winning tickets of both games and a losing one.
    BookStore again;
    QVERIFY(again.open(dir.filePath(QStringLiteral("again.sqlite"))).usable());
    Ticket set;
    set.draw = 7073;
    set.number = 818;
    set.way = Ticket::Set;
    Ticket box = set;
    box.game = Game::Numbers4;
    box.number = 6196;
    box.way = Ticket::Box;
    Ticket miss = set;
    miss.number = 819;
    const BookError error = TicketStore(again).add({ set, box, miss }, nullptr);
    QVERIFY2(!error.failed(), qPrintable(error.text));
    const QList<DrawResult> empty = again.allDraws();
    WatchedFolder other;
    other.look(again, dir.path(), Later);
    QCOMPARE(other.look(again, dir.path(), Later).outcomes.size(), 1);
    const WatchNews won = WatchNews::since(again, empty);
    QCOMPARE(won.wins.size(), 2);
    QVERIFY2(won.wins.join(QLatin1Char('|')).contains(QStringLiteral("Numbers3 draw 7073, 818 set-box 3-way: ")), qPrintable(won.wins.join(QLatin1Char('|'))));
    QVERIFY2(won.wins.join(QLatin1Char('|')).contains(QStringLiteral("Numbers4 draw 7073, 6196 box 12-way: ")), qPrintable(won.wins.join(QLatin1Char('|'))));
    QVERIFY2(won.wins.at(0).endsWith(QStringLiteral("yen, actual prize")), qPrintable(won.wins.at(0)));
    QCOMPARE(won.summary(), QStringLiteral("2 tickets won"));
    QVERIFY(won.body().startsWith(won.wins.join(QLatin1Char('\n')) + QLatin1Char('\n')));
}

QTEST_GUILESS_MAIN(TstBookWatch)
#include "tst_book_watch.moc"
