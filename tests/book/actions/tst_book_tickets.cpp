// Tickets in the results book: grading every way against every kind of
// result, the rules for buying, the store across reopening, a book of the
// previous schema upgraded, the ticket list and its export, and the command
// line, killed in the middle of an import too.
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include "book_store.h"
#include "support/bundled_rows.h"
#include "draw_calendar.h"
#include "due_reminders.h"
#include "ticket_history.h"
#include "ticket_list.h"
#include "ticket_rules.h"
#include "ticket_store.h"

namespace {

Ticket ticket(int draw, int number, Ticket::Way way, int units = 1, const QString &note = QString())
{
    Ticket t;
    t.draw = draw;
    t.number = number;
    t.way = way;
    t.units = units;
    t.note = note;
    return t;
}

// A draw with a different actual prize for every way, so a prize taken
// from the wrong way shows.
DrawResult resultWith(int number, const QString &prizes)
{
    DrawResult r;
    r.draw = 500;
    r.number = number;
    if (prizes == QLatin1String("actual")) {
        r.prize = { 91000, 15100, 53000, 7600, 9100 };
        r.winners = { 10, 20, 30, 40, 50 };
    } else if (prizes == QLatin1String("no winner")) {
        r.winners = { 0, 0, 0, 0, 0 };
    }
    return r;
}

constexpr int MaxDraw = 8000;

QProcessEnvironment consoleEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("none-such"));
    return env;
}

} // namespace

class TstBookTickets : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void grading_data();
    void grading();
    void rules_data();
    void rules();
    void storeSurvivesReopen();
    void anotherClientAfterAnInProcessClose();
    void batchesAllOrNothing();
    void repeatsLeftOut_data();
    void repeatsLeftOut();
    void undoesNewestFirst();
    void marksKeptAndUndone();
    void remindersOnce_data();
    void remindersOnce();
    void tableChecks();
    void listErrors_data();
    void listErrors();
    void exportRoundTrips();
    void commandLine();
    void killedDuringImport();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString bookPath() const { return dir->filePath(QStringLiteral("book.sqlite")); }
};

void TstBookTickets::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TstBookTickets::grading_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("bought");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("prizes");  // "actual", "none" (theoretical), "no winner"
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("perUnit");
    QTest::addColumn<bool>("theoretical");

    const int S = Ticket::Straight, B = Ticket::Box, T = Ticket::Set, M = Ticket::Mini;
    const int six = TicketGrade::SixWay, three = TicketGrade::ThreeWay, none = TicketGrade::None;
    const int no = TicketGrade::NoWin;
    // Results: 123 (6-way), 112 (3-way), 777 (triple).
    QTest::newRow("straight 6-way hit") << S << 123 << 123 << "actual" << int(TicketGrade::StraightWin) << none << qint64(91000) << false;
    QTest::newRow("straight 6-way miss") << S << 132 << 123 << "actual" << no << none << qint64(0) << false;
    QTest::newRow("straight 3-way hit") << S << 112 << 112 << "none" << int(TicketGrade::StraightWin) << none << qint64(90000) << true;
    QTest::newRow("straight 3-way miss") << S << 121 << 112 << "none" << no << none << qint64(0) << false;
    QTest::newRow("straight triple hit") << S << 777 << 777 << "actual" << int(TicketGrade::StraightWin) << none << qint64(91000) << false;
    QTest::newRow("straight triple miss") << S << 778 << 777 << "actual" << no << none << qint64(0) << false;
    QTest::newRow("straight no winner") << S << 123 << 123 << "no winner" << int(TicketGrade::StraightWin) << none << qint64(0) << false;
    QTest::newRow("box 6-way hit") << B << 321 << 123 << "actual" << int(TicketGrade::BoxWin) << six << qint64(15100) << false;
    QTest::newRow("box 6-way same order") << B << 123 << 123 << "none" << int(TicketGrade::BoxWin) << six << qint64(15000) << true;
    QTest::newRow("box 6-way miss") << B << 124 << 123 << "actual" << no << none << qint64(0) << false;
    QTest::newRow("box 3-way hit") << B << 211 << 112 << "none" << int(TicketGrade::BoxWin) << three << qint64(30000) << true;
    QTest::newRow("box 3-way hit, actual") << B << 121 << 112 << "actual" << int(TicketGrade::BoxWin) << three << qint64(15100) << false;
    QTest::newRow("box 3-way miss, same digits as a set") << B << 122 << 112 << "none" << no << none << qint64(0) << false;
    QTest::newRow("box triple miss") << B << 177 << 777 << "none" << no << none << qint64(0) << false;
    QTest::newRow("box no winner") << B << 312 << 123 << "no winner" << int(TicketGrade::BoxWin) << six << qint64(0) << false;
    QTest::newRow("set 6-way straight") << T << 123 << 123 << "none" << int(TicketGrade::SetStraight) << six << qint64(52500) << true;
    QTest::newRow("set 6-way straight, actual") << T << 123 << 123 << "actual" << int(TicketGrade::SetStraight) << six << qint64(53000) << false;
    QTest::newRow("set 6-way box") << T << 231 << 123 << "none" << int(TicketGrade::SetBox) << six << qint64(7500) << true;
    QTest::newRow("set 6-way box, actual") << T << 231 << 123 << "actual" << int(TicketGrade::SetBox) << six << qint64(7600) << false;
    QTest::newRow("set 6-way miss") << T << 124 << 123 << "none" << no << none << qint64(0) << false;
    QTest::newRow("set 3-way straight") << T << 112 << 112 << "none" << int(TicketGrade::SetStraight) << three << qint64(60000) << true;
    QTest::newRow("set 3-way box") << T << 121 << 112 << "none" << int(TicketGrade::SetBox) << three << qint64(15000) << true;
    QTest::newRow("set 3-way miss") << T << 122 << 112 << "actual" << no << none << qint64(0) << false;
    QTest::newRow("set triple miss") << T << 677 << 777 << "actual" << no << none << qint64(0) << false;
    QTest::newRow("set no winner") << T << 321 << 123 << "no winner" << int(TicketGrade::SetBox) << six << qint64(0) << false;
    QTest::newRow("mini 6-way hit") << M << 23 << 123 << "actual" << int(TicketGrade::MiniWin) << none << qint64(9100) << false;
    QTest::newRow("mini 6-way miss, first two") << M << 12 << 123 << "actual" << no << none << qint64(0) << false;
    QTest::newRow("mini 3-way hit") << M << 12 << 112 << "none" << int(TicketGrade::MiniWin) << none << qint64(9000) << true;
    QTest::newRow("mini 3-way miss") << M << 21 << 112 << "none" << no << none << qint64(0) << false;
    QTest::newRow("mini triple hit") << M << 77 << 777 << "none" << int(TicketGrade::MiniWin) << none << qint64(9000) << true;
    QTest::newRow("mini triple miss") << M << 7 << 777 << "none" << no << none << qint64(0) << false;
}

