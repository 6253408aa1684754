#include "stats_table.h"


#include "csv_writer.h"
#include "export_file.h"
#include "draw_stats.h"
#include "stats_description.h"

QList<StatsTable::View> StatsTable::views(Game game)
{
    QList<View> out;
    for (int v = 0; v < ViewCount; ++v) {
        if (View(v) != Minis || Games::hasMini(game))
            out << View(v);
    }
    return out;
}

QString StatsTable::title(View view, Game game)
{
    return StatsDescription::titleOf(view, game);
}

StatsTable StatsTable::make(View view, const DrawStats &stats)
{
    return StatsDescription::of(view, stats).table;
}

QString StatsTable::fileName(int firstDraw, int lastDraw, const QString &suffix, Game game)
{
    const QString key = QLatin1String(Games::key(game));
    if (firstDraw <= 0)
        return QStringLiteral("%1-stats.%2").arg(key, suffix);
    return QStringLiteral("%1-stats-draws-%2-%3.%4").arg(key).arg(firstDraw).arg(lastDraw).arg(suffix);
}

BookError StatsTable::writeCsv(const QString &path, const QString &coverage, bool bom) const
{
    QByteArray csv;
    if (bom)
        csv += "\xEF\xBB\xBF";
    csv += CsvWriter::record({coverage});
    csv += CsvWriter::record(header);
    for (const QStringList &row : rows)
        csv += CsvWriter::record(row);
    QString why;
    if (ExportFile::write(path, csv, &why))
        return BookError();
    return BookError{ BookError::Other, why };
}
