#ifndef STATS_VIEW_H
#define STATS_VIEW_H

#include <QList>
#include <QWidget>

#include "draw_result.h"
#include "draw_stats.h"
#include "game.h"
#include "stats_range.h"
#include "stats_table.h"

class QChartView;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class QPaintDevice;
class QSplitter;
class QStandardItemModel;
class QTableView;

// The statistics tab: a range of the book's draws, one view of their
// figures as a chart and, beside it, as a table; the chart can be saved as
// PNG or SVG and the table as CSV. The figures come from DrawStats.
class StatsView : public QWidget
{
    Q_OBJECT

public:
    explicit StatsView(QWidget *parent = nullptr);
    ~StatsView() override;

    // The book's draws of one game, newest first, as the draw table holds
    // them. The views offered are the game's.
    void setDraws(const QList<DrawResult> &newestFirst, Game game);
    Game game() const { return shownGame; }
    StatsRange range() const;
    StatsTable::View view() const;
    // A view the game does not offer is ignored.
    void setView(StatsTable::View view);

    // The chart by the file's suffix: .png, .jpg (or .jpeg) and .svg; any
    // other is refused. The picture says which draws it counts.
    BookError exportChart(const QString &path);
    // With bom, for spreadsheets: see StatsTable::writeCsv.
    BookError exportTable(const QString &path, bool bom = false) const;
    // The file name offered for an export, naming the draws counted.
    QString suggestedName(const QString &suffix) const;

    QComboBox *rangeBox;
    QDateEdit *fromEdit;
    QDateEdit *toEdit;
    QComboBox *viewBox;
    QLabel *rangeLabel;
    QLabel *summaryLabel;
    QChartView *chartView;
    QTableView *tableView;
    QStandardItemModel *tableModel;
    DrawStats stats;

public slots:
    void recount();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGridLayout *buildControls();
    QSplitter *buildFigures();
    void offerViews();
    void redraw();
    bool renderChart(QPaintDevice *device, const QSize &size);
    void rangeChosen();
    void saveChart();
    void saveTable();

    QList<DrawResult> draws;
    Game shownGame = Game::Numbers3;
    // The first and last draw counted, 0 when none.
    int firstDraw = 0;
    int lastDraw = 0;
    StatsTable current;
};

#endif
