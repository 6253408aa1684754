// The tickets tab of the book's window on a real store: totals over graded
// tickets, a ticket added through the dialog that outlives its window, Delete
// and Ctrl+Z, the filter, the grades an import of results reports, export,
// PDF and the print preview; tickets that outlive a kill after a file dialog
// looked into the book's folder and another SQLite client read the book.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

#include "book_store.h"
#include "book_window.h"
#include "draw_calendar.h"
#include "draw_changes.h"
#include "ticket_dialog.h"
#include "ticket_rules.h"
#include "ticket_sort_proxy.h"
#include "ticket_table_model.h"
#include "ticket_texts.h"
#include "ticket_totals.h"
#include "ticket_filter.h"
#include "ticket_print.h"
#include "ticket_view.h"
#include "support/box_catcher.h"
#include "support/self_child.h"

class TestBookTicketsWindow : public QObject
{
    Q_OBJECT

private slots:
    void dialogRefusesRuleBreaks();
    void window();
    void deleteAsksAndUndoSelects_data();
    void deleteAsksAndUndoSelects();
    void ticketsOutliveDialogAndKill();
    void pagesOfPrint_data();
    void pagesOfPrint();
};

namespace {

constexpr int KeptTickets = 20;

// Run as a child: the window on BOOK_PATH; Ctrl+Shift+I, the dialog browses
// the book's folder until it has looked at every file, cancel; then, once
// the parent says so, one ticket a line as a user pastes them; then wait to
// be killed.
int dialogChild()
{
    const QString path = qEnvironmentVariable("BOOK_PATH");
    BookStore store;
    if (!store.open(path).usable())
        return 3;
    BookWindow window(store);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return 4;
    bool browsed = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto *model = dialog->findChild<QFileSystemModel *>();
        bool loaded = false;
        QObject::connect(model, &QFileSystemModel::directoryLoaded, [&loaded](const QString &) { loaded = true; });
        dialog->setDirectory(QFileInfo(path).absolutePath());
        QTRY_VERIFY_WITH_TIMEOUT(loaded, 10000);
        // The rows' icons and types come after the names.
        QTest::qWait(1000);
        browsed = loaded;
        dialog->reject();
    });
    QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    std::printf(browsed ? "browsed\n" : "no dialog\n");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);
    int added = 0;
    for (int i = 0; i < KeptTickets; ++i) {
        BoxCatcher catcher;
        added += window.tickets->addList(QByteArray::number(7065 + i) + ",123,straight,1\n", QStringLiteral("pasted text"));
    }
    std::printf("added %d\n", added);
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(60));
    return 0;
}

int ticketCount(const QString &path)
{
    int n = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("count"));
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (db.open() && q.exec(QStringLiteral("SELECT COUNT(*) FROM tickets")) && q.next())
            n = q.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("count"));
    return n;
}

} // namespace

// What the rules refuse is said in a box and the dialog stays open.
void TestBookTicketsWindow::dialogRefusesRuleBreaks()
{
    struct Case { Ticket::Way way; const char *typed; const char *said; };
    const Case cases[] = {{Ticket::Box, "777", "triple"}, {Ticket::Set, "000", "triple"},
                          {Ticket::Mini, "123", "two digits"}, {Ticket::Straight, "", "three digits"},
                          {Ticket::Box, "1a", "three digits"}};
    for (const Case &c : cases) {
        TicketDialog dialog(7064, 7200);
        dialog.wayBox->setCurrentIndex(dialog.wayBox->findData(int(c.way)));
        dialog.numberEdit->setText(QString::fromLatin1(c.typed));
        BoxCatcher catcher;
        dialog.accept();
        QCOMPARE(catcher.boxes.size(), 1);
        QVERIFY2(catcher.boxes.first().text.contains(QLatin1String(c.said)), qPrintable(catcher.boxes.first().text));
        QVERIFY(catcher.boxes.first().text.contains(QLatin1String("Nothing was stored.")));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // Fewer digits are read with leading zeros, as a ticket list reads them.
    const std::pair<Ticket::Way, QString> shortOnes[] = {{Ticket::Straight, QStringLiteral("51")},
                                                         {Ticket::Mini, QStringLiteral("\uFF15")}};
    for (const auto &[way, typed] : shortOnes) {
        TicketDialog dialog(7064, 7200);
        dialog.wayBox->setCurrentIndex(dialog.wayBox->findData(int(way)));
        dialog.numberEdit->setText(typed);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.ticket().numberText(), way == Ticket::Mini ? QStringLiteral("05") : QStringLiteral("051"));
    }

    // Editing the units of a listed ticket keeps its note as it was: a line
    // edit holds neither its line break nor the spaces at its ends.
    Ticket listed;
    listed.id = 7;
    listed.draw = 7064;
    listed.number = 5;
    listed.way = Ticket::Mini;
    listed.note = QStringLiteral(" two\nlines ");
    TicketDialog dialog(listed.draw, 7200, nullptr, &listed);
    QCOMPARE(dialog.numberEdit->text(), QStringLiteral("05"));
    dialog.unitsBox->setValue(4);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.ticket().note, listed.note);
    QCOMPARE(dialog.ticket().units, 4);
}

