#ifndef STATS_TABLE_H
#define STATS_TABLE_H

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class DrawStats;

// One view of the statistics as words and numbers: its title, a line saying
// what chance gives, and the table a screen reader reads and the CSV export
// writes. Counts are whole numbers, chance one decimal.
class StatsTable
{
    Q_DECLARE_TR_FUNCTIONS(StatsTable)

public:
    enum View { Places, Anywhere, Sums, Kinds, Most, Spread, Absence, Repeats, Minis };
    static constexpr int ViewCount = 9;

    static QString title(View view);
    static StatsTable make(View view, const DrawStats &stats);

    QString summary;
    QStringList header;
    QList<QStringList> rows;

    // UTF-8, a header row, fields quoted where they hold a comma or quote.
    bool writeCsv(const QString &path, QString *error) const;

    static QStringList placeNames();
    static QStringList kindNames();
};

#endif
