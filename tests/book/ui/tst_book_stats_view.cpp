// The statistics tab where the widgets themselves went wrong: dates typed
// into the range, and the figures written over the box kinds' bars.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QGraphicsTextItem>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include "result_importer.h"
#include "stats_view.h"

class TestBookStatsView : public QObject
{
    Q_OBJECT

private slots:
    void typedDates_data();
    void typedDates();
    void figuresApart_data();
    void figuresApart();
};

namespace {

// The game's real results, newest first, as the window gives them.
QList<DrawResult> realDraws(Game game)
{
    QList<DrawResult> draws = ResultImporter::read(QString::fromUtf8(game == Game::Numbers4 ? RESULTS4_CSV : RESULTS_CSV)).draws;
    std::reverse(draws.begin(), draws.end());
    return draws;
}

} // namespace

// A date typed as written, or with Tab between its parts, is the date
// typed, wherever a click left the cursor; Tab after its last part goes on
// to the next control.
void TestBookStatsView::typedDates_data()
{
    QTest::addColumn<QString>("keys");  // \t: Tab; @N: a click before character N; ^: Ctrl+A
    QTest::addColumn<QDate>("expected");
    QTest::newRow("ISO") << "2026-01-05" << QDate(2026, 1, 5);
    QTest::newRow("Tab between the parts") << "2026\t01\t05" << QDate(2026, 1, 5);
    QTest::newRow("short parts") << "2025-3-7" << QDate(2025, 3, 7);
    QTest::newRow("slashes") << "1999/12/31" << QDate(1999, 12, 31);
    QTest::newRow("over a click in the year") << "@22026-01-05" << QDate(2026, 1, 5);
    QTest::newRow("Tab after a click in the month") << "2026-01-05@6\t07" << QDate(2026, 1, 7);
    QTest::newRow("over the whole date selected") << "^2023-02-03" << QDate(2023, 2, 3);
}

void TestBookStatsView::typedDates()
{
    QFETCH(QString, keys);
    QFETCH(QDate, expected);
    StatsView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    view.rangeBox->setCurrentIndex(view.rangeBox->findData(-1));
    view.fromEdit->setDate(QDate(2024, 11, 20));
    view.fromEdit->setFocus();
    auto *line = view.fromEdit->findChild<QLineEdit *>();
    QVERIFY(line);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar key = keys.at(i);
        if (key == QLatin1Char('@')) {
            line->setCursorPosition(keys.at(++i).digitValue());
            QTest::mouseClick(line, Qt::LeftButton, {}, line->inputMethodQuery(Qt::ImCursorRectangle).toRect().center());
        } else if (key == QLatin1Char('^')) {
            QTest::keyClick(view.fromEdit, Qt::Key_A, Qt::ControlModifier);
        } else if (key == QLatin1Char('\t')) {
            QTest::keyClick(view.fromEdit, Qt::Key_Tab);
        } else {
            QTest::keyClick(view.fromEdit, key.toLatin1());
        }
    }
    QCOMPARE(view.fromEdit->date(), expected);
    QTest::keyClick(view.fromEdit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), view.toEdit);
}

void TestBookStatsView::figuresApart_data()
{
    QTest::addColumn<Game>("game");
    QTest::newRow("three digits") << Game::Numbers3;
    QTest::newRow("four digits") << Game::Numbers4;
}

// The box kinds' figures over their bars, over the whole book at the size
// of the tab on a 1024 x 768 screen: no figure touches another, where
// "10" beside "0.1" read as 10.1.
void TestBookStatsView::figuresApart()
{
    QFETCH(Game, game);
    const QList<DrawResult> draws = realDraws(game);
    QVERIFY(!draws.isEmpty());
    StatsView view;
    view.resize(1000, 620);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setDraws(draws, game);
    view.rangeBox->setCurrentIndex(view.rangeBox->findData(0));
    view.setView(StatsTable::Kinds);
    QCoreApplication::processEvents();
    QList<QRectF> figures;
    QStringList texts;
    const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9])?$"));
    for (QGraphicsItem *item : view.chartView->scene()->items()) {
        const auto *text = dynamic_cast<QGraphicsTextItem *>(item);
        if (text && text->isVisible() && number.match(text->toPlainText()).hasMatch()) {
            figures << text->sceneBoundingRect();
            texts << text->toPlainText();
        }
    }
    QVERIFY2(texts.contains(QString::number(view.stats.kinds.last())), qPrintable(texts.join(QLatin1Char(' '))));
    const qreal gap = view.fontMetrics().horizontalAdvance(QLatin1Char('0')) / 2.0;
    for (qsizetype i = 0; i < figures.size(); ++i) {
        for (qsizetype j = i + 1; j < figures.size(); ++j)
            QVERIFY2(!figures.at(i).adjusted(-gap, 0, gap, 0).intersects(figures.at(j)),
                     qPrintable(texts.at(i) + QLatin1Char(' ') + texts.at(j)));
    }
}

QTEST_MAIN(TestBookStatsView)
#include "tst_book_stats_view.moc"