void TstBookTickets::grading()
{
    QFETCH(int, way);
    QFETCH(int, bought);
    QFETCH(int, result);
    QFETCH(QString, prizes);
    const Ticket t = ticket(500, bought, Ticket::Way(way), 3);
    const DrawResult r = resultWith(result, prizes);
    const TicketGrade g = TicketRules::grade(t, &r);
    QTEST(int(g.outcome), "outcome");
    QTEST(int(g.kind), "kind");
    QTEST(g.prizePerUnit, "perUnit");
    QCOMPARE(g.prize, g.prizePerUnit * 3);
    QTEST(g.theoretical, "theoretical");

    // No result, or another draw's: waiting.
    QCOMPARE(TicketRules::grade(t, nullptr).outcome, TicketGrade::Waiting);
    DrawResult other = r;
    other.draw = 501;
    QCOMPARE(TicketRules::grade(t, &other).outcome, TicketGrade::Waiting);
}

void TstBookTickets::rules_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("problem");  // a part of the message; empty: allowed

    QTest::newRow("straight triple") << 100 << 0 << int(Ticket::Straight) << 1 << "";
    QTest::newRow("box triple") << 100 << 555 << int(Ticket::Box) << 1 << "555 is a triple";
    QTest::newRow("set triple") << 100 << 0 << int(Ticket::Set) << 1 << "000 is a triple";
    QTest::newRow("mini 99") << 100 << 99 << int(Ticket::Mini) << 1 << "";
    QTest::newRow("mini 100") << 100 << 100 << int(Ticket::Mini) << 1 << "mini ticket takes two digits";
    QTest::newRow("straight 1000") << 100 << 1000 << int(Ticket::Straight) << 1 << "takes three digits";
    QTest::newRow("units 0") << 100 << 123 << int(Ticket::Box) << 0 << "Units go from 1 to 99";
    QTest::newRow("units 99") << 100 << 123 << int(Ticket::Box) << 99 << "";
    QTest::newRow("units 100") << 100 << 123 << int(Ticket::Box) << 100 << "Units go from 1 to 99";
    QTest::newRow("draw 0") << 0 << 123 << int(Ticket::Straight) << 1 << "draw numbers go from 1 to 8000";
    QTest::newRow("last draw") << MaxDraw << 123 << int(Ticket::Straight) << 1 << "";
    QTest::newRow("past the last draw") << MaxDraw + 1 << 123 << int(Ticket::Straight) << 1 << "Draw 8001 cannot be bought";
}

void TstBookTickets::rules()
{
    QFETCH(int, draw);
    QFETCH(int, number);
    QFETCH(int, way);
    QFETCH(int, units);
    QFETCH(QString, problem);
    const QString said = TicketRules::problem(ticket(draw, number, Ticket::Way(way), units), MaxDraw);
    if (problem.isEmpty())
        QCOMPARE(said, QString());
    else
        QVERIFY2(said.contains(problem), qPrintable(said));

    // A year of draws after the next one, and not one more.
    const QDateTime now(QDate(2026, 12, 8), QTime(1, 0), Qt::UTC);
    const DrawCalendar::Next next = DrawCalendar::next(now);
    const int max = TicketRules::maxDrawFor(now);
    QVERIFY(DrawCalendar::dateOf(max) <= next.date.addYears(1));
    QVERIFY(DrawCalendar::dateOf(max + 1) > next.date.addYears(1));
    QVERIFY(max > next.draw + 200);
}

