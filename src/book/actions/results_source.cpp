#include "results_source.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

#include "book_meta.h"
#include "book_store.h"
#include "draw_calendar.h"

namespace {

const QString AddressKey = QStringLiteral("fetch_address");
const QString ConsentKey = QStringLiteral("fetch_on");
const QString AbsentKey = QStringLiteral("fetch_absent");

} // namespace

QString ResultsSource::defaultAddress()
{
    return QStringLiteral("https://www.mizuhobank.co.jp/retail/takarakuji/numbers/csv/");
}

QString ResultsSource::address(BookStore &store)
{
    const QString held = BookMeta(store).value(AddressKey);
    return held.isEmpty() ? defaultAddress() : held;
}

BookError ResultsSource::setAddress(BookStore &store, const QString &address)
{
    const QString given = address.trimmed();
    QString value;
    if (!given.isEmpty() && given.compare(QLatin1String("default"), Qt::CaseInsensitive) != 0) {
        const QUrl url(given, QUrl::StrictMode);
        const QString scheme = url.scheme().toLower();
        if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
            return { BookError::Refused, QCoreApplication::translate("ResultsSource", "%1 is not an http or https address").arg(given) };
        value = given;
    }
    return BookMeta(store).setValue(AddressKey, value);
}

QUrl ResultsSource::urlFor(const QString &address, int draw)
{
    QString base = address;
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return QUrl(base).resolved(QUrl(QStringLiteral("A100%1.CSV").arg(draw, 4, 10, QLatin1Char('0'))));
}

ResultsSource::Consent ResultsSource::consent(BookStore &store)
{
    const QString held = BookMeta(store).value(ConsentKey);
    if (held.isEmpty())
        return Consent::Unasked;
    return held == QLatin1String("0") ? Consent::No : Consent::Yes;
}

BookError ResultsSource::setConsent(BookStore &store, bool on)
{
    return BookMeta(store).setFlag(ConsentKey, on);
}

QSet<int> ResultsSource::absent(BookStore &store)
{
    QSet<int> draws;
    const QStringList held = BookMeta(store).value(AbsentKey).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &d : held)
        draws.insert(d.toInt());
    return draws;
}

BookError ResultsSource::addAbsent(BookStore &store, const QList<int> &draws)
{
    QList<int> all = absent(store).values();
    all << draws;
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    QStringList text;
    for (int d : std::as_const(all))
        text << QString::number(d);
    return BookMeta(store).setValue(AbsentKey, text.join(QLatin1Char(',')));
}

ResultsSource::Plan ResultsSource::plan(BookStore &store, const QDateTime &now)
{
    Plan plan;
    const int lastOut = DrawCalendar::lastDrawWithResult(now);
    int newest = 0;
    for (Game game : {Game::Numbers3, Game::Numbers4}) {
        if (const std::optional<DrawResult> last = store.lastDraw(game))
            newest = std::max(newest, last->draw);
    }
    // An empty book asks only for the last draw: the past comes with the program.
    plan.firstNew = newest > 0 ? newest + 1 : lastOut;
    plan.lastNew = lastOut;
    if (newest == 0)
        return plan;
    const QSet<int> skip = absent(store);
    QList<int> gaps = store.missingDraws(newest, Game::Numbers3);
    gaps << store.missingDraws(newest, Game::Numbers4);
    std::sort(gaps.begin(), gaps.end());
    gaps.erase(std::unique(gaps.begin(), gaps.end()), gaps.end());
    for (int draw : std::as_const(gaps))
        if (draw <= newest && draw <= lastOut && !skip.contains(draw))
            plan.gaps << draw;
    return plan;
}
