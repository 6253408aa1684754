// The book's window wired to a real store: files go in through the window's
// import path (a folder holding a good and a bad file, then a dropped file), the labels and the
// table follow, a hand-entered value is replaced only after the user's yes,
// and the lookups answer over the whole book.
#include <QAbstractButton>
#include <QAction>
#include <QSignalSpy>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTabBar>
#include <QTranslator>
#include <QTabWidget>
#include <QTableView>
#include <QApplication>
#include <QScopeGuard>
#include <QTest>
#include <QTimeZone>

#include <functional>

#include "book_lookup.h"
#include "digit_chart.h"
#include "draw_words.h"
#include "stats_view.h"
#include "ticket_table_view.h"
#include "ticket_view.h"
#include "book_store.h"
#include "book_texts.h"
#include "draw_calendar.h"
#include "hand_entry.h"
#include "book_window.h"
#include "game_box.h"
#include "draw_table_model.h"
#include "hand_entry_dialog.h"
#include "missing_draws_box.h"
#include "ticket_dialog.h"
#include "support/box_catcher.h"

class TestBookWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void importThroughWindow();
    void lookups_data();
    void lookups();
    void smallScreen_data();
    void smallScreen();
    void tabKeys_data();
    void tabKeys();
    void japaneseWalk();
    void stoppedImportKeepsWhatWasRead();
    void cleanupTestCase() { delete window; }

private:
    // Lines of the real past-results file, by draw.
    QByteArray rows(std::initializer_list<int> draws) const;

    QTemporaryDir dir;
    QMap<int, QByteArray> real;
    BookStore store;
    BookWindow *window = nullptr;
};

