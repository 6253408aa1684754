// The results book's store: conflicts, idempotency, replacements that keep
// the old row, a process killed in the middle of an import, damaged, newer
// and foreign books, a busy book and a full disk.
#include <QCryptographicHash>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "book_store.h"
#include "bundled_data.h"
#include "support/bundled_rows.h"
#include "draw_calendar.h"
#include "export_file.h"
#include "payment_period.h"
#include "result_importer.h"
#include "ticket_store.h"
#include "support/self_child.h"

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(BOOK_FIXTURES "/") + name;
}

// Test input: draws after the last real one, dated by the calendar.
QByteArray laterDraws(int first, int count)
{
    QByteArray csv = "draw,date,number\n";
    for (int n = first; n < first + count; ++n)
        csv += QByteArray::number(n) + ',' + DrawCalendar::dateOf(n).toString(Qt::ISODate).toLatin1() + ','
            + QByteArray::number(n % 1000).rightJustified(3, '0') + '\n';
    return csv;
}

QByteArray digest(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QString integrity(const QString &path)
{
    QString answer;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next())
                answer = q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return answer;
}

// Runs one statement on the book with its CHECK constraints off, as another
// program might.
bool writeUnchecked(const QString &path, const QString &sql)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("unchecked"));
        db.setDatabaseName(path);
        QSqlQuery q(db);
        ok = db.open() && q.exec(QStringLiteral("PRAGMA ignore_check_constraints = ON")) && q.exec(sql)
            && q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("unchecked"));
    return ok;
}

// Flips the last byte of the right-most leaf page of an index: a rowid in
// its last cell, which only a full integrity check notices. inText: the last
// small letter there instead, a text key changed but not its length.
bool flipIndexByte(const QString &path, const QString &index, bool inText = false)
{
    int root = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("index"));
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (db.open() && q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"))
            && q.exec(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = '%1'").arg(index)) && q.next())
            root = q.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("index"));
    QFile f(path);
    if (root <= 1 || !f.open(QIODevice::ReadWrite))
        return false;
    const QByteArray head = f.read(100);
    const qint64 pageSize = qFromBigEndian<quint16>(head.constData() + 16);
    qint64 page = root;
    for (;;) {
        f.seek((page - 1) * pageSize);
        const QByteArray header = f.read(12);
        if (header.at(0) == 0x0a)  // a leaf of an index
            break;
        if (header.at(0) != 0x02)
            return false;
        page = qFromBigEndian<quint32>(header.constData() + 8);  // the right-most child
    }
    f.seek((page - 1) * pageSize);
    const QByteArray bytes = f.read(pageSize);
    qint64 at = pageSize - 1;
    while (inText && at > 0 && !(bytes.at(at) >= 'a' && bytes.at(at) <= 'z'))
        --at;
    f.seek((page - 1) * pageSize + at);
    return f.write(QByteArray(1, char(bytes.at(at) ^ 0x01))) == 1;
}

// Runs one statement on a table, then puts its indexes' pages back as they
// were: the table changed and its indexes did not.
bool writeBesideIndexes(const QString &path, const QString &table, const QString &sql)
{
    QList<qint64> pages;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("pages"));
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (db.open() && q.exec(QStringLiteral("SELECT pageno FROM dbstat WHERE name IN"
                                                 " (SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = '%1')").arg(table)))
            while (q.next())
                pages << q.value(0).toLongLong();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pages"));
    QFile f(path);
    if (pages.isEmpty() || !f.open(QIODevice::ReadWrite))
        return false;
    const qint64 pageSize = qFromBigEndian<quint16>(f.read(100).constData() + 16);
    QList<QByteArray> before;
    for (const qint64 page : std::as_const(pages)) {
        f.seek((page - 1) * pageSize);
        before << f.read(pageSize);
    }
    if (!writeUnchecked(path, sql))
        return false;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        f.seek((pages.at(i) - 1) * pageSize);
        f.write(before.at(i));
    }
    return f.flush();
}

// Writes a book from one of the snapshots beside this test (schemaN.sql: an
// older program's book as SQL text), a statement at a time.
bool writeSnapshot(const QString &path, const QString &name)
{
    QFile f(QStringLiteral(STORE_SNAPSHOTS "/") + name);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("snapshot"));
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString &line : QString::fromUtf8(f.readAll()).split(QStringLiteral(";\n"), Qt::SkipEmptyParts)) {
            QStringList kept = line.split(QLatin1Char('\n'));
            kept.removeIf([](const QString &l) { return l.startsWith(QLatin1String("--")); });
            ok = ok && q.exec(kept.join(QLatin1Char('\n')));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("snapshot"));
    return ok;
}

// Run as a child: import a file into a book, stop at the point asked for and
// wait there to be killed.
int crashChild()
{
    BookStore store;
    if (!store.open(qEnvironmentVariable("BOOK_PATH")).usable())
        return 3;
    const QString at = qEnvironmentVariable("BOOK_STOP");
    store.setProgressHandler([&at](int done, int total) {
        if (at == QLatin1String("middle") && done == total / 2) {
            std::printf("stopped\n");
            std::fflush(stdout);
            std::this_thread::sleep_for(std::chrono::seconds(60));
        }
    });
    const ImportReport r = store.importFile(ResultImporter::read(qEnvironmentVariable("BOOK_FILE")));
    std::printf(r.ok ? "stopped\n" : "failed\n");
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(60));
    return 0;
}

} // namespace

class TstBookStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void conflictsAndIdempotency();
    void exportRoundTrips();
    void exportsKeepOffTheBook_data();
    void exportsKeepOffTheBook();
    void olderBooksMigrate_data();
    void olderBooksMigrate();
    void booksCatchUp_data();
    void booksCatchUp();
    void killedDuringImport_data();
    void killedDuringImport();
    void unusableBookMovedAside_data();
    void unusableBookMovedAside();
    void replacementKeepsTheOldRow_data();
    void replacementKeepsTheOldRow();
    void refusedBookUntouched_data();
    void refusedBookUntouched();
    void busyAndFull();
    void leftLocks_data();
    void leftLocks();
    void oddFilesAtThePath_data();
    void oddFilesAtThePath();
    void defaultPathIgnoresRelativeXdg_data();
    void defaultPathIgnoresRelativeXdg();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString bookPath() const { return dir->filePath(QStringLiteral("book.sqlite")); }
};

