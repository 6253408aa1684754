// numbers3-book --import: one line per file, a bad file does not stop the
// good ones, and the exit status says whether any failed.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include "book_cli.h"
#include "book_store.h"
#include "support/bundled_rows.h"
#include "watched_folder.h"

class TstBookCli : public QObject
{
    Q_OBJECT

private slots:
    void importFromCommandLine();
    void language_data();
    void language();
    void helpLanguage_data();
    void helpLanguage();
    void folderGradesTickets();
    void notRegularFile_data();
    void notRegularFile();
    void drawsToCome_data();
    void drawsToCome();
    void watchFromCommandLine();
};

static QString fixture(const char *name)
{
    return QStringLiteral(BOOK_FIXTURES "/") + QLatin1String(name);
}

void TstBookCli::importFromCommandLine()
{
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("sub/book.sqlite"));
    const QStringList files{ fixture("A1005167.CSV"), fixture("bad_truncated.csv"), fixture("multi_7060_7064.csv") };
    const auto run = [&](const QStringList &args, QByteArray *out) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));  // no display needed
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(BOOK_EXE), QStringList{ QStringLiteral("--database"), book } + args);
        p.waitForFinished(60000);
        *out = p.readAllStandardOutput();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };

    QByteArray out;
    QCOMPARE(run(QStringList{ QStringLiteral("--import") } + files, &out), 1);
    QCOMPARE(out,
             // The files' prizes are test values: they replace the bundled ones and say so.
             files.at(0).toUtf8() + ": 0 new, 0 already known, 1 replaced\n"
                 "  warning: draw 5167: the file has no block of Numbers4; the download may have been cut short, download the file again\n"
                 "  draw 5167: prize 110000 → 94500, prize 36600 → 15700, prize 73300 → 55100, prize 18300 → 7800 from A1005167.CSV\n"
             + files.at(1).toUtf8() + ": error: " + files.at(1).toUtf8()
                 + ":7: draw 7064: the block is cut short: no line \"セット(ストレート)\"\n"
             + files.at(2).toUtf8() + ": 0 new, 1 already known, 4 replaced\n"
                 "  draw 7061: prize 116900 → 90100, prize 38900 → 15010, prize 77900 → 52001, prize 19400 → 7600, prize 11600 → 9000 from multi_7060_7064.csv\n"
                 "  draw 7062: prize 81800 → 90200, prize 27200 → 15020, prize 13600 → 7600, prize 8100 → 9000 from multi_7060_7064.csv\n"
                 "  draw 7063: prize 117800 → 90300, prize 39200 → 15030, prize 78500 → 52003, prize 19600 → 7600, prize 11700 → 9000 from multi_7060_7064.csv\n"
                 "  draw 7064: prize 93300 → 90400, prize 15500 → 15040, prize 54400 → 52004, prize 7700 → 7600, prize 9300 → 9000 from multi_7060_7064.csv\n"
                 "  draw 7060: prizes added from multi_7060_7064.csv\n");

    // The good files went in (their six draws now come from files), and
    // a second run finds them known.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
        db.setDatabaseName(book);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*), SUM(straight_prize) FROM draws WHERE source_kind = 1")) && q.next());
        QCOMPARE(q.value(0).toInt(), 6);
        QCOMPARE(q.value(1).toLongLong(), 94500LL + 90000 + 90100 + 90200 + 90300 + 90400);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("look"));
    QCOMPARE(run({ QStringLiteral("--import"), files.at(0) }, &out), 0);
    QCOMPARE(out, files.at(0).toUtf8() + ": 0 new, 1 already known\n"
                  "  warning: draw 5167: the file has no block of Numbers4; the download may have been cut short, download the file again\n");
}

// Under a Japanese language of messages the same lines come from the
// catalogue beside the program, the importer's error included. The language
// is the C library's: LC_ALL, then LC_MESSAGES, then LANG.
void TstBookCli::language_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<bool>("japanese");
    QTest::newRow("LANG and LC_ALL Japanese") << "ja_JP.UTF-8" << "ja_JP.UTF-8" << "" << true;
    QTest::newRow("LC_ALL Japanese over English LANG") << "en_US.UTF-8" << "ja_JP.UTF-8" << "" << true;
    QTest::newRow("LC_ALL C over Japanese LANG") << "ja_JP.UTF-8" << "C" << "" << false;
    QTest::newRow("LC_MESSAGES alone") << "" << "" << "ja_JP.UTF-8" << true;
    QTest::newRow("LC_MESSAGES over English LANG") << "en_US.UTF-8" << "" << "ja_JP.UTF-8" << true;
    QTest::newRow("none set") << "" << "" << "" << false;
}