void TestBookWindow::initTestCase()
{
    QFile results(QStringLiteral(RESULTS_CSV));
    QVERIFY(results.open(QIODevice::ReadOnly));
    while (!results.atEnd()) {
        const QByteArray line = results.readLine().trimmed();
        real.insert(line.split(',').value(0).toInt(), line);
    }
    QVERIFY(store.open(dir.filePath(QStringLiteral("book.sqlite"))).usable());
    window = new BookWindow(store);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

QByteArray TestBookWindow::rows(std::initializer_list<int> draws) const
{
    QByteArray text("draw,date,number\n");
    for (int draw : draws)
        text += real.value(draw) + '\n';
    return text;
}

void TestBookWindow::importThroughWindow()
{
    QVERIFY(window->upToLabel->text().contains(QLatin1String("holds no")));
    QDir(dir.path()).mkdir(QStringLiteral("in"));
    auto write = [this](const QString &name, const QByteArray &bytes) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    write(QStringLiteral("in/a.csv"), rows({7060, 7061, 7064}));
    write(QStringLiteral("in/b.csv"), "draw,date,number\n7062,2026-09-02,21x\n");
    // The four-digit game's results of two of the same draws.
    write(QStringLiteral("in/d.csv"), "draw,date,number\n7061,2026-09-01,0639\n7064,2026-09-04,0850\n");

    {
        BoxCatcher catcher;
        window->importPaths({dir.filePath(QStringLiteral("in"))});
        QCOMPARE(catcher.boxes.size(), 1);  // the report, closed
    }
    QVERIFY2(window->lastReport.contains(QLatin1String("a.csv: 3 new results (3 draws), 0 already known")), qPrintable(window->lastReport));
    QVERIFY2(window->lastReport.contains(QLatin1String("b.csv: not imported")), qPrintable(window->lastReport));
    QVERIFY2(window->lastReport.contains(QLatin1String("b.csv:2")), qPrintable(window->lastReport));
    QCOMPARE(window->upToLabel->text(), QStringLiteral("Numbers3 results up to draw 7064 (2026-09-04 Fri)"));
    // Missing: the gap, and every draw held since the book's last whose
    // result is out by now.
    const int drawn = DrawCalendar::lastDrawWithResult(QDateTime::currentDateTimeUtc());
    QVERIFY(drawn > 7065);
    QCOMPARE(window->missingButton->text(), QStringLiteral("Draws missing: %1").arg(2 + drawn - 7064));
    QVERIFY(window->missingButton->toolTip().startsWith(QStringLiteral("Draws held so far that the book lacks: %1\n").arg(2 + drawn - 7064)));
    QCOMPARE(window->missingList->count(), 2);
    QCOMPARE(window->missingList->item(0)->text(), QStringLiteral("draw 7062 to draw 7063 (2 draws)"));
    // Return on the line offers to bring in its first draw.
    QCOMPARE(window->missingList->item(0)->data(Qt::UserRole).toInt(), 7062);
    QCOMPARE(window->missingList->item(1)->text(), QStringLiteral("draw 7065 to draw %1 (%2 draws)").arg(drawn).arg(drawn - 7064));
    // The count opens the list under it with the keyboard; Return on a line
    // asks how its first draw should come in, and the list closes.
    window->missingButton->click();
    QTRY_COMPARE(QApplication::focusWidget(), window->missingList);
    {
        BoxCatcher catcher;
        QTest::keyClick(window->missingList, Qt::Key_Return);
        QCOMPARE(catcher.boxes.size(), 1);
        QVERIFY2(catcher.boxes.first().text.contains(QLatin1String("draw 7062")), qPrintable(catcher.boxes.first().text));
    }
    QVERIFY(!window->missingBox->isVisible());
    {
        // Where the window fetches, fetching is what Return chooses.
        QAction fetchNow;
        QSignalSpy fetched(&fetchNow, &QAction::triggered);
        window->fetchAction = &fetchNow;
        window->missingButton->click();
        QTRY_COMPARE(QApplication::focusWidget(), window->missingList);
        BoxCatcher catcher(BoxCatcher::Answer::Return);
        QTest::keyClick(window->missingList, Qt::Key_Return);
        window->fetchAction = nullptr;
        QCOMPARE(catcher.boxes.value(0).buttons.value(0), QStringLiteral("&Fetch missing results"));
        QCOMPARE(fetched.count(), 1);
    }
    QCOMPARE(window->model->rowCount(), 3);
    QCOMPARE(window->model->index(0, DrawTableModel::DrawColumn).data().toInt(), 7064);

    // A value typed by hand (wrongly) is replaced by the file's only after a yes.
    DrawResult typo;
    typo.draw = 7062;
    typo.date = QDate(2026, 9, 2);
    typo.number = 221;
    typo.sourceKind = DrawResult::Hand;
    BookError error;
    QVERIFY2(!(error = store.addByHand(typo, false)).failed(), qPrintable(error.text));
    write(QStringLiteral("c.csv"), rows({7062}));
    {
        // This one is dropped onto the window.
        BoxCatcher catcher(BoxCatcher::Answer::Click);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("c.csv")))});
        const QPoint at = window->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &drop);
        QTRY_COMPARE(catcher.boxes.size(), 2);
        QVERIFY(catcher.boxes.first().text.contains(QLatin1String("221")));
        QCOMPARE(catcher.boxes.first().buttons.value(0), QStringLiteral("&Replace"));
    }
    const int row = window->model->rowOf(7062);
    QCOMPARE(window->model->index(row, DrawTableModel::NumberColumn).data().toString(), real.value(7062).right(3));
    QCOMPARE(window->model->index(row, DrawTableModel::SourceColumn).data().toString(), QStringLiteral("c.csv"));
    QCOMPARE(window->missingList->item(0)->text(), QStringLiteral("draw 7063 (2026-09-03 Thu)"));
}