void TstBookStore::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TstBookStore::conflictsAndIdempotency()
{
    BookStore store;
    QCOMPARE(store.open(bookPath()).status, BookStore::OpenStatus::Created);
    QVERIFY(store.loadBundled());
    QVERIFY(store.loadBundled());  // once only
    QCOMPARE(store.count(), bundledRows(RESULTS_CSV));
    QCOMPARE(store.draw(6)->sourceKind, DrawResult::Bundled);

    // A hand value, then a file that says otherwise: the hand value stays.
    BookError error;
    DrawResult hand;
    hand.draw = 7064;
    hand.date = QDate(2026, 9, 4);
    hand.number = 252;
    QVERIFY((error = store.addByHand(hand, false)).failed());  // the bundled 251 is there
    QVERIFY(!(error = store.addByHand(hand, true)).failed());
    const ImportedFile multi = ResultImporter::read(fixture(QStringLiteral("multi_7060_7064.csv")));
    ImportReport r = store.importFile(multi);
    QVERIFY2(r.ok, qPrintable(r.error));
    // The file's prizes differ from the bundled ones of 7061 to 7063: a file wins.
    QCOMPARE(r.summary(), QStringLiteral("0 new, 1 already known, 3 replaced, 1 kept (entered by hand)"));
    QCOMPARE(r.handConflicts.size(), 1);
    QCOMPARE(r.handConflicts.first().kept.number, 252);
    QCOMPARE(r.handConflicts.first().offered.number, 251);
    QCOMPARE(store.draw(7064)->number, 252);
    QCOMPARE(store.draw(7062)->prize[DrawResult::Straight], std::optional<qint64>(90200));

    // Twice changes nothing.
    const QList<DrawResult> before = store.allDraws();
    r = store.importFile(multi);
    QCOMPARE(r.summary(), QStringLiteral("0 new, 4 already known, 1 kept (entered by hand)"));
    const QList<DrawResult> after = store.allDraws();
    QCOMPARE(after.size(), before.size());
    for (qsizetype i = 0; i < after.size(); ++i)
        QVERIFY(after.at(i).sameContent(before.at(i)) && after.at(i).storedAt == before.at(i).storedAt);

    // With the user's yes the file wins.
    r = store.importFile(multi, { { DrawResult::key(Game::Numbers3, 7064), 252 } });
    QCOMPARE(r.replaced, 1);
    QCOMPARE(store.draw(7064)->number, 251);

    // An operator's value replaces a bundled one and says so (692 is what
    // the panel's built-in table holds for draw 6).
    ImportedFile six;
    six.fileName = QStringLiteral("A1000006.CSV");
    DrawResult d6 = *store.draw(6);
    d6.number = 692;
    six.draws = { d6 };
    r = store.importFile(six);
    QCOMPARE(r.summary(), QStringLiteral("0 new, 0 already known, 1 replaced"));
    QCOMPARE(r.notes, QStringList{ QStringLiteral("draw 6: bundled 792 replaced by 692 from A1000006.CSV") });

    // Changing a value the book already had is a replacement too, even when
    // the result stays: here a date off the calendar's day for draw 7064.
    r = store.importFile(ResultImporter::read(fixture(QStringLiteral("warn_off_day.csv"))));
    QCOMPARE(r.replaced, 1);
    QVERIFY2(r.notes.size() == 1 && r.notes.first().startsWith(QStringLiteral("draw 7064: date 2026-09-04 → 2026-09-03")),
             qPrintable(r.notes.join(QLatin1Char('|'))));

    // Lookups over the whole book, and the gap a later draw leaves.
    QCOMPARE(store.drawsWithNumber(692).first().draw, 6);
    for (const DrawResult &hit : store.boxHits(127)) {
        QString digits = hit.numberText();
        std::sort(digits.begin(), digits.end());
        QCOMPARE(digits, QStringLiteral("127"));
    }
    int boxCount = 0;
    for (const DrawResult &any : store.allDraws()) {
        QString digits = any.numberText();
        std::sort(digits.begin(), digits.end());
        boxCount += digits == QLatin1String("127");
    }
    QCOMPARE(store.boxHits(721).size(), boxCount);
    QVERIFY(store.missingDraws().isEmpty());
    const int last = bundledRows(RESULTS_CSV);
    QVERIFY(store.importFile(ResultImporter::parse(laterDraws(last + 2, 1), QStringLiteral("later.csv"))).ok);
    QCOMPARE(store.missingDraws(), QList<int>{ last + 1 });
    // Up to the last draw held so far, when it is later than the book's last.
    QCOMPARE(store.missingDraws(last + 5), (QList<int>{ last + 1, last + 3, last + 4, last + 5 }));
    QCOMPARE(store.missingDraws(7000), QList<int>{ last + 1 });
    QCOMPARE(store.lastDraw()->draw, last + 2);
}

void TstBookStore::exportRoundTrips()
{
    BookStore store;
    QVERIFY(store.open(bookPath()).usable());
    QVERIFY(store.loadBundled());
    for (const char *name : { "A1005167.CSV", "A1001340.CSV", "multi_7060_7064.csv", "plain_1338_1340.csv" })
        QVERIFY(store.importFile(ResultImporter::read(fixture(QLatin1String(name)))).ok);
    const QString csv = dir->filePath(QStringLiteral("export.csv"));
    QVERIFY(!store.exportCsv(csv).failed());

    BookStore copy;
    QVERIFY(copy.open(dir->filePath(QStringLiteral("copy.sqlite"))).usable());
    // Twice in one batch: the second copy finds the first's draws.
    const ImportedFile exported = ResultImporter::read(csv);
    const QList<ImportReport> twice = copy.importFiles({ exported, exported });
    QVERIFY2(twice.at(0).ok && twice.at(1).ok, qPrintable(twice.at(0).error + twice.at(1).error));
    QCOMPARE(twice.at(0).added, int(exported.draws.size()));
    QCOMPARE(twice.at(1).summary(), QStringLiteral("0 new, %1 already known").arg(exported.draws.size()));
    const QList<DrawResult> a = store.allDraws(), b = copy.allDraws();
    QCOMPARE(b.size(), a.size());
    for (qsizetype i = 0; i < a.size(); ++i)
        QVERIFY2(a.at(i).sameContent(b.at(i)), qPrintable(QString::number(a.at(i).draw)));
}