void TstBookTickets::storeSurvivesReopen()
{
    QList<qint64> ids;
    BookError error;
    {
        BookStore book;
        QVERIFY(book.open(bookPath()).usable());
        QVERIFY(book.loadBundled());
        TicketStore store(book);
        QVERIFY2(!(error = store.add({ ticket(7064, 251, Ticket::Straight, 2, QStringLiteral("誕生日, \"いつもの\"")),
                             ticket(7100, 51, Ticket::Mini), ticket(7064, 125, Ticket::Box) },
                           &ids, MaxDraw)).failed(),
                 qPrintable(error.text));
        QCOMPARE(ids.size(), 3);
        Ticket changed = *store.ticket(ids.at(2));
        changed.number = 215;
        changed.units = 5;
        QVERIFY2(!(error = store.update(changed, MaxDraw)).failed(), qPrintable(error.text));
    }
    BookStore book;
    QCOMPARE(book.open(bookPath()).status, BookStore::OpenStatus::Ok);
    TicketStore store(book);
    const QList<Ticket> kept = store.tickets();
    QCOMPARE(kept.size(), 3);
    // Newest draw first, then in the order entered.
    QCOMPARE(kept.at(0).id, ids.at(1));
    QCOMPARE(kept.at(2).id, ids.at(2));
    QVERIFY(kept.at(2).sameContent(ticket(7064, 215, Ticket::Box, 5)));
    QVERIFY(kept.at(1).sameContent(ticket(7064, 251, Ticket::Straight, 2, QStringLiteral("誕生日, \"いつもの\""))));
    QVERIFY(kept.at(1).createdAt.isValid());

    // Graded in one query against the book's draws, the same as grading alone.
    const QList<GradedTicket> graded = store.graded();
    QCOMPARE(graded.size(), 3);
    QCOMPARE(graded.at(0).grade.outcome, TicketGrade::Waiting);
    QCOMPARE(graded.at(0).resultNumber, -1);
    QCOMPARE(graded.at(0).drawDate, DrawCalendar::dateOf(7100));
    const DrawResult last = *book.draw(7064);
    for (int i = 1; i < 3; ++i) {
        const TicketGrade expected = TicketRules::grade(graded.at(i).ticket, &last);
        QCOMPARE(graded.at(i).grade.outcome, expected.outcome);
        QCOMPARE(graded.at(i).grade.prize, expected.prize);
        QCOMPARE(graded.at(i).resultNumber, last.number);
        QCOMPARE(graded.at(i).drawDate, last.date);
    }
    QCOMPARE(graded.at(2).grade.outcome, TicketGrade::BoxWin);  // 215 against 251
    QCOMPARE(store.gradedForDraws({ 7064 }).size(), 2);

    // Deleted, then put back with the same id (undo).
    const Ticket gone = *store.ticket(ids.at(0));
    QVERIFY(!(error = store.remove({ ids.at(0) })).failed());
    QCOMPARE(store.count(), 2);
    QVERIFY(!(error = store.add({ gone }, nullptr, MaxDraw)).failed());
    QCOMPARE(store.ticket(ids.at(0))->note, gone.note);
    QCOMPARE(store.ticket(ids.at(0))->createdAt, gone.createdAt);
}

// Any close of the book's files in this process drops SQLite's POSIX locks
// on them (a dialog, an import of the folder). Another SQLite client must
// still never take the book for unused and lose what is written after.
void TstBookTickets::anotherClientAfterAnInProcessClose()
{
    if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
        QSKIP("needs the sqlite3 shell (scripts/setup.sh --tests)");
    const auto otherCount = [this] {
        QProcess other;
        other.start(QStringLiteral("sqlite3"), { bookPath(), QStringLiteral("SELECT COUNT(*) FROM tickets") });
        return other.waitForFinished(10000) ? other.readAllStandardOutput().trimmed().toInt() : -1;
    };
    BookStore book;
    QVERIFY(book.open(bookPath()).usable());
    TicketStore store(book);
    BookError error;
    QVERIFY2(!(error = store.add({ ticket(7065, 123, Ticket::Box) }, nullptr, MaxDraw)).failed(), qPrintable(error.text));
    for (const QString &suffix : { QString(), QStringLiteral("-wal"), QStringLiteral("-shm") }) {
        QFile look(bookPath() + suffix);
        if (look.open(QIODevice::ReadOnly))
            look.read(16);
    }
    QCOMPARE(otherCount(), 1);
    for (int i = 0; i < 5; ++i)
        QVERIFY2(!(error = store.add({ ticket(7066 + i, 123, Ticket::Box) }, nullptr, MaxDraw)).failed(), qPrintable(error.text));
    QCOMPARE(otherCount(), 6);
}

