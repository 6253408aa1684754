#ifndef TICKET_DIALOG_H
#define TICKET_DIALOG_H

#include <QDialog>

#include "ticket.h"

class GameBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// Asks for a ticket: draw (the next one by default), number, way, units, an
// optional note and, for a new ticket, how many draws in a row to buy it
// for. A ticket the rules refuse is named in a box and the dialog stays open
// on the field at fault; nothing is stored here.
class TicketDialog : public QDialog
{
    Q_OBJECT

public:
    // A new ticket of `game` for `draw`, or (with `editing`) a stored ticket's content.
    TicketDialog(int draw, int maxDraw, QWidget *parent = nullptr, const Ticket *editing = nullptr,
                 Game game = Game::Numbers3);

    // The checked ticket once the dialog was accepted (the edited one keeps its id).
    Ticket ticket() const { return checked; }
    // 1, or the number of draws in a row the ticket is for.
    int runLength() const;

    GameBox *gameBox;
    QSpinBox *drawBox;
    QLabel *dateLabel;
    QLineEdit *numberEdit;
    QComboBox *wayBox;
    QSpinBox *unitsBox;
    QLineEdit *noteEdit;
    QSpinBox *runBox;   // hidden when editing
    QLabel *costLabel;

public slots:
    void accept() override;

private:
    void buildFields(const Ticket *editing);
    // The run of draws is asked only for a new ticket.
    void layOut(bool editing);
    void updateLabels();
    // The number field and the ways follow the game: four digits, no mini.
    void gameChanged();
    int maxDraw;
    Ticket checked;
    QString shownNote;  // the note as the line edit first showed it
};

#endif
