#include "ticket_view.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "book_store.h"
#include "collect_marks.h"
#include "collect_texts.h"
#include "draw_calendar.h"
#include "draw_words.h"
#include "tab_shortcuts.h"
#include "ticket_dialog.h"
#include "ticket_filter.h"
#include "ticket_import.h"
#include "ticket_list_intake.h"
#include "ticket_list.h"
#include "ticket_print.h"
#include "ticket_questions.h"
#include "ticket_report.h"
#include "ticket_sort_proxy.h"
#include "ticket_rules.h"
#include "ticket_table_model.h"
#include "ticket_texts.h"

namespace {
int maxDrawNow()
{
    return TicketRules::maxDrawFor(QDateTime::currentDateTimeUtc());
}
}

TicketView::TicketView(BookStore &book, QWidget *parent)
    : QWidget(parent)
    , book(book)
    , store(book)
{
    shortcuts = new TabShortcuts(this);
    // Built in this order, which is also the order Tab goes through them.
    buildTable();
    filter = new TicketFilter(proxy, this);
    buildTotals();
    buildActions();
    // The headers take no keyboard: the same sorts by menu, the list's
    // context menu among them.
    sortMenu = table->buildSortMenu(tr("Sort &by"), &sortActions);
    buildMenu();
    layOut(buildToolBar());

    connect(filter, &TicketFilter::changed, this, &TicketView::filterChanged);
    connect(table, &QAbstractItemView::activated, this, &TicketView::editTicket);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TicketView::updateActions);
    connect(table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, &TicketView::describeList);
    shortcuts->setLive(true);
    // The list is read by reload(), which the window calls with its own refresh.
    describeList();
    updateActions();
}

void TicketView::buildTable()
{
    model = new TicketTableModel(this);
    proxy = new TicketSortProxy(model, this);
    connect(model, &TicketTableModel::pageRead, this, &TicketView::describeList);
    connect(model, &TicketTableModel::loaded, this, &TicketView::finishReading);

    table = new TicketTableView(model, proxy, this);
}

void TicketView::buildTotals()
{
    summaryLabel = new QLabel(this);
    summaryLabel->setWordWrap(true);
    summaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summaryLabel->setFocusPolicy(Qt::StrongFocus);

    monthTable = new MonthTotalsTable(this);
}

// The actions; their keys are set by setKeysLive(). Most work in the whole
// window; F2 and Delete only in the list.
QAction *TicketView::keyedAction(const QString &text, void (TicketView::*slot)(), const QList<QKeySequence> &always,
                                 const QList<QKeySequence> &onTab, Qt::ShortcutContext context)
{
    auto *a = new QAction(text, this);
    a->setShortcutContext(context);
    if (context == Qt::WidgetWithChildrenShortcut)
        table->addAction(a);
    else
        addAction(a);
    connect(a, &QAction::triggered, this, slot);
    shortcuts->add(a, always, onTab);
    return a;
}

void TicketView::buildActions()
{
    // Keys the window does not use work from every tab and bring this one
    // forward, Ctrl+N among them. Ctrl+E is the window's elsewhere; Ctrl+V and
    // Ctrl+Z act on what is shown, and an undo no one saw would be a loss.
    newAction = keyedAction(tr("&New ticket..."), &TicketView::newTicket, {QKeySequence::New, QKeySequence(Qt::Key_Insert)}, {});
    editAction = keyedAction(tr("&Edit ticket..."), &TicketView::editTicket, {QKeySequence(Qt::Key_F2)}, {}, Qt::WidgetWithChildrenShortcut);
    // Delete only where the list has the keyboard, never from a text field.
    deleteAction = keyedAction(tr("&Delete ticket"), &TicketView::deleteTickets, {QKeySequence::Delete}, {}, Qt::WidgetWithChildrenShortcut);
    undoAction = keyedAction(tr("&Undo the last ticket change"), &TicketView::undo, {}, {QKeySequence::Undo});
    importAction = keyedAction(tr("&Import a ticket list..."), &TicketView::importList, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)}, {});
    pasteAction = keyedAction(tr("&Paste a ticket list"), &TicketView::pasteList, {}, {QKeySequence::Paste});
    exportAction = keyedAction(tr("E&xport tickets as CSV..."), &TicketView::exportList, {}, {QKeySequence(Qt::CTRL | Qt::Key_E)});
    printAction = keyedAction(tr("P&rint tickets..."), &TicketView::print, {QKeySequence::Print}, {});
    pdfAction = keyedAction(tr("&Save tickets as PDF..."), &TicketView::saveAsPdf, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}, {});
    // The list's context menu: what the right-clicked rows can have done to them.
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    table->insertAction(editAction, newAction);
    table->addAction(undoAction);
    marks = new CollectMarks(store, history, table);
    connect(marks, &CollectMarks::changed, this, [this](const QList<qint64> &ids, const QString &said) {
        reload();
        table->selectTickets(ids);
        say(said);
    });
}

