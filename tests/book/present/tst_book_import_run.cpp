// The window's import of many files: they are stored while the rest are
// still being read, each under its own name, and every one goes in.
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "book_store.h"
#include "import_run.h"

class TstBookImportRun : public QObject
{
    Q_OBJECT

private slots:
    void storesWhileReading();
};

void TstBookImportRun::storesWhileReading()
{
    QFile results(QStringLiteral(RESULTS_CSV));
    QVERIFY(results.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = results.readAll().trimmed().split('\n');
    QTemporaryDir dir;
    // Enough one-draw files that reading them outlasts many of the
    // window's looks, on any machine.
    const int total = 3000;
    QStringList files;
    for (int i = 1; i <= total; ++i) {
        files << dir.filePath(QStringLiteral("%1.csv").arg(i, 4, 10, QLatin1Char('0')));
        QFile f(files.last());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(lines.constFirst() + '\n' + lines.at(i) + '\n');
    }
    BookStore store;
    QVERIFY(store.open(dir.filePath(QStringLiteral("book.sqlite"))).usable());

    ImportRun import(store, files, QDateTime::currentDateTimeUtc());
    QList<int> storedAtLooks;
    connect(&import, &ImportRun::progressed, this, [&] { storedAtLooks << store.count(); });
    QEventLoop loop;
    connect(&import, &ImportRun::finished, &loop, &QEventLoop::quit);
    import.start();
    loop.exec();

    QVERIFY2(std::any_of(storedAtLooks.cbegin(), storedAtLooks.cend(), [](int n) { return n > 0 && n < total; }),
             "nothing was stored before the last file was read");
    const QList<ImportBatch::Outcome> outcomes = import.outcomes();
    QCOMPARE(outcomes.size(), total);
    for (int i = 0; i < total; ++i) {
        QCOMPARE(outcomes.at(i).path, files.at(i));
        QCOMPARE(outcomes.at(i).report.added, 1);
        QCOMPARE(store.draw(i + 1)->number, lines.at(i + 1).split(',').value(2).toInt());
    }
}

QTEST_MAIN(TstBookImportRun)
#include "tst_book_import_run.moc"
