// The result files the book reads: the operator's per-draw and multi-draw
// files (Shift_JIS and UTF-8) and the book's own plain CSV, good and bad.
// Draw numbers, dates and results in the fixtures are real; prizes and
// winners are made-up inputs.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "result_importer.h"
#include "support/bundled_rows.h"

class TstBookImport : public QObject
{
    Q_OBJECT

private slots:
    void fixtures_data();
    void fixtures();
    void dates_data();
    void dates();
    void hugeFileRefusedUnread();
    void eachFileOnItsOwn_data();
    void eachFileOnItsOwn();
    void nameForAnotherDraw_data();
    void nameForAnotherDraw();
};

static QString fixture(const QString &name)
{
    return QStringLiteral(BOOK_FIXTURES "/") + name;
}

void TstBookImport::fixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error");       // part of "FILE:LINE: message"; empty when good
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("draw");            // one draw to look at
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("number");
    QTest::addColumn<qint64>("straight");     // prize; -1 none
    QTest::addColumn<qint64>("miniWinners");  // -1 unknown
    QTest::addColumn<QString>("warning");     // part of the only warning; empty for none

    QTest::newRow("per-draw UTF-8, BOM, full-width, 令和元年, quoted amounts, 該当なし")
        << "A1005167.CSV" << "" << 1 << 5167 << QDate(2019, 5, 1) << 335 << qint64(94500) << qint64(0) << "";
    QTest::newRow("per-draw Shift_JIS, 平成, blanks, thousands commas unquoted")
        << "A1001340.CSV" << "" << 1 << 1340 << QDate(2004, 7, 1) << 597 << qint64(98300) << qint64(151) << "";
    QTest::newRow("multi-draw Shift_JIS, date forms, four-digit game ignored")
        << "multi_7060_7064.csv" << "" << 5 << 7062 << QDate(2026, 9, 2) << 212 << qint64(90200) << qint64(302) << "";
    QTest::newRow("multi-draw, 令和 with weekday")
        << "multi_7060_7064.csv" << "" << 5 << 7064 << QDate(2026, 9, 4) << 251 << qint64(90400) << qint64(304) << "";
    QTest::newRow("plain CSV with prizes and winners")
        << "plain_1338_1340.csv" << "" << 3 << 1339 << QDate(2004, 6, 30) << 902 << qint64(101300) << qint64(0) << "";
    QTest::newRow("plain CSV, row without prizes")
        << "plain_1338_1340.csv" << "" << 3 << 1340 << QDate(2004, 7, 1) << 597 << qint64(-1) << qint64(-1) << "";
    QTest::newRow("the bundled results")
        << "../../../data/numbers3-results.csv" << "" << bundledRows(RESULTS_CSV) << 6 << QDate(1994, 11, 11) << 792 << qint64(-1) << qint64(-1) << "";
    QTest::newRow("the bundled prizes, the operator's for 7073")
        << "../../../data/numbers3-prizes.csv" << "" << bundledRows(PRIZES_CSV) << 7073 << QDate(2026, 9, 17) << 188 << qint64(87100) << qint64(468) << "";
    QTest::newRow("same draw twice, same result")
        << "same_twice.csv" << "" << 1 << 7063 << QDate(2026, 9, 3) << 166 << qint64(94500) << qint64(12) << "";
    QTest::newRow("winners with thousands commas, unquoted")
        << "winners_commas.csv" << "" << 2 << 7063 << QDate(2026, 9, 3) << 166 << qint64(94500) << qint64(1012) << "";
    QTest::newRow("winners with thousands commas, quoted")
        << "winners_commas.csv" << "" << 2 << 7064 << QDate(2026, 9, 4) << 251 << qint64(94500) << qint64(1304) << "";
    QTest::newRow("Ctrl-Z at the end")
        << "ctrlz_end.csv" << "" << 1 << 7063 << QDate(2026, 9, 3) << 166 << qint64(94500) << qint64(12) << "";
    QTest::newRow("draw day, but another draw's")
        << "warn_off_day.csv" << "" << 1 << 7064 << QDate(2026, 9, 3) << 251 << qint64(94500) << qint64(12)
        << "draw 7064: dated 2026-09-03, but the calendar puts it on 2026-09-04";

    const auto bad = [](const char *name, const char *file, const char *error) {
        QTest::newRow(name) << file << error << 0 << 0 << QDate() << 0 << qint64(0) << qint64(0) << "";
    };
    bad("binary", "bad_binary.bin", "bad_binary.bin:1: not a text file");
    bad("zeros on line 5", "bad_zeros_line5.csv", "bad_zeros_line5.csv:5: not a text file");
    bad("prose", "bad_prose.txt", "bad_prose.txt:1: not a results file");
    bad("truncated block", "bad_truncated.csv", "bad_truncated.csv:7: draw 7064: the block is cut short");
    bad("four digits", "bad_four_digits.csv", "bad_four_digits.csv:4: draw 7064: result \"2510\" is not three digits");
    bad("draw 0", "bad_draw_zero.csv", "bad_draw_zero.csv:2: draw number \"0\"");
    bad("30 February", "bad_no_such_date.csv", "bad_no_such_date.csv:2: draw 7064: \"令和8年2月30日\" is not a date that exists");
    bad("Saturday", "bad_saturday.csv", "bad_saturday.csv:2: draw 7064: there is no draw on 2026-09-05");
    bad("twice, different", "bad_twice.csv", "bad_twice.csv:14: draw 7063 appears twice with different results");
    bad("plain, two digits", "bad_plain_number.csv", "bad_plain_number.csv:3: draw 7064: result \"25\"");
}

