#include "results_fetch.h"

#include <QCryptographicHash>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimeZone>

#include <algorithm>

#include "book_store.h"
#include "draw_calendar.h"
#include "result_importer.h"
#include "seen_files.h"

namespace {

QDateTime resultsTime(const QDate &day)
{
    return QDateTime(day, DrawCalendar::resultsOut(), QTimeZone(9 * 3600)).toUTC();
}

bool looksLikeHtml(const QByteArray &body, const QString &type)
{
    const QByteArray start = body.left(512).trimmed().toLower();
    return type.contains(QLatin1String("html"), Qt::CaseInsensitive) || start.startsWith("<!doctype") || start.startsWith("<html")
           || start.startsWith("<?xml");
}

} // namespace

ResultsFetch::ResultsFetch(BookStore &store, QObject *parent)
    : QObject(parent), store(store), network(new QNetworkAccessManager(this))
{
    // http_proxy, https_proxy and no_proxy, as the rest of the desktop.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    pace.setSingleShot(true);
    connect(&pace, &QTimer::timeout, this, &ResultsFetch::askNext);
}

ResultsFetch::~ResultsFetch() = default;

bool ResultsFetch::start(const QDateTime &at)
{
    if (running)
        return false;
    running = true;
    now = at;
    run = Run{};
    run.before = store.everyDraw();
    address = ResultsSource::address(store);
    const ResultsSource::Plan plan = ResultsSource::plan(store, now);
    gaps = plan.gaps;
    queue = plan.gaps;
    for (int draw = plan.firstNew; draw <= plan.lastNew; ++draw)
        queue << draw;
    absentNow.clear();
    // Never from within start(): the caller connects first and hears of the end after.
    QTimer::singleShot(0, this, &ResultsFetch::askNext);
    return true;
}

void ResultsFetch::askNext()
{
    if (queue.isEmpty()) {
        finish();
        return;
    }
    if (sinceLast.isValid() && sinceLast.elapsed() < SpacingMs) {
        pace.start(int(SpacingMs - sinceLast.elapsed()));
        return;
    }
    sinceLast.start();
    QNetworkRequest request(ResultsSource::urlFor(address, queue.constFirst()));
    request.setTransferTimeout(timeoutMs);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("numbers3-book/%1").arg(QCoreApplication::applicationVersion()));
    emit asking(queue.constFirst(), request.url().toString());
    QNetworkReply *reply = network->get(request);
    connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64 total) {
        if (received > MaxBody || total > MaxBody) {
            reply->setProperty("tooLarge", true);
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { replied(reply); });
}

void ResultsFetch::replied(QNetworkReply *reply)
{
    reply->deleteLater();
    const int draw = queue.takeFirst();
    const QString url = reply->request().url().toString();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    Answer answer{ draw, Answer::Failed, url, {}, {} };
    if (reply->property("tooLarge").toBool()) {
        answer.kind = Answer::Refused;
        answer.detail = tr("more than %1 bytes came back, far more than a results file").arg(QLocale().toString(MaxBody));
    } else if (status == 404 || status == 410) {
        answer.kind = gaps.contains(draw) ? Answer::Absent : Answer::NotOut;
        if (answer.kind == Answer::Absent)
            absentNow << draw;
    } else if (reply->error() != QNetworkReply::NoError || status < 200 || status >= 300) {
        answer.detail = status > 0 ? tr("the server answered %1 %2")
                                         .arg(status)
                                         .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                                   : reply->errorString();
    } else {
        answer.kind = Answer::Taken;
        const QByteArray body = reply->readAll();
        run.answers << answer;
        take(draw, reply->header(QNetworkRequest::ContentTypeHeader).toString(), body);
        emit answered(run.answers.constLast());
        askNext();
        return;
    }
    run.answers << answer;
    emit answered(answer);
    // A run stops at a newer draw not out yet, and at any trouble.
    if (answer.kind == Answer::Failed) {
        run.offline = true;
        queue.clear();
    } else if (answer.kind != Answer::Absent) {
        queue.clear();
    }
    askNext();
}