void TestBookWindow::lookups_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("game");
    // The game chosen drives the lookups as it does the table and the lines.
    QTest::newRow("four digits, box") << int(BookLookup::Box) << "5800" << "in 1 of the 2 draws of the book:\ndraw 7064 (2026-09-04 Fri): 0850" << 4;
    QTest::newRow("four digits, draw") << int(BookLookup::Draw) << "7061" << "draw 7061 (2026-09-01 Tue): 0639" << 4;
    QTest::newRow("four digits, too long") << int(BookLookup::Straight) << "12345" << "Type a number of one to four digits" << 4;
    QTest::newRow("straight") << int(BookLookup::Straight) << "877" << "877 came up in 1 of the 4 draws of the book:\ndraw 7060 (2026-08-31 Mon): 877" << 3;
    QTest::newRow("straight, none") << int(BookLookup::Straight) << "512" << "512 has not come up in the 4 draws of the book." << 3;
    QTest::newRow("box") << int(BookLookup::Box) << "512" << "draw 7064 (2026-09-04 Fri): 251" << 3;
    QTest::newRow("box, two equal digits") << int(BookLookup::Box) << "787" << "draw 7060 (2026-08-31 Mon): 877" << 3;
    QTest::newRow("draw") << int(BookLookup::Draw) << "7061" << "draw 7061 (2026-09-01 Tue): 882" << 3;
    QTest::newRow("draw not held") << int(BookLookup::Draw) << "7063"
                                   << "draw 7063 (2026-09-03 Thu) is not in the book. Import the operator's file A1007063.CSV" << 3;
    QTest::newRow("four digits, draw not held") << int(BookLookup::Draw) << "7063" << "Numbers4 draw 7063 (2026-09-03 Thu) is not in the book." << 4;
    QTest::newRow("not a number") << int(BookLookup::Straight) << "1234" << "Type a number of one to three digits" << 3;
    // The field keeps all that is typed or pasted: leading zeros are no digits
    // of the number, and one digit too many is refused rather than cut off.
    QTest::newRow("draw, leading zeros") << int(BookLookup::Draw) << "0007061" << "draw 7061 (2026-09-01 Tue): 882" << 3;
    QTest::newRow("draw, seven digits") << int(BookLookup::Draw) << "1234567" << "1234567 has more digits than a draw number (6 at most)." << 3;
    QTest::newRow("straight, leading zero") << int(BookLookup::Straight) << "0877" << "877 came up in 1 of the 4 draws" << 3;
}

void TestBookWindow::lookups()
{
    QFETCH(int, kind);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QFETCH(int, game);
    window->gameBox->setCurrentIndex(window->gameBox->findData(game));
    const QString shown = game == 4 ? QStringLiteral("0850") : QStringLiteral("251");
    QCOMPARE(window->model->index(0, DrawTableModel::NumberColumn).data().toString(), shown);
    QVERIFY(window->upToLabel->text().startsWith(QStringLiteral("Numbers%1 results up to draw 7064").arg(game)));
    window->lookupKind->setCurrentIndex(window->lookupKind->findData(kind));
    window->lookupEdit->clear();
    QTest::keyClicks(window->lookupEdit, input);
    QTest::keyClick(window->lookupEdit, Qt::Key_Return);
    const QString answer = window->answerView->toPlainText();
    QVERIFY2(answer.contains(expected), qPrintable(answer));
}

// The next-draw line at moments around the close of sales, in Japan's time
// whatever the machine's zone, and on days without a draw.
// The window fits a 1024 x 768 screen with room for its frame, a title bar
// and a panel, in both languages; wide tables scroll instead.
void TestBookWindow::smallScreen_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("English") << QString();
    QTest::newRow("Japanese") << "numbers3-book_ja";
}

void TestBookWindow::smallScreen()
{
    QFETCH(QString, catalogue);
    QTranslator translator;
    if (!catalogue.isEmpty()) {
        QVERIFY2(translator.load(catalogue, QDir::currentPath()), qPrintable(catalogue));
        QCoreApplication::installTranslator(&translator);
    }
    BookWindow small(store);
    QCoreApplication::removeTranslator(&translator);
    if (!catalogue.isEmpty())
        QCOMPARE(small.tabs->tabText(2), QStringLiteral("購入(&I)"));
    for (int tab = 0; tab < small.tabs->count(); ++tab) {
        small.tabs->setCurrentIndex(tab);
        const QSize least = small.minimumSizeHint().expandedTo(small.minimumSize());
        QVERIFY2(least.width() <= 1000 && least.height() <= 700,
                 qPrintable(QStringLiteral("%1: %2 x %3").arg(small.tabs->tabText(tab)).arg(least.width()).arg(least.height())));
    }
}

