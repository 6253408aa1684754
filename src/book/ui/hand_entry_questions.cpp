#include "hand_entry_questions.h"

#include <QMessageBox>
#include <QPushButton>

#include "book_texts.h"
#include "draw_words.h"

bool HandEntryQuestions::replace(QWidget *parent, const DrawResult &held, const DrawResult &typed)
{
    const QString draw = DrawWords::drawName(typed.draw, typed.game);
    if (held.sameContent(typed)) {
        QMessageBox::information(parent, tr("Enter a result by hand"), tr("The book already holds this result for %1.").arg(draw));
        return false;
    }
    QMessageBox box(QMessageBox::Question, tr("Replace a result?"),
                    tr("The book holds %1 for %2 (%3). Replace it with %4?")
                        .arg(held.numberText(), draw, BookTexts::source(held), typed.numberText()),
                    QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(tr("&Replace"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(tr("&Keep it"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
