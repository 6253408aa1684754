#ifndef RESULTS_SOURCE_H
#define RESULTS_SOURCE_H

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>

#include "book_error.h"

class BookStore;

// Where the book fetches the operator's per-draw files, and what it
// asks for: the address and the user's answer are kept in the book. Draws
// after the newest held are asked in order; older gaps once each, and one
// the address answered 404 for is remembered and not asked again.
class ResultsSource
{
public:
    // The address the lottery's own results pages link each draw's file
    // from; it may change, so the user can give another (a mirror, or a
    // folder served on the local network).
    static QString defaultAddress();

    static QString address(BookStore &store);
    // An empty or "default" address restores the default one; anything but
    // an http(s) URL is refused.
    static BookError setAddress(BookStore &store, const QString &address);
    // The file of one draw under the address: A100NNNN.CSV.
    static QUrl urlFor(const QString &address, int draw);

    enum class Consent { Unasked, Yes, No };
    static Consent consent(BookStore &store);
    static BookError setConsent(BookStore &store, bool on);

    // Older draws the address answered 404 for.
    static QSet<int> absent(BookStore &store);
    static BookError addAbsent(BookStore &store, const QList<int> &draws);

    struct Plan
    {
        QList<int> gaps;   // drawn, lacking in a game, older than the newest held
        int firstNew = 0;  // the draws after the newest held, up to lastNew
        int lastNew = -1;
        bool isEmpty() const { return gaps.isEmpty() && firstNew > lastNew; }
    };
    static Plan plan(BookStore &store, const QDateTime &now);
};

#endif
