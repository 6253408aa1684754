#include "fetch_cli.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTextStream>

#include <algorithm>

#include "book_store.h"
#include "fetch_texts.h"
#include "import_texts.h"
#include "results_source.h"

int FetchCli::run(BookStore &store, const QDateTime &now, QTextStream &out, int timeoutMs)
{
    ResultsFetch fetch(store);
    fetch.setTimeout(timeoutMs);
    ResultsFetch::Run run;
    QEventLoop loop;
    QObject::connect(&fetch, &ResultsFetch::finished, &loop, [&](const ResultsFetch::Run &done) {
        run = done;
        loop.quit();
    });
    fetch.start(now);
    loop.exec();

    const QStringList lines = FetchTexts::lines(run);
    for (const QString &line : lines)
        out << line << '\n';
    if (run.answers.isEmpty())
        out << ResultsSource::address(store) << ": "
            << QCoreApplication::translate("FetchCli", "nothing to fetch; the book has every result out so far") << '\n';
    const QString graded = ImportTexts::graded(ImportBatch::graded(store, run.before));
    if (!graded.isEmpty())
        out << graded << '\n';
    out.flush();
    const bool failed = run.error.failed() || std::any_of(run.answers.cbegin(), run.answers.cend(), [](const ResultsFetch::Answer &a) {
        return a.kind == ResultsFetch::Answer::Failed || a.kind == ResultsFetch::Answer::Refused
               || (a.kind == ResultsFetch::Answer::Taken && !a.outcome.report.ok);
    });
    return failed ? 1 : 0;
}

int FetchCli::setAddress(BookStore &store, const QString &address, QTextStream &out)
{
    const BookError error = ResultsSource::setAddress(store, address);
    if (error.failed()) {
        out << QCoreApplication::translate("FetchCli", "error: %1").arg(error.text) << '\n';
        out.flush();
        return error.kind == BookError::Refused ? 2 : 1;
    }
    out << QCoreApplication::translate("FetchCli", "results address: %1").arg(ResultsSource::address(store)) << '\n';
    out.flush();
    return 0;
}
