#include "book_window.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "book_file_dialog.h"
#include "book_lookup.h"
#include "book_texts.h"
#include "digit_chart.h"
#include "elided_label.h"
#include "draw_calendar.h"
#include "draw_table_model.h"
#include "draw_words.h"
#include "hand_entry_dialog.h"
#include "hand_entry_questions.h"
#include "help_browser.h"
#include "game_box.h"
#include "import_batch.h"
#include "import_questions.h"
#include "import_run.h"
#include "import_texts.h"
#include "import_report_dialog.h"
#include "lookup_box.h"
#include "missing_draws_box.h"
#include "ticket_view.h"
#include "watch_controls.h"
#include "stats_view.h"
#include "win_reminders.h"

BookWindow::BookWindow(BookStore &store, QWidget *parent)
    : QMainWindow(parent)
    , store(store)
{
    setWindowTitle(tr("Numbers3 and Numbers4 results book"));
    setAcceptDrops(true);

    QWidget *state = buildState();
    buildTable();
    auto *lookup = new LookupBox(this);
    lookupKind = lookup->kind;
    lookupEdit = lookup->edit;
    lookupButton = lookup->button;
    answerView = lookup->answer;
    // Under the header's count; Return on a line offers the ways to bring it in.
    missingBox = new MissingDrawsBox(this);
    missingList = missingBox->list;
    connect(missingBox, &MissingDrawsBox::wanted, this, &BookWindow::bringInMissing);
    connect(missingButton, &QPushButton::clicked, this, &BookWindow::showMissing);
    buildTabs(state, lookup);
    setTabOrders();

    connect(lookupButton, &QPushButton::clicked, this, &BookWindow::lookUp);
    connect(lookupEdit, &QLineEdit::returnPressed, this, &BookWindow::lookUp);
    connect(lookupKind, &QComboBox::activated, lookupEdit, qOverload<>(&QWidget::setFocus));
    connect(tabs, &QTabWidget::currentChanged, this, &BookWindow::focusTab);
    tabs->tabBar()->installEventFilter(this);
    connect(gameBox, &QComboBox::currentIndexChanged, this, &BookWindow::refresh);

    watchControls = std::make_unique<WatchControls>(store, this, watchLabel, [this](const QString &report) {
        refresh();
        lastReport = report;
    });
    createMenus();
    tickets->followTabs(tabs);

    clock = new QTimer(this);
    clock->setInterval(60 * 1000);
    connect(clock, &QTimer::timeout, this, &BookWindow::refreshNext);
    clock->start();

    // Within a small screen's free area, such as 1024 x 768 less a panel.
    resize(QSize(1100, 820).boundedTo(screen()->availableSize() - QSize(24, 48)));
    refresh();
    lookupEdit->setFocus();
    // What landed in the folder since the book last looked comes in as the window opens.
    watchControls->start();
}

BookWindow::~BookWindow() = default;

QWidget *BookWindow::buildState()
{
    // The labels' text is what a screen reader should say; the description
    // only says what the line is about.
    gameBox = new GameBox(this);
    gameBox->setAccessibleName(tr("Game"));
    gameBox->setAccessibleDescription(tr("The game whose draws, lookups and statistics are shown"));
    auto *gameLabel = new QLabel(tr("&Game:"), this);
    gameLabel->setBuddy(gameBox);
    upToLabel = new QLabel(this);
    upToLabel->setAccessibleDescription(tr("Results in the book"));
    missingButton = new QPushButton(this);
    nextLabel = new ElidedLabel(this);
    nextLabel->setAccessibleDescription(tr("Next draw"));
    watchLabel = new ElidedLabel(this);
    watchLabel->setAccessibleDescription(tr("The watched folder"));
    // Reachable by Tab, so the lines can be read and copied by keyboard.
    for (QLabel *label : {upToLabel, static_cast<QLabel *>(nextLabel), static_cast<QLabel *>(watchLabel)}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->setFocusPolicy(Qt::StrongFocus);
    }
    QFont bold = upToLabel->font();
    bold.setBold(true);
    upToLabel->setFont(bold);

    // Two lines above the tabs, so that the tabs' lists keep the height: the
    // game, how far the book goes, how many draws it lacks and the watched
    // folder's news; then the next draw and the wins near their last day.
    // The long lines are cut to the room left; their tooltips have them whole.
    auto *state = new QWidget(this);
    auto *stateLayout = new QVBoxLayout(state);
    stateLayout->setContentsMargins(0, 0, 0, 0);
    stateLayout->setSpacing(2);
    const int gap = fontMetrics().horizontalAdvance(QLatin1Char('0')) * 2;
    auto *gameRow = new QHBoxLayout;
    gameRow->addWidget(gameLabel);
    gameRow->addWidget(gameBox);
    gameRow->addSpacing(gap / 2);
    gameRow->addWidget(upToLabel);
    gameRow->addSpacing(gap);
    gameRow->addWidget(missingButton);
    gameRow->addSpacing(gap);
    gameRow->addWidget(watchLabel, 1);
    stateLayout->addLayout(gameRow);
    stateLayout->addWidget(nextLabel);
    return state;
}

