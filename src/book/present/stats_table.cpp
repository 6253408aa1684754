#include "stats_table.h"


#include "csv_writer.h"
#include "export_file.h"
#include "draw_stats.h"

namespace {

QString one(double x)
{
    return QString::number(DrawStats::tenths(x), 'f', 1);
}

QString whole(int n)
{
    return QString::number(n);
}


} // namespace

QStringList StatsTable::placeNames(Game game)
{
    const QStringList three{tr("hundreds"), tr("tens"), tr("ones")};
    return game == Game::Numbers4 ? QStringList{tr("thousands")} + three : three;
}

QStringList StatsTable::kindNames(Game game)
{
    if (game == Game::Numbers4)
        return {tr("all four different"), tr("one pair"), tr("two pairs"), tr("three alike"), tr("four alike")};
    return {tr("all different"), tr("a pair"), tr("a triple")};
}

QStringList StatsTable::kindWays(Game game)
{
    QStringList out;
    for (int kind = 0; kind < DrawStats::kindCount(game); ++kind)
        out << tr("%1-way").arg(DrawStats::kindOrders(kind, game));
    return out;
}

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
    const bool four = game == Game::Numbers4;
    switch (view) {
    case Places: return tr("Each digit in each place");
    case Anywhere: return tr("Each digit anywhere in the number");
    case Sums: return four ? tr("The sum of the four digits") : tr("The sum of the three digits");
    case Kinds: return tr("Box kinds");
    case Most: return tr("The numbers drawn most often");
    case Spread: return tr("How often the numbers came up");
    case Absence: return tr("How long each digit has been away");
    case Repeats: return tr("The same digit again in the next draw");
    case Minis: return tr("The mini: the last two digits");
    }
    return {};
}

QString StatsTable::mostSummary(const DrawStats::MostDrawn &most, Game game)
{
    QString text = tr("The %1 numbers drawn most often, most first; numbers drawn as often are listed "
                      "in number order.").arg(DrawStats::MostListed);
    if (!most.tied.isEmpty()) {
        QStringList names;
        for (int number : most.tied)
            names << Games::numberText(number, game);
        text += QLatin1Char(' ') + tr("Drawn as often as the last listed, but left out: %1.").arg(names.join(QLatin1String(", ")));
    }
    return text;
}

