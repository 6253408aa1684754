#include "ticket_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "book_texts.h"
#include "draw_calendar.h"
#include "draw_words.h"
#include "game_box.h"
#include "ticket_rules.h"
#include "ticket_texts.h"

TicketDialog::TicketDialog(int draw, int maxDraw, QWidget *parent, const Ticket *editing, Game game)
    : QDialog(parent)
    , maxDraw(maxDraw)
{
    setWindowTitle(editing ? tr("Edit a ticket") : tr("New ticket"));
    if (editing)
        checked = *editing;

    buildFields(editing);
    layOut(editing != nullptr);

    gameBox->setGame(editing ? editing->game : game);
    gameChanged();
    if (editing) {
        drawBox->setValue(editing->draw);
        numberEdit->setText(editing->numberText());
        wayBox->setCurrentIndex(wayBox->findData(int(editing->way)));
        unitsBox->setValue(editing->units);
        noteEdit->setText(editing->note);
        shownNote = noteEdit->text();
    } else {
        drawBox->setValue(draw);
    }
    connect(drawBox, &QSpinBox::valueChanged, this, &TicketDialog::updateLabels);
    connect(unitsBox, &QSpinBox::valueChanged, this, &TicketDialog::updateLabels);
    connect(runBox, &QSpinBox::valueChanged, this, &TicketDialog::updateLabels);
    connect(wayBox, &QComboBox::currentIndexChanged, this, &TicketDialog::updateLabels);
    connect(gameBox, &QComboBox::currentIndexChanged, this, &TicketDialog::gameChanged);
    updateLabels();
    numberEdit->setFocus();
}

void TicketDialog::buildFields(const Ticket *editing)
{
    gameBox = new GameBox(this);
    gameBox->setAccessibleName(tr("Game"));
    drawBox = new QSpinBox(this);
    drawBox->setRange(1, qMax(maxDraw, editing ? editing->draw : 1));
    drawBox->setAccessibleName(tr("Draw number"));
    dateLabel = new QLabel(this);
    numberEdit = new QLineEdit(this);
    // Full-width digits as a Japanese input method types them are taken too.
    numberEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9０-９]{0,4}")), this));
    numberEdit->setAccessibleName(tr("Number bought"));
    // Room for the longer hint, the mini one.
    numberEdit->setMinimumWidth(fontMetrics().horizontalAdvance(tr("two digits, the last two of the result")) + 16);
    wayBox = new QComboBox(this);
    for (int way = 0; way < Ticket::WayCount; ++way)
        wayBox->addItem(TicketTexts::wayName(Ticket::Way(way)), way);
    wayBox->setAccessibleName(tr("Way of buying"));
    unitsBox = new QSpinBox(this);
    unitsBox->setRange(1, Ticket::MaxUnits);
    unitsBox->setAccessibleName(tr("Units, 200 yen each"));
    noteEdit = new QLineEdit(this);
    noteEdit->setMaxLength(Ticket::MaxNoteLength);
    noteEdit->setPlaceholderText(tr("optional"));
    noteEdit->setAccessibleName(tr("Note"));
    runBox = new QSpinBox(this);
    runBox->setRange(1, 100);
    runBox->setAccessibleName(tr("The same for this many draws in a row"));
    costLabel = new QLabel(this);
}

void TicketDialog::layOut(bool editing)
{
    auto *form = new QFormLayout;
    auto addRow = [this, form](const QString &text, QWidget *field) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        form->addRow(label, field);
        return label;
    };
    addRow(tr("&Game:"), gameBox);
    addRow(tr("&Draw:"), drawBox);
    form->addRow(tr("Draw day:"), dateLabel);
    addRow(tr("&Number:"), numberEdit);
    addRow(tr("&Way:"), wayBox);
    addRow(tr("&Units:"), unitsBox);
    addRow(tr("N&ote:"), noteEdit);
    QLabel *runLabel = addRow(tr("The same for draws in a &row:"), runBox);
    form->addRow(tr("Cost:"), costLabel);
    if (editing) {
        runLabel->hide();
        runBox->hide();
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Store"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TicketDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

int TicketDialog::runLength() const
{
    return runBox->isHidden() ? 1 : runBox->value();
}

void TicketDialog::updateLabels()
{
    const int first = drawBox->value();
    const QDate day = DrawCalendar::dateOf(first);
    const int run = runLength();
    if (run > 1)
        dateLabel->setText(tr("%1 to %2 (draw %3)").arg(DrawWords::date(day), DrawWords::date(DrawCalendar::dateOf(first + run - 1))).arg(first + run - 1));
    else
        dateLabel->setText(DrawWords::date(day));
    const bool mini = wayBox->currentData().toInt() == Ticket::Mini;
    const QString digits = gameBox->game() == Game::Numbers4 ? tr("four digits, such as 0071") : tr("three digits, such as 007");
    numberEdit->setPlaceholderText(mini ? tr("two digits, the last two of the result") : digits);
    costLabel->setText(TicketTexts::yen(qint64(unitsBox->value()) * Ticket::UnitPrice * run));
}

void TicketDialog::gameChanged()
{
    const bool mini = Games::hasMini(gameBox->game());
    numberEdit->setMaxLength(Games::digits(gameBox->game()));
    // The four-digit game sells no mini: the item stays, greyed out.
    if (!mini && wayBox->currentData().toInt() == Ticket::Mini)
        wayBox->setCurrentIndex(wayBox->findData(int(Ticket::Straight)));
    if (auto *model = qobject_cast<QStandardItemModel *>(wayBox->model()))
        model->item(wayBox->findData(int(Ticket::Mini)))->setEnabled(mini);
    updateLabels();
}

void TicketDialog::accept()
{
    Ticket t = checked;
    t.game = gameBox->game();
    t.draw = drawBox->value();
    t.way = Ticket::Way(wayBox->currentData().toInt());
    t.units = unitsBox->value();
    // A note from a list may hold line breaks or spaces at its ends, which
    // a line edit does not keep: it stays as it was unless it was typed over.
    if (noteEdit->text() != shownNote)
        t.note = noteEdit->text().trimmed();
    const TicketRules::NumberReading number = TicketRules::readNumber(numberEdit->text(), t.way, t.game);
    QString error;
    if (number.status != TicketRules::NumberReading::Read) {
        error = t.way == Ticket::Mini ? tr("A mini ticket takes two digits, the last two of the result, such as 07.")
                      : t.game == Game::Numbers4 ? tr("A Numbers4 %1 ticket takes four digits, such as 0071.").arg(TicketTexts::wayName(t.way))
                                                 : tr("A %1 ticket takes three digits, such as 007.").arg(TicketTexts::wayName(t.way));
    } else {
        t.number = number.number;
        error = TicketRules::problem(t, maxDraw);
        const int last = t.draw + runLength() - 1;
        if (error.isEmpty() && last > maxDraw)
            error = tr("Draw %1 is too far ahead: tickets can be kept up to draw %2.").arg(last).arg(maxDraw);
    }
    if (!error.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), error + QLatin1Char('\n') + tr("Nothing was stored."));
        numberEdit->setFocus();
        return;
    }
    checked = t;
    QDialog::accept();
}