// A tab's key takes the keyboard from the lookup field to the tab's list,
// and Tab goes from the tab bar to the tab's first control.
void TestBookWindow::tabKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("afterTabBar");
    QTest::addColumn<bool>("shown");  // the tab is the current one already
    QTest::newRow("draws") << int(Qt::Key_D) << "draws" << "draws" << false;
    QTest::newRow("digit chart") << int(Qt::Key_C) << "chart" << "chart" << false;
    QTest::newRow("tickets") << int(Qt::Key_I) << "tickets" << "tickets" << false;
    QTest::newRow("statistics") << int(Qt::Key_S) << "stats table" << "stats range" << false;
    QTest::newRow("draws, shown") << int(Qt::Key_D) << "draws" << "draws" << true;
    QTest::newRow("tickets, shown") << int(Qt::Key_I) << "tickets" << "tickets" << true;
}

void TestBookWindow::tabKeys()
{
    QFETCH(int, key);
    QFETCH(QString, list);
    QFETCH(QString, afterTabBar);
    QFETCH(bool, shown);
    QMap<QString, QWidget *> widgets;
    widgets.insert(QStringLiteral("draws"), window->table);
    widgets.insert(QStringLiteral("chart"), window->chart);
    widgets.insert(QStringLiteral("tickets"), window->tickets->table);
    widgets.insert(QStringLiteral("stats table"), window->stats->tableView);
    widgets.insert(QStringLiteral("stats range"), window->stats->rangeBox);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    // From another tab, so that the key changes it.
    window->tabs->setCurrentIndex(key == Qt::Key_D ? 1 : 0);
    if (shown)
        QTest::keyClick(window->lookupEdit, Qt::Key(key), Qt::AltModifier);
    window->lookupEdit->setFocus();
    QTest::keyClick(window->lookupEdit, Qt::Key(key), Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), widgets.value(list));
    window->tabs->tabBar()->setFocus();
    QTest::keyClick(window->tabs->tabBar(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), widgets.value(afterTabBar));
}

// Every window, tab, menu, list and dialog of the book in Japanese: each
// text a user reads is Japanese, and texts shown side by side (a menu's
// items, a list's choices, a table's headings, the controls of one row)
// never read the same, as one wrong line of the catalogue would make them.
void TestBookWindow::japaneseWalk()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("numbers3-book_ja"), QDir::currentPath()));
    QCoreApplication::installTranslator(&translator);
    const auto untranslate = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });

    QMap<QString, QStringList> groups;  // where -> the texts shown side by side there
    const auto shown = [](QString text) {
        static const QRegularExpression key(QStringLiteral("\\(&.\\)|&(?=\\S)"));
        return text.remove(key).remove(QStringLiteral("...")).trimmed();
    };
    const std::function<void(QMenu *, const QString &)> menu = [&](QMenu *m, const QString &where) {
        for (QAction *a : m->actions()) {
            if (a->isSeparator())
                continue;
            groups[where] << shown(a->text());
            if (a->menu())
                menu(a->menu(), where + QLatin1Char('/') + shown(a->text()));
        }
    };
    const auto walk = [&](QWidget *top, const QString &name) {
        // Walked again after a tab or view changed: each group as it is now.
        QMap<QString, QStringList> &all = groups;
        QMap<QString, QStringList> groups;
        const auto keep = qScopeGuard([&all, &groups] {
            for (auto it = groups.cbegin(); it != groups.cend(); ++it)
                all[it.key()] = it.value();
        });
        for (QComboBox *box : top->findChildren<QComboBox *>())
            for (int i = 0; i < box->count(); ++i)
                groups[name + QStringLiteral(" list ") + box->objectName() + QString::number(quintptr(box))] << box->itemText(i);
        for (QAbstractItemView *view : top->findChildren<QAbstractItemView *>()) {
            QAbstractItemModel *model = view->model();
            for (int c = 0; model && c < model->columnCount(); ++c)
                groups[name + QStringLiteral(" headings ") + QString::number(quintptr(view))]
                    << model->headerData(c, Qt::Horizontal).toString();
        }
        for (QLayout *layout : top->findChildren<QLayout *>()) {
            for (int i = 0; i < layout->count(); ++i) {
                QWidget *w = layout->itemAt(i)->widget();
                QString text;
                if (auto *b = qobject_cast<QAbstractButton *>(w))
                    text = b->text();
                else if (auto *l = qobject_cast<QLabel *>(w))
                    text = l->text();
                else if (auto *g = qobject_cast<QGroupBox *>(w))
                    text = g->title();
                if (!shown(text).isEmpty())
                    groups[name + QStringLiteral(" row ") + QString::number(quintptr(layout))] << shown(text);
            }
        }
        for (QTabWidget *tabs : top->findChildren<QTabWidget *>())
            for (int i = 0; i < tabs->count(); ++i)
                groups[name + QStringLiteral(" tabs")] << shown(tabs->tabText(i));
    };

    BookWindow japanese(store);
    japanese.show();
    for (QAction *a : japanese.menuBar()->actions()) {
        groups[QStringLiteral("menu bar")] << shown(a->text());
        if (a->menu())
            menu(a->menu(), shown(a->text()));
    }
    for (int tab = 0; tab < japanese.tabs->count(); ++tab) {
        japanese.tabs->setCurrentIndex(tab);
        walk(&japanese, QStringLiteral("window"));
    }
    for (int v = 0; v < japanese.stats->viewBox->count(); ++v) {
        japanese.stats->viewBox->setCurrentIndex(v);
        walk(japanese.stats, QStringLiteral("statistics ") + QString::number(v));
    }
    TicketDialog ticket(7065, 7070);
    walk(&ticket, QStringLiteral("ticket dialog"));
    HandEntryDialog hand(7065);
    walk(&hand, QStringLiteral("hand entry dialog"));

    // Letters that stay as they are in Japanese: file kinds, keys, the game's name.
    static const QRegularExpression kept(QStringLiteral("\\b(CSV|PNG|JPEG|SVG|PDF|UTF-8|BOM|Ctrl|Shift|Alt|Numbers3|Numbers4|mini|box|straight|set|jpg|jpeg|png|svg|csv|pdf)\\b"));
    static const QRegularExpression japaneseText(QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}]"));
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]{2,}"));
    QStringList english, twins;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        QSet<QString> seen;
        for (const QString &text : it.value()) {
            if (!text.contains(japaneseText) && QString(text).remove(kept).contains(letters))
                english << it.key() + QStringLiteral(": ") + text;
            if (!text.isEmpty() && seen.contains(text))
                twins << it.key() + QStringLiteral(": ") + text;
            seen.insert(text);
        }
    }
    QVERIFY2(english.isEmpty(), qPrintable(QStringLiteral("left in English: ") + english.join(QLatin1String(" | "))));
    QVERIFY2(twins.isEmpty(), qPrintable(QStringLiteral("side by side, the same: ") + twins.join(QLatin1String(" | "))));
    QVERIFY(groups.size() > 20);
}