void TstBookImport::fixtures()
{
    QFETCH(QString, file);
    QFETCH(QString, error);
    QFETCH(int, draws);
    QFETCH(int, draw);

    const ImportedFile got = ResultImporter::read(fixture(file));
    if (!error.isEmpty()) {
        QVERIFY2(got.error.contains(error), qPrintable(got.error));
        QVERIFY(got.draws.isEmpty());
        return;
    }
    QVERIFY2(got.ok(), qPrintable(got.error));
    QCOMPARE(got.draws.size(), draws);
    const auto it = std::find_if(got.draws.begin(), got.draws.end(), [draw](const DrawResult &r) { return r.draw == draw; });
    QVERIFY(it != got.draws.end());
    QTEST(it->date, "date");
    QTEST(it->number, "number");
    QTEST(it->prize[DrawResult::Straight].value_or(-1), "straight");
    QTEST(it->winners[DrawResult::Mini].value_or(-1), "miniWinners");
    QFETCH(QString, warning);
    QCOMPARE(got.warnings.size(), warning.isEmpty() ? 0 : 1);
    if (!warning.isEmpty())
        QCOMPARE(got.warnings.first(), warning);
}

void TstBookImport::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("平成元年") << "平成元年1月8日" << QDate(1989, 1, 8);
    QTest::newRow("before 平成") << "平成元年1月7日" << QDate();
    QTest::newRow("平成 after its end") << "平成31年5月1日" << QDate();
    QTest::newRow("令和元年") << "令和元年5月1日" << QDate(2019, 5, 1);
    QTest::newRow("令和, full-width") << "令和８年１２月４日" << QDate(2026, 12, 4);
    QTest::newRow("Western kanji") << "2004年7月1日" << QDate(2004, 7, 1);
    QTest::newRow("slashes") << "2004/07/01" << QDate(2004, 7, 1);
    QTest::newRow("ISO") << "2004-07-01" << QDate(2004, 7, 1);
    QTest::newRow("29 February, not leap") << "2026/02/29" << QDate();
    QTest::newRow("not a date") << "令和" << QDate();
}

void TstBookImport::dates()
{
    QFETCH(QString, text);
    QTEST(ResultImporter::parseDate(text), "date");
}

void TstBookImport::hugeFileRefusedUnread()
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("A1009999.CSV")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(100LL * 1024 * 1024));  // sparse: nothing to read but zeros
    f.close();
    const ImportedFile got = ResultImporter::read(f.fileName());
    QVERIFY2(got.error.contains(QStringLiteral("too large (100 MB")), qPrintable(got.error));
}

// A damaged file must not spoil the files read after it in the same run.
void TstBookImport::eachFileOnItsOwn_data()
{
    QTest::addColumn<QByteArray>("before");  // bytes of a file read first
    QTest::addColumn<QString>("error");      // what it gives
    QTest::addColumn<QString>("after");      // a good fixture read next

    QFile sjis(fixture(QStringLiteral("A1001340.CSV")));
    QVERIFY(sjis.open(QIODevice::ReadOnly));
    QByteArray damaged = sjis.readAll();
    damaged[6] = ',';  // cuts a two-byte character on line 2
    QTest::newRow("damaged Shift_JIS, then Shift_JIS") << damaged << "bad.CSV:2: not a text file" << "A1001340.CSV";
    QTest::newRow("damaged Shift_JIS, then multi-draw Shift_JIS") << damaged << "bad.CSV:2: not a text file" << "multi_7060_7064.csv";
}

void TstBookImport::eachFileOnItsOwn()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, after);
    QFETCH(QString, error);
    const ImportedFile bad = ResultImporter::parse(before, QStringLiteral("bad.CSV"));
    QVERIFY2(bad.error.startsWith(error), qPrintable(bad.error));
    const ImportedFile good = ResultImporter::read(fixture(after));
    QVERIFY2(good.ok(), qPrintable(good.error));
}

// The operator's per-draw files are named after their draw; one that holds
// another goes in with a warning.
void TstBookImport::nameForAnotherDraw_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("warning");  // empty for none
    QTest::newRow("its own draw") << "A1005167.CSV" << "dl/A1005167.CSV" << "";
    QTest::newRow("the next draw's name") << "A1005167.CSV" << "dl/A1005168.CSV"
                                          << "the file's name is for draw 5168, but it holds draw 5167";
    QTest::newRow("lower case") << "A1001340.CSV" << "a1001339.csv"
                                << "the file's name is for draw 1339, but it holds draw 1340";
    QTest::newRow("several draws") << "multi_7060_7064.csv" << "A1007060.CSV"
                                   << "the file's name is for draw 7060, but it holds draws 7060 to 7064";
    QTest::newRow("another kind of name") << "A1005167.CSV" << "results-5168.csv" << "";
}

void TstBookImport::nameForAnotherDraw()
{
    QFETCH(QString, fixture);
    QFETCH(QString, name);
    QFETCH(QString, warning);
    QFile f(::fixture(fixture));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const ImportedFile got = ResultImporter::parse(f.readAll(), name);
    QVERIFY2(got.ok(), qPrintable(got.error));
    QCOMPARE(got.warnings, warning.isEmpty() ? QStringList() : QStringList{ warning });
}

QTEST_GUILESS_MAIN(TstBookImport)
#include "tst_book_import.moc"