void TstBookStore::exportsKeepOffTheBook_data()
{
    QTest::addColumn<QString>("target");  // in the test's folder; "link": a link to the book, "link.lock" to its lock
    QTest::addColumn<bool>("kept");
    QTest::newRow("the book") << "book.sqlite" << true;
    QTest::newRow("by ./ and ..") << "./sub/../book.sqlite" << true;
    QTest::newRow("a link to the book") << "link" << true;
    QTest::newRow("a hard link to the book") << "hard" << true;
    QTest::newRow("its lock") << "book.sqlite.lock" << true;
    QTest::newRow("a link to its lock") << "link.lock" << true;
    QTest::newRow("its journal, not there yet") << "sub/../book.sqlite-journal" << true;
    QTest::newRow("a file beside it") << "book.csv" << false;
}

// No export goes over the open book or a file it keeps, however spelt.
void TstBookStore::exportsKeepOffTheBook()
{
    QFETCH(QString, target);
    QFETCH(bool, kept);
    BookStore store;
    QVERIFY(store.open(bookPath()).usable());
    QVERIFY(store.loadBundled());
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("sub")));
    if (target.startsWith(QLatin1String("link")))
        QVERIFY(QFile::link(bookPath() + QStringLiteral(".lock").left(target.size() - 4), dir->filePath(target)));
    if (target == QLatin1String("hard"))
        QVERIFY(::link(QFile::encodeName(bookPath()).constData(), QFile::encodeName(dir->filePath(target)).constData()) == 0);
    const QByteArray lock = digest(bookPath() + QStringLiteral(".lock"));
    QString why;
    QCOMPARE(ExportFile::write(QDir(dir->path()).filePath(target), "draw,number\n", &why), !kept);
    QVERIFY(!kept || QFileInfo(dir->filePath(QStringLiteral("book.sqlite-journal"))).size() == 0);
    QCOMPARE(digest(bookPath() + QStringLiteral(".lock")), lock);
    QFile book(bookPath());
    QVERIFY(book.open(QIODevice::ReadOnly) && book.read(15) == "SQLite format 3");
}

void TstBookStore::olderBooksMigrate_data()
{
    QTest::addColumn<QString>("snapshot");
    QTest::addColumn<int>("tickets");
    QTest::newRow("schema 1") << "schema1.sql" << 0;
    QTest::newRow("schema 2") << "schema2.sql" << 0;
    QTest::newRow("schema 3") << "schema3.sql" << 2;
    QTest::newRow("schema 4") << "schema4.sql" << 2;
    QTest::newRow("schema 5") << "schema5.sql" << 2;
}

void TstBookStore::olderBooksMigrate()
{
    QFETCH(QString, snapshot);
    QVERIFY(writeSnapshot(bookPath(), snapshot));
    BookStore store;
    QCOMPARE(store.open(bookPath()).status, BookStore::OpenStatus::Ok);
    QSqlQuery q(QSqlDatabase::database(store.connectionName()));
    QVERIFY(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
    QCOMPARE(q.value(0).toInt(), BookStore::SchemaVersion);
    // Every row kept, each draw as it came.
    QCOMPARE(store.count(), 3);
    QCOMPARE(store.draw(5)->sourceKind, DrawResult::Bundled);
    QCOMPARE(store.draw(6)->sourceKind, DrawResult::File);
    QCOMPARE(store.draw(6)->prize[DrawResult::Mini], std::optional<qint64>(9300));
    QCOMPARE(store.draw(7)->sourceKind, DrawResult::Hand);
    QCOMPARE(store.draw(7)->number, 318);
    for (const char *table : { "imports", "replaced", "meta" }) {
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))) && q.next());
        QCOMPARE(q.value(0).toInt(), 1);
    }
    QTEST(int(TicketStore(store).count()), "tickets");
    // Tickets keep their ids and notes, in the three-digit game.
    for (const GradedTicket &g : TicketStore(store).graded()) {
        QCOMPARE(g.ticket.game, Game::Numbers3);
        QCOMPARE(g.ticket.note, g.ticket.id == 1 ? QStringLiteral("birthday") : QString());
        // Uncollected, bought on paper, each with its draw's period by the rule.
        QVERIFY(!g.ticket.collected.isValid() && !g.ticket.online);
        QCOMPARE(g.period.until(), g.drawDate.addYears(1));
        QVERIFY(g.period.isByRule());
    }
    for (const DrawResult &r : store.allDraws())
        QCOMPARE(PaymentPeriod::of(r).until(), r.date.addYears(1));
    // The period the operator's file states is kept with the draw, even
    // one the book held from the bundled data with the same result.
    QVERIFY(store.loadBundled());
    QVERIFY(store.importFile(ResultImporter::read(fixture(QStringLiteral("A1007073-as-text.txt")))).ok);
    for (const Game game : { Game::Numbers3, Game::Numbers4 }) {
        const PaymentPeriod p = PaymentPeriod::of(*store.draw(7073, game));
        QCOMPARE(p.from(), QDate(2026, 9, 18));
        QCOMPARE(p.until(), QDate(2027, 9, 17));
        QVERIFY(!p.isByRule());
    }
    // A bundled draw of 29 February ends on 28 February by the rule.
    const PaymentPeriod leap = PaymentPeriod::of(*store.draw(6415, Game::Numbers4));
    QVERIFY(leap.isByRule() && leap.until() == QDate(2025, 2, 28));
}

