// The result files the book reads: the operator's per-draw and multi-draw
// files (Shift_JIS and UTF-8) and the book's own plain CSV, good and bad,
// of both games. Draw numbers, dates and results in the fixtures are real;
// prizes and winners are made-up inputs, but for the operator's own file of
// draw 7073 (A1007073-as-text.txt) and the book's data files.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "payment_period.h"
#include "result_importer.h"
#include "results_csv.h"
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
    void operatorBothGames_data();
    void operatorBothGames();
    void plainGames_data();
    void plainGames();
    void fourDigitData_data();
    void fourDigitData();
    void paymentPeriods_data();
    void paymentPeriods();
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
        << "A1005167.CSV" << "" << 1 << 5167 << QDate(2019, 5, 1) << 335 << qint64(94500) << qint64(0)
        << "draw 5167: the file has no block of Numbers4; the download may have been cut short, download the file again";
    QTest::newRow("per-draw Shift_JIS, 平成, blanks, thousands commas unquoted")
        << "A1001340.CSV" << "" << 1 << 1340 << QDate(2004, 7, 1) << 597 << qint64(98300) << qint64(151)
        << "draw 1340: the file has no block of Numbers4; the download may have been cut short, download the file again";
    QTest::newRow("multi-draw Shift_JIS, date forms, three-digit game only")
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
    bad("twice, different", "bad_twice.csv", "bad_twice.csv:11: draw 7063 appears twice with different results");
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

// The operator's per-draw files, under their name or as a browser names a
// second copy, are named after their draw and hold both games: one that
// holds another draw, or one game only, goes in with a warning.
void TstBookImport::nameForAnotherDraw_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("warnings");
    const QString whole = QStringLiteral("A1007073-as-text.txt");
    const QString for7074 = QStringLiteral("the file's name is for draw 7074, but it holds draw 7073");
    const auto cut = [](int draw) {
        return QStringLiteral("draw %1: the file has no block of Numbers4; the download may have been cut short, "
                              "download the file again").arg(draw);
    };
    QTest::newRow("its own draw") << whole << "dl/A1007073.CSV" << QStringList();
    QTest::newRow("the next draw's name") << whole << "dl/A1007074.CSV" << QStringList{ for7074 };
    QTest::newRow("Firefox's second copy") << whole << "A1007074(1).CSV" << QStringList{ for7074 };
    QTest::newRow("Chrome's second copy") << whole << "dl/A1007074 (2).csv" << QStringList{ for7074 };
    QTest::newRow("one game, its own draw") << "A1005167.CSV" << "A1005167(1).CSV" << QStringList{ cut(5167) };
    QTest::newRow("one game, lower case, another draw") << "A1001340.CSV" << "a1001339.csv"
        << QStringList{ QStringLiteral("the file's name is for draw 1339, but it holds draw 1340"), cut(1340) };
    QTest::newRow("several draws") << "multi_7060_7064.csv" << "A1007060.CSV"
                                   << QStringList{ QStringLiteral("the file's name is for draw 7060, but it holds draws 7060 to 7064") };
    QTest::newRow("another kind of name") << "A1005167.CSV" << "results-5168.csv" << QStringList();
    QTest::newRow("not a copy's name") << "A1005167.CSV" << "A1005168-1.CSV" << QStringList();
}

void TstBookImport::nameForAnotherDraw()
{
    QFETCH(QString, fixture);
    QFETCH(QString, name);
    QFETCH(QStringList, warnings);
    QFile f(::fixture(fixture));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const ImportedFile got = ResultImporter::parse(f.readAll(), name);
    QVERIFY2(got.ok(), qPrintable(got.error));
    QCOMPARE(got.warnings, warnings);
    QCOMPARE(got.cutShort, warnings.join(QLatin1Char(' ')).contains(QLatin1String("cut short")));
}

// The line of a data file for a draw, by its header: column -> cell.
static QHash<QString, QString> dataLine(const QString &file, int draw)
{
    QFile f(fixture(file));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QStringList header = QString::fromUtf8(f.readLine()).trimmed().split(QLatin1Char(','));
    const QByteArray start = QByteArray::number(draw) + ',';
    while (!f.atEnd()) {
        const QByteArray line = f.readLine();
        if (!line.startsWith(start))
            continue;
        const QStringList cells = QString::fromUtf8(line).trimmed().split(QLatin1Char(','));
        QHash<QString, QString> row;
        for (int i = 0; i < header.size(); ++i)
            row.insert(header.at(i), cells.value(i));
        return row;
    }
    return {};
}

