// The statistics tab wired up: a range change redraws, the table holds the
// figures, exports write files. The figures themselves are tst_book_figures'.
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QGraphicsTextItem>
#include <QImage>
#include <QRegularExpression>
#include <QLabel>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

#include "draw_stats.h"
#include "result_importer.h"
#include "stats_range.h"
#include "stats_table.h"
#include "stats_view.h"
#include "support/real_results.h"

class TestBookStats : public QObject
{
    Q_OBJECT

private slots:
    void view();
    void gameViews_data();
    void gameViews();
    void exports_data();
    void exports();
};

void TestBookStats::view()
{
    // The real results, newest first, as the window gives them.
    const ImportedFile file = ResultImporter::read(QStringLiteral(RESULTS_CSV));
    QVERIFY(file.ok());
    QList<DrawResult> draws = file.draws;
    std::reverse(draws.begin(), draws.end());

    StatsView view;
    view.resize(900, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setDraws(draws, Game::Numbers3);
    view.setView(StatsTable::Places);

    // The ranges the help offers: the last 50, 100, 500 and 1000 draws, the
    // whole book, two dates.
    QList<int> offered;
    for (int i = 0; i < view.rangeBox->count(); ++i)
        offered << view.rangeBox->itemData(i).toInt();
    QCOMPARE(offered, (QList<int>{50, 100, 500, 1000, 0, -1}));

    // The table and the chart show the range's figures, and follow the range.
    for (int choice : {100, 50, 0}) {
        view.rangeBox->setCurrentIndex(view.rangeBox->findData(choice));
        const int n = choice ? choice : int(draws.size());
        const DrawStats expected = DrawStats::count(StatsRange::lastDraws(n).pick(draws));
        QCOMPARE(view.stats.draws, n);
        QVERIFY2(view.rangeLabel->text().startsWith(QString::number(n) + QLatin1Char(' ')), qPrintable(view.rangeLabel->text()));
        QCOMPARE(view.tableModel->rowCount(), 10);
        auto *bars = qobject_cast<QBarSeries *>(view.chartView->chart()->series().value(0));
        QVERIFY(bars);
        for (int digit = 0; digit < 10; ++digit) {
            for (int place = 0; place < 3; ++place) {
                QCOMPARE(view.tableModel->item(digit, 1 + place)->text().toInt(), expected.places[place][digit]);
                QCOMPARE(int(bars->barSets().at(place)->at(digit)), expected.places[place][digit]);
            }
        }
    }

    // Every view fills its table and chart.
    for (int v = 0; v < StatsTable::ViewCount; ++v) {
        view.setView(StatsTable::View(v));
        QVERIFY2(view.tableModel->rowCount() > 0, qPrintable(StatsTable::title(StatsTable::View(v), Game::Numbers3)));
        QVERIFY(!view.chartView->chart()->series().isEmpty());
    }

    // Exports: the chart as PNG and SVG, the table as CSV.
    view.setView(StatsTable::Most);
    QTemporaryDir dir;
    QVERIFY(!view.exportChart(dir.filePath(QStringLiteral("chart.png"))).failed());
    QVERIFY(!QImage(dir.filePath(QStringLiteral("chart.png"))).isNull());
    QVERIFY(!view.exportChart(dir.filePath(QStringLiteral("chart.svg"))).failed());
    QFile svg(dir.filePath(QStringLiteral("chart.svg")));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("<svg"));
    QVERIFY(!view.exportTable(dir.filePath(QStringLiteral("table.csv"))).failed());
    QFile csv(dir.filePath(QStringLiteral("table.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly | QIODevice::Text));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    QCOMPARE(QString::fromUtf8(lines.first()), view.rangeLabel->text());
    QCOMPARE(lines.at(1), QByteArray("number,draws,at draws"));
    // The first row is the number drawn most often, its draws quoted as one field.
    const DrawStats::Often top = view.stats.mostDrawn().listed.first();
    QStringList at;
    for (int d : top.draws)
        at << QString::number(d);
    QCOMPARE(QString::fromUtf8(lines.at(2)), QStringLiteral("%1,%2,\"%3\"")
                                                 .arg(QString::number(top.number).rightJustified(3, QLatin1Char('0')))
                                                 .arg(top.count).arg(at.join(QLatin1String(", "))));
    // The 20 most drawn, whatever the range: not every number drawn twice.
    QCOMPARE(view.tableModel->rowCount(), DrawStats::MostListed);
    // The chart names each of them under its bar, none cut to "…", at the
    // size the tab has in a window on a 1024 x 768 screen.
    view.resize(640, 480);
    QCoreApplication::processEvents();
    QStringList names;
    for (QGraphicsItem *item : view.chartView->scene()->items()) {
        const auto *text = dynamic_cast<QGraphicsTextItem *>(item);
        if (text && text->isVisible())
            names << text->toPlainText();
    }
    // (Qt Charts cuts names to three full stops.)
    const QString shown = names.join(QLatin1Char(' '));
    QVERIFY2(!shown.contains(QChar(0x2026)) && !shown.contains(QLatin1String("...")), qPrintable(shown));
    QVERIFY2(names.contains(QString::number(top.number).rightJustified(3, QLatin1Char('0'))), qPrintable(shown));
    QCOMPARE(names.filter(QRegularExpression(QStringLiteral("^[0-9]{3}$"))).size(), DrawStats::MostListed);
    QCOMPARE(lines.size() - 3, view.tableModel->rowCount());
    QVERIFY(view.exportTable(dir.filePath(QStringLiteral("no/such/folder/table.csv"))).failed());

    // One draw is "1 draw", and no draws at all say why, in every view.
    view.setDraws(draws.mid(0, 1), Game::Numbers3);
    QCOMPARE(view.rangeLabel->text().left(8), QStringLiteral("1 draw: "));
    view.setDraws({}, Game::Numbers3);
    for (int v = 0; v < StatsTable::ViewCount; ++v) {
        view.setView(StatsTable::View(v));
        QCOMPARE(view.rangeLabel->text(), QStringLiteral("The book holds no draws yet."));
        QVERIFY(view.summaryLabel->text().isEmpty());
    }
}

// Each game's views over its real results: its places, sums and kinds in
// the table and the chart, and the mini only where the game has it.
void TestBookStats::gameViews_data()
{
    QTest::addColumn<Game>("game");
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("second");  // the second column, top to bottom, where given

    const Game three = Game::Numbers3, four = Game::Numbers4;
    QTest::newRow("three: places") << three << int(StatsTable::Places) << "digit,hundreds,tens,ones,chance" << 10 << "";
    QTest::newRow("three: sums") << three << int(StatsTable::Sums) << "sum,numbers,draws,chance" << 28 << "";
    QTest::newRow("three: kinds") << three << int(StatsTable::Kinds) << "kind,numbers,draws,chance" << 3 << "720 270 10";
    QTest::newRow("three: repeats") << three << int(StatsTable::Repeats) << "place,repeats,share,chance" << 3 << "";
    QTest::newRow("three: minis") << three << int(StatsTable::Minis) << "mini,draws,chance" << 100 << "";
    QTest::newRow("four: places") << four << int(StatsTable::Places) << "digit,thousands,hundreds,tens,ones,chance" << 10 << "";
    QTest::newRow("four: sums") << four << int(StatsTable::Sums) << "sum,numbers,draws,chance" << 37 << "";
    QTest::newRow("four: kinds") << four << int(StatsTable::Kinds) << "kind,numbers,draws,chance" << 5
                                 << "5040 4320 270 360 10";
    QTest::newRow("four: absence") << four << int(StatsTable::Absence)
                                   << "digit,thousands now,thousands longest,hundreds now,hundreds longest,"
                                      "tens now,tens longest,ones now,ones longest" << 10 << "";
    QTest::newRow("four: repeats") << four << int(StatsTable::Repeats) << "place,repeats,share,chance" << 4 << "";
    QTest::newRow("four: most, four figures") << four << int(StatsTable::Most) << "number,draws,at draws" << 20 << "";
    QTest::newRow("four: no minis") << four << int(StatsTable::Minis) << "" << 0 << "";
}

void TestBookStats::gameViews()
{
    QFETCH(Game, game);
    QFETCH(int, view);
    QFETCH(QString, header);
    QFETCH(int, rows);
    QFETCH(QString, second);
    QList<DrawResult> draws = realResults(game).draws;
    std::reverse(draws.begin(), draws.end());
    StatsView v;
    v.resize(900, 600);
    // From the other game's views to this one's, as when the book's game changes.
    v.setDraws({}, game == Game::Numbers4 ? Game::Numbers3 : Game::Numbers4);
    v.setView(StatsTable::Places);
    v.setDraws(draws, game);
    QCOMPARE(v.game(), game);
    QCOMPARE(v.stats.draws, 100);  // the last 100 draws, as the tab starts

    QList<int> offered;
    for (int i = 0; i < v.viewBox->count(); ++i)
        offered << v.viewBox->itemData(i).toInt();
    QCOMPARE(offered.contains(view), rows > 0);
    if (rows == 0)
        return;
    v.setView(StatsTable::View(view));
    QStringList shown;
    for (int c = 0; c < v.tableModel->columnCount(); ++c)
        shown << v.tableModel->horizontalHeaderItem(c)->text();
    QCOMPARE(shown.join(QLatin1Char(',')), header);
    QCOMPARE(v.tableModel->rowCount(), rows);
    QStringList column;
    for (int row = 0; row < rows; ++row)
        column << v.tableModel->item(row, 1)->text();
    if (!second.isEmpty())
        QCOMPARE(column.join(QLatin1Char(' ')), second);
    if (view == StatsTable::Most)
        QCOMPARE(v.tableModel->item(0, 0)->text().size(), Games::digits(game));
    // The chart: a set of bars for each place, or the figures' bars.
    auto *bars = qobject_cast<QBarSeries *>(v.chartView->chart()->series().value(0));
    QVERIFY(bars);
    QCOMPARE(bars->barSets().first()->count(), rows);
    if (view == StatsTable::Places)
        QCOMPARE(bars->barSets().size(), Games::digits(game));
    QVERIFY(v.suggestedName(QStringLiteral("csv")).startsWith(QLatin1String(Games::key(game)) + QLatin1String("-stats-draws-")));
}

// An export says in its name and inside which draws it counts; the
// picture's kind follows the name, and a CSV for spreadsheets has a BOM.
void TestBookStats::exports_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bom");
    QTest::addColumn<QByteArray>("starts");
    QTest::newRow("PNG") << "chart.png" << false << QByteArray("\x89PNG");
    QTest::newRow("JPEG by .jpg") << "chart.jpg" << false << QByteArray("\xFF\xD8\xFF");
    QTest::newRow("JPEG by .JPEG") << "chart.JPEG" << false << QByteArray("\xFF\xD8\xFF");
    QTest::newRow("SVG") << "chart.svg" << false << QByteArray("<?xml");
    QTest::newRow("GIF refused") << "chart.gif" << false << QByteArray();
    QTest::newRow("CSV") << "table.csv" << false << QByteArray("100 draws: draw ");
    QTest::newRow("CSV for spreadsheets") << "table.csv" << true << QByteArray("\xEF\xBB\xBF" "100 draws: draw ");
}

void TestBookStats::exports()
{
    QFETCH(QString, name);
    QFETCH(bool, bom);
    QFETCH(QByteArray, starts);
    const ImportedFile file = ResultImporter::read(QStringLiteral(RESULTS_CSV));
    QVERIFY(file.ok());
    QList<DrawResult> draws = file.draws;
    std::reverse(draws.begin(), draws.end());
    StatsView view;
    view.resize(900, 600);
    view.setDraws(draws, Game::Numbers3);
    view.rangeBox->setCurrentIndex(view.rangeBox->findData(100));
    view.setView(StatsTable::Most);
    const int last = draws.first().draw;
    const QString suffix = QFileInfo(name).suffix();
    QCOMPARE(view.suggestedName(suffix), QStringLiteral("numbers3-stats-draws-%1-%2.%3").arg(last - 99).arg(last).arg(suffix));

    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const BookError failed = suffix == QLatin1String("csv") ? view.exportTable(path, bom) : view.exportChart(path);
    const bool written = !failed.failed();
    const QString error = failed.text;
    QCOMPARE(written, !starts.isEmpty());
    if (!written) {
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(error.contains(QLatin1String(".jpg")));
        return;
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY2(bytes.startsWith(starts), bytes.left(16).toHex().constData());
    // Inside: the line of the range, in the text or among the picture's texts.
    const QString range = QStringLiteral("draw %1").arg(last);
    const QString inside = QString::fromUtf8(bytes).contains(range) ? range : QImage(path).text();
    QVERIFY2(inside.contains(range), qPrintable(inside.left(300)));
}

QTEST_MAIN(TestBookStats)
#include "tst_book_stats.moc"
