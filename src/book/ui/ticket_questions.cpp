#include "ticket_questions.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>

#include "book_file_dialog.h"

QString TicketQuestions::listToRead(QWidget *parent)
{
    return BookFileDialog::getOpenFileName(parent, tr("Import a ticket list"), QDir::homePath(),
                                           tr("Ticket lists (*.csv *.txt);;All files (*)"));
}

QString TicketQuestions::csvToWrite(QWidget *parent)
{
    return BookFileDialog::getSaveFileName(parent, tr("Export tickets as CSV"),
                                           QDir::home().filePath(QStringLiteral("numbers3-tickets.csv")), tr("CSV files (*.csv)"));
}

QString TicketQuestions::pdfToWrite(QWidget *parent)
{
    return BookFileDialog::getSaveFileName(parent, tr("Save tickets as PDF"),
                                           QDir::home().filePath(QStringLiteral("numbers3-tickets.pdf")), tr("PDF files (*.pdf)"));
}

bool TicketQuestions::confirmDelete(QWidget *parent, int count)
{
    QMessageBox box(QMessageBox::Question, tr("Delete tickets"),
                    tr("Delete the %1 selected tickets? Ctrl+Z brings them back.").arg(count), QMessageBox::NoButton, parent);
    QPushButton *remove = box.addButton(tr("&Delete %1 tickets").arg(count), QMessageBox::DestructiveRole);
    QPushButton *keep = box.addButton(tr("&Keep them"), QMessageBox::RejectRole);
    box.setDefaultButton(remove);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == remove;
}

TicketQuestions::Repeats TicketQuestions::askRepeats(QWidget *parent, const QString &name, qsizetype held, qsizetype listed)
{
    QMessageBox box(QMessageBox::Question, tr("Ticket list"),
                    tr("%1 of the %2 tickets in %3 are already in the book (the same draw, number, way, units and note).")
                            .arg(held).arg(listed).arg(name)
                        + QLatin1Char('\n') + tr("Add them again, or leave them out?"),
                    QMessageBox::NoButton, parent);
    QPushButton *skip = box.addButton(tr("&Leave them out"), QMessageBox::AcceptRole);
    QPushButton *again = box.addButton(tr("&Add them again"), QMessageBox::YesRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(skip);
    box.exec();
    if (box.clickedButton() == skip)
        return Repeats::Skip;
    return box.clickedButton() == again ? Repeats::AddAgain : Repeats::Cancel;
}
