// Results fetched from the results address, against a server started here:
// what is stored, what is refused, when a run stops, and what it asks.
#include <QCryptographicHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include "book_store.h"
#include "draw_calendar.h"
#include "results_fetch.h"
#include "results_source.h"
#include "seen_files.h"

namespace {

// "令和8年9月18日"
QString era(const QDate &day)
{
    return QStringLiteral("令和%1年%2月%3日").arg(day.year() - 2018).arg(day.month()).arg(day.day());
}

// An operator file of one draw in the published layout, made up for the test;
// payment runs from the day after the draw to the same date a year later.
QByteArray operatorFile(int draw)
{
    const QDate day = DrawCalendar::dateOf(draw);
    const QString n3 = QString::number(draw % 1000).rightJustified(3, QLatin1Char('0'));
    const QString n4 = QString::number(draw).rightJustified(4, QLatin1Char('0'));
    const QString text = QStringLiteral(
        "A50\r\n第%1回ナンバーズ,数字選択式全国自治宝くじ,令和%2年%3月%4日,東京 宝くじドリーム館\r\n"
        "支払期間,%7から%8まで\r\n"
        "ナンバーズ３抽せん数字,%5\r\nストレート,%5,62口,87100円\r\nボックス,253口,29000円\r\n"
        "セット（ストレート）,162口,58000円\r\nセット（ボックス）,419口,14500円\r\nミニ,下２ケタ,468口,8700円\r\n\r\n"
        "ナンバーズ４抽せん数字,%6\r\nストレート,%6,18口,986400円\r\nボックス,153口,82200円\r\n"
        "セット（ストレート）,51口,534300円\r\nセット（ボックス）,680口,41100円\r\n")
        .arg(draw).arg(day.year() - 2018).arg(day.month()).arg(day.day()).arg(n3, n4)
        .arg(era(day.addDays(1)), era(day.addYears(1)));
    return text.toUtf8();
}

// Answers GET requests by the draw in the path, each draw's answers in
// turn, the last one again and again: "200" (its file), "404", "503",
// "html", "other" (another draw's file), "big" (2 MB), "cut" (half the
// body, then closed), "silent" (never a word), "redirect" (to /moved/).
// Every answer sets a cookie, which must never come back.
class FetchServer : public QTcpServer
{
public:
    QHash<int, QStringList> answers;
    QStringList asked;   // "7089" per request, in order
    int absolute = 0;    // requests that named a whole URL, as to a proxy
    int cookies = 0;     // requests that sent a cookie back

    FetchServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        });
    }

private:
    void serve(QTcpSocket *socket)
    {
        QByteArray &request = pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray target = request.split(' ').value(1);
        const bool cookie = request.toLower().contains("\r\ncookie:");
        request.clear();
        static const QRegularExpression name(QStringLiteral("A100(\\d{4})\\.CSV$"));
        const int draw = name.match(QString::fromLatin1(target)).captured(1).toInt();
        // Qt at times sends a request again at once on the same connection;
        // that is its own doing, not a second ask (asks are a second apart).
        const QByteArray key = QByteArray::number(socket->peerPort()) + target;
        if (lastAsk.value(key).isValid() && lastAsk.value(key).elapsed() < 500)
            return;
        lastAsk[key].start();
        asked << QString::number(draw);
        absolute += target.startsWith("http://");
        cookies += cookie;
        QStringList &queue = answers[draw];
        const QString kind = target.contains("/moved/") ? QStringLiteral("200")
                             : queue.size() > 1 ? queue.takeFirst() : queue.value(0, QStringLiteral("404"));
        if (kind == QLatin1String("silent"))
            return;
        QByteArray status = "200 OK", type = "text/csv", body = operatorFile(draw), extra;
        if (kind == QLatin1String("404") || kind == QLatin1String("503"))
            status = kind == QLatin1String("404") ? "404 Not Found" : "503 Service Unavailable", body = "<html>no</html>", type = "text/html";
        else if (kind == QLatin1String("html"))
            body = "<!DOCTYPE html><html><body>Under maintenance</body></html>", type = "text/html";
        else if (kind == QLatin1String("other"))
            body = operatorFile(draw + 1);
        else if (kind == QLatin1String("big"))
            body = body.repeated(2 * 1024 * 1024 / body.size() + 1);
        else if (kind == QLatin1String("redirect"))
            status = "302 Found", extra = "Location: /moved/A100" + QByteArray::number(draw) + ".CSV\r\n", body.clear();
        QByteArray head = "HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: "
                          + QByteArray::number(body.size()) + "\r\nSet-Cookie: visit=1\r\n" + extra + "\r\n";
        if (kind == QLatin1String("cut")) {
            socket->write(head + body.left(body.size() / 2));
            socket->disconnectFromHost();
            return;
        }
        socket->write(head + body);
    }

    QHash<QTcpSocket *, QByteArray> pending;
    QHash<QByteArray, QElapsedTimer> lastAsk;
};

