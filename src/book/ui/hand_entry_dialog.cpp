#include "hand_entry_dialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "book_texts.h"
#include "draw_calendar.h"
#include "hand_entry.h"

HandEntryDialog::HandEntryDialog(int suggestedDraw, Game game, QWidget *parent)
    : QDialog(parent)
    , game(game)
{
    setWindowTitle(game == Game::Numbers4 ? tr("Enter a Numbers4 result by hand") : tr("Enter a result by hand"));

    drawBox = new QSpinBox(this);
    drawBox->setRange(1, 999999);
    drawBox->setAccessibleName(tr("Draw number"));
    dateEdit = new QDateEdit(this);
    dateEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateEdit->setCalendarPopup(true);
    dateEdit->setAccessibleName(tr("Draw date"));
    dateEdit->setAccessibleDescription(tr("Filled in from the draw calendar when the draw number changes"));
    numberEdit = new QLineEdit(this);
    numberEdit->setMaxLength(Games::digits(game));
    numberEdit->setPlaceholderText(game == Game::Numbers4 ? tr("four digits, such as 0071") : tr("three digits, such as 007"));
    numberEdit->setAccessibleName(tr("Winning number"));

    auto *form = new QFormLayout;
    auto *drawLabel = new QLabel(tr("&Draw:"), this);
    drawLabel->setBuddy(drawBox);
    auto *dateLabel = new QLabel(tr("D&ate:"), this);
    dateLabel->setBuddy(dateEdit);
    auto *numberLabel = new QLabel(tr("&Number:"), this);
    numberLabel->setBuddy(numberEdit);
    form->addRow(drawLabel, drawBox);
    form->addRow(dateLabel, dateEdit);
    form->addRow(numberLabel, numberEdit);

    QGroupBox *prizes = buildPrizes();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // Alt+S is the straight prize's.
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Sto&re"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &HandEntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(prizes);
    layout->addWidget(buttons);

    connect(drawBox, &QSpinBox::valueChanged, this, &HandEntryDialog::drawChanged);
    drawBox->setValue(suggestedDraw);
    drawChanged(suggestedDraw);
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 200);
    numberEdit->setFocus();
}

// Per way the prize and, beside it, the winners (口数), as the operator's
// files give them; all optional.
QGroupBox *HandEntryDialog::buildPrizes()
{
    auto *prizes = new QGroupBox(tr("Prize per unit in yen and winners in units (optional; prize 0 for no winner)"), this);
    auto *prizeForm = new QFormLayout(prizes);
    const QStringList mnemonics{tr("&Straight:"), tr("&Box:"), tr("Set (s&traight):"), tr("Set (b&ox):"), tr("&Mini:")};
    auto *amounts = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9０-９,，-]{0,13}")), this);
    for (int way = 0; way < DrawResult::WayCount; ++way) {
        auto *edit = new QLineEdit(this);
        edit->setValidator(amounts);
        edit->setPlaceholderText(tr("not known"));
        edit->setAccessibleName(tr("Prize for %1").arg(BookTexts::wayName(DrawResult::Way(way))));
        auto *label = new QLabel(mnemonics.at(way), this);
        label->setBuddy(edit);
        auto *winners = new QLineEdit(this);
        winners->setValidator(amounts);
        winners->setPlaceholderText(tr("winners not known"));
        winners->setAccessibleName(tr("Winners of %1, in units").arg(BookTexts::wayName(DrawResult::Way(way))));
        auto *row = new QWidget(this);
        auto *rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->addWidget(edit, 3);
        rowLayout->addWidget(winners, 2);
        prizeForm->addRow(label, row);
        prizeEdits << edit;
        winnerEdits << winners;
        // Only the three-digit game sells mini.
        const bool sold = way != DrawResult::Mini || Games::hasMini(game);
        label->setVisible(sold);
        row->setVisible(sold);
    }
    return prizes;
}

void HandEntryDialog::drawChanged(int draw)
{
    const QDate date = DrawCalendar::dateOf(draw);
    if (date.isValid())
        dateEdit->setDate(date);
}

void HandEntryDialog::accept()
{
    QStringList prizes;
    for (QLineEdit *edit : prizeEdits)
        prizes << edit->text();
    QStringList winners;
    for (QLineEdit *edit : winnerEdits)
        winners << edit->text();
    const HandEntry::Checked c = HandEntry::check(drawBox->value(), dateEdit->date(), numberEdit->text(), prizes,
                                                  QDateTime::currentDateTimeUtc(), game, winners);
    if (!c.result) {
        QMessageBox::warning(this, tr("Enter a result by hand"), c.error);
        QWidget *fields[] = {drawBox, dateEdit, numberEdit};
        QWidget *bad = c.badField >= HandEntry::WinnersField ? winnerEdits.value(c.badField - HandEntry::WinnersField)
                     : c.badField >= 3                   ? prizeEdits.value(c.badField - 3)
                                                         : fields[qBound(0, c.badField, 2)];
        bad->setFocus();
        return;
    }
    if (!c.warning.isEmpty()) {
        QMessageBox box(QMessageBox::Question, tr("Enter a result by hand"),
                        c.warning + QLatin1Char('\n') + tr("Store it with the date you typed?"), QMessageBox::NoButton, this);
        QPushButton *yes = box.addButton(tr("&Store"), QMessageBox::AcceptRole);
        box.addButton(tr("&Change the date"), QMessageBox::RejectRole);
        box.exec();
        if (box.clickedButton() != yes) {
            dateEdit->setFocus();
            return;
        }
    }
    checked = c.result;
    QDialog::accept();
}
