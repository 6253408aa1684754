#include "ticket_list_intake.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

#include "book_texts.h"
#include "ticket_questions.h"
#include "ticket_store.h"

std::optional<TicketImport::Outcome> TicketListIntake::store(QWidget *parent, TicketStore &tickets, const TicketList::Parsed &parsed,
                                                             const QString &name, int maxDraw)
{
    if (!parsed.ok()) {
        QMessageBox::warning(parent, tr("Ticket list"), BookTexts::sentence(parsed.error) + QLatin1Char('\n') + tr("Nothing was stored."));
        return std::nullopt;
    }
    if (parsed.tickets.isEmpty()) {
        QMessageBox::information(parent, tr("Ticket list"), tr("%1 holds no tickets.").arg(name));
        return std::nullopt;
    }
    // A list read twice would count every ticket twice in the totals.
    const qsizetype held = tickets.held(parsed.tickets).size();
    const TicketQuestions::Repeats repeats = held > 0 ? TicketQuestions::askRepeats(parent, name, held, parsed.tickets.size())
                                                       : TicketQuestions::Repeats::AddAgain;
    if (repeats == TicketQuestions::Repeats::Cancel)
        return std::nullopt;
    const TicketImport::Outcome outcome = TicketImport::store(
        tickets, parsed.tickets, repeats == TicketQuestions::Repeats::Skip ? TicketImport::Repeats::Skip : TicketImport::Repeats::AddAgain,
        maxDraw);
    if (outcome.error.failed()) {
        QMessageBox::warning(parent, tr("Ticket list"), outcome.error.text);
        return std::nullopt;
    }
    return outcome;
}

std::optional<QString> TicketListIntake::pasted(QWidget *parent)
{
    const QString text = QApplication::clipboard()->text();
    if (!text.trimmed().isEmpty())
        return text;
    QMessageBox::information(parent, tr("Ticket list"),
                             tr("The clipboard holds no text. Copy lines such as\n7150,123,straight,1\nand paste again."));
    return std::nullopt;
}

QString TicketListIntake::pastedName()
{
    return tr("pasted text");
}
