// Word of what the watched folder brought, on a private session bus with a
// notification service of the test's own: the summary and body of a win in
// English and Japanese, no call when notifications are off or nothing came
// in, and without the service the import still goes in.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include "book_store.h"
#include "book_window.h"
#include "elided_label.h"
#include "ticket_store.h"
#include "watched_folder.h"

// Owns org.freedesktop.Notifications and records what it is asked to show.
class NotifyServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList calls;  // summary, a line break, body

public slots:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body, const QStringList &,
                const QVariantMap &, int)
    {
        calls << summary + QLatin1Char('\n') + body;
        return uint(calls.size());
    }
};

class TstBookNotify : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void notifies_data();
    void notifies();
};

void TstBookNotify::initTestCase()
{
    if (!QDBusConnection::sessionBus().isConnected())
        QSKIP("no session bus: run under dbus-run-session");
}

void TstBookNotify::notifies_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<bool>("service");
    QTest::addColumn<bool>("notifying");
    QTest::addColumn<bool>("ticket");  // a winning straight ticket for the new draw
    QTest::addColumn<bool>("again");   // the same file was taken before: nothing comes in
    QTest::addColumn<QStringList>("calls");
    // The operator's file for draw 7073: both games, each named.
    QTest::newRow("a win") << QString() << true << true << true << false
                           << QStringList{ "A ticket won\nNumbers3 draw 7073, 188 straight: 87,100 yen, actual prize\n"
                                           "Numbers3 draw 7073: 188\nNumbers4 draw 7073: 6916" };
    QTest::newRow("a win in Japanese") << "numbers3-book_ja" << true << true << true << false
                                       << QStringList{ "購入が当せんしました\nナンバーズ3 第7073回、188 ストレート：87,100円、実際の当せん金\n"
                                                       "ナンバーズ3 第7073回：188\nナンバーズ4 第7073回：6916" };
    QTest::newRow("a result, no ticket") << QString() << true << true << false << false << QStringList();
    QTest::newRow("notifications off") << QString() << true << false << true << false << QStringList();
    QTest::newRow("nothing new") << QString() << true << true << true << true << QStringList();
    QTest::newRow("no service") << QString() << false << true << true << false << QStringList();
}

void TstBookNotify::notifies()
{
    QFETCH(QString, catalogue);
    QFETCH(bool, service);
    QFETCH(bool, notifying);
    QFETCH(bool, ticket);
    QFETCH(bool, again);
    QFETCH(QStringList, calls);

    NotifyServer server;
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("server"));
    const auto unregister = qScopeGuard([&bus] {
        bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        bus.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
    });
    if (service) {
        QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));
    }

    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(in));
    QVERIFY(QFile::copy(QStringLiteral(BOOK_FIXTURES "/A1007073-as-text.txt"), in + QStringLiteral("/A1007073.CSV")));
    {
        // Downloaded a minute ago: complete.
        QFile copied(in + QStringLiteral("/A1007073.CSV"));
        QVERIFY(copied.open(QIODevice::ReadWrite)
                && copied.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    }
    BookStore store;
    QVERIFY(store.open(dir.filePath(QStringLiteral("book.sqlite"))).usable());
    QVERIFY(!WatchedFolder::setFolder(store, in).failed());
    QVERIFY(!WatchedFolder::setNotifying(store, notifying).failed());
    if (ticket) {
        Ticket t;
        t.draw = 7073;
        t.number = 188;
        const BookError error = TicketStore(store).add({ t }, nullptr);
        QVERIFY2(!error.failed(), qPrintable(error.text));
    }
    if (again) {
        WatchedFolder before;
        before.look(store, in, QDateTime::currentDateTimeUtc());
        QCOMPARE(before.look(store, in, QDateTime::currentDateTimeUtc()).outcomes.size(), 1);
    }

    QTranslator translator;
    if (!catalogue.isEmpty()) {
        QVERIFY2(translator.load(catalogue, QDir::currentPath()), qPrintable(catalogue));
        QCoreApplication::installTranslator(&translator);
    }
    const auto untranslate = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
    BookWindow window(store);
    // The window looks as it opens, and again once the file has kept its size.
    QTRY_VERIFY_WITH_TIMEOUT(store.draw(7073).has_value(), WatchedFolder::SettleMs * 3);
    if (again) {
        QTest::qWait(WatchedFolder::SettleMs + 500);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(window.watchLabel->fullText().contains(QStringLiteral("7073")), 2000);
        QTest::qWait(300);  // for the call to reach the service
    }
    QTRY_COMPARE_WITH_TIMEOUT(server.calls, calls, 2000);
}

QTEST_MAIN(TstBookNotify)
#include "tst_book_notify.moc"
