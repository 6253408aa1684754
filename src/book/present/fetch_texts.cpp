#include "fetch_texts.h"

#include <QLocale>

#include "import_texts.h"

namespace {

using Answer = ResultsFetch::Answer;

// The time alone when it is today, with its day when not.
QString clock(const QDateTime &at)
{
    const QDateTime local = at.toLocalTime();
    const QString time = local.toString(QStringLiteral("HH:mm"));
    if (local.date() == QDate::currentDate())
        return time;
    return QLocale().toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ') + time;
}

} // namespace

QStringList FetchTexts::lines(const ResultsFetch::Run &run)
{
    QStringList out;
    for (const Answer &a : run.answers) {
        const QString head = a.url + QLatin1String(": ");
        switch (a.kind) {
        case Answer::Taken:
            if (!a.outcome.report.ok) {
                out << head + tr("error: %1").arg(a.outcome.report.error);
                break;
            }
            out << head + a.outcome.report.summary();
            out << ImportTexts::details(a.outcome.report);
            break;
        case Answer::Known:
            out << head + tr("taken before; nothing changed");
            break;
        case Answer::NotOut:
            out << head + tr("draw %1 is not out yet").arg(a.draw);
            break;
        case Answer::Absent:
            out << head + tr("draw %1 is not at this address; it is not asked for again").arg(a.draw);
            break;
        case Answer::Refused:
            out << head + tr("refused, nothing stored: %1").arg(a.detail);
            break;
        case Answer::Failed:
            out << head + tr("error: %1").arg(a.detail);
            break;
        }
    }
    if (run.error.failed())
        out << tr("error: %1").arg(run.error.text);
    return out;
}

QString FetchTexts::summary(const ResultsFetch::Run &run)
{
    if (run.error.failed())
        return tr("Fetched results could not be kept: %1").arg(run.error.text);
    for (const Answer &a : run.answers) {
        if (a.kind == Answer::Refused)
            return tr("Draw %1 from the results address refused, nothing stored: %2").arg(a.draw).arg(a.detail);
        if (a.kind == Answer::Taken && !a.outcome.report.ok)
            return tr("Draw %1 from the results address not imported: %2").arg(a.draw).arg(a.outcome.report.error);
    }
    if (run.offline)
        return offline(run.retryAt);
    if (!run.answers.isEmpty() && run.answers.constLast().kind == Answer::NotOut)
        return tr("Draw %1 is not out yet at the results address; asking again at %2")
            .arg(run.answers.constLast().draw)
            .arg(clock(run.retryAt));
    return tr("The book has every result out so far; asking again at %1")
        .arg(clock(run.retryAt));
}

QString FetchTexts::news(const WatchNews &news)
{
    if (news.draws.size() <= 4)
        return news.line();
    QStringList parts{ tr("%1 new results in the book").arg(news.draws.size()) };
    parts << news.wins;
    return parts.join(tr("; "));
}

QString FetchTexts::asking(int draw, const QString &url)
{
    return tr("Fetching draw %1 from %2").arg(draw).arg(url);
}

QString FetchTexts::offline(const QDateTime &retryAt)
{
    return tr("Offline: trying again at %1").arg(clock(retryAt));
}

QString FetchTexts::question(const QString &address)
{
    return tr("Fetch new results by themselves from %1?").arg(address);
}

QString FetchTexts::questionDetail()
{
    return tr("The book then asks that address for each new draw's file after its results time, "
              "and for the draws it lacks. Nothing else is sent. The address is the one the lottery's "
              "results pages use; it may change, and another can be given in the Book menu. "
              "Fetching can be turned off there at any time.");
}