// Many files are read behind a progress dialog; closing it stops the
// import, and the files read by then go in, the others are said to be left.
void TestBookWindow::stoppedImportKeepsWhatWasRead()
{
    // Enough files that the reading outlasts the moment the dialog is shut,
    // also on a busy machine.
    const int files = 4000;
    QVERIFY(files >= BookWindow::ProgressFrom);
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("many")));
    for (int draw = 1; draw <= files; ++draw) {
        QFile f(dir.filePath(QStringLiteral("many/%1.csv").arg(draw, 4, 10, QLatin1Char('0'))));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(rows({draw}));
    }
    const int before = store.count();
    {
        BoxCatcher catcher;  // closes the progress dialog as soon as it shows, then the report
        window->importPaths({dir.filePath(QStringLiteral("many"))});
        QCOMPARE(catcher.boxes.size(), 2);
        QCOMPARE(catcher.boxes.first().title, QStringLiteral("Import"));
    }
    const QString &report = window->lastReport;
    const QRegularExpression stopped(QStringLiteral("cancelled: (\\d+) of the %1 files were not read").arg(files));
    const QRegularExpressionMatch left = stopped.match(report);
    QVERIFY2(left.hasMatch(), qPrintable(report));
    const int unread = left.captured(1).toInt();
    QVERIFY(unread > 0);
    const int read = files - unread;
    QCOMPARE(int(report.count(QLatin1String(": 1 new result (1 draw), 0 already known"))), read);
    QVERIFY2(report.endsWith(QStringLiteral("Files: %1; imported: %2; refused: 0. New in the book: %2 draws, %2 results.").arg(files).arg(read)),
             qPrintable(report.right(200)));
    QCOMPARE(store.count(), before + read);
}

QTEST_MAIN(TestBookWindow)
#include "tst_book_window.moc"