// What a book holds of the bundled data before it is opened: one of the
// snapshots (SQL run over it after), or a book this program filled, then
// taken back by the SQL to what an earlier or a newer release left.
void TstBookStore::booksCatchUp_data()
{
    QTest::addColumn<QString>("snapshot");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QList<int>>("added");  // count, first, last
    QTest::addColumn<int>("prized");
    QTest::addColumn<QStringList>("kept");  // the differences told; hand values as "draw N: hand X, bundled Y"
    const int draws = bundledRows(RESULTS_CSV);
    const int prized = bundledRows(PRIZES_CSV);
    // Draw 6 (692 from a file, with prizes) and 7 (318 by hand) stay as they are.
    const QStringList snapshotKept{ "draw 6: kept 692 (A1000006.CSV), this release has 792", "draw 7: hand 318, bundled 708" };
    const QList<int> allBut567{ draws - 3, 1, draws };
    QTest::newRow("a new book") << "" << "" << QList<int>{ draws, 1, draws } << prized << QStringList();
    QTest::newRow("schema 1") << "schema1.sql" << "" << allBut567 << prized - 2 << snapshotKept;
    QTest::newRow("schema 2") << "schema2.sql" << "" << allBut567 << prized - 2 << snapshotKept;
    QTest::newRow("schema 3") << "schema3.sql" << "" << allBut567 << prized - 2 << snapshotKept;
    QTest::newRow("schema 4") << "schema4.sql" << "" << allBut567 << prized - 2 << snapshotKept;
    QTest::newRow("schema 5") << "schema5.sql" << "" << allBut567 << prized - 2 << snapshotKept;
    // A book marked as holding fewer bundled draws was never looked at again.
    QTest::newRow("schema 1, 2,000 bundled draws") << "schema1.sql" << "INSERT INTO meta VALUES ('bundled', '2000')"
                                                   << allBut567 << prized - 2 << snapshotKept;
    // The release before this one: three-digit draws 1 to 7064, no prizes.
    const QString earlier = QStringLiteral(
        "DELETE FROM draws WHERE draw > 7064 OR game = 4; DELETE FROM meta WHERE key = 'bundled_prizes';"
        " UPDATE meta SET value = '7064' WHERE key = 'bundled';"
        " UPDATE draws SET straight_prize = NULL, straight_winners = NULL, box_prize = NULL, box_winners = NULL,"
        " set_straight_prize = NULL, set_straight_winners = NULL, set_box_prize = NULL, set_box_winners = NULL,"
        " mini_prize = NULL, mini_winners = NULL");
    QTest::newRow("the release before") << "" << earlier << QList<int>{ draws - 7064, 7065, draws } << prized << QStringList();
    QTest::newRow("the release before, a draw by hand and one from a file")
        << "" << earlier + QStringLiteral("; UPDATE draws SET number = 187, source_kind = 2 WHERE draw = 7054;"
                                          " UPDATE draws SET straight_prize = 90000, source_kind = 1, source = 'x/a.csv' WHERE draw = 7053")
        << QList<int>{ draws - 7064, 7065, draws } << prized - 2
        << QStringList{ "draw 7053: kept straight prize 90000 (a.csv), this release has straight prize 88500", "draw 7054: hand 187, bundled 286" };
    QTest::newRow("a newer release's book") << "" << earlier + QStringLiteral("; UPDATE meta SET value = '99999' WHERE key = 'bundled'")
                                            << QList<int>{ 0, 0, 0 } << 0 << QStringList();
}

void TstBookStore::booksCatchUp()
{
    QFETCH(QString, snapshot);
    QFETCH(QString, setup);
    QFETCH(QList<int>, added);
    if (!snapshot.isEmpty()) {
        QVERIFY(writeSnapshot(bookPath(), snapshot));
    } else if (!setup.isEmpty()) {
        BookStore made;
        QVERIFY(made.open(bookPath()).usable() && made.loadBundled());
    }
    if (!setup.isEmpty()) {
        BookStore raw;
        QVERIFY(raw.open(bookPath()).usable());
        QSqlQuery q(QSqlDatabase::database(raw.connectionName()));
        for (const QString &sql : setup.split(QLatin1Char(';')))
            QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
    }
    const int before = [this] {
        BookStore look;
        return look.open(bookPath()).usable() ? look.count() : -1;
    }();

    BookStore store;
    QVERIFY(store.open(bookPath()).usable());
    QVERIFY2(store.loadBundled(), qPrintable(store.lastError().text));
    const BundledData::CatchUp &caughtUp = store.bundledCatchUp();
    QCOMPARE(caughtUp.earlier, caughtUp.changed() && before > 0);  // what a new book gets goes unsaid
    const BundledData::Gained &three = caughtUp.of(Game::Numbers3);
    QCOMPARE(three.added.size(), added.at(0));
    if (added.at(0) > 0)
        QCOMPARE((QList<int>{ three.added.first(), three.added.last() }), added.mid(1));
    QTEST(three.prized, "prized");
    // None of these books held the four-digit game: all of it comes in.
    const BundledData::Gained &four = caughtUp.of(Game::Numbers4);
    const bool anyNew = added.at(0) > 0 || three.prized > 0;
    QCOMPARE(four.added.size(), anyNew ? bundledRows(RESULTS4_CSV) : 0);
    QCOMPARE(four.prized, anyNew ? bundledRows(PRIZES4_CSV) : 0);
    QStringList kept = caughtUp.report.differences;
    for (const BookConflict &c : caughtUp.report.handConflicts)
        kept << QStringLiteral("draw %1: hand %2, bundled %3").arg(c.draw).arg(c.kept.numberText(), c.offered.numberText());
    QTEST(kept, "kept");
    QCOMPARE(store.count(), before + added.at(0));
    if (store.count() == bundledRows(RESULTS_CSV)) {
        QVERIFY(store.missingDraws().isEmpty());
        // The operator's prize and units, graded as actual; a prize not known stays empty.
        const DrawResult d7073 = *store.draw(7073);
        QCOMPARE(d7073.prize[DrawResult::Straight], std::optional<qint64>(87100));
        QCOMPARE(d7073.winners[DrawResult::Straight], std::optional<qint64>(62));
        QVERIFY(!store.draw(3170)->prize[DrawResult::Straight] && store.draw(3170)->prize[DrawResult::Box]);
        TicketStore tickets(store);
        Ticket t;
        t.draw = 7073;
        t.number = 188;
        BookError error;
        QVERIFY2(!(error = tickets.add({ t }, nullptr, 8000)).failed(), qPrintable(error.text));
        t.draw = 7080;  // drawn 702, its prizes not known
        t.number = 702;
        QVERIFY2(!(error = tickets.add({ t }, nullptr, 8000)).failed(), qPrintable(error.text));
        const QList<GradedTicket> graded = tickets.gradedForDraws({ 7073, 7080 });
        QCOMPARE(graded.size(), 2);
        QCOMPARE(graded.at(1).grade.prize, qint64(87100));
        QVERIFY(!graded.at(1).grade.theoretical);
        QCOMPARE(graded.at(0).grade.outcome, TicketGrade::StraightWin);
        QVERIFY(graded.at(0).grade.theoretical);

        // The four-digit game of the same draws: 7055 to 7060 not known yet,
        // the operator's box prize for 7073's 6916 paid as actual.
        QCOMPARE(store.missingDraws(0, Game::Numbers4), (QList<int>{ 7055, 7056, 7057, 7058, 7059, 7060 }));
        QCOMPARE(store.lastDraw(Game::Numbers4)->draw, 7074);
        Ticket box4{ 0, Game::Numbers4, 7073, 6916, Ticket::Box, 1, {}, {} };
        QVERIFY2(!(error = tickets.add({ box4 }, nullptr, 8000)).failed(), qPrintable(error.text));
        const QList<GradedTicket> both = tickets.gradedForDraws({ 7073 });
        QCOMPARE(both.size(), 2);
        for (const GradedTicket &g : both) {
            QCOMPARE(g.grade.prize, g.ticket.game == Game::Numbers4 ? qint64(82200) : qint64(87100));
            QVERIFY(!g.grade.theoretical);
        }
    }
    // Held values stay as they were.
    if (snapshot.isEmpty() == false) {
        QCOMPARE(store.draw(6)->number, 692);
        QCOMPARE(store.draw(6)->prize[DrawResult::Mini], std::optional<qint64>(9300));
        QCOMPARE(store.draw(7)->number, 318);
        QCOMPARE(store.draw(7)->sourceKind, DrawResult::Hand);
    }
    // Said once: the next open adds nothing and says nothing.
    const QList<DrawResult> once = store.allDraws();
    store.close();
    QVERIFY(store.open(bookPath()).usable());
    QVERIFY(store.loadBundled());
    QVERIFY(!store.bundledCatchUp().changed());
    QVERIFY(store.bundledCatchUp().report.differences.isEmpty() && store.bundledCatchUp().report.handConflicts.isEmpty());
    QCOMPARE(store.allDraws().size(), once.size());
}