void BookWindow::buildTable()
{
    model = new DrawTableModel(this);
    table = new QTableView(this);
    table->setModel(model);
    table->setAccessibleName(tr("Draws in the book, newest first"));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    // Fixed row heights and column widths: nothing is measured row by row.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    table->setColumnWidth(DrawTableModel::DrawColumn, digit * 7);
    table->setColumnWidth(DrawTableModel::DateColumn,
                          fontMetrics().horizontalAdvance(DrawWords::date(QDate(2026, 12, 30))) + digit * 2);
    table->setColumnWidth(DrawTableModel::NumberColumn,
                          qMax(digit * 6, fontMetrics().horizontalAdvance(model->headerData(DrawTableModel::NumberColumn, Qt::Horizontal).toString()) + digit * 2));
    const int prizeWidth = fontMetrics().horizontalAdvance(tr("%1 yen (%2 units)").arg(QStringLiteral("1,000,000"), QStringLiteral("9,999"))) + digit * 2;
    for (int way = 0; way < DrawResult::WayCount; ++way)
        table->setColumnWidth(DrawTableModel::FirstWayColumn + way, prizeWidth);
    // Room for a file name such as A1007068.CSV or "entered by hand".
    table->setColumnWidth(DrawTableModel::SourceColumn, digit * 24);
    table->horizontalHeader()->setStretchLastSection(true);
    // Tab leaves the table for the lookups; the arrows move within it.
    table->setTabKeyNavigation(false);
}

void BookWindow::buildTabs(QWidget *state, QGroupBox *lookup)
{
    chart = new DigitChart(this);
    tabs = new QTabWidget(this);
    tabs->addTab(table, tr("&Draws"));
    tabs->addTab(chart, tr("Digit &chart"));
    tickets = new TicketView(store, this);
    tabs->addTab(tickets, tr("T&ickets"));
    connect(tickets, &TicketView::reloaded, this, &BookWindow::refreshNext);
    stats = new StatsView(this);
    tabs->addTab(stats, tr("&Statistics"));
    auto *split = new QSplitter(this);
    split->addWidget(tabs);
    split->addWidget(lookup);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    // The tabs' lists get the width; the lookups keep enough for their
    // field and button, and their answer wraps.
    split->setSizes({820, 200});

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(state);
    layout->addWidget(split, 1);
    setCentralWidget(central);
}

void BookWindow::setTabOrders()
{
    // Reading order for Tab: the lookup first, as it is what one types into.
    setTabOrder(lookupKind, lookupEdit);
    setTabOrder(lookupEdit, lookupButton);
    setTabOrder(lookupButton, answerView);
    setTabOrder(answerView, tabs);
    // Each tab's controls as one block after the tab bar; only the shown
    // tab's are visible, so Tab goes from the tab bar to its list.
    tickets->setFocusProxy(tickets->table);
    stats->setFocusProxy(stats->rangeBox);
    setTabOrder(tabs, table);
    setTabOrder(table, chart);
    setTabOrder(chart, tickets);
    setTabOrder(tickets, stats);
    setTabOrder(stats, gameBox);
    setTabOrder(gameBox, upToLabel);
    setTabOrder(upToLabel, missingButton);
    setTabOrder(missingButton, watchLabel);
    setTabOrder(watchLabel, nextLabel);
}