void TstBookCli::language()
{
    QFETCH(QString, lang);
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(bool, japanese);
    QTemporaryDir dir;
    const QStringList files{ fixture("A1005167.CSV"), fixture("bad_truncated.csv") };
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("LANGUAGE"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));
    env.insert(QStringLiteral("LANG"), lang);
    env.insert(QStringLiteral("LC_ALL"), lcAll);
    env.insert(QStringLiteral("LC_MESSAGES"), lcMessages);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(BOOK_EXE), QStringList{ QStringLiteral("--database"), dir.filePath(QStringLiteral("book.sqlite")),
                                                   QStringLiteral("--import") } + files);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    if (!japanese) {
        QVERIFY2(out.startsWith(files.at(0) + QStringLiteral(": 0 new, 0 already known, 1 replaced\n")), qPrintable(out));
        return;
    }
    QCOMPARE(out,
             files.at(0) + QStringLiteral(": 新規 0 件、登録済み 0 件、置き換え 1 件\n"
                                          "  警告：第5167回：ファイルにナンバーズ4のブロックがありません。"
                                          "ダウンロードが途中で切れたかもしれません。もう一度ダウンロードしてください\n"
                                          "  第5167回：A1005167.CSV により 当せん金 110000 → 94500, 当せん金 36600 → 15700, "
                                          "当せん金 73300 → 55100, 当せん金 18300 → 7800\n")
                 + files.at(1) + QStringLiteral(": エラー：") + files.at(1)
                 + QStringLiteral(":7: 第7064回：ブロックが途中で切れています（「セット(ストレート)」の行がありません）\n"));
}

// The language of every command-line text is chosen as the C library
// chooses it: LC_ALL, then LC_MESSAGES, then LANG.
void TstBookCli::helpLanguage_data()
{
    QTest::addColumn<QStringList>("environment");  // NAME=value
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said");  // the start of what is printed, on either stream
    QTest::newRow("help, LC_MESSAGES over LANG") << QStringList{"LANG=C", "LC_MESSAGES=ja_JP.UTF-8"} << QStringList{"--help"}
                                                 << "使い方: ";
    QTest::newRow("help, LC_ALL over both") << QStringList{"LANG=ja_JP.UTF-8", "LC_MESSAGES=ja_JP.UTF-8", "LC_ALL=C"}
                                            << QStringList{"--help"} << "Usage: ";
    QTest::newRow("the options in Japanese") << QStringList{"LANG=ja_JP.UTF-8"} << QStringList{"-h"}
                                             << "使い方: %1 [オプション] [ファイル...]\nナンバーズ3・ナンバーズ4 の当せん番号帳です。\n\nオプション:\n"
                                                "  -h, --help               オプションを表示して終了します。\n";
    QTest::newRow("a mistake in Japanese") << QStringList{"LANG=ja_JP.UTF-8"} << QStringList{"--import"}
                                           << "numbers3-book: --import にはファイルかフォルダーが 1 つ以上必要です\n";
    QTest::newRow("a file without --import, no display") << QStringList{"LANG=C", "QT_QPA_PLATFORM=none-such"} << QStringList{"foo.csv"}
                                                         << "numbers3-book: foo.csv: files need --import\n";
    QTest::newRow("the columns of collecting without an export") << QStringList{"LANG=ja_JP.UTF-8"} << QStringList{"--with-collecting"}
                                                                 << "numbers3-book: --with-collecting には --export-tickets が必要です\n";
    QTest::newRow("a folder without CSV files") << QStringList{"LANG=ja_JP.UTF-8"} << QStringList{"--import", "/dev/shm/.."}
                                                << "エラー：指定したものの中に CSV ファイルがありません\n";
}