void TstBookStore::killedDuringImport_data()
{
    QTest::addColumn<QString>("stop");
    QTest::addColumn<int>("expected");
    const int bundled = bundledRows(RESULTS_CSV);
    QTest::newRow("in the middle: none of the file") << "middle" << bundled;
    QTest::newRow("after the commit: all of it") << "after" << bundled + 4000;
}

void TstBookStore::killedDuringImport()
{
    QFETCH(QString, stop);
    {
        BookStore store;
        QVERIFY(store.open(bookPath()).usable());
        QVERIFY(store.loadBundled());
    }
    const QString file = dir->filePath(QStringLiteral("later.csv"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(laterDraws(bundledRows(RESULTS_CSV) + 1, 4000));
    f.close();

    QProcess child;
    QCOMPARE(startSelf(child, { { QStringLiteral("BOOK_CRASH_CHILD"), QStringLiteral("1") }, { QStringLiteral("BOOK_PATH"), bookPath() },
                                { QStringLiteral("BOOK_FILE"), file }, { QStringLiteral("BOOK_STOP"), stop } }),
             QByteArray("stopped\n"));
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished());

    QCOMPARE(integrity(bookPath()), QStringLiteral("ok"));
    BookStore store;
    QCOMPARE(store.open(bookPath()).status, BookStore::OpenStatus::Ok);
    QTEST(store.count(), "expected");
}

void TstBookStore::replacementKeepsTheOldRow_data()
{
    QTest::addColumn<bool>("byHand");
    QTest::newRow("a file without a date") << false;
    QTest::newRow("by hand without a date") << true;
}

void TstBookStore::replacementKeepsTheOldRow()
{
    QFETCH(bool, byHand);
    QVERIFY(writeSnapshot(bookPath(), QStringLiteral("schema1.sql")));
    BookStore store;
    QCOMPARE(store.open(bookPath()).status, BookStore::OpenStatus::Ok);
    QSqlQuery q(QSqlDatabase::database(store.connectionName()));
    QVERIFY(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
    QCOMPARE(q.value(0).toInt(), BookStore::SchemaVersion);
    QVERIFY(q.exec(QStringLiteral("SELECT old_number, new_number, old_mini_prize FROM replaced")) && q.next());
    QCOMPARE(q.value(0).toInt() * 1000 + q.value(1).toInt(), 792692);  // the first schema's record stays
    QVERIFY(q.value(2).isNull());
    q.finish();

    QVERIFY(store.loadBundled());
    QVERIFY(store.importFile(ResultImporter::read(fixture(QStringLiteral("A1001340.CSV")))).ok);
    const DrawResult old = *store.draw(1340);
    QVERIFY(old.prize[DrawResult::Mini] && old.winners[DrawResult::Mini]);

    DrawResult other;  // no date, no prizes
    other.draw = 1340;
    other.number = 598;
    BookError error;
    if (byHand)
        QVERIFY2(!(error = store.addByHand(other, true)).failed(), qPrintable(error.text));
    else
        QCOMPARE(store.importFile(ResultImporter::parse("draw,date,number\n1340,,598\n", QStringLiteral("fix.csv"))).replaced, 1);
    const DrawResult now = *store.draw(1340);
    QCOMPARE(now.number, 598);
    QCOMPARE(now.date, old.date);  // the same draw keeps its day
    for (int w = 0; w < DrawResult::WayCount; ++w)  // the old result's prizes are not the new one's
        QVERIFY(!now.prize[size_t(w)] && !now.winners[size_t(w)]);

    QVERIFY(q.exec(QStringLiteral("SELECT old_number, old_date, old_straight_prize, old_straight_winners, old_box_prize,"
                                  " old_box_winners, old_set_straight_prize, old_set_straight_winners, old_set_box_prize,"
                                  " old_set_box_winners, old_mini_prize, old_mini_winners, old_source_kind, old_source,"
                                  " old_stored_at, new_number FROM replaced WHERE draw = 1340 AND new_number = 598")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), old.number);
    QCOMPARE(q.value(1).toString(), old.date.toString(Qt::ISODate));
    for (int w = 0; w < DrawResult::WayCount; ++w) {
        QCOMPARE(q.value(2 + 2 * w).toLongLong(), *old.prize[size_t(w)]);
        QCOMPARE(q.value(3 + 2 * w).toLongLong(), *old.winners[size_t(w)]);
    }
    QCOMPARE(q.value(12).toInt(), int(DrawResult::File));
    QCOMPARE(q.value(13).toString(), old.source);
    QCOMPARE(QDateTime::fromString(q.value(14).toString(), Qt::ISODateWithMs), old.storedAt);
    QCOMPARE(q.value(15).toInt(), 598);
    QVERIFY(!q.next());
}

void TstBookStore::unusableBookMovedAside_data()
{
    QTest::addColumn<QByteArray>("damage");  // what overwrites the book from byte 0 or at a page
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("journal");  // a leftover -journal beside the book
    QTest::addColumn<bool>("leftovers");      // an earlier move left files under today's names
    // written past the schema's CHECKs; "index": a flipped byte in
    // draws_by_number; "beside:": written to draws but not to its indexes
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("found");       // what the message says was found
    const QByteArray text = QByteArray("draw,date,number\n1,1994-10-07,191\n").repeated(200);
    const QByteArray none;
    QTest::newRow("not a database") << text << 0 << none << false << QString() << "not a database";
    QTest::newRow("damaged pages") << QByteArray(16384, '\x5a') << 8192 << none << false << QString() << "Page ";
    QTest::newRow("not a database, with a journal") << text << 0 << QByteArray(600, '\x01') << false << QString()
                                                    << "not a database";
    QTest::newRow("damaged pages, with a journal") << QByteArray(16384, '\x5a') << 8192 << QByteArray(600, '\x01') << false
                                                   << QString() << "Page ";
    QTest::newRow("earlier leftovers") << text << 0 << QByteArray(600, '\x01') << true << QString() << "not a database";
    QTest::newRow("a flipped byte in the number index") << none << 0 << none << false << "index" << "draws_by_number";
    QTest::newRow("a changed letter in the index of settings")
        << none << 0 << none << false << "letter:sqlite_autoindex_meta_1:INSERT INTO meta VALUES ('watch_folder', '/home/a')"
        << "sqlite_autoindex_meta_1";
    QTest::newRow("a changed letter in the index of files seen")
        << none << 0 << none << false
        << "letter:sqlite_autoindex_seen_files_1:INSERT INTO seen_files VALUES ('9f86d081884c7d659a2feaa0c55ad015', 'a.csv', '', 1)"
        << "sqlite_autoindex_seen_files_1";
    QTest::newRow("a flipped bit in the header's schema number") << QByteArray("\x01", 1) << 61 << none << false << QString()
                                                                 << QStringLiteral("schema %1").arg(BookStore::SchemaVersion + 0x10000);
    QTest::newRow("a draw of 1234") << none << 0 << none << false << "UPDATE draws SET number = 1234 WHERE draw = 7000"
                                    << "table draws holds values that break its CHECK";
    QTest::newRow("a draw of 1234 written while the book was open")
        << none << 0 << none << false << "while open: UPDATE draws SET number = 1234 WHERE draw = 7000"
        << "table draws holds values that break its CHECK";
    // After an edit of a few rows, only those rows are checked.
    QTest::newRow("a source of 7 written over a draw") << none << 0 << none << false
                                                      << "UPDATE draws SET source_kind = 7 WHERE draw = 7000"
                                                      << "table draws holds values that break its CHECK";
    QTest::newRow("a draw's number changed beside its indexes")
        << none << 0 << none << false << "beside:UPDATE draws SET number = 123 WHERE game = 3 AND draw = 7000"
        << "index draws_by_number does not match the table draws";
    QTest::newRow("a draw gone beside its indexes") << none << 0 << none << false
                                                    << "beside:DELETE FROM draws WHERE game = 3 AND draw = 7000"
                                                    << "does not match the table draws";
    QTest::newRow("a ticket of way 9") << none << 0 << none << false
                                       << "INSERT INTO tickets (draw, number, way, units, created_at) VALUES (7000, 7, 9, 1, '')"
                                       << "table tickets holds values that break its CHECK";
}

void TstBookStore::unusableBookMovedAside()
{
    QFETCH(QByteArray, damage);
    QFETCH(int, offset);
    QFETCH(QByteArray, journal);
    QFETCH(bool, leftovers);
    QFETCH(QString, sql);
    // Written by another program while the book is open, or after this
    // program checked and closed it.
    const QString whileOpen = sql.startsWith(QLatin1String("while open: ")) ? sql.mid(12) : QString();
    {
        BookStore store;
        QVERIFY(store.open(bookPath()).usable());
        QVERIFY(store.loadBundled());
        if (!whileOpen.isEmpty())
            QVERIFY(writeUnchecked(bookPath(), whileOpen));
    }
    if (sql == QLatin1String("index")) {
        QVERIFY(flipIndexByte(bookPath(), QStringLiteral("draws_by_number")));
    } else if (sql.startsWith(QLatin1String("beside:"))) {
        QVERIFY(writeBesideIndexes(bookPath(), QStringLiteral("draws"), sql.mid(7)));
    } else if (sql.startsWith(QLatin1String("letter:"))) {
        QVERIFY(writeUnchecked(bookPath(), sql.section(QLatin1Char(':'), 2)));
        QVERIFY(flipIndexByte(bookPath(), sql.section(QLatin1Char(':'), 1, 1), true));
    } else if (!sql.isEmpty() && whileOpen.isEmpty()) {
        QVERIFY(writeUnchecked(bookPath(), sql));
    }
    QFile f(bookPath());
    QVERIFY(f.open(QIODevice::ReadWrite));
    if (offset == 0 && !damage.isEmpty())
        f.resize(0);
    f.seek(offset);
    f.write(damage);
    f.close();
    const QByteArray bytes = digest(bookPath());
    const auto write = [](const QString &path, const QByteArray &content) {
        QFile side(path);
        return side.open(QIODevice::WriteOnly) && side.write(content) == content.size();
    };
    if (!journal.isEmpty())
        QVERIFY(write(bookPath() + QStringLiteral("-journal"), journal));
    QStringList stale;  // side files of a moved book whose main file is gone
    const QDateTime start = QDateTime::currentDateTime();
    for (int s = 0; leftovers && s < 10; ++s) {
        stale << bookPath() + QStringLiteral(".broken-") + start.addSecs(s).toString(QStringLiteral("yyyyMMdd-HHmmss"))
                + QStringLiteral("-journal");
        QVERIFY(write(stale.last(), "stale"));
    }

    BookStore store;
    const BookStore::OpenResult r = store.open(bookPath());
    QCOMPARE(r.status, BookStore::OpenStatus::MovedAside);
    QVERIFY(r.movedTo.startsWith(bookPath() + QStringLiteral(".broken-")));
    QVERIFY2(r.message.contains(r.movedTo), qPrintable(r.message));
    QFETCH(QString, found);
    QVERIFY2(r.message.contains(found), qPrintable(r.message));
    QCOMPARE(digest(r.movedTo), bytes);  // kept as it was
    if (!journal.isEmpty()) {  // the journal went with it
        QVERIFY(!QFileInfo::exists(bookPath() + QStringLiteral("-journal")));
        QCOMPARE(digest(r.movedTo + QStringLiteral("-journal")), QCryptographicHash::hash(journal, QCryptographicHash::Sha256));
    }
    for (const QString &path : std::as_const(stale))
        QCOMPARE(digest(path), QCryptographicHash::hash("stale", QCryptographicHash::Sha256));
    QCOMPARE(store.count(), 0);          // a fresh book
    QVERIFY(store.loadBundled());
    QCOMPARE(store.count(), bundledRows(RESULTS_CSV));
}

void TstBookStore::refusedBookUntouched_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("wal");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    const int newer = int(BookStore::OpenStatus::NewerSchema), failed = int(BookStore::OpenStatus::Failed);
    QTest::newRow("newer schema") << BookStore::SchemaVersion + 1 << false << newer << "newer version";
    QTest::newRow("newer schema, WAL") << BookStore::SchemaVersion + 1 << true << newer << "newer version";
    QTest::newRow("another program's") << 0 << false << failed << "another program's database";
    QTest::newRow("another program's, WAL") << 0 << true << failed << "another program's database";
}

void TstBookStore::refusedBookUntouched()
{
    QFETCH(int, version);
    QFETCH(bool, wal);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(bookPath());
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode = %1").arg(wal ? "WAL" : "DELETE")));
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE draws (draw INTEGER PRIMARY KEY, future TEXT)")));
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    const QStringList files{ QStringLiteral("book.sqlite") };
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), files);
    const QByteArray bytes = digest(bookPath());

    BookStore store;
    const BookStore::OpenResult r = store.open(bookPath());
    QTEST(int(r.status), "status");
    QFETCH(QString, says);
    QVERIFY2(r.message.contains(says), qPrintable(r.message));
    QVERIFY(!store.isOpen());
    QCOMPARE(digest(bookPath()), bytes);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), files);  // no -wal or -shm either
}

