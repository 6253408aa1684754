#include "game_box.h"

#include "draw_words.h"

GameBox::GameBox(QWidget *parent)
    : QComboBox(parent)
{
    for (Game g : Games::All)
        addItem(DrawWords::gameName(g), int(g));
}

Game GameBox::game() const
{
    return Games::fromStored(currentData().toInt()).value_or(Game::Numbers3);
}

void GameBox::setGame(Game game)
{
    setCurrentIndex(findData(int(game)));
}