void TestBookTicketsWindow::window()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.sqlite"));
    auto write = [&dir](const QString &name, const QByteArray &bytes) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    auto store = std::make_unique<BookStore>();
    QVERIFY(store->open(path).usable());
    auto window = std::make_unique<BookWindow>(*store);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    TicketView *view = window->tickets;

    // Insert opens the dialog from any tab; 251 as a box for draws 7062 to 7064.
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TicketDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->drawBox->setValue(7062);
        dialog->wayBox->setCurrentIndex(dialog->wayBox->findData(int(Ticket::Box)));
        dialog->numberEdit->setText(QStringLiteral("251"));
        dialog->unitsBox->setValue(2);
        dialog->runBox->setValue(3);
        dialog->noteEdit->setText(QStringLiteral("birthday"));
        dialog->accept();
    });
    QTest::keyClick(window.get(), Qt::Key_Insert);
    QCOMPARE(window->tabs->currentWidget(), view);
    QCOMPARE(view->proxy->rowCount(), 3);
    QCOMPARE(view->proxy->index(0, TicketTableModel::DrawColumn).data().toInt(), 7064);
    // The draws were held long ago; this book has no results for them.
    QCOMPARE(view->proxy->index(0, TicketTableModel::OutcomeColumn).data().toString(), QStringLiteral("result not in the book yet"));

    // The results come: the report says what the import graded.
    write(QStringLiteral("r.csv"), "draw,date,number\n7062,2026-09-02,212\n7063,2026-09-03,166\n7064,2026-09-04,251\n");
    {
        BoxCatcher catcher;
        window->importPaths({dir.filePath(QStringLiteral("r.csv"))});
    }
    QVERIFY2(window->lastReport.endsWith(QLatin1String("Tickets graded: 3; won: 1.")), qPrintable(window->lastReport));
    const QModelIndex prize = view->proxy->index(0, TicketTableModel::PrizeColumn);
    QCOMPARE(prize.data().toString(), QStringLiteral("\u2248") + QStringLiteral("30,000 yen"));
    QCOMPARE(prize.data(Qt::AccessibleTextRole).toString(), QStringLiteral("30,000 yen, theoretical prize"));
    QVERIFY2(view->summaryLabel->text().contains(QLatin1String("balance +28,800 yen")), qPrintable(view->summaryLabel->text()));

    // A second window on the book, opened again, still has them.
    window.reset();
    store = std::make_unique<BookStore>();
    QVERIFY(store->open(path).usable());
    window = std::make_unique<BookWindow>(*store);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    view = window->tickets;
    // The tickets are read when their tab first shows, not before the window
    // does; their count alone keeps the keys that show the tab and print.
    QCOMPARE(view->model->rowCount(), 0);
    QVERIFY(view->printAction->isEnabled() && view->pdfAction->isEnabled() && view->exportAction->isEnabled());
    window->tabs->setCurrentWidget(view);
    QCOMPARE(view->model->rowCount(), 3);
    QCOMPARE(view->model->rows().first().ticket.note, QStringLiteral("birthday"));

    // From any tab, Ctrl+N is a new ticket; a result by hand has its own key.
    window->tabs->setCurrentWidget(window->table);
    QString opened;
    QTimer::singleShot(0, [&opened] {
        QWidget *dialog = QApplication::activeModalWidget();
        opened = dialog ? QString::fromLatin1(dialog->metaObject()->className()) : QString();
        if (auto *d = qobject_cast<QDialog *>(dialog))
            d->reject();
    });
    QTest::keyClick(window->table, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(opened, QStringLiteral("TicketDialog"));
    QCOMPARE(window->tabs->currentWidget(), view);
    QCOMPARE(view->model->rowCount(), 3);
    // Offscreen no window manager hands the activation back.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    // The filter, won and waiting.
    const auto shown = [view](int filter) {
        view->filter->stateBox->setCurrentIndex(filter);
        return view->proxy->rowCount();
    };
    QCOMPARE(shown(2), 1);
    // A screen reader hears what the list shows and what the totals count.
    QCOMPARE(view->table->accessibleDescription(),
             QStringLiteral("1 of 3 tickets shown (Won), each with its draw's result, the outcome and the prize."));
    QCOMPARE(view->summaryLabel->accessibleDescription(), QStringLiteral("Totals over all 3 tickets, not only the 1 shown"));
    QCOMPARE(shown(1), 0);
    QCOMPARE(shown(0), 3);
    QCOMPARE(view->summaryLabel->accessibleDescription(), QStringLiteral("Totals over all tickets"));
    // The game filter: the list, the totals and the months of one game.
    view->filter->gameBox->setCurrentIndex(view->filter->gameBox->findData(QStringLiteral("numbers4")));
    QCOMPARE(view->proxy->rowCount(), 0);
    QCOMPARE(view->summaryLabel->text(), QStringLiteral("No tickets yet."));
    QCOMPARE(view->monthTable->rowCount(), 0);
    QCOMPARE(view->summaryLabel->accessibleDescription(), QStringLiteral("Totals over the tickets of Numbers4"));
    view->filter->gameBox->setCurrentIndex(view->filter->gameBox->findData(QStringLiteral("numbers3")));
    QCOMPARE(view->proxy->rowCount(), 3);
    QCOMPARE(shown(2), 1);
    view->filter->gameBox->setCurrentIndex(0);
    QCOMPARE(shown(0), 3);

    // Sorting by the Tickets menu, as the headers take no keys; the list's
    // name says the order. A column chosen again turns the order round.
    const auto sortBy = [view](const QString &column) {
        for (QAction *a : view->sortMenu->actions()) {
            if (a->text() == column)
                a->trigger();
        }
        return view->table->accessibleName();
    };
    QCOMPARE(sortBy(QStringLiteral("Prize")), QStringLiteral("Tickets, sorted by Prize, descending"));
    QCOMPARE(view->proxy->index(0, TicketTableModel::PrizeColumn).data(TicketTableModel::SortRole).toLongLong(), 30000);
    QCOMPARE(sortBy(QStringLiteral("Prize")), QStringLiteral("Tickets, sorted by Prize, ascending"));
    QCOMPARE(sortBy(QStringLiteral("Draw")), QStringLiteral("Tickets, newest draw first"));
    QCOMPARE(sortBy(QStringLiteral("Draw")), QStringLiteral("Tickets, oldest draw first"));
    QVERIFY(view->table->actions().contains(view->sortMenu->menuAction()));
    sortBy(QStringLiteral("Draw"));

    // Delete, then Ctrl+Z: the same ticket under the same id. Ctrl+Z is the
    // window's only while the tab is shown, as Ctrl+N is a new ticket then.
    window->tabs->setCurrentWidget(view);
    view->table->setFocus();
    view->table->selectRow(0);
    const Ticket gone = view->model->rows().at(view->proxy->mapToSource(view->proxy->index(0, 0)).row()).ticket;
    QTest::keyClick(view->table, Qt::Key_Delete);
    QCOMPARE(view->model->rowCount(), 2);
    QCOMPARE(view->ticketStore().count(), 2);
    QTest::keyClick(view->table, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(view->model->rowCount(), 3);
    const std::optional<Ticket> back = view->ticketStore().ticket(gone.id);
    QVERIFY(back && back->sameContent(gone));

    // F2 edits the ticket under the cursor; Ctrl+Z puts the old content back.
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TicketDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog && dialog->runBox->isHidden());
        dialog->unitsBox->setValue(5);
        dialog->accept();
    });
    QTest::keyClick(view->table, Qt::Key_F2);
    QCOMPARE(view->ticketStore().ticket(gone.id)->units, 5);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(view->table, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(view->ticketStore().ticket(gone.id)->sameContent(gone));

    // A pasted list that breaks a rule on its second line stores nothing.
    {
        BoxCatcher catcher;
        QVERIFY(!view->addList("7065,123,straight,1\n7065,777,box,1\n", QStringLiteral("pasted text")));
        QCOMPARE(catcher.boxes.size(), 1);
        QVERIFY2(catcher.boxes.first().text.contains(QLatin1String("pasted text:2")), qPrintable(catcher.boxes.first().text));
    }
    QCOMPARE(view->ticketStore().count(), 3);
    // A list's own message ends as a sentence before "Nothing was stored.".
    {
        BoxCatcher catcher;
        QVERIFY(!view->addList("7065,12x,box,1\n", QStringLiteral("pasted text")));
        QCOMPARE(catcher.boxes.size(), 1);
        QVERIFY2(catcher.boxes.first().text.endsWith(QLatin1String("(digits only).\nNothing was stored.")),
                 qPrintable(catcher.boxes.first().text));
    }

    // Export: every ticket with its grade; the prize is said to be theoretical.
    const QString csv = dir.filePath(QStringLiteral("tickets.csv"));
    QVERIFY(view->exportTo(csv));
    QFile exported(csv);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = exported.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 4);
    QVERIFY2(lines.at(1).startsWith("7064,251,box,2,birthday,") && lines.at(1).contains("theoretical"), lines.at(1).constData());

    // Printing: the preview opens (and is closed), a PDF is written, and the
    // print marks the theoretical prize in words.
    {
        // The boxes above left no window active, as a window manager would not.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // Ctrl+P is the tickets' from the draws too, and shows them.
        window->tabs->setCurrentWidget(window->table);
        window->table->setFocus();
        BoxCatcher catcher;
        QTest::keyClick(window->table, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(catcher.boxes.size(), 1);
        QCOMPARE(catcher.boxes.first().title, QStringLiteral("Print tickets"));
        QCOMPARE(window->tabs->currentWidget(), view);
    }
    const TicketSheet sheet = view->printSheet();
    QVERIFY(std::any_of(sheet.rows.cbegin(), sheet.rows.cend(),
                        [](const QStringList &cells) { return cells.contains(QStringLiteral("\u224830,000 yen (theoretical)")); }));
    const QString pdf = dir.filePath(QStringLiteral("tickets.pdf"));
    QVERIFY(view->writePdf(pdf));
    QFile printed(pdf);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QVERIFY(printed.read(5) == "%PDF-");

    // A list with tickets the book holds asks first, naming how many; they
    // are left out, added again, or nothing is added.
    const QByteArray list("7064,251,box,2,birthday\n7065,123,straight,1\n");
    const auto paste = [&](const QString &button) {
        QString asked;
        QTimer::singleShot(0, [&asked, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            asked = box->text();
            for (QAbstractButton *b : box->buttons())
                if (b->text() == button)
                    b->click();
        });
        view->addList(list, QStringLiteral("pasted text"));
        return asked;
    };
    const QString why = QStringLiteral(" (the same draw, number, way, units and note).\nAdd them again, or leave them out?");
    QCOMPARE(paste(QStringLiteral("&Leave them out")), QStringLiteral("1 of the 2 tickets in pasted text are already in the book") + why);
    QCOMPARE(view->ticketStore().count(), 4);
    QCOMPARE(paste(QStringLiteral("Cancel")), QStringLiteral("2 of the 2 tickets in pasted text are already in the book") + why);
    QCOMPARE(view->ticketStore().count(), 4);
    QCOMPARE(paste(QStringLiteral("&Add them again")), QStringLiteral("2 of the 2 tickets in pasted text are already in the book") + why);
    QCOMPARE(view->ticketStore().count(), 6);

    // The report of a list says how many numbers it read with leading zeros.
    QVERIFY(view->addList("7065,51,straight,1\n7066,5,mini,1\n", QStringLiteral("pasted text")));
    QCOMPARE(view->lastMessage, QStringLiteral("Tickets added from pasted text: 2 (2 numbers read with leading zeros)"));
}