void TstBookStore::busyAndFull()
{
    BookStore store;
    QVERIFY(store.open(bookPath()).usable());
    QVERIFY(store.loadBundled());
    const int bundled = bundledRows(RESULTS_CSV);
    const ImportedFile later = ResultImporter::parse(laterDraws(bundled + 1, 500), QStringLiteral("later.csv"));

    // A second instance on the same book says that it is open elsewhere.
    // It waits for the book first, as long as its busy timeout, not less.
    BookStore other;
    other.setBusyTimeout(300);
    QElapsedTimer patience;
    patience.start();
    const BookStore::OpenResult refused = other.open(bookPath());
    QVERIFY(patience.elapsed() >= 290);
    QVERIFY(!refused.usable());
    QVERIFY2(refused.message.contains(QStringLiteral("open in another program")), qPrintable(refused.message));

    // Something else holds SQLite's write lock past our wait: a clear refusal.
    QSqlDatabase lock = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
    lock.setDatabaseName(bookPath());
    QVERIFY(lock.open());
    const auto rows = [&lock] {
        QSqlQuery q(lock);
        return q.exec(QStringLiteral("SELECT COUNT(*) FROM draws WHERE game = 3")) && q.next() ? q.value(0).toInt() : -1;
    };
    QVERIFY(QSqlQuery(lock).exec(QStringLiteral("BEGIN IMMEDIATE")));
    store.setBusyTimeout(200);
    ImportReport r = store.importFile(later);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("busy")), qPrintable(r.error));
    QVERIFY(QSqlQuery(lock).exec(QStringLiteral("COMMIT")));
    QCOMPARE(store.count(), bundled);

    // A lock released within the wait: the import waits, then goes in.
    std::atomic<bool> locked{ false };
    std::thread holder([this, &locked] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
            db.setDatabaseName(bookPath());
            db.open();
            QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE"));
            locked = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            QSqlQuery(db).exec(QStringLiteral("COMMIT"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    });
    while (!locked)
        std::this_thread::yield();
    store.setBusyTimeout(BookStore::BusyTimeoutMs);
    QElapsedTimer waited;
    waited.start();
    r = store.importFile(ResultImporter::parse(laterDraws(bundled + 1, 1), QStringLiteral("one.csv")));
    holder.join();
    QVERIFY2(r.ok, qPrintable(r.error));
    QVERIFY(waited.elapsed() >= 200);
    QCOMPARE(rows(), bundled + 1);

    // No room left: a clear message and nothing half-written.
    QSqlQuery q(QSqlDatabase::database(store.connectionName()));
    QVERIFY(q.exec(QStringLiteral("PRAGMA page_count")) && q.next());
    QVERIFY(q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(q.value(0).toInt())));
    r = store.importFile(later);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("disk is full")), qPrintable(r.error));
    QCOMPARE(store.count(), bundled + 1);
    QCOMPARE(rows(), bundled + 1);
    lock.close();
    lock = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

