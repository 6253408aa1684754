#include "lookup_box.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "book_lookup.h"

LookupBox::LookupBox(QWidget *parent)
    : QGroupBox(tr("Look up in the whole book"), parent)
{
    kind = new QComboBox(this);
    kind->addItem(tr("Which draws a number came up in"), BookLookup::Straight);
    kind->addItem(tr("Whether a number came up as a box"), BookLookup::Box);
    kind->addItem(tr("The result of a draw"), BookLookup::Draw);
    kind->setAccessibleName(tr("What to look up"));
    // Narrower than its longest choice, which the open list still shows whole.
    kind->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    kind->setMinimumContentsLength(16);
    edit = new QLineEdit(this);
    // No length limit: a longer number is refused by the lookup, not cut short unseen.
    edit->setAccessibleName(tr("Number or draw to look up"));
    button = new QPushButton(tr("Loo&k up"), this);
    answer = new QPlainTextEdit(this);
    answer->setReadOnly(true);
    answer->setAccessibleName(tr("Answer"));
    auto *kindLabel = new QLabel(tr("&What:"), this);
    kindLabel->setBuddy(kind);
    auto *editLabel = new QLabel(tr("N&umber or draw:"), this);
    editLabel->setBuddy(edit);
    auto *answerLabel = new QLabel(tr("&Answer:"), this);
    answerLabel->setBuddy(answer);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(kindLabel);
    layout->addWidget(kind);
    layout->addWidget(editLabel);
    auto *editRow = new QHBoxLayout;
    editRow->addWidget(edit, 1);
    editRow->addWidget(button);
    layout->addLayout(editRow);
    layout->addWidget(answerLabel);
    layout->addWidget(answer, 1);
}
