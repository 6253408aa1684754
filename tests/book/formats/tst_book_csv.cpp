// The one CSV reader, both ways: exact for ticket lists (quoted line breaks,
// a bad quote refused with its line) and lenient for the lines of result
// files (blanks dropped, quotes anywhere, thousands commas left to the
// importer); and what the writer quotes reads back the same. Exports
// replace a file whole and never replace a pipe, a folder or a link.
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "csv_reader.h"
#include "csv_writer.h"
#include "export_file.h"

class TstBookCsv : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void roundTrip();
    void exportTarget_data();
    void exportTarget();
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

QTEST_GUILESS_MAIN(TstBookCsv)
#include "tst_book_csv.moc"
