#ifndef BOOK_WINDOW_H
#define BOOK_WINDOW_H

#include <QMainWindow>
#include <QSet>
#include <QStringList>

#include <memory>
#include <optional>

#include "book_store.h"

class DigitChart;
class ElidedLabel;
class GameBox;
class MissingDrawsBox;
class WatchControls;
class DrawTableModel;
class StatsView;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;
class TicketView;

// The results book's window: what the book holds and what comes next in two
// lines at the top, the draws in a table, the lookups beside it. Files come in through
// the menu or by drag and drop; results can be entered by hand and the book
// written out as CSV. Everything it shows comes from the store.
class BookWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit BookWindow(BookStore &store, QWidget *parent = nullptr);
    ~BookWindow() override;

    // From this many files on, an import shows its progress and can be stopped.
    static constexpr int ProgressFrom = 200;

    // Which game the draws, lookups and statistics show.
    GameBox *gameBox;
    QLabel *upToLabel;
    // The next draw, and the wins whose last day is near.
    ElidedLabel *nextLabel;
    // How many draws the book lacks; it pops up their list.
    QPushButton *missingButton;
    // Where new files are looked for, then what the last look or fetch brought.
    ElidedLabel *watchLabel;
    QListWidget *missingList;
    MissingDrawsBox *missingBox;  // the list, a popup under missingButton
    QTableView *table;
    DrawTableModel *model;
    DigitChart *chart;
    StatsView *stats;
    QTabWidget *tabs;
    QComboBox *lookupKind;
    QLineEdit *lookupEdit;
    QPlainTextEdit *answerView;
    // The tickets tab.
    TicketView *tickets;
    // The last import's report, as shown.
    QString lastReport;
    // Fetching's "fetch now", offered for a missing draw; null when the
    // window does not fetch.
    QAction *fetchAction = nullptr;

public slots:
    // Imports files and folders as the menu and a drop do, then reports.
    void importPaths(const QStringList &paths);
    void refresh();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *buildState();
    void buildTable();
    void buildTabs(QWidget *state, QGroupBox *lookup);
    void setTabOrders();
    void createMenus();
    void importFiles();
    void importFolder();
    // draw: the draw to offer, else the one after the book's last.
    void enterByHand(int draw = 0);
    void bringInMissing(int draw);
    void exportCsv();
    void lookUp();
    void showTable();
    void showMissing();
    void showStats();
    void refreshNext();
    // The tickets are read for the wins near their last day once the window
    // has painted: a book of many tickets opens as fast as an empty one.
    bool painted = false;
    void showHelp();
    void about();
    void focusTab();
    void focusLookup(int kind);
    void showReport(const QString &text, bool failed, bool cancelled);

    BookStore &store;
    QList<int> shownMissing;
    Game shownGame = Game::Numbers3;  // whose missing draws the list shows
    QPushButton *lookupButton;
    QTimer *clock;
    std::unique_ptr<WatchControls> watchControls;
};

#endif