void TstBookStore::leftLocks_data()
{
    QTest::addColumn<QByteArray>("lock");  // the lock file's bytes; "dir": a folder in its place
    QTest::addColumn<bool>("opens");
    QTest::newRow("empty: a kill right after it was made") << QByteArray() << true;
    QTest::newRow("garbage") << QByteArray("\x01\xfe garbage\n") << true;
    QTest::newRow("another host's") << QByteArray("4242\nnumbers3-book\nelsewhere\n") << true;
    QTest::newRow("a folder") << QByteArray("dir") << false;
    QTest::newRow("a named pipe") << QByteArray("fifo") << false;
}

// A lock file nobody holds is left over, whatever it says; what cannot be
// told or removed is named, with how to clear it.
void TstBookStore::leftLocks()
{
    QFETCH(QByteArray, lock);
    const QString lockPath = bookPath() + QStringLiteral(".lock");
    if (lock == "dir") {
        QVERIFY(QDir().mkdir(lockPath));
    } else if (lock == "fifo") {
        QVERIFY(::mkfifo(QFile::encodeName(lockPath).constData(), 0600) == 0);
    } else {
        QFile f(lockPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(lock);
    }
    BookStore store;
    store.setBusyTimeout(1000);
    QElapsedTimer waited;
    waited.start();
    // Whoever opens the pipe to read would wait for a writer for ever: one
    // comes, is noted, and lets it go.
    std::atomic<bool> done{ false }, blocked{ false };
    std::thread writer([&] {
        for (; lock == "fifo" && !done; std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
            const int fd = ::open(QFile::encodeName(lockPath).constData(), O_WRONLY | O_NONBLOCK);
            blocked = blocked || (fd >= 0 && ::close(fd) == 0);
        }
    });
    const BookStore::OpenResult r = store.open(bookPath());
    done = true;
    writer.join();
    QVERIFY(!blocked);
    QFETCH(bool, opens);
    QCOMPARE(r.usable(), opens);
    if (opens) {
        QVERIFY(waited.elapsed() < 1000);
        store.close();
        QVERIFY(!QFileInfo::exists(lockPath));  // let go as a lock of ours is
    } else {
        QVERIFY2(r.message.contains(lockPath) && r.message.contains(QLatin1String("delete")), qPrintable(r.message));
        QVERIFY(!QFileInfo::exists(bookPath()));
    }
}

void TstBookStore::oddFilesAtThePath_data()
{
    QTest::addColumn<QString>("made");  // what is at the book's path
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    const int failed = int(BookStore::OpenStatus::Failed);
    QTest::newRow("a link to a device") << "device" << failed << "not a regular file";
    QTest::newRow("a FIFO") << "fifo" << failed << "not a regular file";
    QTest::newRow("an empty file") << "empty" << int(BookStore::OpenStatus::Created) << "was empty (0 bytes)";
    QTest::newRow("a log without its book") << "wal" << int(BookStore::OpenStatus::MovedAside) << "files beside it were left";
}

void TstBookStore::oddFilesAtThePath()
{
    QFETCH(QString, made);
    const QByteArray log = QByteArray("\x37\x7f\x06\x82").append(4092, '\x11');
    if (made == QLatin1String("device"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), bookPath()));
    else if (made == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(bookPath()).constData(), 0600), 0);
    else if (made == QLatin1String("empty"))
        QVERIFY(QFile(bookPath()).open(QIODevice::WriteOnly));
    else {
        QFile wal(bookPath() + QStringLiteral("-wal"));
        QVERIFY(wal.open(QIODevice::WriteOnly) && wal.write(log) == log.size());
    }
    const QStringList before = QDir(dir->path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    BookStore store;
    const BookStore::OpenResult r = store.open(bookPath());
    QTEST(int(r.status), "status");
    QFETCH(QString, says);
    QVERIFY2(r.message.contains(says), qPrintable(r.message));
    if (r.status == BookStore::OpenStatus::Failed) {  // nothing written, here or beside the device
        QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), before);
        QVERIFY(!QFileInfo::exists(QStringLiteral("/dev/zero-journal")));
    }
    if (made == QLatin1String("wal")) {  // the log is kept as it was
        QVERIFY(r.movedTo.startsWith(bookPath() + QStringLiteral(".broken-")));
        QCOMPARE(digest(r.movedTo), QCryptographicHash::hash(log, QCryptographicHash::Sha256));
    }
}

void TstBookStore::defaultPathIgnoresRelativeXdg_data()
{
    QTest::addColumn<QString>("xdg");
    QTest::addColumn<QString>("book");
    const QString home = QDir::homePath() + QStringLiteral("/.local/share/numbers3/book.sqlite");
    QTest::newRow("absolute") << "/tmp/xdg-data" << "/tmp/xdg-data/numbers3/book.sqlite";
    QTest::newRow("relative") << "data" << home;
    QTest::newRow("a tilde no shell expanded") << "~/x" << home;
}

void TstBookStore::defaultPathIgnoresRelativeXdg()
{
    QFETCH(QString, xdg);
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    const bool wasSet = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const auto restore = qScopeGuard([&] {
        if (wasSet)
            qputenv("XDG_DATA_HOME", saved);
        else
            qunsetenv("XDG_DATA_HOME");
    });
    qputenv("XDG_DATA_HOME", xdg.toUtf8());
    QCoreApplication::setApplicationName(QStringLiteral("numbers3"));
    QTEST(BookStore::defaultPath(), "book");
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("BOOK_CRASH_CHILD"))
        return crashChild();
    TstBookStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_book_store.moc"
