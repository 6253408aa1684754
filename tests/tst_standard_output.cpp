// The trace lines must never stop the program: the scripted session runs
// with standard output closed, full, or a pipe whose reader has gone.
#include <QtTest>

class TestStandardOutput : public QObject
{
    Q_OBJECT

private slots:
    void failingOutput_data();
    void failingOutput();
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

QTEST_MAIN(TestStandardOutput)
#include "tst_standard_output.moc"
