#ifndef WATCH_NEWS_H
#define WATCH_NEWS_H

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include "draw_result.h"

class BookStore;

// What came in from the watched folder, in words: each new or changed
// result ("Numbers3 draw 7131: 123") and each of the player's tickets of those draws
// that won, with its prize, actual or theoretical.
class WatchNews
{
    Q_DECLARE_TR_FUNCTIONS(WatchNews)

public:
    // The draws the book holds now that it did not hold as they are before.
    static WatchNews since(BookStore &store, const QList<DrawResult> &before);

    QStringList draws;  // "Numbers3 draw 7131: 123"
    QStringList wins;   // "Numbers4 draw 7131, 1234 box 12-way: 75,000 yen, actual prize"

    bool isEmpty() const { return draws.isEmpty(); }
    // One line for the window's status bar.
    QString line() const;
    // A notification's title and text.
    QString summary() const;
    QString body() const;
};

#endif
