#ifndef RESULTS_FETCH_H
#define RESULTS_FETCH_H

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include "draw_result.h"
#include "import_batch.h"
#include "results_source.h"

class BookStore;
class QNetworkAccessManager;
class QNetworkReply;

// Fetches the operator's files of the draws the book lacks from the address
// kept in the book (ResultsSource), one request at a time and no more than
// one a second, and takes each through the one import path (ImportBatch),
// whole or not at all. Nothing but an operator file of the draw asked for
// is stored. A run stops at the first newer draw not published yet or
// refused, and at the first failure of the network or the server, and says
// when to try again. An older gap is asked once: a 404 or a refused answer
// for it is remembered (ResultsSource::absent).
class ResultsFetch : public QObject
{
    Q_OBJECT

public:
    // Operator files are under 2 KB; anything much larger is not one.
    static constexpr qint64 MaxBody = 1024 * 1024;
    static constexpr int SpacingMs = 1000;
    static constexpr int TimeoutMs = 30 * 1000;
    static constexpr int MaxRedirects = 3;

    struct Answer
    {
        enum Kind {
            Taken,     // went through the import (outcome says how)
            Known,     // the same bytes were taken before
            NotOut,    // 404 for a newer draw: not published yet
            Absent,    // 404 for an older gap: remembered, not asked again
            Refused,   // a 200 answer that is not this draw's operator file
            Failed,    // the network or the server failed
        };
        int draw = 0;
        Kind kind = Failed;
        QString url;
        QString detail;               // what came back, for Refused and Failed
        ImportBatch::Outcome outcome; // for Taken
    };
    struct Run
    {
        QList<Answer> answers;
        QList<DrawResult> before;  // the book's draws before the run, for the news
        bool offline = false;      // stopped by a failure of the network or the server
        QDateTime retryAt;         // when to ask again
        BookError error;           // the book could not keep what was fetched
    };

    explicit ResultsFetch(BookStore &store, QObject *parent = nullptr);
    ~ResultsFetch() override;

    void setTimeout(int ms) { timeoutMs = ms; }
    // Starts a run for what the book lacks at `now`; false when one is running.
    bool start(const QDateTime &now);
    bool isRunning() const { return running; }

    // When to try again after a run: the next results time when all went
    // well, soon when a newer draw is not out yet, later and later while
    // offline.
    static QDateTime nextTry(const Run &run, const QDateTime &now, int failedRuns);

signals:
    // Before each request, and after each answer (a file stored, or not).
    void asking(int draw, const QString &url);
    void answered(const ResultsFetch::Answer &answer);
    void finished(const ResultsFetch::Run &run);

private:
    void askNext();
    void replied(QNetworkReply *reply);
    void take(int draw, const QString &url, const QByteArray &body);
    void finish();

    BookStore &store;
    QNetworkAccessManager *network;
    QTimer pace;
    QElapsedTimer sinceLast;
    int timeoutMs = TimeoutMs;
    bool running = false;
    int failedRuns = 0;
    QDateTime now;
    QString address;
    QList<int> queue;    // the draws still to ask, gaps first
    QList<int> gaps;     // which of them are older gaps
    QList<int> absentNow;
    Run run;
};

#endif