// What a screen reader says of the list and the totals follows the sort and the filter.
void TicketView::describeList()
{
    const QHeaderView *header = table->horizontalHeader();
    const int column = header->sortIndicatorSection();
    table->setAccessibleName(TicketTexts::listName(column, header->sortIndicatorOrder()));
    const int shown = proxy->rowCount();
    const int total = model->expected();
    table->setAccessibleDescription(TicketTexts::listShown(shown, total, filter->words()));
    const std::optional<Game> game = filter->game();
    summaryLabel->setAccessibleDescription(game ? TicketTexts::totalsOfGame(DrawWords::gameName(*game))
                                                : TicketTexts::totalsOver(shown, total));
    if (QAction *a = sortActions.value(column))
        a->setChecked(true);
}

void TicketView::buildMenu()
{
    ticketMenu = new QMenu(tr("&Tickets"), this);
    ticketMenu->addActions({newAction, editAction, deleteAction, marks->collectAction(), marks->onlineAction(), undoAction});
    ticketMenu->addMenu(sortMenu);
    ticketMenu->addSeparator();
    ticketMenu->addActions({importAction, pasteAction, exportAction});
    ticketMenu->addSeparator();
    ticketMenu->addActions({printAction, pdfAction});
}

QToolBar *TicketView::buildToolBar()
{
    // Short words on the buttons; the menu has the whole phrases.
    newAction->setIconText(tr("New"));
    editAction->setIconText(tr("Edit"));
    deleteAction->setIconText(tr("Delete"));
    undoAction->setIconText(tr("Undo"));
    printAction->setIconText(tr("Print"));
    exportAction->setIconText(tr("Export"));
    for (QAction *a : {newAction, editAction, deleteAction, undoAction, printAction, exportAction})
        a->setToolTip(QString(a->text()).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    auto *tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addActions({newAction, editAction, deleteAction, undoAction});
    tools->addSeparator();
    tools->addActions({printAction, exportAction});
    return tools;
}

void TicketView::layOut(QToolBar *tools)
{
    auto *top = new QHBoxLayout;
    top->addWidget(tools, 1);
    top->addLayout(filter->row());

    auto *months = new QGroupBox(tr("Per month"), this);
    auto *monthLayout = new QVBoxLayout(months);
    monthLayout->setContentsMargins(4, 4, 4, 4);
    monthLayout->addWidget(monthTable);
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(table);
    split->addWidget(months);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(summaryLabel);
    layout->addWidget(split, 1);
}

void TicketView::followTabs(QTabWidget *tabWidget)
{
    tabs = tabWidget;
    shortcuts->follow(tabs);
}

void TicketView::showTab()
{
    if (tabs)
        tabs->setCurrentWidget(this);
}

void TicketView::say(const QString &text)
{
    lastMessage = text;
    if (auto *main = qobject_cast<QMainWindow *>(window()))
        main->statusBar()->showMessage(text);
}

// The tickets are read when the tab is first shown, so that the window
// opens at once whatever their number; a change while it is hidden is read
// when it shows again.
void TicketView::reload()
{
    stale = !isVisible();
    if (stale) {
        // Unread, the count alone keeps the keys that show the tab and print.
        unread = store.count();
        updateActions();
        return;
    }
    shownTotals = -1;
    model->load(&store);
    if (!model->isLoaded())
        summaryLabel->setText(TicketTexts::reading(model->expected()));
    updateActions();
}

void TicketView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (stale)
        reload();
}

void TicketView::finishReading()
{
    if (model->error().failed())
        say(TicketTexts::notAllRead(model->error().text));
    sums = TicketSums(model->rows(), QDate::currentDate());
    shownTotals = -1;
    showTotals();
    describeList();
    updateActions();
    emit reloaded();
}

