#ifndef STATS_VIEW_H
#define STATS_VIEW_H

#include <QList>
#include <QWidget>

#include "draw_result.h"
#include "draw_stats.h"
#include "stats_range.h"
#include "stats_table.h"

class QChartView;
class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QLabel;
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

    // The book's draws, newest first, as the draw table holds them.
    void setDraws(const QList<DrawResult> &newestFirst);
    StatsRange range() const;
    StatsTable::View view() const;
    void setView(StatsTable::View view);

    // The chart by the file's suffix: .svg as SVG, anything else as PNG.
    bool exportChart(const QString &path, QString *error);
    bool exportTable(const QString &path, QString *error) const;

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

private:
    QHBoxLayout *buildControls();
    QSplitter *buildFigures();
    void redraw();
    void rangeChosen();
    void saveChart();
    void saveTable();

    QList<DrawResult> draws;
    StatsTable current;
};

#endif
