#include "ticket_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include <cstdio>

#include "book_texts.h"
#include "draw_calendar.h"
#include "ticket_dialog.h"
#include "ticket_list.h"
#include "ticket_rules.h"
#include "ticket_table_model.h"
#include "ticket_texts.h"
#include "ticket_totals.h"

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
    model = new TicketTableModel(this);
    proxy = new QSortFilterProxyModel(this);
    proxy->setSourceModel(model);
    proxy->setSortRole(TicketTableModel::SortRole);
    proxy->setFilterRole(TicketTableModel::StateRole);
    proxy->setFilterKeyColumn(TicketTableModel::DrawColumn);

    table = new QTableView(this);
    table->setModel(proxy);
    table->setAccessibleName(tr("Tickets, newest draw first"));
    table->setAccessibleDescription(tr("Each ticket with its draw's result, the outcome and the prize"));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    // Fixed row heights and column widths: nothing is measured row by row.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const auto fit = [this, digit](int column, const QStringList &widest) {
        int width = fontMetrics().horizontalAdvance(model->headerData(column, Qt::Horizontal).toString());
        for (const QString &text : widest)
            width = qMax(width, fontMetrics().horizontalAdvance(text));
        table->setColumnWidth(column, width + digit * 3);
    };
    fit(TicketTableModel::DrawColumn, {QStringLiteral("000000")});
    fit(TicketTableModel::DateColumn, {BookTexts::date(QDate(2026, 12, 30))});
    fit(TicketTableModel::NumberColumn, {QStringLiteral("000")});
    fit(TicketTableModel::WayColumn, {TicketTexts::wayName(Ticket::Straight)});
    fit(TicketTableModel::UnitsColumn, {QStringLiteral("00")});
    fit(TicketTableModel::ResultColumn, {QStringLiteral("000")});
    fit(TicketTableModel::OutcomeColumn, {TicketTexts::outcome({TicketGrade::SetStraight, TicketGrade::ThreeWay})});
    TicketGrade noWinner;
    noWinner.outcome = TicketGrade::MiniWin;
    fit(TicketTableModel::PrizeColumn, {QStringLiteral("\u2248") + TicketTexts::yen(9999999), TicketTexts::prize(noWinner)});
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setSortIndicator(TicketTableModel::DrawColumn, Qt::DescendingOrder);
    table->setSortingEnabled(true);

    filterBox = new QComboBox(this);
    filterBox->addItem(tr("All tickets"), QString());
    filterBox->addItem(tr("Waiting for the result"), QStringLiteral("waiting"));
    filterBox->addItem(tr("Won"), QStringLiteral("won"));
    filterBox->setAccessibleName(tr("Which tickets to show"));
    auto *filterLabel = new QLabel(tr("Sh&ow:"), this);
    filterLabel->setBuddy(filterBox);

    summaryLabel = new QLabel(this);
    summaryLabel->setWordWrap(true);
    summaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summaryLabel->setFocusPolicy(Qt::StrongFocus);
    summaryLabel->setAccessibleDescription(tr("Totals over all tickets"));

    monthTable = new QTableWidget(0, 7, this);
    monthTable->setHorizontalHeaderLabels({tr("Month"), tr("Tickets"), tr("Spent"), tr("Prizes"), tr("Of which theoretical"), tr("Balance"), tr("Return")});
    monthTable->setAccessibleName(tr("Totals per month, newest first"));
    monthTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    monthTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    monthTable->setTabKeyNavigation(false);
    monthTable->verticalHeader()->hide();
    monthTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    monthTable->horizontalHeader()->setStretchLastSection(true);

    // The actions; their keys are set by setKeysLive(). Most work in the
    // whole window; F2 and Delete only in the list.
    auto action = [this](const QString &text, const char *slot, const QList<QKeySequence> &always,
                         const QList<QKeySequence> &onTab, Qt::ShortcutContext context = Qt::WindowShortcut) {
        auto *a = new QAction(text, this);
        a->setShortcutContext(context);
        if (context == Qt::WidgetWithChildrenShortcut)
            table->addAction(a);
        else
            addAction(a);
        connect(a, SIGNAL(triggered()), this, slot);
        keys.append({a, always, onTab});
        return a;
    };
    // Keys the window does not use work from every tab and bring this one
    // forward. Ctrl+N and Ctrl+E are the window's elsewhere; Ctrl+V and
    // Ctrl+Z act on what is shown, and an undo no one saw would be a loss.
    newAction = action(tr("&New ticket..."), SLOT(newTicket()), {QKeySequence(Qt::Key_Insert)}, {QKeySequence::New});
    editAction = action(tr("&Edit ticket..."), SLOT(editTicket()), {QKeySequence(Qt::Key_F2)}, {}, Qt::WidgetWithChildrenShortcut);
    // Delete only where the list has the keyboard, never from a text field.
    deleteAction = action(tr("&Delete ticket"), SLOT(deleteTickets()), {QKeySequence::Delete}, {}, Qt::WidgetWithChildrenShortcut);
    undoAction = action(tr("&Undo the last ticket change"), SLOT(undo()), {}, {QKeySequence::Undo});
    importAction = action(tr("&Import a ticket list..."), SLOT(importList()), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)}, {});
    pasteAction = action(tr("&Paste a ticket list"), SLOT(pasteList()), {}, {QKeySequence::Paste});
    exportAction = action(tr("E&xport tickets as CSV..."), SLOT(exportList()), {}, {QKeySequence(Qt::CTRL | Qt::Key_E)});
    printAction = action(tr("P&rint tickets..."), SLOT(print()), {QKeySequence::Print}, {});
    pdfAction = action(tr("&Save tickets as PDF..."), SLOT(saveAsPdf()), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}, {});
    // The list's context menu: what the right-clicked rows can have done to them.
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    table->insertAction(editAction, newAction);
    table->addAction(undoAction);

    ticketMenu = new QMenu(tr("&Tickets"), this);
    ticketMenu->addAction(newAction);
    ticketMenu->addAction(editAction);
    ticketMenu->addAction(deleteAction);
    ticketMenu->addAction(undoAction);
    ticketMenu->addSeparator();
    ticketMenu->addAction(importAction);
    ticketMenu->addAction(pasteAction);
    ticketMenu->addAction(exportAction);
    ticketMenu->addSeparator();
    ticketMenu->addAction(printAction);
    ticketMenu->addAction(pdfAction);

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
    tools->addAction(newAction);
    tools->addAction(editAction);
    tools->addAction(deleteAction);
    tools->addAction(undoAction);
    tools->addSeparator();
    tools->addAction(printAction);
    tools->addAction(exportAction);

    auto *top = new QHBoxLayout;
    top->addWidget(tools, 1);
    top->addWidget(filterLabel);
    top->addWidget(filterBox);

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

    connect(filterBox, SIGNAL(currentIndexChanged(int)), this, SLOT(filterChanged()));
    connect(table, SIGNAL(activated(QModelIndex)), this, SLOT(editTicket()));
    connect(table->selectionModel(), SIGNAL(selectionChanged(QItemSelection,QItemSelection)), this, SLOT(updateActions()));
    setKeysLive(true);
    // The list is read by reload(), which the window calls with its own refresh.
    updateActions();
}