// More than one ticket goes only once the box naming the count is answered
// with Delete; the undo selects every ticket it put back in one change.
void TestBookTicketsWindow::deleteAsksAndUndoSelects_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<int>("left");
    QTest::newRow("one ticket goes without a box") << 1 << false << 0 << 399;
    QTest::newRow("many, kept on Escape") << 300 << false << 1 << 400;
    QTest::newRow("many, gone on Return") << 300 << true << 1 << 100;
}

void TestBookTicketsWindow::deleteAsksAndUndoSelects()
{
    QFETCH(int, selected);
    QFETCH(bool, confirm);
    QFETCH(int, boxes);
    QFETCH(int, left);
    QTemporaryDir dir;
    BookStore store;
    QVERIFY(store.open(dir.filePath(QStringLiteral("book.sqlite"))).usable());
    BookWindow window(store);
    TicketView *view = window.tickets;
    QList<Ticket> list;
    for (int i = 0; i < 400; ++i) {
        Ticket t;
        t.draw = 6000 + i % 50;
        t.number = i;
        list << t;
    }
    QVERIFY(!view->ticketStore().add(list, nullptr, 7200).failed());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.tabs->setCurrentWidget(view);
    view->reload();
    view->table->setFocus();
    // Rows 50 to 50 + selected, not the first: the undo finds them anywhere.
    view->table->selectionModel()->select(QItemSelection(view->proxy->index(50, 0), view->proxy->index(49 + selected, 0)),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    {
        BoxCatcher catcher(confirm ? BoxCatcher::Answer::Return : BoxCatcher::Answer::Close);
        QTest::keyClick(view->table, Qt::Key_Delete);
        QCOMPARE(catcher.boxes.size(), boxes);
        if (boxes > 0)
            QVERIFY2(catcher.boxes.first().text.contains(QLatin1String("300")), qPrintable(catcher.boxes.first().text));
    }
    QCOMPARE(view->ticketStore().count(), left);
    if (left == 400)
        return;
    QSignalSpy changes(view->table->selectionModel(), &QItemSelectionModel::selectionChanged);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(view->table, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(view->ticketStore().count(), 400);
    QCOMPARE(int(view->table->selectionModel()->selectedRows().size()), selected);
    QCOMPARE(changes.count(), 1);
}

// A file dialog in the book's folder must not cost the book its locks:
// another SQLite client reading the book meanwhile would take it for unused
// and drop the tickets written after.
void TestBookTicketsWindow::ticketsOutliveDialogAndKill()
{
    if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
        QSKIP("needs the sqlite3 shell (scripts/setup.sh --tests)");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.sqlite"));
    {
        BookStore store;
        QVERIFY(store.open(path).usable());
    }
    QProcess child;
    QCOMPARE(startSelf(child, { { QStringLiteral("BOOK_DIALOG_CHILD"), QStringLiteral("1") }, { QStringLiteral("BOOK_PATH"), path } }),
             QByteArray("browsed\n"));

    QProcess other;
    other.start(QStringLiteral("sqlite3"), {path, QStringLiteral("SELECT COUNT(*) FROM tickets")});
    QVERIFY(other.waitForFinished(10000));
    QCOMPARE(other.readAllStandardOutput().trimmed(), QByteArray("0"));

    child.write("go\n");
    QTRY_VERIFY_WITH_TIMEOUT(child.canReadLine() || child.state() != QProcess::Running, 30000);
    QCOMPARE(child.readLine(), QByteArray("added ") + QByteArray::number(KeptTickets) + '\n');
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished());
    QCOMPARE(ticketCount(path), KeptTickets);
}

void TestBookTicketsWindow::pagesOfPrint_data()
{
    QTest::addColumn<QList<double>>("heights");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("others");
    QTest::addColumn<QList<qsizetype>>("starts");
    QTest::newRow("no rows") << QList<double>{} << 10.0 << 30.0 << QList<qsizetype>{0};
    QTest::newRow("all on the first") << QList<double>{10, 10, 10} << 30.0 << 30.0 << QList<qsizetype>{0};
    QTest::newRow("one over") << QList<double>{10, 10, 10, 10, 10} << 25.0 << 30.0 << QList<qsizetype>{0, 2};
    QTest::newRow("pages just full") << QList<double>{10, 10, 10, 10, 10, 10, 10, 10} << 20.0 << 30.0 << QList<qsizetype>{0, 2, 5};
    QTest::newRow("no room under the title") << QList<double>{10, 10} << 5.0 << 30.0 << QList<qsizetype>{0, 0};
    QTest::newRow("a long note alone") << QList<double>{10, 45, 10} << 30.0 << 30.0 << QList<qsizetype>{0, 1, 2};
}

// Every row on one page, in order, none past a page's foot unless it is
// taller than a page.
void TestBookTicketsWindow::pagesOfPrint()
{
    QFETCH(QList<double>, heights);
    QFETCH(double, first);
    QFETCH(double, others);
    QTEST(TicketPrint::pageStarts(heights, first, others), "starts");
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (qEnvironmentVariableIsSet("BOOK_DIALOG_CHILD"))
        return dialogChild();
    TestBookTicketsWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_book_tickets_window.moc"