void TstBookTickets::batchesAllOrNothing()
{
    BookStore book;
    QVERIFY(book.open(bookPath()).usable());
    TicketStore store(book);
    BookError error;
    QList<qint64> ids;

    // A run follows the draw numbers, day by day of the draw calendar.
    QVERIFY2(!(error = store.addRun(ticket(7065, 123, Ticket::Set, 2, QStringLiteral("run")), 5, &ids, MaxDraw)).failed(),
             qPrintable(error.text));
    QCOMPARE(ids.size(), 5);
    const QList<GradedTicket> run = store.graded();
    QCOMPARE(run.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(run.at(i).ticket.draw, 7069 - i);
        QCOMPARE(run.at(i).drawDate, DrawCalendar::dateOf(7069 - i));
        QVERIFY(run.at(i).ticket.sameContent(ticket(7069 - i, 123, Ticket::Set, 2, QStringLiteral("run"))));
    }

    // A run past the last draw, a bad ticket in a batch, or an id already
    // taken (the database refuses it half-way): nothing of it stays.
    QVERIFY((error = store.addRun(ticket(MaxDraw - 2, 123, Ticket::Straight), 5, &ids, MaxDraw)).failed());
    QVERIFY((error = store.add({ ticket(7070, 123, Ticket::Box), ticket(7071, 111, Ticket::Box) }, &ids, MaxDraw)).failed());
    QVERIFY2(error.text.contains(QLatin1String("ticket 2")) && error.text.contains(QLatin1String("Nothing was stored")), qPrintable(error.text));
    Ticket taken = ticket(7072, 456, Ticket::Straight);
    taken.id = ids.constFirst();
    QVERIFY((error = store.add({ ticket(7070, 123, Ticket::Box), taken }, nullptr, MaxDraw)).failed());
    QCOMPARE(store.count(), 5);

    // A full disk is said as such, naming no ticket: whichever one met it is
    // no more at fault than the others.
    QSqlQuery q(QSqlDatabase::database(book.connectionName()));
    QVERIFY(q.exec(QStringLiteral("PRAGMA page_count")) && q.next());
    QVERIFY(q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(q.value(0).toInt())));
    QVERIFY((error = store.addRun(ticket(7070, 123, Ticket::Box, 1, QString(200, QLatin1Char('x'))), 500, nullptr, MaxDraw)).failed());
    QCOMPARE(error.text, QStringLiteral("The disk is full. Nothing was changed."));
    QCOMPARE(store.count(), 5);
}

// Undo walks back edit, delete and add in turn; an edit whose ticket has
// gone meanwhile is refused rather than written into nothing, and kept.
// A list read again adds only what the book does not hold yet; each stored
// ticket stands for one line of the list.
void TstBookTickets::repeatsLeftOut_data()
{
    QTest::addColumn<QList<Ticket>>("stored");
    QTest::addColumn<QList<Ticket>>("list");
    QTest::addColumn<QList<qsizetype>>("held");
    const Ticket a = ticket(7064, 251, Ticket::Straight, 2, QStringLiteral("shop"));
    const Ticket b = ticket(7065, 51, Ticket::Mini);
    const Ticket c = ticket(7065, 123, Ticket::Box);
    Ticket otherNote = a, otherUnits = a, otherWay = c, otherDraw = b;
    otherNote.note = QStringLiteral("kiosk");
    otherUnits.units = 3;
    otherWay.way = Ticket::Set;
    otherDraw.draw = 7066;
    QTest::newRow("the same list again") << QList<Ticket>{ a, b, c } << QList<Ticket>{ a, b, c } << QList<qsizetype>{ 0, 1, 2 };
    QTest::newRow("one new among them") << QList<Ticket>{ a, c } << QList<Ticket>{ a, b, c } << QList<qsizetype>{ 0, 2 };
    QTest::newRow("differing in one field") << QList<Ticket>{ a, b, c } << QList<Ticket>{ otherNote, otherUnits, otherWay, otherDraw }
                                            << QList<qsizetype>{};
    QTest::newRow("twice in the list, once in the book") << QList<Ticket>{ b } << QList<Ticket>{ b, b } << QList<qsizetype>{ 0 };
    QTest::newRow("twice in both") << QList<Ticket>{ b, b } << QList<Ticket>{ b, c, b } << QList<qsizetype>{ 0, 2 };
}

void TstBookTickets::repeatsLeftOut()
{
    QFETCH(QList<Ticket>, stored);
    QFETCH(QList<Ticket>, list);
    QFETCH(QList<qsizetype>, held);
    BookStore book;
    QVERIFY(book.open(bookPath()).usable());
    TicketStore store(book);
    BookError error;
    QVERIFY2(!(error = store.add(stored, nullptr, MaxDraw)).failed(), qPrintable(error.text));
    QCOMPARE(store.held(list), held);
    QList<Ticket> added;
    QVERIFY2(!(error = store.addMissing(list, &added, MaxDraw)).failed(), qPrintable(error.text));
    QCOMPARE(added.size(), list.size() - held.size());
    QCOMPARE(store.count(), stored.size() + added.size());
    for (const Ticket &t : added)
        QVERIFY(t.id > 0 && store.ticket(t.id)->sameContent(t));
    // Everything is held now.
    QCOMPARE(store.held(list).size(), list.size());
}

