#ifndef BUNDLED_DATA_H
#define BUNDLED_DATA_H

#include <QList>
#include <QSqlDatabase>

#include <array>

#include "book_error.h"
#include "import_report.h"
#include "imported_file.h"

class DrawWriter;

// The past results and prizes of both games this program carries
// (data/numbers3-results.csv, data/numbers3-prizes.csv and the same for
// numbers4), and a book brought up to them: a new book
// gets them all, a book an earlier release filled gets what it lacks. The
// book's meta says how much of them it holds ("bundled": draws, "bundled_prizes":
// draws with prizes), so a book that holds this release's data, or a newer
// release's, is left as it is.
class BundledData
{
public:
    // What bringing a book up to this release did.
    struct Gained
    {
        QList<int> added;      // draws added, in order
        int prized = 0;        // draws that gained prizes, new ones included
        bool changed() const { return !added.isEmpty() || prized > 0; }
    };
    struct CatchUp
    {
        bool earlier = false;  // the book held draws before: what was added is told
        std::array<Gained, 2> games;  // by game, three digits first
        ImportReport report;   // differences: the book's values kept where this release differs

        Gained &of(Game game) { return games[game == Game::Numbers4 ? 1 : 0]; }
        const Gained &of(Game game) const { return games[game == Game::Numbers4 ? 1 : 0]; }
        bool changed() const { return games[0].changed() || games[1].changed(); }
    };

    // How much the program carries: draws, and draws with prizes, of both
    // games together.
    struct Counts
    {
        int draws = 0;
        int prized = 0;
        bool operator==(const Counts &o) const { return draws == o.draws && prized == o.prized; }
    };
    static Counts counts();

    // The bundled draws, each with its prizes where they are known; an error
    // when this program's copy is missing or unreadable.
    static ImportedFile read();

    BundledData(const QSqlDatabase &db, DrawWriter &writer);

    // Adds what the book lacks in one transaction and records it in meta.
    // False on a write error (error()), with nothing changed.
    bool bringUp(CatchUp &out);
    BookError error() const { return failure; }

private:
    // DrawResult::key() -> whether it has any prize, for every draw the book holds.
    bool held(QHash<qint64, bool> &into);
    bool metaValue(const char *key, int &value);
    // Whether the book holds less of the bundled data than this program carries.
    bool needed(bool &need);

    QSqlDatabase db;
    DrawWriter &writer;
    BookError failure;
};

#endif
