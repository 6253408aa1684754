#ifndef FETCH_TEXTS_H
#define FETCH_TEXTS_H

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "results_fetch.h"
#include "watch_news.h"

// A fetch from the results address in words, the same for the window and
// the command line: a line per file asked for, and the one quiet line that
// says when the book tries again after the network or the server failed.
class FetchTexts
{
    Q_DECLARE_TR_FUNCTIONS(FetchTexts)

public:
    // "URL: 2 new, ...", "URL: not out yet", "URL: refused, nothing stored: ..."
    // with the import's details under a file that went in.
    static QStringList lines(const ResultsFetch::Run &run);
    // The one line for the window: the refusal or failure, the draws not out
    // yet, or that the book is up to date. Empty when files came in (the
    // news says those).
    static QString summary(const ResultsFetch::Run &run);
    // What came in, as the watched folder says it, or only how many results
    // and the wins when many came in at once.
    static QString news(const WatchNews &news);
    // "Fetching draw 7132 from URL"
    static QString asking(int draw, const QString &url);
    // "Offline: trying again at 21:10" in local time.
    static QString offline(const QDateTime &retryAt);
    // The question asked once before anything is fetched.
    static QString question(const QString &address);
    static QString questionDetail();
};

#endif