void TicketView::followTabs(QTabWidget *tabWidget)
{
    tabs = tabWidget;
    connect(tabs, SIGNAL(currentChanged(int)), this, SLOT(tabChanged()));
    tabChanged();
}

void TicketView::tabChanged()
{
    setKeysLive(!tabs || tabs->currentWidget() == this);
}

void TicketView::setKeysLive(bool live)
{
    // Give back what was lent before taking again.
    for (const auto &[action, sequences] : std::as_const(lent))
        if (action)
            action->setShortcuts(sequences);
    lent.clear();
    for (const Keys &k : std::as_const(keys))
        k.action->setShortcuts(live ? k.always + k.onTab : k.always);
    if (!live || !tabs)
        return;
    QList<QKeySequence> mine;
    for (const Keys &k : std::as_const(keys))
        mine << k.onTab;
    for (QAction *other : window()->findChildren<QAction *>()) {
        if (other->parent() == this || other->shortcut().isEmpty() || !mine.contains(other->shortcut()))
            continue;
        lent.append({other, other->shortcuts()});
        other->setShortcuts({});
    }
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

// The store's own messages already say that nothing was stored; a list's don't.
void TicketView::refuse(const QString &title, const QString &error)
{
    QMessageBox::warning(this, title, error + QLatin1Char('\n') + tr("Nothing was stored."));
}

void TicketView::reload()
{
    const QList<GradedTicket> rows = store.graded();
    model->setRows(rows);
    const TicketTotals totals = TicketTotals::over(rows);
    summaryLabel->setText(TicketTexts::summary(totals));
    fillMonths(rows);
    updateActions();
}

void TicketView::fillMonths(const QList<GradedTicket> &rows)
{
    const QMap<QDate, TicketTotals> months = TicketTotals::perMonth(rows);
    monthTable->setRowCount(int(months.size()));
    int row = int(months.size());
    for (auto it = months.cbegin(); it != months.cend(); ++it) {
        --row;  // newest month first
        const TicketTotals &t = it.value();
        const QStringList cells{
            TicketTexts::month(it.key()), QString::number(t.tickets), TicketTexts::yen(t.spent), TicketTexts::yen(t.won),
            TicketTexts::yen(t.wonTheoretical), TicketTexts::balance(t.balance()),
            t.spentGraded > 0 ? TicketTexts::percent(t.returnPercent()) : tr("waiting")};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            monthTable->setItem(row, column, item);
        }
    }
    // Measured once here: a header that fits itself on every new item takes
    // quadratic time over decades of months.
    monthTable->resizeColumnsToContents();
}

