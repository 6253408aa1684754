// The one CSV reader, both ways: exact for ticket lists (quoted line breaks,
// a bad quote refused with its line) and lenient for the lines of result
// files (blanks dropped, quotes anywhere, thousands commas left to the
// importer); and what the writer quotes reads back the same. Exports
// replace a file whole and never replace a pipe, a folder or a link. Ticket
// lists of both games read and export through them.
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "csv_reader.h"
#include "csv_writer.h"
#include "export_file.h"
#include "ticket_list.h"
#include "ticket_rules.h"

class TstBookCsv : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void roundTrip();
    void exportTarget_data();
    void exportTarget();
    void ticketGames_data();
    void ticketGames();
    void ticketExportGames();
    void ticketMarks_data();
    void ticketMarks();
};

void TstBookCsv::read_data()
{
    QTest::addColumn<bool>("lenient");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("records");  // fields joined by |, records by / with their first line
    QTest::addColumn<QString>("error");    // "LINE: message" of the first bad quote; empty for none

    QTest::newRow("exact: quoted break, CR, CRLF") << false << "a,\"x\r\ny\",b\rc\r\n\"\"\"q\"\"\"\n"
                                                   << "1:a|x\r\ny|b/3:c/4:\"q\"" << "";
    QTest::newRow("exact: blanks and a quote inside kept") << false << " a , b\"c\" " << "1: a | b\"c\" " << "";
    QTest::newRow("exact: text after the closing quote") << false << "a\n\"x\ny\"z,b\n"
                                                          << "1:a" << "3: text after the closing quote of a field";
    QTest::newRow("exact: quote never closed") << false << "a\nb,\"x\ny\n" << "1:a" << "2: a quoted field is not closed";
    QTest::newRow("lenient: blanks, thousands commas") << true << " 1,234 , \"5,678\" ,口" << "1:1|234|5,678|口" << "";
    QTest::newRow("exact: empty fields, the last at the end") << false << ",a,,\n," << "1:|a||/2:|" << "";
    QTest::newRow("lenient: empty, blank and quoted empty cells") << true << "a,, ,\"\", b c " << "1:a||||b c" << "";
    QTest::newRow("lenient: quote inside a cell, text after it") << true << "ab \"c,d\" e\"f\",\"g" << "1:abc,def|g" << "";
}

void TstBookCsv::read()
{
    QFETCH(bool, lenient);
    QFETCH(QString, text);
    CsvReader reader(text, lenient ? CsvReader::Style::Lenient : CsvReader::Style::Exact);
    QStringList records;
    QString error;
    CsvReader::Record record;
    while (!reader.atEnd() && error.isEmpty()) {
        if (reader.next(record))
            records << QString::number(record.line) + QLatin1Char(':') + record.fields.join(QLatin1Char('|'));
        else
            error = QStringLiteral("%1: %2").arg(reader.errorLine()).arg(reader.error());
    }
    QTEST(records.join(QLatin1Char('/')), "records");
    QTEST(error, "error");
}

void TstBookCsv::roundTrip()
{
    const QStringList fields{ QStringLiteral("plain"), QStringLiteral("a, b"), QStringLiteral("\"q\""),
                              QStringLiteral("two\nlines"), QStringLiteral("cr\ronly"), QStringLiteral(" 誕生日 "), QString() };
    CsvReader reader(QString::fromUtf8(CsvWriter::record(fields) + CsvWriter::record({ QStringLiteral("next") })));
    CsvReader::Record record;
    QVERIFY(reader.next(record));
    QCOMPARE(record.fields, fields);
    QVERIFY(reader.next(record));
    QCOMPARE(record.line, 4);
    QCOMPARE(record.fields, QStringList{ QStringLiteral("next") });
    QVERIFY(reader.atEnd());
}

