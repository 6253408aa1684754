// The program's run-time files may be missing, broken or harmful (a FIFO, a
// device, a huge page, a sound whose header lies): the session must still go
// as usual, with no box, only without what the file would give.
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "bought/wave_header.h"

class TestRuntimeFiles : public QObject
{
    Q_OBJECT

private slots:
    void brokenFile_data();
    void brokenFile();
    void waveHeader_data();
    void waveHeader();
};

namespace {
bool copyTree(const QString &from, const QString &to)
{
    QDir source(from);
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo &entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !copyTree(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

QByteArray littleEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// Makes path missing, empty, a directory, unreadable, garbage, a FIFO, a link
// to an endless device, 20 MB, or (a sound) a copy whose header claims 4 GiB.
bool breakFile(const QString &path, const QString &fault)
{
    QFile original(path);
    const QByteArray kept = original.open(QIODevice::ReadOnly) ? original.readAll() : QByteArray();
    QFile::remove(path);
    if (fault == QLatin1String("fifo"))
        return mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
    if (fault == QLatin1String("device"))
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (fault == QLatin1String("missing"))
        return true;
    if (fault == QLatin1String("directory"))
        return QDir().mkpath(path);
    if (fault == QLatin1String("unreadable") && geteuid() == 0) {
        // Permissions do not stop root; a file whose every read fails does.
        return QFile::link(QStringLiteral("/proc/self/mem"), path);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (fault == QLatin1String("garbage")) {
        QByteArray bytes(4096, '\0');
        quint32 state = 12345;
        for (char &b : bytes) {
            state = state * 1664525u + 1013904223u;
            b = char(state >> 24);
        }
        file.write(bytes);
    }
    if (fault == QLatin1String("oversize")) {
        const QByteArray line = "<p>Left click stops the roll, right click opens the settings.</p>\n";
        for (qint64 written = 0; written < 20 * 1024 * 1024; written += line.size())
            file.write(line);
    }
    if (fault == QLatin1String("lying header")) {
        const int data = int(kept.indexOf("data"));
        if (data < 0)
            return false;
        file.write(kept.left(data + 4) + littleEndian32(0xfffffff0u) + kept.mid(data + 8));
    }
    file.close();
    if (fault == QLatin1String("unreadable"))
        return file.setPermissions(QFileDevice::Permissions());
    return true;
}
}

void TestRuntimeFiles::brokenFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("fault");

    for (const char *file : {"numbers_ja.qm", "html/index.html", "wav/check.wav"}) {
        for (const char *fault : {"missing", "empty", "directory", "unreadable", "garbage", "fifo", "device"})
            QTest::addRow("%s %s", file, fault) << QString::fromLatin1(file) << QString::fromLatin1(fault);
    }
    QTest::addRow("html/index.html oversize") << QStringLiteral("html/index.html") << QStringLiteral("oversize");
    QTest::addRow("wav/check.wav lying header") << QStringLiteral("wav/check.wav") << QStringLiteral("lying header");
}

void TestRuntimeFiles::brokenFile()
{
    QFETCH(QString, file);
    QFETCH(QString, fault);

    QTemporaryDir dir;
    QVERIFY(copyTree(QStringLiteral(RUN_DIR), dir.path()));
    QVERIFY(breakFile(dir.filePath(file), fault));

    QProcess session;
    session.setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("ja_JP.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("ja_JP.UTF-8"));
    session.setProcessEnvironment(env);
    session.setStandardOutputFile(QProcess::nullDevice());
#if !defined(__SANITIZE_ADDRESS__)
    // As on a small machine: a file that makes the program allocate what it
    // claims to hold ends it at once instead of slowly (the sanitizer's
    // shadow memory needs far more address space, so not under it).
    session.setChildProcessModifier([] {
        const rlimit twoGigabytes{2000000 * 1024UL, 2000000 * 1024UL};
        setrlimit(RLIMIT_AS, &twoGigabytes);
    });
#endif
    session.start(QStringLiteral(SESSION_PROBE), {});
    // A stuck reader keeps the process from ending after its last window.
    const bool ended = session.waitForFinished(60000);
    if (!ended) {
        session.kill();
        session.waitForFinished();
    }
    const QString report = QString::fromUtf8(session.readAllStandardError());
    QVERIFY2(ended, qPrintable(report));

    QVERIFY2(session.exitStatus() == QProcess::NormalExit && session.exitCode() == 0, qPrintable(report));
    QVERIFY2(report.contains(QLatin1String("session ok")), qPrintable(report));
    const bool catalogueBroken = file == QLatin1String("numbers_ja.qm");
    const QString title = catalogueBroken ? QStringLiteral("Korvel no Numbers") : QStringLiteral("コーヴェルのナンバーズ");
    QVERIFY2(report.contains(QLatin1String("title=") + title), qPrintable(report));
    // Garbage bytes still make a page of sorts; every other fault an empty one.
    const bool helpEmpty = file == QLatin1String("html/index.html") && fault != QLatin1String("garbage");
    QVERIFY2(report.contains(QLatin1String("help page characters=0")) == helpEmpty, qPrintable(report));

    // Up within a second, and rolling all along: a file read in the way
    // would hold both back.
    const QRegularExpressionMatch started = QRegularExpression(QStringLiteral("started in (\\d+) ms")).match(report);
    QVERIFY2(started.hasMatch(), qPrintable(report));
#if !defined(__SANITIZE_ADDRESS__)
    QVERIFY2(started.captured(1).toInt() < 1000, qPrintable(report));
#endif
    const QRegularExpressionMatch ticks = QRegularExpression(QStringLiteral("ticks=(\\d+)")).match(report);
    QVERIFY2(ticks.hasMatch() && ticks.captured(1).toInt() >= 2, qPrintable(report));
}

// A click sound is used only when its header describes what the file holds.
void TestRuntimeFiles::waveHeader_data()
{
    QFile real(QStringLiteral("wav/check.wav"));
    QVERIFY(real.open(QIODevice::ReadOnly));
    const QByteArray wav = real.readAll();
    const int data = int(wav.indexOf("data"));
    QVERIFY(data > 0);
    auto with = [&wav](int at, quint32 value) { return QByteArray(wav).replace(at, 4, littleEndian32(value)); };

    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("usable");
    QTest::newRow("the program's own") << wav << true;
    QTest::newRow("data size 4 GiB") << with(data + 4, 0xfffffff0u) << false;
    QTest::newRow("data size one too many") << with(data + 4, quint32(wav.size() - data - 8 + 1)) << false;
    QTest::newRow("RIFF size 4 GiB") << with(4, 0xfffffff0u) << false;
    QTest::newRow("format chunk past the end") << with(16, 0x7ffffff0u) << false;
    QTest::newRow("cut in the header") << wav.left(data + 6) << false;
    QTest::newRow("no data chunk") << QByteArray(wav).replace(data, 4, "junk") << false;
    QTest::newRow("not a RIFF file") << QByteArray(wav).replace(0, 4, "RIFX") << false;
}

void TestRuntimeFiles::waveHeader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, usable);
    QCOMPARE(WaveHeader::fits(bytes), usable);
}

QTEST_MAIN(TestRuntimeFiles)
#include "tst_runtime_files.moc"