void TicketView::filterChanged()
{
    const QString state = filterBox->currentData().toString();
    proxy->setFilterRegularExpression(state.isEmpty() ? QRegularExpression()
                                                      : QRegularExpression(QLatin1Char('^') + state + QLatin1Char('$')));
    updateActions();
}

void TicketView::updateActions()
{
    const bool selected = table->selectionModel()->hasSelection();
    editAction->setEnabled(selected);
    deleteAction->setEnabled(selected);
    undoAction->setEnabled(history.canUndo());
    exportAction->setEnabled(model->rowCount() > 0);
    printAction->setEnabled(proxy->rowCount() > 0);
    pdfAction->setEnabled(proxy->rowCount() > 0);
}

QList<GradedTicket> TicketView::shownRows() const
{
    QList<GradedTicket> rows;
    rows.reserve(proxy->rowCount());
    for (int row = 0; row < proxy->rowCount(); ++row)
        rows << model->rows().at(proxy->mapToSource(proxy->index(row, 0)).row());
    return rows;
}

QList<Ticket> TicketView::selectedTickets() const
{
    QList<Ticket> tickets;
    for (const QModelIndex &index : table->selectionModel()->selectedRows())
        tickets << model->rows().at(proxy->mapToSource(index).row()).ticket;
    return tickets;
}

void TicketView::select(const QList<qint64> &ids)
{
    // The list keeps the keyboard after a change, not the field a dialog came back to.
    table->setFocus();
    table->clearSelection();
    bool first = true;
    for (qint64 id : ids) {
        const int row = model->rowOf(id);
        if (row < 0)
            continue;
        const QModelIndex index = proxy->mapFromSource(model->index(row, 0));
        if (!index.isValid())
            continue;
        table->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (first) {
            table->setCurrentIndex(index);
            table->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            table->scrollTo(index);
            first = false;
        }
    }
}