void BookWindow::createMenus()
{
    QMenu *book = menuBar()->addMenu(tr("&Book"));
    book->addAction(tr("&Import files..."), QKeySequence::Open, this, &BookWindow::importFiles);
    book->addAction(tr("Import a &folder..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), this, &BookWindow::importFolder);
    // Ctrl+N is the new ticket's, from every tab.
    book->addAction(tr("&Enter a result by hand..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), this, [this] { enterByHand(); });
    book->addAction(tr("E&xport as CSV..."), QKeySequence(Qt::CTRL | Qt::Key_E), this, &BookWindow::exportCsv);
    book->addSeparator();
    watchControls->addActions(book);
    book->addSeparator();
    book->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    QMenu *look = menuBar()->addMenu(tr("&Look up"));
    look->addAction(tr("&Which draws a number came up in"), QKeySequence(Qt::CTRL | Qt::Key_F), this, [this] { focusLookup(BookLookup::Straight); });
    look->addAction(tr("Whether a number came up as a &box"), QKeySequence(Qt::CTRL | Qt::Key_B), this, [this] { focusLookup(BookLookup::Box); });
    look->addAction(tr("The &result of a draw"), QKeySequence(Qt::CTRL | Qt::Key_G), this, [this] { focusLookup(BookLookup::Draw); });
    look->addSeparator();
    look->addAction(tr("Go to the &table"), QKeySequence(Qt::CTRL | Qt::Key_T), this, &BookWindow::showTable);
    look->addAction(tr("Go to the &missing draws"), QKeySequence(Qt::CTRL | Qt::Key_M), this, &BookWindow::showMissing);
    look->addAction(tr("Go to the &statistics"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this, &BookWindow::showStats);

    menuBar()->addMenu(tickets->menu());

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("Results book &help"), QKeySequence::HelpContents, this, &BookWindow::showHelp);
    help->addAction(tr("&About"), this, &BookWindow::about);
}

void BookWindow::refresh()
{
    const Game game = gameBox->game();
    upToLabel->setText(BookTexts::upTo(store, game));
    model->reload(store, game);
    table->setColumnHidden(DrawTableModel::FirstWayColumn + DrawResult::Mini, !Games::hasMini(game));
    lookupEdit->setPlaceholderText(game == Game::Numbers4 ? tr("such as 1234") : tr("such as 123"));
    chart->setDraws(model->draws(), game);
    tickets->setShownGame(game);
    tickets->reload();
    stats->setDraws(model->draws(), game);
    statusBar()->showMessage(tr("%1 draws in %2").arg(store.count(game)).arg(QDir::toNativeSeparators(store.path())));
    refreshNext();
}

void BookWindow::refreshNext()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    nextLabel->setFullText(painted ? WinReminders::check(store, BookTexts::next(now)) : BookTexts::next(now));
    // Up to the last draw whose result is out, which moves on with the clock;
    // the list is refilled only when it changed, keeping the reader's place.
    const QList<int> missing = store.missingDraws(DrawCalendar::lastDrawWithResult(now), gameBox->game());
    if (missing == shownMissing && shownGame == gameBox->game() && !missingButton->text().isEmpty())
        return;
    shownMissing = missing;
    shownGame = gameBox->game();
    const int count = int(missing.size());
    missingButton->setText(BookTexts::missingShort(count));
    missingButton->setAccessibleName(missingButton->text());
    QString said = BookTexts::missingCount(count);
    if (count > 0)
        said += QLatin1Char('\n') + tr("Ctrl+M or a click lists them");
    missingButton->setToolTip(said);
    missingButton->setAccessibleDescription(said);
    missingBox->showDraws(missing);
}

void BookWindow::paintEvent(QPaintEvent *event)
{
    QMainWindow::paintEvent(event);
    if (!painted) {
        painted = true;
        QTimer::singleShot(0, this, &BookWindow::refreshNext);
    }
}

void BookWindow::importFiles()
{
    const QStringList files = BookFileDialog::getOpenFileNames(this, tr("Import result files"), QDir::homePath(),
                                                            tr("Result files (*.csv *.CSV);;All files (*)"));
    if (!files.isEmpty())
        importPaths(files);
}

void BookWindow::importFolder()
{
    const QString folder = BookFileDialog::getExistingDirectory(this, tr("Import every CSV file in a folder"), QDir::homePath());
    if (!folder.isEmpty())
        importPaths({folder});
}

void BookWindow::importPaths(const QStringList &paths)
{
    const QStringList files = ImportBatch::expand(paths);
    if (files.isEmpty()) {
        QMessageBox::information(this, tr("Import"), tr("There is no CSV file in what was given."));
        return;
    }
    const QList<DrawResult> before = store.everyDraw();
    ImportRun import(store, files, QDateTime::currentDateTimeUtc());
    ImportQuestions::run(this, import, ProgressFrom);
    const QList<ImportBatch::Outcome> outcomes = import.outcomes();
    refresh();
    QString text = ImportTexts::report(outcomes);
    const QString graded = ImportTexts::graded(ImportBatch::graded(store, before));
    if (!graded.isEmpty())
        text += QLatin1Char('\n') + graded;
    showReport(text, ImportBatch::failed(outcomes) > 0, ImportBatch::cancelled(outcomes) > 0);
}

void BookWindow::showReport(const QString &text, bool failed, bool cancelled)
{
    lastReport = text;
    if (cancelled)
        statusBar()->showMessage(tr("Import stopped; the files read before are in the book"));
    else
        statusBar()->showMessage(failed ? tr("Import finished; some files were refused") : tr("Import finished"));
    ImportReportDialog dialog(text, failed, cancelled, this);
    dialog.exec();
}

void BookWindow::enterByHand(int draw)
{
    const std::optional<DrawResult> last = store.lastDraw(gameBox->game());
    HandEntryDialog dialog(draw > 0 ? draw : last ? last->draw + 1 : 1, gameBox->game(), this);
    if (dialog.exec() != QDialog::Accepted || !dialog.result())
        return;
    const DrawResult result = *dialog.result();
    const std::optional<DrawResult> held = store.draw(result.draw, result.game);
    if (held && !HandEntryQuestions::replace(this, *held, result))
        return;
    const bool replace = held.has_value();
    const BookError error = store.addByHand(result, replace);
    if (error.failed()) {
        QMessageBox::warning(this, tr("Enter a result by hand"), tr("The result was not stored.") + QLatin1Char('\n') + error.text);
        return;
    }
    refresh();
    const int row = model->rowOf(result.draw);
    table->selectRow(row);
    table->scrollTo(model->index(row, 0));
    statusBar()->showMessage(tr("Stored %1").arg(BookTexts::drawLine(result)));
}

void BookWindow::exportCsv()
{
    const QString path = BookFileDialog::getSaveFileName(this, tr("Export the book as CSV"),
                                                      QDir::home().filePath(QLatin1String(Games::key(gameBox->game())) + QLatin1String("-results.csv")),
                                                      tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const BookError error = store.exportCsv(path, gameBox->game());
    if (error.failed()) {
        QMessageBox::warning(this, tr("Export"), tr("The book was not written to %1.").arg(path) + QLatin1Char('\n') + error.text);
        return;
    }
    statusBar()->showMessage(tr("%1 draws written to %2").arg(store.count(gameBox->game())).arg(QDir::toNativeSeparators(path)));
}

void BookWindow::lookUp()
{
    const auto kind = BookLookup::Kind(lookupKind->currentData().toInt());
    answerView->setPlainText(BookLookup::answer(store, kind, lookupEdit->text(), gameBox->game()));
    if (kind == BookLookup::Draw) {
        const int row = model->rowOf(lookupEdit->text().trimmed().toInt());
        if (row >= 0) {
            table->selectRow(row);
            table->scrollTo(model->index(row, 0));
        }
    }
}

void BookWindow::showTable()
{
    tabs->setCurrentWidget(table);
    table->setFocus();
}

void BookWindow::showMissing()
{
    // With no gaps there is no list; the count says none are missing.
    missingButton->setFocus();
    missingBox->popUp(missingButton);
}

void BookWindow::showStats()
{
    tabs->setCurrentWidget(stats);
    stats->rangeBox->setFocus();
}

void BookWindow::bringInMissing(int draw)
{
    switch (MissingDrawsBox::askWayIn(this, draw, gameBox->game(), fetchAction)) {
    case MissingDrawsBox::ByFetch: fetchAction->trigger(); break;
    case MissingDrawsBox::ByFile: importFiles(); break;
    case MissingDrawsBox::ByHand: enterByHand(draw); break;
    case MissingDrawsBox::NotNow: break;
    }
}

bool BookWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A tab's key (Alt+D) on the tab already shown changes nothing, yet
    // still takes the keyboard to its list.
    if (watched == tabs->tabBar() && event->type() == QEvent::Shortcut)
        QMetaObject::invokeMethod(this, &BookWindow::focusTab, Qt::QueuedConnection);
    return QMainWindow::eventFilter(watched, event);
}

// A tab chosen by its key or a click takes the keyboard to its main list,
// so that the list's keys (Ctrl+E, F2, Delete) act on it, not on the lookup.
void BookWindow::focusTab()
{
    QWidget *page = tabs->currentWidget();
    if (page == tickets)
        tickets->table->setFocus();
    else if (page == stats)
        stats->tableView->setFocus();
    else if (page)
        page->setFocus();
}

void BookWindow::focusLookup(int kind)
{
    lookupKind->setCurrentIndex(lookupKind->findData(kind));
    lookupEdit->setFocus();
    lookupEdit->selectAll();
}

void BookWindow::showHelp()
{
    HelpBrowser::showBookHelp(this, tabs->currentWidget() == tickets ? QStringLiteral("tickets") : QString());
}

void BookWindow::about()
{
    QMessageBox::about(this, tr("About the results book"),
                       tr("Numbers3 and Numbers4 results book %1\n\nKeeps the results of Numbers3 and Numbers4, and your tickets, in %2.\n"
                          "Free software under the GNU General Public License, version 3 or later.")
                           .arg(QCoreApplication::applicationVersion(), QDir::toNativeSeparators(store.path())));
}

void BookWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls()) {
        for (const QUrl &url : event->mimeData()->urls()) {
            if (url.isLocalFile()) {
                event->acceptProposedAction();
                return;
            }
        }
    }
}

void BookWindow::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // Not inside the drop: the source's drag must end before boxes open.
    QMetaObject::invokeMethod(this, [this, paths] { importPaths(paths); }, Qt::QueuedConnection);
}