void TstBookCsv::exportTarget_data()
{
    QTest::addColumn<QString>("target");  // what "out" is before the export
    QTest::addColumn<QString>("error");   // empty when the export is written
    QTest::newRow("new file") << "none" << "";
    QTest::newRow("file replaced") << "file" << "";
    QTest::newRow("link to a file: the file replaced, the link kept") << "link" << "";
    QTest::newRow("link to nothing") << "dangling" << "it is a link to ";
    QTest::newRow("folder") << "folder" << "it is a folder";
    QTest::newRow("named pipe with a reader") << "fifo read" << "";
    QTest::newRow("named pipe no one reads") << "fifo" << "it is a named pipe that no program is reading";
    QTest::newRow("link to a pipe with a reader") << "link to fifo" << "";
}

void TstBookCsv::exportTarget()
{
    QFETCH(QString, target);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    const QString inner = dir.filePath(QStringLiteral("inner"));
    const QByteArray outName = QFile::encodeName(out), innerName = QFile::encodeName(inner);
    if (target == QLatin1String("file") || target == QLatin1String("link")) {
        QFile old(target == QLatin1String("link") ? inner : out);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old export, longer than the new one\n") > 0);
    }
    if (target.startsWith(QLatin1String("link")) || target == QLatin1String("dangling"))
        QVERIFY(::symlink(innerName.constData(), outName.constData()) == 0);
    if (target == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("out")));
    int reader = -1;
    if (target.contains(QLatin1String("fifo"))) {
        QVERIFY(::mkfifo((target.startsWith(QLatin1String("link")) ? innerName : outName).constData(), 0600) == 0);
        // Opened without waiting for a writer; the export fits in the pipe.
        if (target.endsWith(QLatin1String("read")) || target.startsWith(QLatin1String("link")))
            reader = ::open(outName.constData(), O_RDONLY | O_NONBLOCK);
    }
    struct stat before;
    const bool existed = ::lstat(outName.constData(), &before) == 0;

    const QByteArray csv("draw,number\n7064,251\n");
    QString why;
    QCOMPARE(ExportFile::write(out, csv, &why), error.isEmpty());
    QVERIFY2(error.isEmpty() ? why.isEmpty() : why.startsWith(error), qPrintable(why));

    // A link, a pipe or a folder is the same thing afterwards.
    struct stat after;
    if (existed && target != QLatin1String("file")) {
        QVERIFY(::lstat(outName.constData(), &after) == 0);
        QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
        QCOMPARE(after.st_ino, before.st_ino);
    }
    if (!error.isEmpty())
        return;
    QByteArray got(256, '\0');
    if (reader >= 0) {
        got.resize(::read(reader, got.data(), size_t(got.size())));
        ::close(reader);
    } else {
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        got = written.readAll();
    }
    QCOMPARE(got, csv);
}

// A list names the game in a column "game" anywhere, first too, by key or
// by the games' Japanese names; without it, the three-digit game, as lists
// were before, and a four-digit number says to add the column.
void TstBookCsv::ticketGames_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("read");  // game:number:way ..., or the start of the error
    QTest::newRow("no column: three digits") << QByteArray("7065,123,box,1\n7065,51,straight,1,note\n")
                                             << "numbers3:123:box numbers3:051:straight";
    QTest::newRow("column last, keys and digits, an empty cell")
        << QByteArray("draw,number,way,units,game\n7065,0071,box,1,numbers4\n7065,71,straight,1,4\n7065,123,set,1,3\n7065,5,mini,1,\n")
        << "numbers4:0071:box numbers4:0071:straight numbers3:123:set numbers3:05:mini";
    QTest::newRow("column second, with a note") << QByteArray("Draw,Game,Number,Way,Units,Note\n7065,NUMBERS4,6916,set,2,\"a, b\"\n")
                                                << "numbers4:6916:set";
    QTest::newRow("an export from before the column")
        << QByteArray("draw,number,way,units,note,date,result,outcome,prize,prize_kind\n7064,251,straight,2,,2026-09-04,251,straight,186600,actual\n")
        << "numbers3:251:straight";
    QTest::newRow("four-digit mini") << QByteArray("draw,number,way,units,game\n7065,123,box,1,numbers3\n7065,16,mini,1,numbers4\n")
                                     << "list.csv:3: Numbers4 has no mini";
    QTest::newRow("five digits") << QByteArray("draw,number,way,units,game\n7065,12345,box,1,numbers4\n")
                                 << "list.csv:2: A Numbers4 ticket takes four digits";
    QTest::newRow("four alike as box") << QByteArray("draw,number,way,units,game\n7065,1111,box,1,numbers4\n")
                                       << "list.csv:2: 1111 has all four digits the same";
    QTest::newRow("column first") << QByteArray("game,draw,number,way,units\nnumbers4,7065,0071,box,1\n,7065,123,box,1\n")
                                  << "numbers4:0071:box numbers3:123:box";
    QTest::newRow("Japanese names, full-width digit") << QByteArray("draw,number,way,units,game\n7065,0071,box,1,ナンバーズ4\n"
                                                                    "7065,123,box,1,ナンバーズ３\n")
                                                      << "numbers4:0071:box numbers3:123:box";
    QTest::newRow("no column, four digits") << QByteArray("7065,0071,box,1\n")
                                            << "list.csv:1: \"0071\" has four digits: for Numbers4 tickets, add a game column";
    QTest::newRow("column named, a field short") << QByteArray("game,draw,number,way,units\nnumbers4,7065,0071,box\n")
                                                 << "list.csv:2: expected draw,number,way,units, an optional note and the game column";
    QTest::newRow("no such game") << QByteArray("draw,number,way,units,game\n7065,123,box,1,numbers5\n")
                                  << "list.csv:2: \"numbers5\" is not a game; use numbers3 or numbers4";
}

