// The program's run-time files may be missing or broken: the session must
// still go as usual, with no box, only without what the file would give.
#include <QtTest>

#include <unistd.h>

class TestRuntimeFiles : public QObject
{
    Q_OBJECT

private slots:
    void brokenFile_data();
    void brokenFile();
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

// Makes path missing, empty, a directory, unreadable or garbage.
bool breakFile(const QString &path, const QString &fault)
{
    QFile::remove(path);
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
        for (const char *fault : {"missing", "empty", "directory", "unreadable", "garbage"})
            QTest::addRow("%s %s", file, fault) << QString::fromLatin1(file) << QString::fromLatin1(fault);
    }
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
    session.start(QStringLiteral(SESSION_PROBE), {});
    QVERIFY(session.waitForFinished(120000));
    const QString report = QString::fromUtf8(session.readAllStandardError());

    QVERIFY2(session.exitStatus() == QProcess::NormalExit && session.exitCode() == 0, qPrintable(report));
    QVERIFY2(report.contains(QLatin1String("session ok")), qPrintable(report));
    const bool catalogueBroken = file == QLatin1String("numbers_ja.qm");
    const QString title = catalogueBroken ? QStringLiteral("Korvel no Numbers") : QStringLiteral("コーヴェルのナンバーズ");
    QVERIFY2(report.contains(QLatin1String("title=") + title), qPrintable(report));
    // Garbage bytes still make a page of sorts; every other fault an empty one.
    const bool helpEmpty = file == QLatin1String("html/index.html") && fault != QLatin1String("garbage");
    QVERIFY2(report.contains(QLatin1String("help page characters=0")) == helpEmpty, qPrintable(report));
}

QTEST_MAIN(TestRuntimeFiles)
#include "tst_runtime_files.moc"
