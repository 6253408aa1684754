#ifndef GAME_BOX_H
#define GAME_BOX_H

#include <QComboBox>

#include "game.h"

// The choice of game, Numbers3 or Numbers4: the products' names, the same
// in every language. The window's and the ticket dialog's.
class GameBox : public QComboBox
{
    Q_OBJECT

public:
    explicit GameBox(QWidget *parent = nullptr);

    Game game() const;
    void setGame(Game game);
};

#endif