void TstBookCsv::ticketGames()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, read);
    const TicketList::Parsed parsed = TicketList::parse(data, QStringLiteral("list.csv"), 8000);
    QStringList seen;
    for (const Ticket &t : parsed.tickets)
        seen << QStringLiteral("%1:%2:%3").arg(QLatin1String(Games::key(t.game)), t.numberText(), QLatin1String(Ticket::wayKey(t.way)));
    if (parsed.ok())
        QCOMPARE(seen.join(QLatin1Char(' ')), read);
    else
        QVERIFY2(parsed.error.startsWith(read), qPrintable(parsed.error));
}

// The export names each ticket's game and the kind of a four-digit box or
// set win, and reads back to the same tickets. The results are real draws
// of each kind; their prizes are left out, so the theoretical ones are used.
void TstBookCsv::ticketExportGames()
{
    struct Row { int draw; int result; int bought; Ticket::Way way; const char *line; };
    const Row table[] = {
        { 7061, 639, 9360, Ticket::Box, "7061,9360,box,1,,2026-09-01,0639,box 24-way,37500,theoretical,numbers4" },
        { 7073, 6916, 6691, Ticket::Set, "7073,6691,set,1,,2026-09-17,6916,set-box 12-way,37500,theoretical,numbers4" },
        { 6970, 3003, 330, Ticket::Box, "6970,0330,box,1,,2026-04-27,3003,box 6-way,150000,theoretical,numbers4" },
        { 7039, 7747, 7747, Ticket::Set, "7039,7747,set,1,,2026-07-31,7747,set-straight 4-way,562500,theoretical,numbers4" },
        { 7073, 188, 881, Ticket::Box, "7073,881,box,1,,2026-09-17,188,box 3-way,30000,theoretical,numbers3" },
    };
    QList<GradedTicket> rows;
    for (const Row &row : table) {
        DrawResult result;
        result.game = QByteArray(row.line).endsWith("numbers4") ? Game::Numbers4 : Game::Numbers3;
        result.draw = row.draw;
        result.number = row.result;
        GradedTicket g;
        g.ticket.game = result.game;
        g.ticket.draw = row.draw;
        g.ticket.number = row.bought;
        g.ticket.way = row.way;
        g.drawDate = QDate::fromString(QString::fromLatin1(row.line).section(QLatin1Char(','), 5, 5), Qt::ISODate);
        g.resultNumber = row.result;
        g.grade = TicketRules::grade(g.ticket, &result);
        rows << g;
    }
    const QByteArray csv = TicketList::exportCsv(rows);
    const QList<QByteArray> lines = csv.split('\n');
    QCOMPARE(lines.at(0), QByteArray("draw,number,way,units,note,date,result,outcome,prize,prize_kind,game"));
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(lines.at(i + 1), QByteArray(table[i].line));
    const TicketList::Parsed back = TicketList::parse(csv, QStringLiteral("export.csv"), 8000);
    QVERIFY2(back.ok(), qPrintable(back.error));
    QCOMPARE(back.tickets.size(), rows.size());
    for (int i = 0; i < rows.size(); ++i)
        QVERIFY(back.tickets.at(i).sameContent(rows.at(i).ticket));
    // Drawn, its result not in the book: not "waiting", which is for draws to come.
    GradedTicket due = rows.first();
    due.grade = TicketGrade();
    due.resultNumber = -1;
    due.resultDue = true;
    QVERIFY(TicketList::exportCsv({ due }).endsWith(",2026-09-01,,result missing,,,numbers4\n"));
}