// Over the game chosen, or both: money of the two games is not mixed unasked.
void TicketView::showTotals()
{
    // The state shown leaves the totals as they are; only the game changes them.
    if (!model->isLoaded() || shownTotals == filter->gameBox->currentIndex())
        return;
    shownTotals = filter->gameBox->currentIndex();
    const std::optional<Game> game = filter->game();
    const QString summary = TicketTexts::summary(sums.totals(game));
    const QString collecting = CollectTexts::totals(sums.collecting(game));
    summaryLabel->setText(collecting.isEmpty() ? summary : summary + QLatin1Char('\n') + collecting);
    monthTable->fill(sums.months(game));
}

void TicketView::filterChanged()
{
    showTotals();
    describeList();
    updateActions();
}

void TicketView::setShownGame(Game game)
{
    if (game != shownGame)
        lastGame = game;
    shownGame = game;
}

void TicketView::updateActions()
{
    const bool selected = table->selectionModel()->hasSelection();
    editAction->setEnabled(selected);
    deleteAction->setEnabled(selected);
    marks->updateActions();
    undoAction->setEnabled(history.canUndo());
    exportAction->setEnabled((stale ? unread : model->expected()) > 0);
    printAction->setEnabled((stale ? unread : proxy->rowCount()) > 0);
    pdfAction->setEnabled(printAction->isEnabled());
}

QList<GradedTicket> TicketView::shownRows() const
{
    model->fetchAll();
    return table->shownRows();
}

