#ifndef TICKET_SHEET_H
#define TICKET_SHEET_H

#include <QList>
#include <QString>
#include <QStringList>

// The tickets tab's list as words and cells for paper; whoever draws it lays
// it out. Every cell is one line of plain text.
struct TicketSheet
{
    QString title;
    QStringList heading;  // lines under the title
    QStringList columns;  // the table's titles
    QList<bool> right;    // the columns aligned right
    int wrapColumn = -1;  // the one column whose text may wrap (the note)
    QList<QStringList> rows;
    QString footnote;  // under the table; empty when no prize needs one
};

#endif
