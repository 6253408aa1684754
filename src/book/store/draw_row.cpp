#include "draw_row.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

const char *const DrawColumns =
    "draw, date, number, straight_prize, straight_winners, box_prize, box_winners,"
    " set_straight_prize, set_straight_winners, set_box_prize, set_box_winners,"
    " mini_prize, mini_winners, source_kind, source, stored_at, game, pay_from, pay_until";

std::optional<qint64> toOptional(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return v.toLongLong();
}

} // namespace

namespace DrawRow {

QString columns(const QString &table)
{
    if (table.isEmpty())
        return QLatin1String(DrawColumns);
    QStringList columns;
    for (const QString &column : QString::fromLatin1(DrawColumns).split(QLatin1Char(',')))
        columns << table + QLatin1Char('.') + column.trimmed();
    return columns.join(QLatin1String(", "));
}

DrawResult fromQuery(const QSqlQuery &q, int first)
{
    DrawResult r;
    r.draw = q.value(first).toInt();
    if (!q.value(first + 1).isNull())
        r.date = QDate::fromString(q.value(first + 1).toString(), Qt::ISODate);
    r.number = q.value(first + 2).toInt();
    for (int w = 0; w < DrawResult::WayCount; ++w) {
        r.prize[size_t(w)] = toOptional(q.value(first + 3 + 2 * w));
        r.winners[size_t(w)] = toOptional(q.value(first + 4 + 2 * w));
    }
    r.sourceKind = DrawResult::SourceKind(q.value(first + 13).toInt());
    r.source = q.value(first + 14).toString();
    r.storedAt = QDateTime::fromString(q.value(first + 15).toString(), Qt::ISODateWithMs);
    r.game = Games::fromStored(q.value(first + 16).toInt()).value_or(Game::Numbers3);
    r.payFrom = QDate::fromString(q.value(first + 17).toString(), Qt::ISODate);
    r.payUntil = QDate::fromString(q.value(first + 18).toString(), Qt::ISODate);
    return r;
}

} // namespace DrawRow