// Each way's prize and units of a draw as "way=prize/units ...", to compare.
static QString waysText(const DrawResult &r)
{
    QStringList ways;
    for (int w = 0; w < DrawResult::WayCount; ++w) {
        const auto text = [](const std::optional<qint64> &v) { return v ? QString::number(*v) : QString(); };
        ways << QStringLiteral("%1=%2/%3").arg(QLatin1String(DrawResult::wayKey(DrawResult::Way(w))), text(r.prize[size_t(w)]),
                                              text(r.winners[size_t(w)]));
    }
    return ways.join(QLatin1Char(' '));
}

static QString waysText(const QHash<QString, QString> &row)
{
    QStringList ways;
    for (int w = 0; w < DrawResult::WayCount; ++w) {
        const QString key = QLatin1String(DrawResult::wayKey(DrawResult::Way(w)));
        ways << QStringLiteral("%1=%2/%3").arg(key, row.value(key), row.value(key + QStringLiteral("_winners")));
    }
    return ways.join(QLatin1Char(' '));
}

// The operator's file of draw 7073 as published: Shift_JIS, CRLF, read by
// its labels however its lines stand; both games, or the one it gives.
void TstBookImport::operatorBothGames_data()
{
    QTest::addColumn<QString>("change");  // what is done to the text before reading
    QTest::addColumn<QString>("games");   // the games read, by key
    QTest::newRow("as the text came") << "" << "numbers3 numbers4";
    QTest::newRow("a blank line before the four-digit block") << "blank" << "numbers3 numbers4";
    QTest::newRow("blank lines everywhere") << "blanks" << "numbers3 numbers4";
    QTest::newRow("three-digit block only") << "only3" << "numbers3";
    QTest::newRow("four-digit block only") << "only4" << "numbers4";
    QTest::newRow("marker A52, labels spaced, 抽選") << "spaced" << "numbers3 numbers4";
}

void TstBookImport::operatorBothGames()
{
    QFETCH(QString, change);
    QFETCH(QString, games);
    QFile text(fixture(QStringLiteral("A1007073-as-text.txt")));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(text.readAll()).split(QLatin1Char('\n'));
    while (lines.constLast().isEmpty())
        lines.removeLast();
    const auto labelAt = [&lines](const QString &label) {
        for (int i = 0; i < lines.size(); ++i)
            if (lines.at(i).startsWith(label))
                return i;
        return -1;
    };
    const int three = labelAt(QStringLiteral("ナンバーズ３")), four = labelAt(QStringLiteral("ナンバーズ４"));
    QVERIFY(three > 0 && four > three);
    if (change == QLatin1String("blank"))
        lines.insert(four, QString());
    if (change == QLatin1String("blanks"))
        for (int i = int(lines.size()); i > 0; --i)
            lines.insert(i, QString());
    if (change == QLatin1String("only3"))
        lines = lines.mid(0, four);
    if (change == QLatin1String("only4"))
        lines.remove(three, four - three);
    if (change == QLatin1String("spaced")) {
        lines.replaceInStrings(QRegularExpression(QStringLiteral("^A50$")), QStringLiteral("A52"));
        lines.replaceInStrings(QRegularExpression(QStringLiteral("^ナンバーズ(.)抽せん")), QStringLiteral("ナンバーズ \\1 抽選"));
    }
    QStringEncoder sjis("Shift_JIS");
    QVERIFY(sjis.isValid());
    const QByteArray bytes = sjis.encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    QVERIFY(!sjis.hasError());

    const ImportedFile got = ResultImporter::parse(bytes, QStringLiteral("A1007073.CSV"));
    QVERIFY2(got.ok(), qPrintable(got.error));
    QCOMPARE(got.format, ImportedFile::OperatorFile);
    // One game alone is what a download cut short leaves: said, and marked.
    QCOMPARE(got.cutShort, !games.contains(QLatin1Char(' ')));
    QCOMPARE(got.warnings.size(), got.cutShort ? 1 : 0);
    QStringList keys;
    for (const DrawResult &r : got.draws) {
        keys << QLatin1String(Games::key(r.game));
        const QHash<QString, QString> row = dataLine(QStringLiteral("../../../data/%1-prizes.csv").arg(keys.constLast()), 7073);
        QVERIFY(!row.isEmpty());
        QCOMPARE(r.draw, 7073);
        QCOMPARE(r.date.toString(Qt::ISODate), row.value(QStringLiteral("date")));
        QCOMPARE(r.numberText(), row.value(QStringLiteral("number")));
        QCOMPARE(waysText(r), waysText(row));
    }
    QCOMPARE(keys.join(QLatin1Char(' ')), games);
}

