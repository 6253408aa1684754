// The trace lines must never stop the program: the scripted session runs
// with standard output closed, full, or a pipe whose reader has gone.
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/startup.h"

class TestStandardOutput : public QObject
{
    Q_OBJECT

private slots:
    void failingOutput_data();
    void failingOutput();
    void closedDescriptorReopened_data();
    void closedDescriptorReopened();
};

void TestStandardOutput::failingOutput_data()
{
    QTest::addColumn<QString>("shell");

    QTest::newRow("closed") << QStringLiteral("exec \"$0\" >&-");
    QTest::newRow("/dev/full") << QStringLiteral("exec \"$0\" >/dev/full");
    QTest::newRow("reader gone") << QStringLiteral("\"$0\" | true; exit ${PIPESTATUS[0]}");
}

void TestStandardOutput::failingOutput()
{
    QFETCH(QString, shell);

    QProcess session;
    session.setWorkingDirectory(QStringLiteral(RUN_DIR));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    session.setProcessEnvironment(env);
    session.start(QStringLiteral("bash"), {QStringLiteral("-c"), shell, QStringLiteral(SESSION_PROBE)});
    QVERIFY(session.waitForFinished(120000));
    const QString report = QString::fromUtf8(session.readAllStandardError());
    QVERIFY2(session.exitStatus() == QProcess::NormalExit, qPrintable(report));
    QVERIFY2(session.exitCode() == 0, qPrintable(QString::number(session.exitCode()) + report));
    QVERIFY2(report.contains(QLatin1String("session ok")), qPrintable(report));
}

void TestStandardOutput::closedDescriptorReopened_data()
{
    QTest::addColumn<int>("fd");
    QTest::newRow("standard input") << int(STDIN_FILENO);
    QTest::newRow("standard output") << int(STDOUT_FILENO);
    QTest::newRow("standard error") << int(STDERR_FILENO);
}

// A descriptor the program was started without is taken by /dev/null, so
// nothing opened later can get its number.
void TestStandardOutput::closedDescriptorReopened()
{
    QFETCH(int, fd);
    std::fflush(nullptr);
    const int saved = dup(fd);
    close(fd);
    guardStandardStreams();
    struct stat opened = {};
    struct stat null = {};
    const bool isOpen = fstat(fd, &opened) == 0;
    dup2(saved, fd);
    close(saved);
    QVERIFY(isOpen);
    QVERIFY(stat("/dev/null", &null) == 0);
    QCOMPARE(opened.st_rdev, null.st_rdev);
    QVERIFY(S_ISCHR(opened.st_mode));
}

QTEST_MAIN(TestStandardOutput)
#include "tst_standard_output.moc"
