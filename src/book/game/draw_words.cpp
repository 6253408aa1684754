#include "draw_words.h"

#include <QLocale>

QString DrawWords::date(const QDate &date)
{
    if (!date.isValid())
        return tr("date unknown");
    // The pattern is translated: Japanese writes 2026年9月4日(金).
    return QLocale().toString(date, tr("yyyy-MM-dd ddd"));
}

QString DrawWords::drawName(int draw)
{
    return tr("draw %1").arg(draw);
}

QString DrawWords::drawName(int draw, Game game)
{
    return game == Game::Numbers4 ? tr("Numbers4 draw %1").arg(draw) : drawName(draw);
}

QString DrawWords::gameName(Game game)
{
    return game == Game::Numbers4 ? tr("Numbers4") : tr("Numbers3");
}

QString DrawWords::gameDrawName(int draw, Game game)
{
    return tr("%1 draw %2").arg(gameName(game)).arg(draw);
}