void TstBookTickets::undoesNewestFirst()
{
    BookStore book;
    QVERIFY(book.open(bookPath()).usable());
    TicketStore store(book);
    TicketHistory history;
    BookError error;
    QList<qint64> ids;
    QVERIFY(!(error = store.add({ ticket(7065, 123, Ticket::Box, 1, QStringLiteral("a")), ticket(7066, 45, Ticket::Mini) }, &ids, MaxDraw)).failed());
    history.record(TicketHistory::Added, { *store.ticket(ids.at(0)), *store.ticket(ids.at(1)) });
    const Ticket before = *store.ticket(ids.at(0));
    Ticket edited = before;
    edited.units = 7;
    QVERIFY(!(error = store.update(edited, MaxDraw)).failed());
    history.record(TicketHistory::Edited, { before });
    QVERIFY(!(error = store.remove({ edited.id })).failed());
    history.record(TicketHistory::Deleted, { edited });

    TicketHistory::Change undone;
    QList<qint64> touched;
    QVERIFY2(!(error = history.undo(store, &undone, &touched)).failed(), qPrintable(error.text));
    QCOMPARE(undone.kind, TicketHistory::Deleted);
    QCOMPARE(touched, QList<qint64>{ edited.id });
    QCOMPARE(store.ticket(edited.id)->units, 7);
    QVERIFY2(!(error = history.undo(store, &undone, &touched)).failed(), qPrintable(error.text));
    QCOMPARE(undone.kind, TicketHistory::Edited);
    QVERIFY(store.ticket(before.id)->sameContent(before));

    // The edit again, but its ticket deleted where no undo saw it.
    QVERIFY(!(error = store.update(edited, MaxDraw)).failed());
    history.record(TicketHistory::Edited, { before });
    QVERIFY(!(error = store.remove({ edited.id })).failed());
    QVERIFY((error = history.undo(store, &undone, &touched)).failed());
    QVERIFY2(error.text.contains(QLatin1String("no longer in the book")), qPrintable(error.text));
    QCOMPARE(store.count(), 1);
    QVERIFY(history.canUndo());

    // Undo goes back 50 changes, as the help says; older ones are forgotten.
    TicketHistory many;
    for (int i = 0; i < 55; ++i)
        many.record(TicketHistory::Added, {});
    int undoable = 0;
    while (many.canUndo() && !(error = many.undo(store, nullptr, nullptr)).failed())
        ++undoable;
    QCOMPARE(undoable, 50);
}

// Marks are not content: an edit keeps them, a deleted ticket comes back
// with them, and undoing a marking puts the ones before back.
void TstBookTickets::marksKeptAndUndone()
{
    BookStore book;
    QVERIFY(book.open(bookPath()).usable());
    TicketStore store(book);
    TicketHistory history;
    BookError error;
    QList<qint64> ids;
    Ticket online = ticket(7066, 45, Ticket::Mini);
    online.online = true;
    QVERIFY(!(error = store.add({ ticket(7065, 123, Ticket::Box), online }, &ids, MaxDraw)).failed());
    const QList<Ticket> before{ *store.ticket(ids.at(0)), *store.ticket(ids.at(1)) };
    QVERIFY(!before.at(0).online && before.at(1).online);
    QList<Ticket> marked = before;
    for (Ticket &t : marked)
        t.collected = QDate(2026, 10, 1);
    QVERIFY(!(error = store.setMarks(marked)).failed());
    history.record(TicketHistory::Marked, before);
    Ticket edited = *store.ticket(ids.at(0));
    edited.units = 3;
    QVERIFY(!(error = store.update(edited, MaxDraw)).failed());
    QVERIFY(!(error = store.remove({ ids.at(1) })).failed());
    QVERIFY(!(error = store.add({ marked.at(1) }, nullptr, MaxDraw)).failed());
    for (qint64 id : ids)
        QCOMPARE(store.ticket(id)->collected, QDate(2026, 10, 1));
    QList<qint64> touched;
    QVERIFY2(!(error = history.undo(store, nullptr, &touched)).failed(), qPrintable(error.text));
    QCOMPARE(touched, ids);
    QVERIFY(!store.ticket(ids.at(0))->collected.isValid() && !store.ticket(ids.at(1))->collected.isValid());
    QVERIFY(store.ticket(ids.at(1))->online);
    QCOMPARE(store.ticket(ids.at(0))->units, 3);
}

