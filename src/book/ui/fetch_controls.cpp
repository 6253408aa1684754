#include "fetch_controls.h"

#include <QAction>
#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

#include <algorithm>

#include "book_store.h"
#include "desktop_notifier.h"
#include "elided_label.h"
#include "fetch_texts.h"
#include "import_texts.h"
#include "results_source.h"
#include "watch_news.h"
#include "watched_folder.h"

FetchControls::FetchControls(BookStore &store, QMainWindow *window, ElidedLabel *line, std::function<void(const QString &)> imported)
    : QObject(window), store(store), window(window), line(line), imported(std::move(imported)), fetch(new ResultsFetch(store, this))
{
    nextTry.setSingleShot(true);
    connect(&nextTry, &QTimer::timeout, this, &FetchControls::fetchNow);
    connect(fetch, &ResultsFetch::finished, this, &FetchControls::showFetched);
    connect(fetch, &ResultsFetch::asking, this, [this](int draw, const QString &url) {
        this->line->setFullText(FetchTexts::asking(draw, url));
        this->window->statusBar()->showMessage(this->line->fullText());
    });
    // The window shows each file as it is stored, not all at the end.
    connect(fetch, &ResultsFetch::answered, this, [this](const ResultsFetch::Answer &answer) {
        if (answer.kind != ResultsFetch::Answer::Taken || !answer.outcome.report.ok)
            return;
        stored << answer.outcome;
        this->imported(ImportTexts::report(stored));
    });
}

void FetchControls::addActions(QMenu *menu, QAction *before)
{
    onAction = new QAction(tr("Fetch new &results by themselves"), menu);
    onAction->setCheckable(true);
    onAction->setChecked(ResultsSource::consent(store) == ResultsSource::Consent::Yes);
    connect(onAction, &QAction::toggled, this, &FetchControls::setFetching);
    addressAction = new QAction(menu);
    connect(addressAction, &QAction::triggered, this, &FetchControls::pickAddress);
    auto *nowAction = fetchNowAction = new QAction(tr("Fetch &missing results now"), menu);
    connect(nowAction, &QAction::triggered, this, [this] {
        if (!onAction->isChecked())
            onAction->setChecked(true);
        else
            fetchNow();
    });
    menu->insertActions(before, {onAction, addressAction, nowAction});
    showAddress();
}

void FetchControls::showAddress()
{
    if (addressAction)
        addressAction->setText(tr("Results addre&ss: %1...")
                                   .arg(ResultsSource::address(store).replace(QLatin1Char('&'), QLatin1String("&&"))));
}

void FetchControls::askFirst()
{
    if (!store.isOpen())
        return;
    if (ResultsSource::consent(store) == ResultsSource::Consent::Unasked) {
        QMessageBox box(QMessageBox::Question, window->windowTitle(), FetchTexts::question(ResultsSource::address(store)),
                        QMessageBox::Yes | QMessageBox::No, window);
        box.setInformativeText(FetchTexts::questionDetail());
        box.setDefaultButton(QMessageBox::Yes);
        const bool yes = box.exec() == QMessageBox::Yes;
        if (const BookError error = ResultsSource::setConsent(store, yes); error.failed())
            window->statusBar()->showMessage(error.text);
        if (onAction)
            onAction->setChecked(yes);
    }
    start();
}

void FetchControls::start()
{
    if (store.isOpen() && ResultsSource::consent(store) == ResultsSource::Consent::Yes)
        fetchNow();
}

void FetchControls::setFetching(bool on)
{
    if (const BookError error = ResultsSource::setConsent(store, on); error.failed())
        window->statusBar()->showMessage(error.text);
    nextTry.stop();
    if (on) {
        fetchNow();
    } else {
        line->setFullText(tr("New results are not fetched; the Book menu turns fetching on."));
    }
}

void FetchControls::pickAddress()
{
    bool ok = false;
    const QString given = QInputDialog::getText(window, tr("Results address"),
                                                tr("Address the draws' files are fetched from (empty for the lottery's own, %1):")
                                                    .arg(ResultsSource::defaultAddress()),
                                                QLineEdit::Normal, ResultsSource::address(store), &ok);
    if (!ok)
        return;
    if (const BookError error = ResultsSource::setAddress(store, given); error.failed()) {
        QMessageBox::warning(window, tr("Results address"), error.text);
        return;
    }
    showAddress();
    window->statusBar()->showMessage(tr("Results are fetched from %1").arg(ResultsSource::address(store)));
}

void FetchControls::fetchNow()
{
    if (!store.isOpen() || ResultsSource::consent(store) != ResultsSource::Consent::Yes)
        return;
    nextTry.stop();
    if (fetch->start(QDateTime::currentDateTimeUtc()))
        stored.clear();
}

void FetchControls::showFetched(const ResultsFetch::Run &run)
{
    const WatchNews news = WatchNews::since(store, run.before);
    QStringList said;
    if (!news.isEmpty())
        said << FetchTexts::news(news);
    said << FetchTexts::summary(run);
    line->setFullText(said.join(QLatin1Char('\n')));
    window->statusBar()->showMessage(said.constFirst());
    if (!news.wins.isEmpty() && WatchedFolder::notifying(store))
        DesktopNotifier::notify(news.summary(), news.body());
    if (ResultsSource::consent(store) != ResultsSource::Consent::Yes)
        return;
    const qint64 wait = QDateTime::currentDateTimeUtc().msecsTo(run.retryAt);
    nextTry.start(int(std::clamp<qint64>(wait, 1000, 24LL * 3600 * 1000)));
}