// What came back is stored only as this draw's operator file, whole.
void ResultsFetch::take(int draw, const QString &type, const QByteArray &body)
{
    Answer &answer = run.answers.last();
    const ImportedFile parsed = ResultImporter::parse(body, answer.url);
    const bool otherDraw = std::any_of(parsed.draws.cbegin(), parsed.draws.cend(), [draw](const DrawResult &r) { return r.draw != draw; });
    if (looksLikeHtml(body, type) || !parsed.ok() || parsed.format != ImportedFile::OperatorFile || otherDraw || parsed.draws.isEmpty()) {
        answer.kind = Answer::Refused;
        if (looksLikeHtml(body, type))
            answer.detail = tr("a web page (%1 bytes), not a results file").arg(body.size());
        else if (!parsed.ok())
            answer.detail = tr("not a results file (%1 bytes): %2").arg(body.size()).arg(parsed.error);
        else if (otherDraw || parsed.draws.isEmpty())
            answer.detail = tr("a results file, but not of draw %1").arg(draw);
        else
            answer.detail = tr("a results file, but not the operator's (%1 bytes)").arg(body.size());
        // An older gap is asked once, whatever came back (some servers
        // answer a missing file with a page); a newer draw is asked again later.
        if (gaps.contains(draw))
            absentNow << draw;
        else
            queue.clear();
        return;
    }
    SeenFiles seen(store);
    const QString sha = QString::fromLatin1(QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex());
    if (seen.contains(sha)) {
        answer.kind = Answer::Known;
        return;
    }
    const QList<ImportBatch::Outcome> outcomes = ImportBatch::store(store, {answer.url}, QList<std::optional<ImportedFile>>{parsed}, now);
    answer.outcome = outcomes.constFirst();
    if (!answer.outcome.report.ok) {
        // The book could not be written: nothing more is fetched now.
        run.error = store.lastError();
        if (run.error.failed())
            queue.clear();
        return;
    }
    const QString name = ResultsSource::urlFor(address, draw).fileName();
    const BookError remembered = seen.remember({ SeenFiles::Entry{ sha, name, true } }, now);
    if (remembered.failed())
        run.error = remembered;
}

void ResultsFetch::finish()
{
    if (!absentNow.isEmpty()) {
        const BookError kept = ResultsSource::addAbsent(store, absentNow);
        if (kept.failed())
            run.error = kept;
    }
    const bool trouble = std::any_of(run.answers.cbegin(), run.answers.cend(), [](const Answer &a) {
        return a.kind == Answer::Failed || a.kind == Answer::Refused;
    });
    failedRuns = trouble ? failedRuns + 1 : 0;
    run.retryAt = nextTry(run, now, failedRuns);
    running = false;
    emit finished(run);
}

QDateTime ResultsFetch::nextTry(const Run &run, const QDateTime &now, int failedRuns)
{
    const Answer *last = run.answers.isEmpty() ? nullptr : &run.answers.constLast();
    if (last && (last->kind == Answer::Failed || last->kind == Answer::Refused)) {
        // 5, 10, 20... minutes, at most two hours.
        const int steps = std::clamp(failedRuns - 1, 0, 5);
        return now.addSecs(std::min(5 * 60 * (1 << steps), 2 * 3600));
    }
    // The operator's file comes out some time after the results: asked
    // every half hour that evening, then again the next results time.
    if (last && last->kind == Answer::NotOut && now < resultsTime(DrawCalendar::dateOf(last->draw)).addSecs(6 * 3600))
        return now.addSecs(30 * 60);
    return resultsTime(DrawCalendar::dateOf(DrawCalendar::lastDrawWithResult(now) + 1)).addSecs(5 * 60);
}
