#ifndef TICKET_QUESTIONS_H
#define TICKET_QUESTIONS_H

#include <QCoreApplication>
#include <QString>

class QWidget;

// What the tickets tab asks before it acts: which file to read or write,
// whether to delete many tickets, what to do with tickets a list repeats.
// Its words are the tab's.
class TicketQuestions
{
    Q_DECLARE_TR_FUNCTIONS(TicketQuestions)

public:
    enum class Repeats { Skip, AddAgain, Cancel };

    static QString listToRead(QWidget *parent);
    static QString csvToWrite(QWidget *parent);
    static QString pdfToWrite(QWidget *parent);
    // Whether the user confirms deleting `count` tickets.
    static bool confirmDelete(QWidget *parent, int count);
    // `held` of the `listed` tickets of list `name` are in the book already.
    static Repeats askRepeats(QWidget *parent, const QString &name, qsizetype held, qsizetype listed);
};

#endif