// A reminder goes out when a win's last day comes within 30 days and
// again within 7, each once, remembered in the book; none for a win
// collected or further off.
void TstBookTickets::remindersOnce_data()
{
    QTest::addColumn<QList<int>>("looks");  // days before the last day at each look
    QTest::addColumn<QList<int>>("sent");   // reminders sent at each look
    QTest::newRow("29 then 6 days") << QList<int>{ 29, 28, 6, 5 } << QList<int>{ 1, 0, 1, 0 };
    QTest::newRow("first seen at 6 days") << QList<int>{ 6, 6, 0 } << QList<int>{ 1, 0, 0 };
    QTest::newRow("far, then near") << QList<int>{ 200, 31, 30 } << QList<int>{ 0, 0, 1 };
    QTest::newRow("past the last day") << QList<int>{ -1 } << QList<int>{ 0 };
}

void TstBookTickets::remindersOnce()
{
    QFETCH(QList<int>, looks);
    QFETCH(QList<int>, sent);
    BookStore book;
    QVERIFY(book.open(bookPath()).usable());
    GradedTicket win;
    win.ticket.id = 7;
    win.grade.outcome = TicketGrade::StraightWin;
    win.grade.prize = 90000;
    win.period = PaymentPeriod::byRule(QDate(2026, 1, 30));
    GradedTicket collected = win;
    collected.ticket.id = 8;
    collected.ticket.collected = QDate(2026, 2, 2);
    for (int i = 0; i < looks.size(); ++i) {
        const QDate today = win.period.until().addDays(-looks.at(i));
        const QList<GradedTicket> unsent = DueReminders::unsent(book, { win, collected }, today);
        QVERIFY2(unsent.size() == sent.at(i), qPrintable(QStringLiteral("look %1").arg(i)));
        QVERIFY(!DueReminders::markSent(book, unsent, today, QDateTime::currentDateTimeUtc()).failed());
    }
}

// The table's own checks hold even for writes that skip the rules: a mini
// ticket of three digits, a four-digit mini, a three-digit ticket of four
// digits. (Older books reach these tables through the schema's steps; the
// store's tests open real ones.)
void TstBookTickets::tableChecks()
{
    BookStore book;
    QVERIFY(book.open(bookPath()).usable());
    QVERIFY(book.loadBundled());
    QSqlQuery q(QSqlDatabase::database(book.connectionName()));
    for (const char *values : { "3, 1, 123, 3", "4, 1, 12, 3", "3, 1, 1234, 0", "5, 1, 1, 0" })
        QVERIFY2(!q.exec(QStringLiteral("INSERT INTO tickets (game, draw, number, way, units, created_at) VALUES (%1, 1, 'x')")
                             .arg(QLatin1String(values))),
                 values);
    TicketStore store(book);
    BookError error;
    QVERIFY2(!(error = store.add({ ticket(1, 191, Ticket::Box) }, nullptr, MaxDraw)).failed(), qPrintable(error.text));
    QCOMPARE(store.graded().constFirst().grade.outcome, TicketGrade::BoxWin);  // draw 1 was 191
}

void TstBookTickets::listErrors_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("tickets");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("padded");  // numbers read with leading zeros

    QTest::newRow("header, CRLF, BOM, note") << QByteArray("\xEF\xBB\xBF" "Draw,Number,Way,Units,Note\r\n7065,7,straight,1\r\n\r\n7066,07,MINI,2,x\r\n") << 2 << "" << 1;
    QTest::newRow("short and full-width, as the dialog reads them")
        << QByteArray("7065,51,box,1\n7065,\xEF\xBC\x95\xEF\xBC\x91,straight,1\n7065,\xEF\xBC\x95,mini,1\n7065,123,set,1\n") << 4 << "" << 3;
    QTest::newRow("bad way") << QByteArray("7065,123,box,1\n7065,123,strait,1\n") << 0 << "list.csv:2: \"strait\" is not a way of buying" << 0;
    QTest::newRow("triple box") << QByteArray("draw,number,way,units\n7065,777,box,1\n") << 0 << "list.csv:2: 777 is a triple" << 0;
    QTest::newRow("mini three digits") << QByteArray("7065,123,mini,1\n") << 0 << "list.csv:1: A mini ticket takes two digits" << 0;
    QTest::newRow("units 100") << QByteArray("7065,123,box,100\n") << 0 << "list.csv:1: Units go from 1 to 99" << 0;
    QTest::newRow("line after a note of two lines") << QByteArray("7065,123,box,1,\"a\nb\"\n7065,12x,box,1\n") << 0 << "list.csv:3: \"12x\" is not" << 0;
    QTest::newRow("quote not closed") << QByteArray("7065,123,box,1\n7065,123,box,1,\"oops\n7066,1,box,1\n") << 0 << "list.csv:2: a quoted field is not closed" << 0;
    QTest::newRow("six fields") << QByteArray("7065,123,box,1,a,b\n") << 0 << "list.csv:1: expected draw,number,way,units" << 0;
    QTest::newRow("not UTF-8") << QByteArray("7065,123,box,1\n7065,123,box,1,caf\xe9\n") << 0 << "list.csv:2: the file is not UTF-8" << 0;
    QTest::newRow("empty") << QByteArray("draw,number,way,units\n\n") << 0 << "list.csv: no tickets" << 0;
    QTest::newRow("too large") << QByteArray(16 * 1024 * 1024 + 1, ' ') << 0 << "list.csv: the file is larger than 16 MB" << 0;
}