void TicketView::newTicket()
{
    showTab();
    const int maxDraw = maxDrawNow();
    TicketDialog dialog(DrawCalendar::next(QDateTime::currentDateTimeUtc()).draw, maxDraw, this, nullptr, lastGame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Ticket ticket = dialog.ticket();
    lastGame = ticket.game;
    const int run = dialog.runLength();
    QList<qint64> ids;
    const BookError error = run > 1 ? store.addRun(ticket, run, &ids, maxDraw) : store.add({ticket}, &ids, maxDraw);
    if (error.failed()) {
        QMessageBox::warning(this, dialog.windowTitle(), error.text);
        return;
    }
    QList<Ticket> added;
    for (int i = 0; i < ids.size(); ++i) {
        if (const std::optional<Ticket> stored = store.ticket(ids.at(i)))
            added << *stored;
    }
    history.record(TicketHistory::Added, added);
    reload();
    table->selectTickets(ids);
    say(run > 1 ? tr("Stored %1 %2 for draws %3 to %4").arg(ticket.numberText(), TicketTexts::wayName(ticket.way)).arg(ticket.draw).arg(ticket.draw + run - 1)
                : tr("Stored %1 %2 for draw %3").arg(ticket.numberText(), TicketTexts::wayName(ticket.way)).arg(ticket.draw));
}

void TicketView::editTicket()
{
    const QList<Ticket> selected = table->selectedTickets();
    if (selected.isEmpty())
        return;
    showTab();
    const Ticket before = selected.first();
    const int maxDraw = qMax(maxDrawNow(), before.draw);
    TicketDialog dialog(before.draw, maxDraw, this, &before);
    if (dialog.exec() != QDialog::Accepted || dialog.ticket().sameContent(before))
        return;
    const BookError error = store.update(dialog.ticket(), maxDraw);
    if (error.failed()) {
        QMessageBox::warning(this, dialog.windowTitle(), error.text);
        return;
    }
    history.record(TicketHistory::Edited, {before});
    reload();
    table->selectTickets({before.id});
    say(tr("Changed the ticket %1 for draw %2").arg(dialog.ticket().numberText()).arg(dialog.ticket().draw));
}

void TicketView::deleteTickets()
{
    const QList<Ticket> selected = table->selectedTickets();
    if (selected.isEmpty())
        return;
    // From the menu on another tab: what goes is in sight.
    showTab();
    if (selected.size() > 1 && !TicketQuestions::confirmDelete(this, int(selected.size())))
        return;
    QList<qint64> ids;
    for (const Ticket &t : selected)
        ids << t.id;
    const BookError error = store.remove(ids);
    if (error.failed()) {
        QMessageBox::warning(this, tr("Delete tickets"), tr("Nothing was deleted.") + QLatin1Char('\n') + error.text);
        return;
    }
    history.record(TicketHistory::Deleted, selected);
    // The row that took the place of the topmost deleted one keeps the keyboard.
    int row = proxy->rowCount();
    for (const QModelIndex &index : table->selectionModel()->selectedRows())
        row = qMin(row, index.row());
    reload();
    if (proxy->rowCount() > 0)
        table->selectRow(qMin(row, proxy->rowCount() - 1));
    say(tr("Tickets deleted: %1; Ctrl+Z brings them back").arg(selected.size()));
}

void TicketView::undo()
{
    if (!history.canUndo())
        return;
    showTab();
    TicketHistory::Change undone;
    QList<qint64> ids;
    const BookError error = history.undo(store, &undone, &ids);
    if (error.failed()) {
        QMessageBox::warning(this, tr("Undo"), tr("The change could not be undone.") + QLatin1Char('\n') + error.text);
        return;
    }
    reload();
    table->selectTickets(ids);
    switch (undone.kind) {
    case TicketHistory::Added: say(tr("Undone: tickets added (%1)").arg(undone.tickets.size())); break;
    case TicketHistory::Edited: say(tr("Undone: the change to a ticket")); break;
    case TicketHistory::Deleted: say(tr("Undone: tickets deleted (%1)").arg(undone.tickets.size())); break;
    case TicketHistory::Marked: say(tr("Undone: collected and online marks (%1)").arg(undone.tickets.size())); break;
    }
}

bool TicketView::addList(const QByteArray &data, const QString &name)
{
    const int maxDraw = maxDrawNow();
    return addParsed(TicketList::parse(data, name, maxDraw), name, maxDraw);
}

bool TicketView::addParsed(const TicketList::Parsed &parsed, const QString &name, int maxDraw)
{
    const std::optional<TicketImport::Outcome> outcome = TicketListIntake::store(this, store, parsed, name, maxDraw);
    if (!outcome)
        return false;
    QList<qint64> ids;
    for (const Ticket &t : outcome->added)
        ids << t.id;
    if (!outcome->added.isEmpty())
        history.record(TicketHistory::Added, outcome->added);
    reload();
    table->selectTickets(ids);
    say(TicketTexts::addedFrom(name, outcome->added.size(), outcome->skipped, parsed.padded));
    return true;
}

void TicketView::importList()
{
    showTab();
    const QString path = TicketQuestions::listToRead(this);
    if (path.isEmpty())
        return;
    const int maxDraw = maxDrawNow();
    addParsed(TicketList::read(path, maxDraw), QFileInfo(path).fileName(), maxDraw);
}

void TicketView::pasteList()
{
    showTab();
    if (const std::optional<QString> text = TicketListIntake::pasted(this))
        addList(text->toUtf8(), TicketListIntake::pastedName());
}

bool TicketView::exportTo(const QString &path)
{
    QString error;
    // Every ticket, as the command line exports them, whatever is shown.
    model->fetchAll();
    if (!TicketList::write(path, model->rows(), &error, TicketList::Layout::WithCollecting)) {
        QMessageBox::warning(this, tr("Export tickets"), tr("The tickets were not written to %1.").arg(QDir::toNativeSeparators(path)) + QLatin1Char('\n') + error);
        return false;
    }
    say(tr("Tickets written to %1: %2").arg(QDir::toNativeSeparators(path)).arg(model->rowCount()));
    return true;
}

void TicketView::exportList()
{
    showTab();
    const QString path = TicketQuestions::csvToWrite(this);
    if (!path.isEmpty())
        exportTo(path);
}

TicketSheet TicketView::printSheet() const
{
    return TicketReport::sheet(filter->words(), shownRows(), sums.totals(filter->game()), QDateTime::currentDateTime());
}

void TicketView::print()
{
    showTab();
    TicketPrint::preview(this, [this] { return printSheet(); });
}

bool TicketView::writePdf(const QString &path)
{
    QString error;
    if (!TicketPrint::writePdf(this, path, printSheet(), &error)) {
        QMessageBox::warning(this, tr("Save tickets as PDF"),
                             tr("The PDF could not be written to %1.").arg(QDir::toNativeSeparators(path)) + QLatin1Char('\n') + error);
        return false;
    }
    say(tr("The ticket list was saved as %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void TicketView::saveAsPdf()
{
    showTab();
    const QString path = TicketQuestions::pdfToWrite(this);
    if (!path.isEmpty())
        writePdf(path);
}
