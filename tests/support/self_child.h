#ifndef SELF_CHILD_H
#define SELF_CHILD_H

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>

#include <utility>

// Starts this test program again as a child, with variables added to the
// environment (one of them tells its main() which child to be), and gives
// the first line it prints: empty if it printed none within 30 s or ended.
inline QByteArray startSelf(QProcess &child, const QList<std::pair<QString, QString>> &variables)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto &[name, value] : variables)
        env.insert(name, value);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForStarted())
        return QByteArray();
    const QDeadlineTimer deadline(30000);
    while (!child.canReadLine() && child.state() == QProcess::Running && !deadline.hasExpired())
        child.waitForReadyRead(100);
    return child.readLine();
}

#endif
