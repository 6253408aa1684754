#ifndef HAND_ENTRY_DIALOG_H
#define HAND_ENTRY_DIALOG_H

#include <QDialog>
#include <QList>

#include <optional>

#include "draw_result.h"

class QDateEdit;
class QGroupBox;
class QLineEdit;
class QSpinBox;

// Asks for a result entered by hand: draw, date, number and, optionally, the
// prize and the winners of each way. Return accepts, Escape cancels; bad input is named in a
// box and the dialog stays open on the field at fault.
class HandEntryDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HandEntryDialog(int suggestedDraw, Game game = Game::Numbers3, QWidget *parent = nullptr);

    // The checked result once the dialog was accepted.
    std::optional<DrawResult> result() const { return checked; }

    QSpinBox *drawBox;
    QDateEdit *dateEdit;
    QLineEdit *numberEdit;
    QList<QLineEdit *> prizeEdits;
    QList<QLineEdit *> winnerEdits;  // beside each prize

public slots:
    void accept() override;

private:
    QGroupBox *buildPrizes();
    void drawChanged(int draw);
    std::optional<DrawResult> checked;
    Game game;
};

#endif
