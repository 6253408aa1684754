#ifndef TICKET_FILTER_H
#define TICKET_FILTER_H

#include <QList>
#include <QObject>

#include <optional>

#include "game.h"
#include "graded_ticket.h"

class QComboBox;
class QHBoxLayout;
class TicketSortProxy;
class QWidget;

// The tickets tab's choice of what to show: by state (waiting, result not
// in the book, won) and by game. It sets the list's filter; the totals
// follow the game chosen. Its words are the tab's.
class TicketFilter : public QObject
{
    Q_OBJECT

public:
    TicketFilter(TicketSortProxy *proxy, QWidget *parent);

    // The labels and boxes, in the order Tab goes through them.
    QHBoxLayout *row() const { return layout; }
    // The game chosen, or none for both.
    std::optional<Game> game() const;
    // What is shown, in words: "Won, Numbers4".
    QString words() const;

    QComboBox *stateBox;
    QComboBox *gameBox;

signals:
    void changed();

private:
    void apply();

    TicketSortProxy *proxy;
    QHBoxLayout *layout;
};

#endif
