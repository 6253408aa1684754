#ifndef FETCH_CLI_H
#define FETCH_CLI_H

#include <QDateTime>

#include "results_fetch.h"

class BookStore;
class QTextStream;

// --fetch: the draws the book lacks, fetched from the results address as
// the window fetches them (ResultsFetch), printed as --import prints,
// with a line for each draw not out yet. Running it is the user's consent.
class FetchCli
{
public:
    // 0 unless the network, the server or the book failed or an answer was refused.
    static int run(BookStore &store, const QDateTime &now, QTextStream &out, int timeoutMs = ResultsFetch::TimeoutMs);
    // --fetch-address: "address: URL" and 0, or the refusal and 2.
    static int setAddress(BookStore &store, const QString &address, QTextStream &out);
};

#endif