void TstBookTickets::listErrors()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, error);
    const TicketList::Parsed parsed = TicketList::parse(data, QStringLiteral("list.csv"), MaxDraw);
    QVERIFY2(error.isEmpty() ? parsed.ok() : parsed.error.startsWith(error), qPrintable(parsed.error));
    QTEST(int(parsed.tickets.size()), "tickets");
    QTEST(parsed.padded, "padded");
}

void TstBookTickets::exportRoundTrips()
{
    const QStringList notes{ QStringLiteral("a, b"), QStringLiteral("\"quoted\""), QStringLiteral("two\nlines"),
                             QStringLiteral("crlf\r\nkept"), QStringLiteral("cr\ronly"), QStringLiteral("  spaces  "), QStringLiteral("誕生日") };
    QList<GradedTicket> rows;
    for (int i = 0; i < notes.size(); ++i) {
        GradedTicket g;
        g.ticket = ticket(7065 + i, 112 + i, Ticket::Set, i + 1, notes.at(i));
        g.drawDate = DrawCalendar::dateOf(g.ticket.draw);
        rows.append(g);
    }
    DrawResult r = resultWith(211, QStringLiteral("none"));
    r.draw = 7065;
    rows[0].resultNumber = 211;
    rows[0].grade = TicketRules::grade(rows[0].ticket, &r);

    const QByteArray csv = TicketList::exportCsv(rows);
    const QList<QByteArray> lines = csv.split('\n');
    QCOMPARE(lines.at(0), QByteArray("draw,number,way,units,note,date,result,outcome,prize,prize_kind,game"));
    QCOMPARE(lines.at(1), QByteArray("7065,112,set,1,\"a, b\",") + DrawCalendar::dateOf(7065).toString(Qt::ISODate).toLatin1()
                              + ",211,set-box 3-way,15000,theoretical,numbers3");
    QCOMPARE(lines.at(2), QByteArray("7066,113,set,2,\"\"\"quoted\"\"\",") + DrawCalendar::dateOf(7066).toString(Qt::ISODate).toLatin1()
                              + ",,waiting,,,numbers3");

    const QString path = dir->filePath(QStringLiteral("export.csv"));
    QString error;
    QVERIFY2(TicketList::write(path, rows, &error), qPrintable(error));
    const TicketList::Parsed back = TicketList::read(path, MaxDraw);
    QVERIFY2(back.ok(), qPrintable(back.error));
    QCOMPARE(back.tickets.size(), rows.size());
    for (int i = 0; i < rows.size(); ++i)
        QVERIFY2(back.tickets.at(i).sameContent(rows.at(i).ticket), qPrintable(back.tickets.at(i).note));
}

