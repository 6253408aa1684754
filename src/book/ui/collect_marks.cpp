#include "collect_marks.h"

#include <QAction>
#include <QDate>
#include <QMessageBox>

#include <algorithm>

#include "ticket_history.h"
#include "ticket_store.h"
#include "ticket_table_view.h"

CollectMarks::CollectMarks(TicketStore &store, TicketHistory &history, TicketTableView *table)
    : QObject(table), tickets(store), history(history), table(table)
{
    // Keys where the list has the keyboard, as Delete: a mark acts on the rows in sight.
    collect = new QAction(tr("Mark as &collected"), this);
    collect->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    online = new QAction(tr("Mark as bought on&line"), this);
    online->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    for (QAction *a : { collect, online }) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        table->addAction(a);
    }
    connect(collect, &QAction::triggered, this, &CollectMarks::toggleCollected);
    connect(online, &QAction::triggered, this, &CollectMarks::toggleOnline);
}

void CollectMarks::updateActions()
{
    const QList<Ticket> selected = table->selectedTickets();
    collect->setEnabled(!selected.isEmpty());
    online->setEnabled(!selected.isEmpty());
    // The words say what the key will do: mark, or take the mark away.
    const bool allCollected = !selected.isEmpty() && std::all_of(selected.cbegin(), selected.cend(), [](const Ticket &t) {
        return t.collected.isValid();
    });
    collect->setText(allCollected ? tr("Unmark as &collected") : tr("Mark as &collected"));
    const bool allOnline = !selected.isEmpty() && std::all_of(selected.cbegin(), selected.cend(), [](const Ticket &t) {
        return t.online;
    });
    online->setText(allOnline ? tr("Unmark as bought on&line") : tr("Mark as bought on&line"));
}

// Marks the selected tickets collected today, or, when all of them are, takes the mark away.
void CollectMarks::toggleCollected()
{
    const QList<Ticket> before = table->selectedTickets();
    if (before.isEmpty())
        return;
    const bool unmark = std::all_of(before.cbegin(), before.cend(), [](const Ticket &t) { return t.collected.isValid(); });
    QList<Ticket> after = before;
    for (Ticket &t : after)
        t.collected = unmark ? QDate() : (t.collected.isValid() ? t.collected : QDate::currentDate());
    store(before, after,
          (unmark ? tr("No longer marked collected (tickets: %1)") : tr("Marked collected (tickets: %1)")).arg(after.size()),
          tr("Mark as collected"));
}

void CollectMarks::toggleOnline()
{
    const QList<Ticket> before = table->selectedTickets();
    if (before.isEmpty())
        return;
    const bool unmark = std::all_of(before.cbegin(), before.cend(), [](const Ticket &t) { return t.online; });
    QList<Ticket> after = before;
    for (Ticket &t : after)
        t.online = !unmark;
    store(before, after,
          (unmark ? tr("No longer marked bought online (tickets: %1)") : tr("Marked bought online (tickets: %1)")).arg(after.size()),
          tr("Mark as bought online"));
}

void CollectMarks::store(const QList<Ticket> &before, const QList<Ticket> &after, const QString &said, const QString &title)
{
    const BookError error = tickets.setMarks(after);
    if (error.failed()) {
        QMessageBox::warning(table, title, tr("Nothing was changed.") + QLatin1Char('\n') + error.text);
        return;
    }
    history.record(TicketHistory::Marked, before);
    QList<qint64> ids;
    for (const Ticket &t : after)
        ids << t.id;
    emit changed(ids, said);
}