StatsTable StatsTable::make(View view, const DrawStats &s)
{
    StatsTable t;
    const Game game = s.game;
    const bool four = game == Game::Numbers4;
    const int digits = Games::digits(game);
    const QStringList places = placeNames(game);
    const QString chance = tr("chance");
    switch (view) {
    case Places:
        t.summary = (four ? tr("How often each digit came up as the thousands, hundreds, tens and ones digit. "
                               "Chance gives each digit %1 draws in each place.")
                          : tr("How often each digit came up as the hundreds, tens and ones digit. "
                               "Chance gives each digit %1 draws in each place."))
                        .arg(one(s.placeChance()));
        t.header = QStringList{tr("digit")} + places + QStringList{chance};
        for (int digit = 0; digit < 10; ++digit) {
            QStringList row{whole(digit)};
            for (int p = 0; p < digits; ++p)
                row << whole(s.places[p][digit]);
            t.rows.append(row << one(s.placeChance()));
        }
        break;
    case Anywhere:
        t.summary = (four ? tr("In how many draws each digit appears in any place. "
                               "Chance gives %1 draws (1 - 0.9 to the fourth power of them).")
                          : tr("In how many draws each digit appears in any place. "
                               "Chance gives %1 draws (1 - 0.9 cubed of them)."))
                        .arg(one(s.anywhereChance()));
        t.header = QStringList{tr("digit"), tr("draws"), chance};
        for (int digit = 0; digit < 10; ++digit)
            t.rows.append({whole(digit), whole(s.anywhere[digit]), one(s.anywhereChance())});
        break;
    case Sums:
        t.summary = four ? tr("The sums run from 0 (0000) to 36 (9999); the middle sums have the most numbers, "
                              "so chance gives them the most draws.")
                         : tr("The sums run from 0 (000) to 27 (999); the middle sums have the most numbers, "
                              "so chance gives them the most draws.");
        t.header = QStringList{tr("sum"), tr("numbers"), tr("draws"), chance};
        for (int sum = 0; sum < s.sums.size(); ++sum)
            t.rows.append({whole(sum), whole(DrawStats::numbersWithSum(sum, game)), whole(s.sums[sum]), one(s.sumChance(sum))});
        break;
    case Kinds:
        t.summary = four ? tr("Of the 10000 numbers, 5040 have four different digits, 4320 have one pair, "
                              "270 have two pairs, 360 have three alike and 10 are four alike.")
                         : tr("Of the 1000 numbers, 720 have three different digits, 270 have a pair "
                              "and 10 are triples.");
        t.header = QStringList{tr("kind"), tr("numbers"), tr("draws"), chance};
        for (int kind = 0; kind < s.kinds.size(); ++kind)
            t.rows.append({kindNames(game).at(kind), whole(DrawStats::numbersOfKind(kind, game)), whole(s.kinds[kind]),
                           one(s.kindChance(kind))});
        break;
    case Most:
    case Spread:
        t.summary = (four ? tr("%1 different numbers came up; %2 of the 10000 numbers never did, "
                               "where chance gives about %3.")
                          : tr("%1 different numbers came up; %2 of the 1000 numbers never did, "
                               "where chance gives about %3."))
                        .arg(s.distinct()).arg(s.never()).arg(one(s.neverChance()));
        if (view == Most) {
            const DrawStats::MostDrawn most = s.mostDrawn();
            t.summary += QLatin1Char(' ') + mostSummary(most, game);
            t.header = QStringList{tr("number"), tr("draws"), tr("at draws")};
            for (const DrawStats::Often &o : most.listed) {
                QStringList at;
                for (int draw : o.draws)
                    at << whole(draw);
                t.rows.append({Games::numberText(o.number, game), whole(o.count), at.join(QLatin1String(", "))});
            }
        } else {
            t.header = QStringList{tr("times drawn"), tr("numbers"), chance};
            const QList<int> spread = s.spread();
            for (int k = 0; k < spread.size(); ++k)
                t.rows.append({whole(k), whole(spread.at(k)), one(s.spreadChance(k))});
        }
        break;
    case Absence:
        t.summary = tr("For each place: how many draws have passed since the digit last came up there "
                       "(0: it came up in the last draw of the range), and its longest absence in the range, "
                       "counting the draws before it first came up and since it last did. A digit that never "
                       "came up has been away for the whole range.");
        t.header = QStringList{tr("digit")};
        for (const QString &place : places)
            t.header << tr("%1 now").arg(place) << tr("%1 longest").arg(place);
        for (int digit = 0; digit < 10; ++digit) {
            QStringList row{whole(digit)};
            for (int p = 0; p < digits; ++p)
                row << whole(s.absentNow[p][digit]) << whole(s.absentLongest[p][digit]);
            t.rows.append(row);
        }
        break;
    case Repeats:
        t.summary = tr("How often a place shows the same digit as in the draw before, out of %1 pairs "
                       "of draws in a row. Chance gives 10% (%2).").arg(s.pairs()).arg(one(s.repeatChance()));
        t.header = QStringList{tr("place"), tr("repeats"), tr("share"), chance};
        for (int p = 0; p < digits; ++p)
            t.rows.append({places.at(p), whole(s.repeats[p]),
                           s.pairs() > 0 ? one(100.0 * s.repeats[p] / s.pairs()) + QLatin1Char('%') : QString(),
                           one(s.repeatChance())});
        break;
    case Minis:
        if (!Games::hasMini(game))
            break;
        t.summary = tr("The mini is the last two digits, 00 to 99. Chance gives each pair %1 draws.")
                        .arg(one(s.miniChance()));
        t.header = QStringList{tr("mini"), tr("draws"), chance};
        for (int pair = 0; pair < s.minis.size(); ++pair)
            t.rows.append({QString::number(pair).rightJustified(2, QLatin1Char('0')), whole(s.minis[pair]),
                           one(s.miniChance())});
        break;
    }
    return t;
}

QString StatsTable::fileName(int firstDraw, int lastDraw, const QString &suffix, Game game)
{
    const QString key = QLatin1String(Games::key(game));
    if (firstDraw <= 0)
        return QStringLiteral("%1-stats.%2").arg(key, suffix);
    return QStringLiteral("%1-stats-draws-%2-%3.%4").arg(key).arg(firstDraw).arg(lastDraw).arg(suffix);
}

bool StatsTable::writeCsv(const QString &path, const QString &coverage, bool bom, QString *error) const
{
    QByteArray csv;
    if (bom)
        csv += "\xEF\xBB\xBF";
    csv += CsvWriter::record({coverage});
    csv += CsvWriter::record(header);
    for (const QStringList &row : rows)
        csv += CsvWriter::record(row);
    return ExportFile::write(path, csv, error);
}
