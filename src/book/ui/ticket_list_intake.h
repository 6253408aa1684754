#ifndef TICKET_LIST_INTAKE_H
#define TICKET_LIST_INTAKE_H

#include <QCoreApplication>
#include <QString>

#include <optional>

#include "ticket_import.h"
#include "ticket_list.h"

class QWidget;
class TicketStore;

// A ticket list read in the window: refused with its line, or stored after
// asking what to do with the tickets the book already holds. Whatever was
// not stored has been said in a box.
class TicketListIntake
{
    Q_DECLARE_TR_FUNCTIONS(TicketListIntake)

public:
    static std::optional<TicketImport::Outcome> store(QWidget *parent, TicketStore &tickets, const TicketList::Parsed &parsed,
                                                      const QString &name, int maxDraw);
    // The clipboard's text, or nothing (and a box saying what to copy).
    static std::optional<QString> pasted(QWidget *parent);
    // How pasted text is named in the messages.
    static QString pastedName();
};

#endif
