#include "book_schema.h"

#include <QSqlQuery>

namespace {

// Each step in a function of its own, in steps() in order. Append, never
// edit: books in use were made by them.

// Version 1: the draws, where each came from, what replacements
// overwrote, and the imports.
QStringList version1()
{
    return {
        QStringLiteral("CREATE TABLE imports ("
                       " id INTEGER PRIMARY KEY,"
                       " file TEXT NOT NULL,"
                       " at TEXT NOT NULL,"
                       " added INTEGER NOT NULL, known INTEGER NOT NULL, replaced INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE draws ("
                       " draw INTEGER PRIMARY KEY CHECK (draw > 0),"
                       " date TEXT,"
                       " number INTEGER NOT NULL CHECK (number BETWEEN 0 AND 999),"
                       " straight_prize INTEGER, straight_winners INTEGER,"
                       " box_prize INTEGER, box_winners INTEGER,"
                       " set_straight_prize INTEGER, set_straight_winners INTEGER,"
                       " set_box_prize INTEGER, set_box_winners INTEGER,"
                       " mini_prize INTEGER, mini_winners INTEGER,"
                       " source_kind INTEGER NOT NULL CHECK (source_kind IN (0, 1, 2)),"
                       " source TEXT NOT NULL DEFAULT '',"
                       " stored_at TEXT NOT NULL,"
                       " import_id INTEGER REFERENCES imports(id))"),
        QStringLiteral("CREATE INDEX draws_by_number ON draws(number)"),
        // What a replacement overwrote, so no value is ever lost.
        QStringLiteral("CREATE TABLE replaced ("
                       " id INTEGER PRIMARY KEY,"
                       " import_id INTEGER REFERENCES imports(id),"
                       " draw INTEGER NOT NULL,"
                       " old_number INTEGER NOT NULL, old_date TEXT,"
                       " old_source_kind INTEGER NOT NULL, old_source TEXT NOT NULL,"
                       " new_number INTEGER NOT NULL, at TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT)"),
    };
}

// Version 2: the whole replaced row, prizes and winners
// included, and what replaced it; and imports that only gave
// missing dates or prizes.
QStringList version2()
{
    return {
        QStringLiteral("ALTER TABLE replaced ADD COLUMN old_straight_prize INTEGER"),
        QStringLiteral("ALTER TABLE replaced ADD COLUMN old_straight_winners INTEGER"),
        QStringLiteral("ALTER TABLE replaced ADD COLUMN old_box_prize INTEGER"),
        QStringLiteral("ALTER TABLE replaced ADD COLUMN old_box_winners INTEGER"),
        QStringLiteral("ALTER TABLE replaced ADD COLUMN old_set_straight_prize INTEGER"),
        QStringLiteral("ALTER TABLE replaced ADD COLUMN old_set_straight_winners INTEGER"),
        QStringLiteral("ALTER TABLE replaced ADD COLUMN old_set_box_prize INTEGER"),
        QStringLiteral("ALTER TABLE replaced ADD COLUMN old_set_box_winners INTEGER"),
        QStringLiteral("ALTER TABLE replaced ADD COLUMN old_mini_prize INTEGER"),
        QStringLiteral("ALTER TABLE replaced ADD COLUMN old_mini_winners INTEGER"),
        QStringLiteral("ALTER TABLE replaced ADD COLUMN old_stored_at TEXT"),
        QStringLiteral("ALTER TABLE replaced ADD COLUMN new_source_kind INTEGER"),
        QStringLiteral("ALTER TABLE replaced ADD COLUMN new_source TEXT"),
        QStringLiteral("ALTER TABLE imports ADD COLUMN completed INTEGER NOT NULL DEFAULT 0"),
    };
}

// Version 3: the player's tickets, graded against draws when
// read, never stored with a grade; a ticket may be for a draw
// not yet held.
QStringList version3()
{
    return {
        QStringLiteral("CREATE TABLE tickets ("
                       " id INTEGER PRIMARY KEY,"
                       " draw INTEGER NOT NULL CHECK (draw > 0),"
                       " number INTEGER NOT NULL CHECK (number BETWEEN 0 AND 999),"
                       " way INTEGER NOT NULL CHECK (way IN (0, 1, 2, 3)),"
                       " units INTEGER NOT NULL CHECK (units BETWEEN 1 AND 99),"
                       " note TEXT NOT NULL DEFAULT '',"
                       " created_at TEXT NOT NULL,"
                       " CHECK (way <> 3 OR number <= 99))"),
        QStringLiteral("CREATE INDEX tickets_by_draw ON tickets(draw)"),
    };
}

// Version 4: files the watched folder has taken, by the SHA-256 of
// their bytes, so a file is imported (or reported as failed) only once
// whatever its name.
QStringList version4()
{
    return {
        QStringLiteral("CREATE TABLE seen_files (sha256 TEXT PRIMARY KEY, name TEXT NOT NULL, at TEXT NOT NULL, ok INTEGER NOT NULL)"),
    };
}

// Version 5: both games, drawn together under one draw number. Draws and
// tickets say their game (3 or 4, the digits); a draw is one game's result,
// so the draws' key becomes game and draw. SQLite cannot change a key or a
// CHECK in place: both tables are made anew and every row copied, ids kept.
QStringList version5()
{
    return {
        QStringLiteral("CREATE TABLE draws_both ("
                       " game INTEGER NOT NULL DEFAULT 3 CHECK (game IN (3, 4)),"
                       " draw INTEGER NOT NULL CHECK (draw > 0),"
                       " date TEXT,"
                       " number INTEGER NOT NULL CHECK (number BETWEEN 0 AND 9999 AND (game = 4 OR number <= 999)),"
                       " straight_prize INTEGER, straight_winners INTEGER,"
                       " box_prize INTEGER, box_winners INTEGER,"
                       " set_straight_prize INTEGER, set_straight_winners INTEGER,"
                       " set_box_prize INTEGER, set_box_winners INTEGER,"
                       " mini_prize INTEGER, mini_winners INTEGER,"
                       " source_kind INTEGER NOT NULL CHECK (source_kind IN (0, 1, 2)),"
                       " source TEXT NOT NULL DEFAULT '',"
                       " stored_at TEXT NOT NULL,"
                       " import_id INTEGER REFERENCES imports(id),"
                       " PRIMARY KEY (game, draw),"
                       " CHECK (game = 3 OR (mini_prize IS NULL AND mini_winners IS NULL)))"),
        QStringLiteral("INSERT INTO draws_both SELECT 3, * FROM draws"),
        QStringLiteral("DROP TABLE draws"),
        QStringLiteral("ALTER TABLE draws_both RENAME TO draws"),
        QStringLiteral("CREATE INDEX draws_by_number ON draws(game, number)"),
        QStringLiteral("CREATE TABLE tickets_both ("
                       " id INTEGER PRIMARY KEY,"
                       " game INTEGER NOT NULL DEFAULT 3 CHECK (game IN (3, 4)),"
                       " draw INTEGER NOT NULL CHECK (draw > 0),"
                       " number INTEGER NOT NULL CHECK (number BETWEEN 0 AND 9999 AND (game = 4 OR number <= 999)),"
                       " way INTEGER NOT NULL CHECK (way IN (0, 1, 2, 3)),"
                       " units INTEGER NOT NULL CHECK (units BETWEEN 1 AND 99),"
                       " note TEXT NOT NULL DEFAULT '',"
                       " created_at TEXT NOT NULL,"
                       " CHECK (way <> 3 OR (game = 3 AND number <= 99)))"),
        QStringLiteral("INSERT INTO tickets_both (id, game, draw, number, way, units, note, created_at)"
                       " SELECT id, 3, draw, number, way, units, note, created_at FROM tickets"),
        QStringLiteral("DROP TABLE tickets"),
        QStringLiteral("ALTER TABLE tickets_both RENAME TO tickets"),
        QStringLiteral("CREATE INDEX tickets_by_draw ON tickets(game, draw)"),
        QStringLiteral("ALTER TABLE replaced ADD COLUMN game INTEGER NOT NULL DEFAULT 3"),
    };
}

// Version 6: the payment period of a draw as the operator's file gave it
// (NULL when none did: the rule's period is worked out from the date, never
// stored as if a file had said it); per ticket the day its win was marked
// collected and whether it was bought online; and the reminders sent of a
// win's last day (by ticket, last day and days before it), each sent once.
QStringList version6()
{
    return {
        QStringLiteral("ALTER TABLE draws ADD COLUMN pay_from TEXT"),
        QStringLiteral("ALTER TABLE draws ADD COLUMN pay_until TEXT"),
        QStringLiteral("ALTER TABLE tickets ADD COLUMN collected TEXT"),
        QStringLiteral("ALTER TABLE tickets ADD COLUMN online INTEGER NOT NULL DEFAULT 0 CHECK (online IN (0, 1))"),
        QStringLiteral("CREATE TABLE reminders ("
                       " ticket INTEGER NOT NULL,"
                       " last_day TEXT NOT NULL,"
                       " within INTEGER NOT NULL CHECK (within > 0),"
                       " at TEXT NOT NULL,"
                       " PRIMARY KEY (ticket, last_day, within))"),
    };
}

} // namespace

const QList<QStringList> &BookSchema::steps()
{
    static const QList<QStringList> steps = { version1(), version2(), version3(), version4(), version5(), version6() };
    return steps;
}

bool BookSchema::upgrade(QSqlQuery &q, int from, int to)
{
    for (int v = from; v < to; ++v)
        for (const QString &sql : steps().at(v))
            if (!q.exec(sql))
                return false;
    return from == to || q.exec(QStringLiteral("PRAGMA user_version = %1").arg(to));
}