const char *const KindNames[] = { "taken", "known", "notout", "absent", "refused", "failed" };

DrawResult held(int draw, Game game)
{
    DrawResult r;
    r.draw = draw;
    r.game = game;
    r.date = DrawCalendar::dateOf(draw);
    r.number = draw % 1000;
    r.sourceKind = DrawResult::File;
    return r;
}

} // namespace

class TstBookFetch : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fetches_data();
    void fetches();
    void address_data();
    void address();
};

void TstBookFetch::init()
{
    for (const char *name : { "http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "no_proxy", "NO_PROXY" })
        qunsetenv(name);
}

void TstBookFetch::fetches_data()
{
    QTest::addColumn<QString>("served");    // draw=answer,answer;...
    QTest::addColumn<QList<int>>("lacking"); // draws the book lacks in the four-digit game
    QTest::addColumn<int>("runs");
    QTest::addColumn<bool>("viaProxy");
    QTest::addColumn<QString>("answers");   // every run's, in order
    QTest::addColumn<QString>("asked");
    QTest::addColumn<int>("newest");        // the newest draw held afterwards, both games

    const QList<int> none;
    QTest::newRow("three missing, then not out") << "7089=200;7090=200;7091=200" << none << 1 << false
                                                 << "taken taken taken notout" << "7089 7090 7091 7092" << 7091;
    QTest::newRow("newest not out") << "" << none << 1 << false << "notout" << "7089" << 7088;
    QTest::newRow("503, then a good file") << "7089=503,200" << none << 2 << false << "failed taken notout"
                                           << "7089 7089 7090" << 7089;
    QTest::newRow("web page with 200") << "7089=html;7090=200" << none << 1 << false << "refused" << "7089" << 7088;
    QTest::newRow("another draw's file") << "7089=other" << none << 1 << false << "refused" << "7089" << 7088;
    QTest::newRow("2 MB with 200") << "7089=big" << none << 1 << false << "refused" << "7089" << 7088;
    QTest::newRow("body cut short") << "7089=cut;7090=200" << none << 1 << false << "failed" << "7089" << 7088;
    QTest::newRow("never answers") << "7089=silent" << none << 1 << false << "failed" << "7089" << 7088;
    QTest::newRow("redirect") << "7089=redirect" << none << 1 << false << "taken notout" << "7089 7089 7090" << 7089;
    QTest::newRow("proxy from the environment") << "7089=200" << none << 1 << true << "taken notout" << "7089 7090" << 7089;
    QTest::newRow("old gap asked once") << "7089=200" << QList<int>{7087} << 2 << false
                                        << "absent taken notout notout" << "7087 7089 7090 7090" << 7089;
    QTest::newRow("old gap answered with a page") << "7087=html;7089=200" << QList<int>{7087} << 2 << false
                                                  << "refused taken notout notout" << "7087 7089 7090 7090" << 7089;
}

void TstBookFetch::fetches()
{
    QFETCH(QString, served);
    QFETCH(QList<int>, lacking);
    QFETCH(int, runs);
    QFETCH(bool, viaProxy);
    QTemporaryDir dir;
    BookStore store;
    QVERIFY(store.open(dir.filePath(QStringLiteral("book.sqlite"))).usable());
    ImportedFile start;
    start.fileName = QStringLiteral("start.csv");
    start.format = ImportedFile::PlainCsv;
    for (int draw = 7086; draw <= 7088; ++draw)
        for (Game game : { Game::Numbers3, Game::Numbers4 })
            if (game == Game::Numbers3 || !lacking.contains(draw))
                start.draws << held(draw, game);
    QVERIFY(store.importFile(start).ok);

    FetchServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    for (const QString &item : served.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        server.answers[item.section(QLatin1Char('='), 0, 0).toInt()] = item.section(QLatin1Char('='), 1).split(QLatin1Char(','));
    const QString local = QStringLiteral("http://127.0.0.1:%1/csv/").arg(server.serverPort());
    if (viaProxy)
        qputenv("http_proxy", QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()).toLatin1());
    QVERIFY(!ResultsSource::setAddress(store, viaProxy ? QStringLiteral("http://results.invalid/csv/") : local).failed());

    // Draw 7092's results are out, those of 7093 are not.
    const QDateTime now(DrawCalendar::dateOf(7092), QTime(12, 30), Qt::UTC);
    ResultsFetch fetch(store);
    fetch.setTimeout(400);
    QStringList got;
    for (int run = 0; run < runs; ++run) {
        QSignalSpy done(&fetch, &ResultsFetch::finished);
        QVERIFY(fetch.start(now));
        QVERIFY(done.wait(10000));
        const auto result = done.first().first().value<ResultsFetch::Run>();
        for (const ResultsFetch::Answer &a : result.answers) {
            got << QLatin1String(KindNames[a.kind]);
            if (a.kind == ResultsFetch::Answer::Taken) {
                QVERIFY2(a.outcome.report.ok, qPrintable(a.outcome.report.error));
                const QByteArray sha = QCryptographicHash::hash(operatorFile(a.draw), QCryptographicHash::Sha256).toHex();
                QVERIFY(SeenFiles(store).contains(QString::fromLatin1(sha)));
            }
        }
        QCOMPARE(result.offline, got.constLast() == QLatin1String("failed"));
        QVERIFY(result.retryAt > now);
    }
    QFETCH(QString, answers);
    QFETCH(QString, asked);
    QCOMPARE(got.join(QLatin1Char(' ')), answers);
    QCOMPARE(server.asked.join(QLatin1Char(' ')), asked);
    QCOMPARE(server.absolute, viaProxy ? int(server.asked.size()) : 0);
    QCOMPARE(server.cookies, 0);
    QFETCH(int, newest);
    QCOMPARE(store.lastDraw(Game::Numbers3)->draw, newest);
    QCOMPARE(store.lastDraw(Game::Numbers4)->draw, newest);
    QCOMPARE(store.missingDraws(0, Game::Numbers4), lacking);
}

void TstBookFetch::address_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("url");

    const QString official = ResultsSource::defaultAddress();
    QTest::newRow("default") << "default" << official << official + "A1007131.CSV";
    QTest::newRow("mirror without slash") << "http://mirror.example/n" << "http://mirror.example/n" << "http://mirror.example/n/A1007131.CSV";
    QTest::newRow("not http") << "file:///tmp/results" << official << official + "A1007131.CSV";
    QTest::newRow("no host") << "https:///csv/" << official << official + "A1007131.CSV";
}

void TstBookFetch::address()
{
    QFETCH(QString, given);
    QFETCH(QString, kept);
    QTemporaryDir dir;
    BookStore store;
    QVERIFY(store.open(dir.filePath(QStringLiteral("book.sqlite"))).usable());
    QCOMPARE(ResultsSource::setAddress(store, given).failed(), given.startsWith(QLatin1String("file")) || given.contains(QLatin1String(":///")));
    QCOMPARE(ResultsSource::address(store), kept);
    QFETCH(QString, url);
    QCOMPARE(ResultsSource::urlFor(kept, 7131).toString(), url);
}

QTEST_GUILESS_MAIN(TstBookFetch)
#include "tst_book_fetch.moc"