// The book's CSV of either game: a column "game", else the number's width.
void TstBookImport::plainGames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read");  // game:draw:number ..., or part of the error
    QTest::newRow("four characters are four digits") << "draw,date,number\n7073,2026-09-17,6916\n7061,2026-09-01,0639\n7064,2026-09-04,251\n"
                                                     << "numbers4:7061:0639 numbers3:7064:251 numbers4:7073:6916";
    QTest::newRow("both games of one draw are two draws") << "draw,date,number\n7073,2026-09-17,188\n7073,2026-09-17,6916\n"
                                                          << "numbers3:7073:188 numbers4:7073:6916";
    QTest::newRow("the column names the game") << "draw,game,date,number,mini\n7073,3,2026-09-17,188,8700\n7073,NUMBERS4,2026-09-17,6916,\n"
                                               << "numbers3:7073:188 numbers4:7073:6916";
    QTest::newRow("a column's game, the other width") << "draw,game,date,number\n7073,numbers3,2026-09-17,6916\n"
                                                      << "plain.csv:2: draw 7073: result \"6916\" is not three digits";
    QTest::newRow("four-digit, five digits") << "draw,game,date,number\n7073,numbers4,2026-09-17,06916\n"
                                             << "plain.csv:2: draw 7073: result \"06916\" is not four digits";
    QTest::newRow("no such game") << "draw,game,date,number\n7073,numbers5,2026-09-17,188\n"
                                  << "plain.csv:2: draw 7073: \"numbers5\" is not a game (numbers3 or numbers4)";
    QTest::newRow("four-digit mini") << "draw,date,number,mini\n7073,2026-09-17,6916,8700\n"
                                     << "plain.csv:2: draw 7073: Numbers4 has no mini";
    QTest::newRow("CRLF, CR and LF, each one line end") << "draw,game,date,number\r\n7073,3,2026-09-17,188\r7073,numbers3,2026-09-17,6916\n"
                                                        << "plain.csv:3: draw 7073: result \"6916\" is not three digits";
}

void TstBookImport::plainGames()
{
    QFETCH(QString, text);
    const ImportedFile got = ResultImporter::parse(text.toUtf8(), QStringLiteral("plain.csv"));
    QStringList seen;
    for (const DrawResult &r : got.draws)
        seen << QStringLiteral("%1:%2:%3").arg(QLatin1String(Games::key(r.game))).arg(r.draw).arg(r.numberText());
    QTEST(got.ok() ? seen.join(QLatin1Char(' ')) : got.error.left(got.error.indexOf(QLatin1Char(';'))), "read");
    if (!got.ok())
        return;
    // Written out, one file of both games or of one, and read back the same.
    const QByteArray written = ResultsCsv::write(got.draws);
    QFETCH(QString, read);
    const bool both = read.contains(QLatin1String("numbers3")) && read.contains(QLatin1String("numbers4"));
    QCOMPARE(written.startsWith("draw,game,"), both);
    const ImportedFile back = ResultImporter::parse(written, QStringLiteral("back.csv"));
    QVERIFY2(back.ok(), qPrintable(back.error));
    QCOMPARE(back.draws.size(), got.draws.size());
    for (int i = 0; i < got.draws.size(); ++i)
        QVERIFY(back.draws.at(i).sameContent(got.draws.at(i)));
}

