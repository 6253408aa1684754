#ifndef TICKET_VIEW_H
#define TICKET_VIEW_H

#include <QKeySequence>
#include <QList>
#include <QPointer>
#include <QWidget>

#include "graded_ticket.h"
#include "month_totals_table.h"
#include "ticket_history.h"
#include "ticket_list.h"
#include "ticket_store.h"
#include "ticket_sheet.h"
#include "ticket_sums.h"
#include "ticket_table_view.h"

class BookStore;
class CollectMarks;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;
class TabShortcuts;
class TicketFilter;
class TicketSortProxy;
class TicketTableModel;

// The tickets tab of the book's window: the player's tickets graded against
// the book, newest draw first, with a filter, the totals in a line and per
// month, and the actions on them (new, edit, delete, undo, import or paste a
// list, export, print). Every change goes through TicketStore; the list is
// read again after each one, and by reload(), which the window's refresh
// calls; while the tab is hidden, only once it shows.
class TicketView : public QWidget
{
    Q_OBJECT

public:
    explicit TicketView(BookStore &book, QWidget *parent = nullptr);

    // The "Tickets" menu for the window's menu bar.
    QMenu *menu() const { return ticketMenu; }
    // While this tab is the current one, Ctrl+N, Ctrl+E, Ctrl+V and Ctrl+Z
    // are its too, and the window's actions that use the same keys (Ctrl+N,
    // Ctrl+E) lend them to it; its other keys work from every tab.
    void followTabs(QTabWidget *tabs);
    TicketStore &ticketStore() { return store; }
    // The game the window shows, which a new ticket starts on when it changes.
    void setShownGame(Game game);

    // The rows as shown, filtered and sorted, every ticket read.
    QList<GradedTicket> shownRows() const;
    // The shown list with its summary, as printed.
    TicketSheet printSheet() const;
    bool writePdf(const QString &path);
    bool exportTo(const QString &path);
    // Adds the tickets of a list (file or pasted text), all or none; a box
    // names the line at fault.
    bool addList(const QByteArray &data, const QString &name);

    TicketTableView *table;
    TicketTableModel *model;
    TicketSortProxy *proxy;
    TicketFilter *filter;
    QLabel *summaryLabel;
    MonthTotalsTable *monthTable;
    QAction *newAction;
    QAction *editAction;
    QAction *deleteAction;
    QAction *undoAction;
    QAction *importAction;
    QAction *pasteAction;
    QAction *exportAction;
    QAction *printAction;
    QAction *pdfAction;
    CollectMarks *marks = nullptr;
    // "Sort by": one action per column; the checked one is the list's order.
    QMenu *sortMenu;
    QList<QAction *> sortActions;
    // The last message shown in the window's status line.
    QString lastMessage;

public slots:
    void reload();
    void newTicket();
    void editTicket();
    void deleteTickets();
    void undo();
    void importList();
    void pasteList();
    void exportList();
    void print();
    void saveAsPdf();

signals:
    // The tickets were read again, every one (after any change to them).
    void reloaded();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildTable();
    void buildTotals();
    QAction *keyedAction(const QString &text, void (TicketView::*slot)(), const QList<QKeySequence> &always,
                         const QList<QKeySequence> &onTab, Qt::ShortcutContext context = Qt::WindowShortcut);
    void buildActions();
    void buildMenu();
    QToolBar *buildToolBar();
    void layOut(QToolBar *tools);
    void showTotals();
    void finishReading();
    void describeList();
    void filterChanged();
    void updateActions();
    void showTab();
    void say(const QString &text);
    // Asked before more than one ticket goes; Return deletes, Escape keeps.
    bool addParsed(const TicketList::Parsed &parsed, const QString &name, int maxDraw);
    Game lastGame = Game::Numbers3;  // the next new ticket's game, as the last one's
    Game shownGame = Game::Numbers3;
    // Changed since last read, and not read yet because hidden.
    bool stale = true;
    int unread = 0;  // the tickets in the book while stale
    // The game box's choice the totals are over; -1 when not shown yet.
    int shownTotals = -1;
    TicketSums sums;

    BookStore &book;
    TicketStore store;
    QMenu *ticketMenu;
    TicketHistory history;
    QPointer<QTabWidget> tabs;
    TabShortcuts *shortcuts;
};

#endif
