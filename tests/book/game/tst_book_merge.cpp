// What a file's draw does to the draw the book holds: the outcome, the
// counts and the notes of the report.
#include <QtTest>

#include "draw_merge.h"

namespace {

DrawResult draw6(int number, DrawResult::SourceKind kind, const QDate &date = QDate(), std::optional<qint64> prize = {})
{
    DrawResult r;
    r.draw = 6;
    r.number = number;
    r.date = date;
    r.prize[DrawResult::Straight] = prize;
    r.sourceKind = kind;
    r.source = kind == DrawResult::File ? QStringLiteral("old/A1000006.CSV") : QString();
    return r;
}

} // namespace

class TstDrawMerge : public QObject
{
    Q_OBJECT

private slots:
    void take_data();
    void take();
};

using Held = std::optional<DrawResult>;
Q_DECLARE_METATYPE(Held)

void TstDrawMerge::take_data()
{
    QTest::addColumn<Held>("held");
    QTest::addColumn<DrawResult>("offered");
    QTest::addColumn<bool>("bundled");   // the bundled table: never replaces
    QTest::addColumn<int>("agreed");     // the hand number the user agreed to replace, or -1
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QList<int>>("counts");  // added, known, replaced, completed, kept by hand
    QTest::addColumn<QString>("notes");
    const QDate day(1994, 10, 14);
    const DrawResult file692 = draw6(692, DrawResult::File, day, 9000);
    QTest::newRow("add") << Held() << file692 << false << -1 << int(DrawMerge::Added) << QList<int>{ 1, 0, 0, 0, 0 } << "";
    QTest::newRow("known") << Held(file692) << file692 << false << -1 << int(DrawMerge::Known)
                           << QList<int>{ 0, 1, 0, 0, 0 } << "";
    QTest::newRow("date filled") << Held(draw6(692, DrawResult::Bundled)) << draw6(692, DrawResult::File, day)
                                 << false << -1 << int(DrawMerge::Filled) << QList<int>{ 0, 1, 0, 1, 0 }
                                 << "draw 6: date added from A1000006.CSV";
    QTest::newRow("prizes filled") << Held(draw6(692, DrawResult::Bundled, day)) << file692 << false << -1
                                   << int(DrawMerge::Filled) << QList<int>{ 0, 1, 0, 1, 0 }
                                   << "draw 6: prizes added from A1000006.CSV";
    QTest::newRow("prize changed") << Held(draw6(692, DrawResult::File, day, 8000)) << file692 << false << -1
                                   << int(DrawMerge::Replaced) << QList<int>{ 0, 0, 1, 0, 0 }
                                   << "draw 6: prize 8000 → 9000 from A1000006.CSV";
    QTest::newRow("replaced with note") << Held(draw6(792, DrawResult::Bundled, day)) << file692 << false << -1
                                        << int(DrawMerge::Replaced) << QList<int>{ 0, 0, 1, 0, 0 }
                                        << "draw 6: bundled 792 replaced by 692 from A1000006.CSV";
    QTest::newRow("hand kept as conflict") << Held(draw6(792, DrawResult::Hand, day)) << file692 << false << 791
                                           << int(DrawMerge::HandKept) << QList<int>{ 0, 0, 0, 0, 1 } << "";
    QTest::newRow("agreed hand replaced") << Held(draw6(792, DrawResult::Hand, day)) << file692 << false << 792
                                          << int(DrawMerge::Replaced) << QList<int>{ 0, 0, 1, 0, 0 }
                                          << "draw 6: entered by hand 792 replaced by 692 from A1000006.CSV";
    // The bundled data changes nothing held from a file or by hand: it fills
    // gaps and tells where it differs.
    QTest::newRow("bundled never overrides") << Held(draw6(692, DrawResult::File, day)) << draw6(792, DrawResult::File)
                                             << true << -1 << int(DrawMerge::Known) << QList<int>{ 0, 1, 0, 0, 0 }
                                             << "draw 6: kept 692 (A1000006.CSV), this release has 792";
    QTest::newRow("bundled keeps a file's prize") << Held(draw6(692, DrawResult::File, day, 8000)) << file692 << true << -1
                                                  << int(DrawMerge::Known) << QList<int>{ 0, 1, 0, 0, 0 }
                                                  << "draw 6: kept straight prize 8000 (A1000006.CSV), this release has straight prize 9000";
    QTest::newRow("bundled fills a file's prizes") << Held(draw6(692, DrawResult::File, day)) << file692 << true << -1
                                                   << int(DrawMerge::Filled) << QList<int>{ 0, 1, 0, 1, 0 }
                                                   << "draw 6: prizes added from A1000006.CSV";
    DrawResult noWinner = draw6(692, DrawResult::File, day);
    noWinner.winners[DrawResult::Straight] = 0;
    QTest::newRow("bundled leaves a file's no winner unpaid") << Held(noWinner) << file692 << true << -1
                                                              << int(DrawMerge::Known) << QList<int>{ 0, 1, 0, 0, 0 } << "";
    QTest::newRow("bundled leaves a hand value") << Held(draw6(792, DrawResult::Hand, day)) << file692 << true << -1
                                                 << int(DrawMerge::HandKept) << QList<int>{ 0, 1, 0, 0, 1 } << "";
    QTest::newRow("bundled brings its own older row up") << Held(draw6(692, DrawResult::Bundled, day)) << file692 << true << -1
                                                         << int(DrawMerge::Filled) << QList<int>{ 0, 1, 0, 1, 0 }
                                                         << "draw 6: prizes added from A1000006.CSV";
}

void TstDrawMerge::take()
{
    QFETCH(Held, held);
    QFETCH(DrawResult, offered);
    QFETCH(bool, bundled);
    QFETCH(int, agreed);
    ImportReport report;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QHash<qint64, int> replaceHand;
    if (agreed >= 0)
        replaceHand.insert(DrawResult::key(Game::Numbers3, 6), agreed);
    DrawMerge merge(QStringLiteral("new/A1000006.CSV"), bundled ? DrawResult::Bundled : DrawResult::File, !bundled,
                    replaceHand, now, report);
    const DrawMerge::Step step = merge.take(offered, held);
    merge.finish();
    QTEST(int(step.outcome), "outcome");
    const QList<int> counts{ report.added, report.known, report.replaced, report.completed, int(report.handConflicts.size()) };
    QTEST(counts, "counts");
    QTEST((report.notes + report.differences).join(QLatin1Char('|')), "notes");
    if (step.outcome != DrawMerge::Known && step.outcome != DrawMerge::HandKept) {
        // What is written is the file's, stored now, and keeps the draw's day.
        QCOMPARE(step.row.number, offered.number);
        // The bundled data writes no file's name; a file's row keeps its own.
        QCOMPARE(step.row.source, !bundled ? QStringLiteral("new/A1000006.CSV") : held->source);
        QCOMPARE(step.row.storedAt, now);
        QCOMPARE(step.row.date, offered.date.isValid() ? offered.date : held->date);
    }
}

QTEST_APPLESS_MAIN(TstDrawMerge)

#include "tst_book_merge.moc"