// The four-digit game's data files read as its draws, value for value, and
// write out byte for byte the same.
void TstBookImport::fourDigitData_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("draws");  // spot checks against the file's lines
    const QList<int> draws{ 1, 7054, 7061, 7073, 7074 };
    QTest::newRow("results") << "numbers4-results.csv" << draws;
    QTest::newRow("prizes") << "numbers4-prizes.csv" << draws;
}

void TstBookImport::fourDigitData()
{
    QFETCH(QString, file);
    QFETCH(QList<int>, draws);
    const QString path = fixture(QStringLiteral("../../../data/") + file);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const ImportedFile got = ResultImporter::parse(bytes, path);
    QVERIFY2(got.ok(), qPrintable(got.error));
    QCOMPARE(got.draws.size(), bytes.count('\n') - 1);
    QCOMPARE(got.draws.size(), 7068);  // 1 to 7054 and 7061 to 7074
    for (int draw : draws) {
        const auto it = std::find_if(got.draws.begin(), got.draws.end(), [draw](const DrawResult &r) { return r.draw == draw; });
        QVERIFY(it != got.draws.end());
        const QHash<QString, QString> row = dataLine(QStringLiteral("../../../data/") + file, draw);
        QCOMPARE(it->game, Game::Numbers4);
        QCOMPARE(it->date.toString(Qt::ISODate), row.value(QStringLiteral("date")));
        QCOMPARE(it->numberText(), row.value(QStringLiteral("number")));
        QCOMPARE(waysText(*it), waysText(row));
    }
    QCOMPARE(ResultsCsv::write(got.draws), bytes);
}

// The period a file states stays as stated; where none is stated, the
// rule's: the day after the draw to the same date a year later.
void TstBookImport::paymentPeriods_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("from");   // line text replaced in the file, empty for none
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("period"); // "FROM UNTIL rule|file" of the first draw, or "error"
    const QString text = QStringLiteral("A1007073-as-text.txt");
    const QString line = QStringLiteral("支払期間,令和8年9月18日から令和9年9月17日まで");
    QTest::newRow("7073 as the operator wrote it") << text << "" << "" << "2026-09-18 2027-09-17 file";
    QTest::newRow("a period longer than the rule's") << text << line << "支払期間,令和8年9月18日から令和9年9月30日まで"
                                                     << "2026-09-18 2027-09-30 file";
    QTest::newRow("no period line") << text << line << "" << "2026-09-18 2027-09-17 rule";
    QTest::newRow("words, no dates") << "A1001340.CSV" << "" << "" << "2004-07-02 2005-07-01 rule";
    QTest::newRow("the book's CSV") << "plain_1338_1340.csv" << "" << "" << "2004-06-29 2005-06-28 rule";
    QTest::newRow("a day that does not exist") << text << line << "支払期間,令和8年9月18日から令和9年2月30日まで" << "error";
    QTest::newRow("ends before it starts") << text << line << "支払期間,令和9年9月18日から令和8年9月17日まで" << "error";
    QTest::newRow("starts on the draw day") << text << line << "支払期間,令和8年9月17日から令和9年9月17日まで" << "error";
    QTest::newRow("one date only") << text << line << "支払期間,令和9年9月17日まで" << "error";
}

void TstBookImport::paymentPeriods()
{
    QFETCH(QString, file);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, period);
    QFile f(fixture(file));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    if (!from.isEmpty())
        bytes.replace(from.toUtf8() + (to.isEmpty() ? "\n" : ""), to.toUtf8());
    const ImportedFile got = ResultImporter::parse(bytes, file);
    if (period == QLatin1String("error")) {
        QVERIFY(!got.ok());
        QVERIFY2(got.error.contains(QStringLiteral(":3:")), qPrintable(got.error));
        return;
    }
    QVERIFY2(got.ok(), qPrintable(got.error));
    for (const DrawResult &r : got.draws) {
        if (r.draw != got.draws.constFirst().draw)
            continue;
        const PaymentPeriod p = PaymentPeriod::of(r);
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(p.from().toString(Qt::ISODate), p.until().toString(Qt::ISODate),
                                                p.isByRule() ? QStringLiteral("rule") : QStringLiteral("file")),
                 period);
    }
}

QTEST_GUILESS_MAIN(TstBookImport)
#include "tst_book_import.moc"
