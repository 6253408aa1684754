#include "results_csv.h"

#include <QHash>

#include <algorithm>

#include "csv_reader.h"
#include "result_importer.h"
#include "result_text.h"

using Failure = ParsedResults::Failure;
using Outcome = ParsedResults::Outcome;

namespace {

QString cellAt(const QStringList &row, int column)
{
    return column >= 0 && column < row.size() ? row.at(column) : QString();
}

} // namespace

Outcome ResultsCsv::parse(const QStringList &lines, int headerIndex, ParsedResults &out)
{
    Columns columns;
    if (auto f = readHeader(lines.at(headerIndex), headerIndex + 1, &columns))
        return f;
    for (int i = headerIndex + 1; i < lines.size(); ++i) {
        const int line = i + 1;
        if (lines.at(i).trimmed().isEmpty() || lines.at(i).startsWith(QLatin1Char('#')))
            continue;
        DrawResult r;
        if (auto f = readRow(CsvReader::cells(lines.at(i)), line, columns, &r))
            return f;
        if (auto f = out.add(r, line))
            return f;
    }
    return std::nullopt;
}

Outcome ResultsCsv::readHeader(const QString &line, int lineNo, Columns *columns)
{
    const QStringList header = CsvReader::cells(line);
    QHash<QString, int> column;
    for (int i = 0; i < header.size(); ++i)
        column.insert(header.at(i).toLower(), i);
    for (const char *need : { "draw", "date", "number" })
        if (!column.contains(QLatin1String(need)))
            return Failure{ lineNo, ResultImporter::tr("the header has no column \"%1\"").arg(QLatin1String(need)) };
    for (int w = 0; w < DrawResult::WayCount; ++w) {
        const QString key = QLatin1String(DrawResult::wayKey(DrawResult::Way(w)));
        columns->prize[w] = column.value(key, -1);
        columns->winners[w] = column.value(key + QStringLiteral("_winners"), -1);
    }
    columns->draw = column.value(QStringLiteral("draw"));
    columns->date = column.value(QStringLiteral("date"));
    columns->number = column.value(QStringLiteral("number"));
    columns->game = column.value(QStringLiteral("game"), -1);
    return std::nullopt;
}

Outcome ResultsCsv::readRow(const QStringList &row, int line, const Columns &columns, DrawResult *r)
{
    const int last = std::max({ columns.draw, columns.date, columns.number });
    if (row.size() <= last)
        return Failure{ line, ResultImporter::tr("expected at least %1 cells, found %2").arg(last + 1).arg(row.size()) };
    const QString drawText = cellAt(row, columns.draw);
    const qint64 draw = ResultText::amount(drawText);
    if (draw <= 0 || draw > 1000000)
        return Failure{ line, ResultImporter::tr("draw number \"%1\" is not 1 or more").arg(drawText) };
    r->draw = int(draw);
    const QString dateText = cellAt(row, columns.date);
    if (!dateText.isEmpty()) {
        r->date = ResultText::parseDate(dateText);
        if (!r->date.isValid())
            return Failure{ line, ResultImporter::tr("draw %1: \"%2\" is not a date that exists").arg(r->draw).arg(dateText) };
    }
    if (auto f = readNumber(row, line, columns, r))
        return f;
    return readWays(row, line, columns, r);
}

// The game is the column's, else the number's width: "0071" is four-digit.
Outcome ResultsCsv::readNumber(const QStringList &row, int line, const Columns &columns, DrawResult *r)
{
    const QString number = cellAt(row, columns.number);
    const QString gameText = cellAt(row, columns.game);
    if (!gameText.isEmpty()) {
        const std::optional<Game> game = Games::fromKey(gameText);
        if (!game)
            return Failure{ line, ResultImporter::tr("draw %1: \"%2\" is not a game (numbers3 or numbers4)").arg(r->draw).arg(gameText) };
        r->game = *game;
    } else {
        r->game = number.size() == Games::digits(Game::Numbers4) ? Game::Numbers4 : Game::Numbers3;
    }
    if (!ResultText::isDigits(number, Games::digits(r->game), Games::digits(r->game)))
        return ParsedResults::notANumber(line, r->draw, number, r->game);
    r->number = number.toInt();
    return std::nullopt;
}

Outcome ResultsCsv::readWays(const QStringList &row, int line, const Columns &columns, DrawResult *r)
{
    for (size_t w = 0; w < size_t(DrawResult::WayCount); ++w) {
        const QString prize = cellAt(row, columns.prize[w]);
        if (w == DrawResult::Mini && !Games::hasMini(r->game)) {
            if (!prize.isEmpty() || !cellAt(row, columns.winners[w]).isEmpty())
                return Failure{ line, ResultImporter::tr("draw %1: Numbers4 has no mini; leave its cells empty").arg(r->draw) };
            continue;
        }
        if (ResultText::isNoWinner(prize)) {
            r->winners[w] = 0;
        } else if (!prize.isEmpty()) {
            const qint64 v = ResultText::amount(prize);
            if (v < 0)
                return Failure{ line, ResultImporter::tr("draw %1: prize \"%2\" is not an amount").arg(r->draw).arg(prize) };
            r->prize[w] = v;
        }
        const QString winners = cellAt(row, columns.winners[w]);
        if (!winners.isEmpty()) {
            const qint64 v = ResultText::amount(winners);
            if (v < 0)
                return Failure{ line, ResultImporter::tr("draw %1: winners \"%2\" is not a count").arg(r->draw).arg(winners) };
            r->winners[w] = v;
        }
    }
    return std::nullopt;
}

QByteArray ResultsCsv::write(const QList<DrawResult> &draws)
{
    const bool both = std::any_of(draws.begin(), draws.end(), [&draws](const DrawResult &r) { return r.game != draws.constFirst().game; });
    const bool mini = both || draws.isEmpty() || Games::hasMini(draws.constFirst().game);
    // Results alone (draw,date,number) when no draw knows a prize or winners.
    const bool known = std::any_of(draws.begin(), draws.end(), [](const DrawResult &r) {
        const auto some = [](const auto &values) { return std::any_of(values.begin(), values.end(), [](const auto &v) { return v.has_value(); }); };
        return some(r.prize) || some(r.winners);
    });
    const int ways = !known ? 0 : mini ? DrawResult::WayCount : DrawResult::Mini;
    QByteArray out = both ? "draw,game,date,number" : "draw,date,number";
    for (int w = 0; w < ways; ++w)
        out += ',' + QByteArray(DrawResult::wayKey(DrawResult::Way(w)));
    for (int w = 0; w < ways; ++w)
        out += ',' + QByteArray(DrawResult::wayKey(DrawResult::Way(w))) + "_winners";
    out += '\n';
    const auto cell = [](const std::optional<qint64> &v) { return v ? QByteArray::number(*v) : QByteArray(); };
    for (const DrawResult &r : draws) {
        out += QByteArray::number(r.draw) + ',';
        if (both)
            out += QByteArray(Games::key(r.game)) + ',';
        out += r.date.toString(Qt::ISODate).toLatin1() + ',' + r.numberText().toLatin1();
        for (size_t w = 0; w < size_t(ways); ++w)
            out += ',' + cell(r.prize[w]);
        for (size_t w = 0; w < size_t(ways); ++w)
            out += ',' + cell(r.winners[w]);
        out += '\n';
    }
    return out;
}