void TstBookCli::helpLanguage()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    QTemporaryDir dir;
    if (arguments.contains(QStringLiteral("/dev/shm/..")))
        arguments.replace(1, dir.path());
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "LANGUAGE", "LANG", "LC_ALL", "LC_MESSAGES"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const QString &pair : environment)
        env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(BOOK_EXE), QStringList{ QStringLiteral("--database"), dir.filePath(QStringLiteral("book.sqlite")) } + arguments);
    QVERIFY(p.waitForFinished(60000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    QVERIFY2(out.startsWith(said.arg(QStringLiteral(BOOK_EXE))), qPrintable(out));
}

// --import takes folders as the window does, and says what the new results
// did to the tickets.
void TstBookCli::folderGradesTickets()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("in/sub")));
    QVERIFY(QFile::copy(fixture("A1005167.CSV"), dir.filePath(QStringLiteral("in/sub/A1005167.CSV"))));
    QFile list(dir.filePath(QStringLiteral("tickets.txt")));  // not CSV: the folder's import leaves it
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("5167,335,straight,1\n5167,353,box,1\n5167,123,straight,1\n");
    list.close();
    QVERIFY(QFile::copy(list.fileName(), dir.filePath(QStringLiteral("in/tickets.txt"))));
    const auto run = [&](const QStringList &args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(BOOK_EXE), QStringList{ QStringLiteral("--database"), dir.filePath(QStringLiteral("book.sqlite")) } + args);
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    QCOMPARE(run({ QStringLiteral("--import-tickets"), list.fileName() }), list.fileName() + QStringLiteral(": 3 tickets added\n"));
    QCOMPARE(run({ QStringLiteral("--import"), dir.filePath(QStringLiteral("in")) }),
             dir.filePath(QStringLiteral("in/sub/A1005167.CSV"))
                 + QStringLiteral(": 0 new, 0 already known, 1 replaced\n"
                                  "  warning: draw 5167: the file has no block of Numbers4; the download may have been cut short, download the file again\n"
                                  "  draw 5167: prize 110000 \u2192 94500, prize 36600 \u2192 15700, prize 73300 \u2192 55100,"
                                  " prize 18300 \u2192 7800 from A1005167.CSV\n"
                                  "Tickets graded: 3; won: 2.\n"));
}

// A pipe or a device is refused by name before it is opened: reading
// either would wait for a writer or never end.
void TstBookCli::notRegularFile_data()
{
    QTest::addColumn<QString>("path");  // empty: a FIFO made here
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << QString() << "a named pipe (FIFO)";
    QTest::newRow("device") << "/dev/zero" << "a device";
}

void TstBookCli::notRegularFile()
{
    QFETCH(QString, path);
    QFETCH(QString, kind);
    QTemporaryDir dir;
    if (path.isEmpty()) {
        path = dir.filePath(QStringLiteral("A1007064.CSV"));
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(BOOK_EXE), { QStringLiteral("--database"), dir.filePath(QStringLiteral("book.sqlite")),
                                        QStringLiteral("--import"), path });
    QVERIFY2(p.waitForFinished(20000), "the import waits on the path");
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()),
             QStringLiteral("%1: error: %1: is %2, not a regular file; only files can be imported\n").arg(path, kind));
}

// A result of a draw still to come is refused with its file, whatever the
// file's kind; the same file goes in once the result is out.
void TstBookCli::drawsToCome_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QByteArray>("content");  // empty: the operator's multi-draw file
    QTest::addColumn<QString>("said");        // after "FILE: "
    const auto utc = [](int d, int h, int mi) { return QDateTime(QDate(2026, 9, d), QTime(h, mi), Qt::UTC); };
    const QString toCome = QStringLiteral("error: FILE: draw %1 is drawn on %2; its result cannot be known before 20:30 Japan time that day\n");
    // Draw 7064 is on Friday 2026-09-04; its results are out at 20:30 there, 11:30 UTC.
    QTest::newRow("operator file, before the results") << utc(4, 11, 29) << QByteArray() << toCome.arg(7064).arg("2026-09-04 Fri");
    QTest::newRow("operator file, a day early") << utc(3, 12, 0) << QByteArray() << toCome.arg(7064).arg("2026-09-04 Fri");
    QTest::newRow("operator file, results out") << utc(4, 11, 30) << QByteArray()
                                                << "0 new, 1 already known, 4 replaced\n";
    const QByteArray plain("draw,date,number\n7064,2026-09-04,251\n7065,2026-09-07,282\n");
    QTest::newRow("book CSV, the next draw") << utc(5, 0, 0) << plain << toCome.arg(7065).arg("2026-09-07 Mon");
    QTest::newRow("book CSV, both out") << utc(7, 11, 30) << plain << "0 new, 2 already known\n";
}

