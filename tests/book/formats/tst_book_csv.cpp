// The one CSV reader, both ways: exact for ticket lists (quoted line breaks,
// a bad quote refused with its line) and lenient for the lines of result
// files (blanks dropped, quotes anywhere, thousands commas left to the
// importer); and what the writer quotes reads back the same.
#include <QtTest>

#include "csv_reader.h"
#include "csv_writer.h"

class TstBookCsv : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void roundTrip();
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

QTEST_GUILESS_MAIN(TstBookCsv)
#include "tst_book_csv.moc"
