// Prints the figures of DrawStats over a results file as JSON, so that the
// past-results pages (tools/gen_history.py) show what the book's statistics
// view computes, from the same code.
//   draw_stats_json RESULTS.csv [--first N]   draws 1..N only (default: all)
#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstdio>

#include "draw_stats.h"
#include "result_importer.h"

namespace {

QString list(const QList<int> &values)
{
    QStringList out;
    for (int v : values)
        out << QString::number(v);
    return QLatin1Char('[') + out.join(QLatin1Char(',')) + QLatin1Char(']');
}

template<size_t N>
QString list(const std::array<int, N> &values)
{
    return list(QList<int>(values.begin(), values.end()));
}

// Enough digits that the reader gets back the very same double.
QString real(double x)
{
    QString text = QString::number(x, 'g', 17);
    // Still a real number to the reader when it is whole.
    if (!text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e')))
        text += QLatin1String(".0");
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: draw_stats_json RESULTS.csv [--first N]\n");
        return 2;
    }
    const int first = args.indexOf(QStringLiteral("--first")) > 0
                          ? args.value(args.indexOf(QStringLiteral("--first")) + 1).toInt() : -1;
    const ImportedFile file = ResultImporter::read(args.at(1));
    if (!file.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(file.error));
        return 1;
    }
    QList<DrawResult> draws = file.draws;
    if (first >= 0) {
        draws.erase(std::remove_if(draws.begin(), draws.end(), [first](const DrawResult &r) { return r.draw > first; }),
                    draws.end());
    }
    const DrawStats s = DrawStats::count(draws);

    QStringList fields;
    auto add = [&fields](const char *key, const QString &value) {
        fields << QStringLiteral("\"%1\": %2").arg(QLatin1String(key), value);
    };
    add("n", QString::number(s.draws));
    add("draws", list([&] { QList<int> ids; for (const DrawResult &r : draws) ids << r.draw; return ids; }()));
    QStringList rows;
    for (int digit = 0; digit < 10; ++digit)
        rows << list(QList<int>{s.places[0][digit], s.places[1][digit], s.places[2][digit]});
    add("positions", QLatin1Char('[') + rows.join(QLatin1Char(',')) + QLatin1Char(']'));
    add("position_expected", real(s.placeChance()));
    add("any", list(s.anywhere));
    add("any_expected", real(s.anywhereChance()));
    rows.clear();
    for (int sum = 0; sum < 28; ++sum)
        rows << QStringLiteral("[%1,%2,%3]").arg(sum).arg(s.sums[sum]).arg(real(s.sumChance(sum)));
    add("sums", QLatin1Char('[') + rows.join(QLatin1Char(',')) + QLatin1Char(']'));
    rows.clear();
    for (int kind = 0; kind < 3; ++kind)
        rows << QStringLiteral("[%1,%2,%3]").arg(DrawStats::numbersOfKind(kind)).arg(s.kinds[kind]).arg(real(s.kindChance(kind)));
    add("kinds", QLatin1Char('[') + rows.join(QLatin1Char(',')) + QLatin1Char(']'));
    rows.clear();
    for (const DrawStats::Often &o : s.mostOften())
        rows << QStringLiteral("[%1,%2,%3]").arg(o.number).arg(o.count).arg(list(o.draws));
    add("top", QLatin1Char('[') + rows.join(QLatin1Char(',')) + QLatin1Char(']'));
    rows.clear();
    const QList<int> spread = s.spread();
    for (int k = 0; k < spread.size(); ++k)
        rows << QStringLiteral("[%1,%2,%3]").arg(k).arg(spread.at(k)).arg(real(s.spreadChance(k)));
    add("spread", QLatin1Char('[') + rows.join(QLatin1Char(',')) + QLatin1Char(']'));
    add("distinct", QString::number(s.distinct()));
    add("never", QString::number(s.never()));
    add("never_expected", real(s.neverChance()));
    add("zeros", list(s.drawsOf(0)));
    rows.clear();
    for (int digit = 0; digit < 10; ++digit) {
        QStringList cells;
        for (int p = 0; p < 3; ++p)
            cells << list(QList<int>{s.absentNow[p][digit], s.absentLongest[p][digit]});
        rows << QLatin1Char('[') + cells.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    add("absence", QLatin1Char('[') + rows.join(QLatin1Char(',')) + QLatin1Char(']'));
    add("repeats", list(s.repeats));
    add("pairs", QString::number(s.pairs()));
    add("repeat_expected", real(s.repeatChance()));
    add("minis", list(s.minis));
    add("mini_expected", real(s.miniChance()));

    std::printf("{\n  %s\n}\n", qPrintable(fields.join(QStringLiteral(",\n  "))));
    return 0;
}