void TstBookTickets::commandLine()
{
    const auto run = [this](const QStringList &args, QByteArray *out, const QString &book = QString()) {
        QProcess p;
        p.setProcessEnvironment(consoleEnvironment());
        p.start(QStringLiteral(BOOK_EXE), QStringList{ QStringLiteral("--database"), book.isEmpty() ? bookPath() : book } + args);
        p.waitForFinished(60000);
        *out = p.readAllStandardOutput();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    const auto write = [this](const char *name, const QByteArray &content) {
        QFile f(dir->filePath(QLatin1String(name)));
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return f.fileName();
    };
    const QString good = write("good.csv", "draw,number,way,units,note\n7064,251,straight,2,\"x, y\"\n7064,51,mini,1\n7065,123,box,1\n");
    const QString bad = write("bad.csv", "7066,123,box,1\n7066,456,box,0\n");
    const QString out = dir->filePath(QStringLiteral("out.csv"));

    QByteArray said;
    QCOMPARE(run({ QStringLiteral("--import-tickets"), good }, &said), 0);
    QCOMPARE(said, good.toUtf8() + ": 3 tickets added\n");
    QCOMPARE(run({ QStringLiteral("--import-tickets"), bad, QStringLiteral("--export-tickets"), out }, &said), 1);
    QCOMPARE(said, bad.toUtf8() + ": error: " + bad.toUtf8() + ":2: Units go from 1 to 99 per ticket line (200 yen each); 0 is not possible.\n"
                 + out.toUtf8() + ": 3 tickets written\n");
    QCOMPARE(run({ QStringLiteral("--export-tickets"), dir->filePath(QStringLiteral("no/such/dir/out.csv")) }, &said), 1);

    // The export grades against the bundled results and their actual prizes,
    // and reads back as a list.
    QFile exported(out);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QByteArray csv = exported.readAll();
    QVERIFY2(csv.contains(",251,straight,2,\"x, y\",2026-09-04,251,straight,186600,actual,numbers3\n"), csv.constData());
    QCOMPARE(TicketList::parse(csv, out, MaxDraw).tickets.size(), 3);
    // "-" and /dev/stdout are standard output: the list alone, the line beside it.
    for (const QString &stdoutName : { QStringLiteral("-"), QStringLiteral("/dev/stdout") }) {
        QCOMPARE(run({ QStringLiteral("--export-tickets"), stdoutName }, &said), 0);
        QCOMPARE(said, csv);
    }
    QVERIFY(!QFileInfo::exists(QStringLiteral("-")));
    // Whatever else is said goes beside the list too: here, that an empty
    // file was taken for a new book and that the tickets imported.
    const QString empty = write("empty.sqlite", QByteArray());
    QCOMPARE(run({ QStringLiteral("--import-tickets"), good, QStringLiteral("--export-tickets"), QStringLiteral("-") }, &said, empty), 0);
    QVERIFY2(said.startsWith("draw,number,way,units,note,"), said.constData());
    QCOMPARE(said.count('\n'), 4);
    // A descriptor the program opened itself (its book's, its lock's) is not
    // a stream it was given: refused, and the book is left whole.
    for (int fd = 3; fd < 8; ++fd)
        run({ QStringLiteral("--export-tickets"), QStringLiteral("/dev/fd/%1").arg(fd) }, &said);
    QCOMPARE(run({ QStringLiteral("--export-tickets"), out }, &said), 0);
    QCOMPARE(said, out.toUtf8() + ": 3 tickets written\n");
    // Read back into the same book, they are all there already.
    QCOMPARE(run({ QStringLiteral("--import-tickets"), out }, &said), 0);
    QCOMPARE(said, out.toUtf8() + ": 0 added, 3 already in the book and not added again\n");
    QCOMPARE(run({ QStringLiteral("--import-tickets"), good, QStringLiteral("--add-again") }, &said), 0);
    QCOMPARE(said, good.toUtf8() + ": 3 tickets added\n");
    QCOMPARE(run({ QStringLiteral("--add-again") }, &said), 2);
    // Read into another book and exported again, byte for byte the same,
    // the two tickets of draw 7064 in the same order too.
    const QString again = dir->filePath(QStringLiteral("again.csv"));
    const QString other = dir->filePath(QStringLiteral("other.sqlite"));
    QCOMPARE(run({ QStringLiteral("--import-tickets"), out, QStringLiteral("--export-tickets"), again }, &said, other), 0);
    QFile reexported(again);
    QVERIFY(reexported.open(QIODevice::ReadOnly));
    QCOMPARE(reexported.readAll(), csv);

    // In Japanese from the catalogue beside the program.
    QProcess p;
    QProcessEnvironment env = consoleEnvironment();
    env.remove(QStringLiteral("LANGUAGE"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("ja_JP.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("ja_JP.UTF-8"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(BOOK_EXE), { QStringLiteral("--database"), bookPath(), QStringLiteral("--import-tickets"), bad });
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()),
             bad + QStringLiteral(": エラー：") + bad
                 + QStringLiteral(":2: 口数は 1 申込につき 1〜99 口（1 口 200 円）です。0 口にはできません。\n"));
}

// Killed while the import's transaction is writing: the book then holds
// all of the list or none of it, never a part.
void TstBookTickets::killedDuringImport()
{
    {
        BookStore book;
        QVERIFY(book.open(bookPath()).usable());
        QVERIFY(book.loadBundled());
    }  // closing the last connection folds the log back in and removes it
    const int count = 60000;
    QByteArray list;
    for (int i = 0; i < count; ++i)
        list += "7065," + QByteArray::number(i % 1000).rightJustified(3, '0') + ",straight,1,note " + QByteArray::number(i) + '\n';
    const QString file = dir->filePath(QStringLiteral("many.csv"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(list);
    f.close();

    QProcess child;
    child.setProcessEnvironment(consoleEnvironment());
    child.start(QStringLiteral(BOOK_EXE), { QStringLiteral("--database"), bookPath(), QStringLiteral("--import-tickets"), file });
    QVERIFY(child.waitForStarted());
    // The log grows beyond its header only once the transaction spills its pages.
    const QString wal = bookPath() + QStringLiteral("-wal");
    QElapsedTimer waited;
    waited.start();
    while (QFileInfo(wal).size() < 64 * 1024 && child.state() == QProcess::Running && waited.elapsed() < 30000)
        QThread::usleep(200);
    const bool caught = child.state() == QProcess::Running;
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished();

    BookStore book;
    QCOMPARE(book.open(bookPath()).status, BookStore::OpenStatus::Ok);
    const int kept = TicketStore(book).count();
    QVERIFY2(kept == 0 || kept == count, qPrintable(QString::number(kept)));
    QCOMPARE(book.count(), bundledRows(RESULTS_CSV));
    if (!caught)
        QSKIP("the import finished before it could be killed");
}

QTEST_GUILESS_MAIN(TstBookTickets)
#include "tst_book_tickets.moc"