void TstBookCli::drawsToCome()
{
    QFETCH(QDateTime, now);
    QFETCH(QByteArray, content);
    QFETCH(QString, said);
    QTemporaryDir dir;
    QString file = fixture("multi_7060_7064.csv");
    if (!content.isEmpty()) {
        QFile f(dir.filePath(QStringLiteral("results.csv")));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
        file = f.fileName();
    }
    BookStore store;
    QVERIFY(store.open(dir.filePath(QStringLiteral("book.sqlite"))).usable());
    QVERIFY(store.loadBundled());
    QString out;
    QTextStream stream(&out);
    const int status = BookCli::importFiles(store, { file }, now, stream);
    // The first line (importFromCommandLine checks the notes under it).
    QCOMPARE(out.section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n'), file + QStringLiteral(": ") + said.replace(QStringLiteral("FILE"), file));
    QCOMPARE(status, said.contains(QStringLiteral("error:")) ? 1 : 0);
    QCOMPARE(store.count(), bundledRows(RESULTS_CSV));  // draws 7064 and 7065 are bundled
}


// --watch takes what waits in the book's folder once: a second run finds
// nothing new, the same file under another name too, and a damaged file is
// reported on the first run only and left where it is.
void TstBookCli::watchFromCommandLine()
{
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("book.sqlite"));
    const QString in = dir.filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(in));
    {
        BookStore store;
        QVERIFY(store.open(book).usable());
        QVERIFY(!WatchedFolder::setFolder(store, in).failed());
    }
    // Saved under a name of its own: taken as it starts as the operator's files do.
    QVERIFY(QFile::copy(fixture("A1005167.CSV"), in + QStringLiteral("/results 5167.csv")));
    QVERIFY(QFile::copy(fixture("bad_truncated.csv"), in + QStringLiteral("/a1007064.csv")));
    QFile list(dir.filePath(QStringLiteral("tickets.txt")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("5167,335,straight,1\n5167,353,box,1\n5167,123,straight,1\n");
    list.close();
    const auto run = [&](const QStringList &args, QString *out) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(BOOK_EXE), QStringList{ QStringLiteral("--database"), book } + args);
        p.waitForFinished(60000);
        *out = QString::fromUtf8(p.readAllStandardOutput());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    QString out;
    QCOMPARE(run({ QStringLiteral("--import-tickets"), list.fileName() }, &out), 0);
    QCOMPARE(run({ QStringLiteral("--watch") }, &out), 1);
    QCOMPARE(out, in + QStringLiteral("/a1007064.csv: error: ") + in
                      + QStringLiteral("/a1007064.csv:7: draw 7064: the block is cut short: no line \"\u30bb\u30c3\u30c8(\u30b9\u30c8\u30ec\u30fc\u30c8)\"\n")
                      + in + QStringLiteral("/results 5167.csv: 0 new, 0 already known, 1 replaced\n"
                                            "  draw 5167: prize 110000 \u2192 94500, prize 36600 \u2192 15700, prize 73300 \u2192 55100,"
                                            " prize 18300 \u2192 7800 from results 5167.csv\n"
                                            "Tickets graded: 3; won: 2.\n"));
    QVERIFY(QFile::copy(fixture("A1005167.CSV"), in + QStringLiteral("/A1009999.CSV")));
    QCOMPARE(run({ QStringLiteral("--watch") }, &out), 0);
    QCOMPARE(out, in + QStringLiteral(": nothing new\n"));
    QVERIFY(QFile::exists(in + QStringLiteral("/a1007064.csv")));
}

QTEST_GUILESS_MAIN(TstBookCli)
#include "tst_book_cli.moc"