// The marks of collecting: optional columns read by name; the full
// export writes them, with the last day of a win, and reads them back.
void TstBookCsv::ticketMarks_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("read");  // collected:online per ticket, or the start of the error
    QTest::newRow("a list without them") << QByteArray("draw,number,way,units\n7065,123,box,1\n") << "-:no";
    QTest::newRow("both, anywhere after the draw") << QByteArray("draw,online,number,way,units,collected\n7065,yes,123,box,1,\n7065,,124,box,1,2026-10-02\n")
                                        << "-:yes 2026-10-02:no";
    QTest::newRow("the full export")
        << QByteArray("draw,number,way,units,note,date,result,outcome,prize,prize_kind,game,last_day,collected,online\n"
                      "7073,188,straight,1,,2026-09-17,188,straight,87100,actual,numbers3,2027-09-17,2026-09-20,\n"
                      "7073,6916,box,1,,2026-09-17,6916,box 24-way,82200,actual,numbers4,2027-09-17,,YES\n")
        << "2026-09-20:no -:yes";
    QTest::newRow("not a day") << QByteArray("draw,number,way,units,collected\n7065,123,box,1,2026-02-30\n")
                               << "list.csv:2: \"2026-02-30\" is not the day";
    QTest::newRow("not yes") << QByteArray("draw,number,way,units,online\n7065,123,box,1,maybe\n")
                             << "list.csv:2: \"maybe\" is not a mark";
}

void TstBookCsv::ticketMarks()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, read);
    const TicketList::Parsed parsed = TicketList::parse(data, QStringLiteral("list.csv"), 8000);
    if (!parsed.ok()) {
        QVERIFY2(parsed.error.startsWith(read), qPrintable(parsed.error));
        return;
    }
    QStringList seen;
    QList<GradedTicket> rows;
    for (const Ticket &t : parsed.tickets) {
        seen << QStringLiteral("%1:%2").arg(t.collected.isValid() ? t.collected.toString(Qt::ISODate) : QStringLiteral("-"),
                                            t.online ? QStringLiteral("yes") : QStringLiteral("no"));
        GradedTicket g;
        g.ticket = t;
        g.grade.outcome = TicketGrade::StraightWin;
        g.period = PaymentPeriod::byRule(QDate(2026, 9, 17));
        rows << g;
    }
    QCOMPARE(seen.join(QLatin1Char(' ')), read);
    // Written in full and read again, the marks come back.
    const QByteArray full = TicketList::exportCsv(rows, TicketList::Layout::WithCollecting);
    QVERIFY(full.split('\n').at(1).contains(",2027-09-17,"));
    const TicketList::Parsed back = TicketList::parse(full, QStringLiteral("export.csv"), 8000);
    QVERIFY2(back.ok(), qPrintable(back.error));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QCOMPARE(back.tickets.at(i).collected, parsed.tickets.at(i).collected);
        QCOMPARE(back.tickets.at(i).online, parsed.tickets.at(i).online);
    }
}

QTEST_GUILESS_MAIN(TstBookCsv)
#include "tst_book_csv.moc"