void TicketView::newTicket()
{
    showTab();
    const int maxDraw = maxDrawNow();
    TicketDialog dialog(DrawCalendar::next(QDateTime::currentDateTimeUtc()).draw, maxDraw, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Ticket ticket = dialog.ticket();
    const int run = dialog.runLength();
    QList<qint64> ids;
    QString error;
    const bool ok = run > 1 ? store.addRun(ticket, run, &ids, &error, maxDraw) : store.add({ticket}, &ids, &error, maxDraw);
    if (!ok) {
        QMessageBox::warning(this, dialog.windowTitle(), error.isEmpty() ? store.lastError() : error);
        return;
    }
    QList<Ticket> added;
    for (int i = 0; i < ids.size(); ++i) {
        if (const std::optional<Ticket> stored = store.ticket(ids.at(i)))
            added << *stored;
    }
    history.record(TicketHistory::Added, added);
    reload();
    select(ids);
    say(run > 1 ? tr("Stored %1 %2 for draws %3 to %4").arg(ticket.numberText(), TicketTexts::wayName(ticket.way)).arg(ticket.draw).arg(ticket.draw + run - 1)
                : tr("Stored %1 %2 for draw %3").arg(ticket.numberText(), TicketTexts::wayName(ticket.way)).arg(ticket.draw));
}

void TicketView::editTicket()
{
    const QList<Ticket> selected = selectedTickets();
    if (selected.isEmpty())
        return;
    showTab();
    const Ticket before = selected.first();
    const int maxDraw = qMax(maxDrawNow(), before.draw);
    TicketDialog dialog(before.draw, maxDraw, this, &before);
    if (dialog.exec() != QDialog::Accepted || dialog.ticket().sameContent(before))
        return;
    QString error;
    if (!store.update(dialog.ticket(), &error, maxDraw)) {
        QMessageBox::warning(this, dialog.windowTitle(), error.isEmpty() ? store.lastError() : error);
        return;
    }
    history.record(TicketHistory::Edited, {before});
    reload();
    select({before.id});
    say(tr("Changed the ticket %1 for draw %2").arg(dialog.ticket().numberText()).arg(dialog.ticket().draw));
}

void TicketView::deleteTickets()
{
    const QList<Ticket> selected = selectedTickets();
    if (selected.isEmpty())
        return;
    // From the menu on another tab: what goes is in sight.
    showTab();
    QList<qint64> ids;
    for (const Ticket &t : selected)
        ids << t.id;
    QString error;
    if (!store.remove(ids, &error)) {
        QMessageBox::warning(this, tr("Delete tickets"), tr("Nothing was deleted.") + QLatin1Char('\n') + (error.isEmpty() ? store.lastError() : error));
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
    QString error;
    if (!history.undo(store, &undone, &ids, &error)) {
        QMessageBox::warning(this, tr("Undo"), tr("The change could not be undone.") + QLatin1Char('\n') + (error.isEmpty() ? store.lastError() : error));
        return;
    }
    reload();
    select(ids);
    switch (undone.kind) {
    case TicketHistory::Added: say(tr("Undone: tickets added (%1)").arg(undone.tickets.size())); break;
    case TicketHistory::Edited: say(tr("Undone: the change to a ticket")); break;
    case TicketHistory::Deleted: say(tr("Undone: tickets deleted (%1)").arg(undone.tickets.size())); break;
    }
}

bool TicketView::addList(const QByteArray &data, const QString &name)
{
    const int maxDraw = maxDrawNow();
    return addParsed(TicketList::parse(data, name, maxDraw), name, maxDraw);
}

bool TicketView::addParsed(const TicketList::Parsed &parsed, const QString &name, int maxDraw)
{
    if (!parsed.ok()) {
        refuse(tr("Ticket list"), parsed.error);
        return false;
    }
    if (parsed.tickets.isEmpty()) {
        QMessageBox::information(this, tr("Ticket list"), tr("%1 holds no tickets.").arg(name));
        return false;
    }
    QList<qint64> ids;
    QString error;
    if (!store.add(parsed.tickets, &ids, &error, maxDraw)) {
        QMessageBox::warning(this, tr("Ticket list"), error.isEmpty() ? store.lastError() : error);
        return false;
    }
    QList<Ticket> added = parsed.tickets;
    for (int i = 0; i < added.size() && i < ids.size(); ++i)
        added[i].id = ids.at(i);
    history.record(TicketHistory::Added, added);
    reload();
    select(ids);
    say(tr("Tickets added from %1: %2").arg(name).arg(ids.size()));
    return true;
}

void TicketView::importList()
{
    showTab();
    const QString path = QFileDialog::getOpenFileName(this, tr("Import a ticket list"), QDir::homePath(),
                                                      tr("Ticket lists (*.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    const int maxDraw = maxDrawNow();
    addParsed(TicketList::read(path, maxDraw), QFileInfo(path).fileName(), maxDraw);
}

void TicketView::pasteList()
{
    showTab();
    const QString text = QApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        QMessageBox::information(this, tr("Ticket list"),
                                 tr("The clipboard holds no text. Copy lines such as\n7150,123,straight,1\nand paste again."));
        return;
    }
    addList(text.toUtf8(), tr("pasted text"));
}

bool TicketView::exportTo(const QString &path)
{
    QString error;
    // Every ticket, as the command line exports them, whatever is shown.
    if (!TicketList::write(path, model->rows(), &error)) {
        QMessageBox::warning(this, tr("Export tickets"), tr("The tickets were not written to %1.").arg(QDir::toNativeSeparators(path)) + QLatin1Char('\n') + error);
        return false;
    }
    say(tr("Tickets written to %1: %2").arg(QDir::toNativeSeparators(path)).arg(model->rowCount()));
    return true;
}

void TicketView::exportList()
{
    showTab();
    const QString path = QFileDialog::getSaveFileName(this, tr("Export tickets as CSV"),
                                                      QDir::home().filePath(QStringLiteral("numbers3-tickets.csv")),
                                                      tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        exportTo(path);
}

QString TicketView::printHtml() const
{
    const QList<GradedTicket> rows = shownRows();
    QString html;
    html += QStringLiteral("<html><body><h2>%1</h2>").arg(tr("Numbers3 tickets").toHtmlEscaped());
    html += QStringLiteral("<p>%1<br>%2</p>")
                .arg(tr("%1: %2 of %3 tickets, printed %4")
                         .arg(filterBox->currentText(), QString::number(rows.size()), QString::number(model->rowCount()),
                              QLocale().toString(QDateTime::currentDateTime(), QStringLiteral("yyyy-MM-dd HH:mm")))
                         .toHtmlEscaped(),
                     summaryLabel->text().toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><thead><tr>");
    for (int column = 0; column < TicketTableModel::ColumnCount; ++column)
        html += QStringLiteral("<th>%1</th>").arg(model->headerData(column, Qt::Horizontal).toString().toHtmlEscaped());
    html += QStringLiteral("</tr></thead>");
    bool anyTheoretical = false;
    for (int row = 0; row < proxy->rowCount(); ++row) {
        html += QStringLiteral("<tr>");
        for (int column = 0; column < TicketTableModel::ColumnCount; ++column) {
            const QModelIndex index = proxy->index(row, column);
            QString text = index.data().toString().toHtmlEscaped();
            if (column == TicketTableModel::PrizeColumn && text.startsWith(QChar(0x2248))) {
                text += QStringLiteral(" <small>(%1)</small>").arg(tr("theoretical").toHtmlEscaped());
                anyTheoretical = true;
            }
            const bool right = index.data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight;
            // Only the note may wrap; a date or an amount split over two lines reads badly.
            const QString wrap = column == TicketTableModel::NoteColumn ? QString() : QStringLiteral(" style=\"white-space: nowrap\"");
            html += QStringLiteral("<td%1%2>%3</td>").arg(right ? QStringLiteral(" align=\"right\"") : QString(), wrap, text);
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    if (anyTheoretical)
        html += QStringLiteral("<p><small>%1</small></p>")
                    .arg((QStringLiteral("\u2248 ") + tr("theoretical prize: the book does not know that draw's actual prize for the way.")).toHtmlEscaped());
    html += QStringLiteral("</body></html>");
    return html;
}

void TicketView::printTo(QPrinter *printer)
{
    QTextDocument document;
    document.setDefaultFont(font());
    document.setHtml(printHtml());
    document.print(printer);
}

void TicketView::preparePrinter(QPrinter *printer) const
{
    printer->setDocName(tr("Numbers3 tickets"));
    // Nine columns: across the page they keep a date or an amount on one line.
    printer->setPageOrientation(QPageLayout::Landscape);
}

void TicketView::print()
{
    showTab();
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(&printer);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(tr("Print tickets"));
    connect(&preview, SIGNAL(paintRequested(QPrinter*)), this, SLOT(printTo(QPrinter*)));
    preview.exec();
}

bool TicketView::writePdf(const QString &path)
{
    // Written beside the file and renamed over it only when whole: a failed
    // write neither passes for a good one nor spoils the PDF saved before.
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(part);
        preparePrinter(&printer);
        printTo(&printer);
    }
    const bool written = QFileInfo(part).isFile() && QFileInfo(part).size() > 0
        && std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) == 0;
    if (!written) {
        QFile::remove(part);
        QMessageBox::warning(this, tr("Save tickets as PDF"), tr("The PDF could not be written to %1.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    say(tr("The ticket list was saved as %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void TicketView::saveAsPdf()
{
    showTab();
    const QString path = QFileDialog::getSaveFileName(this, tr("Save tickets as PDF"),
                                                      QDir::home().filePath(QStringLiteral("numbers3-tickets.pdf")),
                                                      tr("PDF files (*.pdf)"));
    if (!path.isEmpty())
        writePdf(path);
}
