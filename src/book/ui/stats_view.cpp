#include "stats_view.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QStandardItemModel>
#include <QSvgGenerator>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "draw_words.h"
#include "export_file.h"
#include "book_file_dialog.h"
#include "book_texts.h"
#include "stats_chart.h"
#include "stats_description.h"

namespace {

// The choices of the range box: a count of last draws, 0 for all, -1 for dates.
const int Choices[] = {50, 100, 500, 1000, 0, -1};

// On a date edit: the part a digit was last typed into, until the part ends.
const char TypedPart[] = "typedPart";

} // namespace

StatsView::StatsView(QWidget *parent)
    : QWidget(parent)
{
    QGridLayout *controls = buildControls();
    QSplitter *split = buildFigures();
    auto *chartButton = new QPushButton(tr("Save the chart as a &picture..."), this);
    auto *tableButton = new QPushButton(tr("&Export the table as CSV..."), this);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(chartButton);
    buttons->addWidget(tableButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(rangeLabel);
    layout->addWidget(summaryLabel);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);

    setTabOrder(rangeBox, fromEdit);
    setTabOrder(fromEdit, toEdit);
    setTabOrder(toEdit, viewBox);
    setTabOrder(viewBox, rangeLabel);
    setTabOrder(rangeLabel, summaryLabel);
    setTabOrder(summaryLabel, tableView);
    setTabOrder(tableView, chartView);
    setTabOrder(chartView, chartButton);
    setTabOrder(chartButton, tableButton);

    connect(rangeBox, &QComboBox::currentIndexChanged, this, &StatsView::rangeChosen);
    connect(fromEdit, &QDateEdit::dateChanged, this, &StatsView::recount);
    connect(toEdit, &QDateEdit::dateChanged, this, &StatsView::recount);
    connect(viewBox, &QComboBox::currentIndexChanged, this, &StatsView::redraw);
    connect(chartButton, &QPushButton::clicked, this, &StatsView::saveChart);
    connect(tableButton, &QPushButton::clicked, this, &StatsView::saveTable);
    rangeChosen();
}

// A date edit losing the focus as it goes commits a half-typed date, which
// would recount in a view whose figures are already gone.
StatsView::~StatsView()
{
    fromEdit->disconnect(this);
    toEdit->disconnect(this);
}

QGridLayout *StatsView::buildControls()
{
    rangeBox = new QComboBox(this);
    for (int choice : Choices) {
        if (choice > 0)
            rangeBox->addItem(tr("The last %1 draws").arg(choice), choice);
        else if (choice == 0)
            rangeBox->addItem(tr("All draws in the book"), choice);
        else
            rangeBox->addItem(tr("Between two dates"), choice);
    }
    rangeBox->setCurrentIndex(1);
    rangeBox->setAccessibleName(tr("Draws to count"));
    auto *rangeLabelText = new QLabel(tr("Ra&nge:"), this);
    rangeLabelText->setBuddy(rangeBox);

    fromEdit = new QDateEdit(this);
    toEdit = new QDateEdit(this);
    for (QDateEdit *edit : {fromEdit, toEdit}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setDateRange(QDate(1994, 10, 7), QDate(2100, 12, 31));
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 48);
        edit->installEventFilter(this);
        // A click moves the cursor without a key: the part typed last is forgotten.
        if (auto *line = edit->findChild<QLineEdit *>())
            line->installEventFilter(this);
    }
    fromEdit->setAccessibleName(tr("First date"));
    toEdit->setAccessibleName(tr("Last date"));
    auto *fromLabel = new QLabel(tr("&From:"), this);
    fromLabel->setBuddy(fromEdit);
    auto *toLabel = new QLabel(tr("t&o:"), this);
    toLabel->setBuddy(toEdit);

    viewBox = new QComboBox(this);
    offerViews();
    viewBox->setAccessibleName(tr("Figures to show"));
    // Its longest title does not set the window's least width.
    viewBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    viewBox->setMinimumContentsLength(24);
    auto *viewLabel = new QLabel(tr("&View:"), this);
    viewLabel->setBuddy(viewBox);

    // Two rows, so that the tab fits a 1024-pixel screen beside the lookups.
    auto *controls = new QGridLayout;
    auto *dates = new QHBoxLayout;
    dates->addWidget(rangeBox);
    dates->addWidget(fromLabel);
    dates->addWidget(fromEdit);
    dates->addWidget(toLabel);
    dates->addWidget(toEdit);
    dates->addStretch(1);
    controls->addWidget(rangeLabelText, 0, 0);
    controls->addLayout(dates, 0, 1);
    controls->addWidget(viewLabel, 1, 0);
    controls->addWidget(viewBox, 1, 1);
    return controls;
}

QSplitter *StatsView::buildFigures()
{
    rangeLabel = new QLabel(this);
    summaryLabel = new QLabel(this);
    for (QLabel *label : {rangeLabel, summaryLabel}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->setFocusPolicy(Qt::StrongFocus);
    }

    chartView = new QChartView(this);
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setFocusPolicy(Qt::StrongFocus);
    // Low enough that the chart stays whole under a three-line summary in a
    // window on a 1024 x 768 screen.
    chartView->setMinimumSize(360, 200);
    tableModel = new QStandardItemModel(this);
    tableView = new QTableView(this);
    tableView->setModel(tableModel);
    tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView->setTabKeyNavigation(false);
    tableView->setAlternatingRowColors(true);
    tableView->verticalHeader()->hide();
    tableView->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    auto *split = new QSplitter(this);
    split->addWidget(chartView);
    split->addWidget(tableView);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({480, 340});
    return split;
}

// The game's views in the view box, keeping the one shown where the game has it.
void StatsView::offerViews()
{
    const QSignalBlocker quiet(viewBox);
    const QVariant shown = viewBox->currentData();
    viewBox->clear();
    for (StatsTable::View v : StatsTable::views(shownGame))
        viewBox->addItem(StatsTable::title(v, shownGame), int(v));
    viewBox->setCurrentIndex(std::max(0, viewBox->findData(shown)));
}

void StatsView::setDraws(const QList<DrawResult> &newestFirst, Game game)
{
    draws = newestFirst;
    if (game != shownGame) {
        shownGame = game;
        offerViews();
    }
    // A date range starts as the last year of the book.
    if (!draws.isEmpty() && draws.first().date.isValid() && rangeBox->currentData().toInt() >= 0) {
        const QSignalBlocker a(fromEdit), b(toEdit);
        toEdit->setDate(draws.first().date);
        fromEdit->setDate(draws.first().date.addYears(-1).addDays(1));
    }
    recount();
}

StatsRange StatsView::range() const
{
    const int choice = rangeBox->currentData().toInt();
    if (choice > 0)
        return StatsRange::lastDraws(choice);
    if (choice < 0)
        return StatsRange::between(fromEdit->date(), toEdit->date());
    return StatsRange::all();
}

StatsTable::View StatsView::view() const
{
    return StatsTable::View(viewBox->currentData().toInt());
}

void StatsView::setView(StatsTable::View view)
{
    const int index = viewBox->findData(int(view));
    if (index >= 0)
        viewBox->setCurrentIndex(index);
}

// A date typed as written, 2026-01-05: a separator or Tab ends the part
// being typed and moves to the next. Qt's own edit moves on by itself once a
// part is full, so the separator after it skipped the month.
bool StatsView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && (watched->parent() == fromEdit || watched->parent() == toEdit))
        watched->parent()->setProperty(TypedPart, QVariant());
    auto *edit = qobject_cast<QDateEdit *>(watched);
    if (!edit || (edit != fromEdit && edit != toEdit))
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn)
        edit->setProperty(TypedPart, QVariant());
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    const bool separator = text.size() == 1 && QStringLiteral("-/.").contains(text);
    if (text.size() == 1 && text.at(0).isDigit()) {
        // The first digit of a part replaces it whole, wherever the click
        // left the cursor; over the whole date selected, typing starts at its year.
        if (edit->property(TypedPart) != QVariant(edit->currentSectionIndex())) {
            const auto *line = edit->findChild<QLineEdit *>();
            if (line && line->selectedText().size() == line->text().size())
                edit->setCurrentSectionIndex(0);
            edit->setSelectedSection(edit->currentSection());
        }
        edit->setProperty(TypedPart, edit->currentSectionIndex());
        return false;
    }
    if (!tab && !separator) {
        edit->setProperty(TypedPart, QVariant());
        return false;
    }
    const QVariant typed = edit->property(TypedPart);
    edit->setProperty(TypedPart, QVariant());
    const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
    const int part = (typed.isValid() ? typed.toInt() : edit->currentSectionIndex()) + (back && tab ? -1 : 1);
    if (part < 0 || part >= edit->sectionCount()) {
        // Past the last part a separator does nothing and Tab leaves the date.
        if (tab)
            focusNextPrevChild(!back);
        return true;
    }
    edit->setCurrentSectionIndex(part);
    edit->setSelectedSection(edit->sectionAt(part));
    return true;
}

void StatsView::rangeChosen()
{
    const bool dates = rangeBox->currentData().toInt() < 0;
    fromEdit->setEnabled(dates);
    toEdit->setEnabled(dates);
    recount();
}

void StatsView::recount()
{
    const QList<DrawResult> picked = range().pick(draws);
    stats = DrawStats::count(picked, shownGame);
    firstDraw = picked.isEmpty() ? 0 : picked.first().draw;
    lastDraw = picked.isEmpty() ? 0 : picked.last().draw;
    if (draws.isEmpty()) {
        rangeLabel->setText(tr("The book holds no draws yet."));
    } else if (picked.isEmpty() && range().kind == StatsRange::Dates && fromEdit->date() > toEdit->date()) {
        rangeLabel->setText(tr("No draws in this range: the first date is after the last."));
    } else if (picked.isEmpty()) {
        rangeLabel->setText(tr("No draws in this range."));
    } else if (picked.size() == 1) {
        rangeLabel->setText(tr("1 draw: %1 (%2)")
                                .arg(DrawWords::drawName(picked.first().draw), DrawWords::date(picked.first().date)));
    } else {
        rangeLabel->setText(tr("%1 draws: %2 (%3) to %4 (%5)")
                                .arg(picked.size())
                                .arg(DrawWords::drawName(picked.first().draw), DrawWords::date(picked.first().date),
                                     DrawWords::drawName(picked.last().draw), DrawWords::date(picked.last().date)));
    }
    redraw();
}

void StatsView::redraw()
{
    const StatsDescription described = StatsDescription::of(view(), stats);
    current = described.table;
    // With no draws, what chance gives for none says nothing; the range
    // line already says why the figures are empty.
    summaryLabel->setText(stats.draws > 0 ? current.summary : QString());

    QChart *chart = StatsChart::make(described);
    const QString title = described.title;
    QChart *old = chartView->chart();
    chartView->setChart(chart);
    delete old;
    chartView->setAccessibleName(tr("Chart: %1").arg(title));
    chartView->setAccessibleDescription((stats.draws > 0 ? current.summary : rangeLabel->text()) + QLatin1Char(' ')
                                        + tr("The table beside the chart holds the same figures."));
    tableView->setAccessibleName(tr("Table: %1").arg(title));
    tableView->setAccessibleDescription(rangeLabel->text());

    tableModel->clear();
    tableModel->setHorizontalHeaderLabels(current.header);
    for (const QStringList &row : current.rows) {
        QList<QStandardItem *> items;
        for (int c = 0; c < row.size(); ++c) {
            auto *item = new QStandardItem(row.at(c));
            // Numbers line up on the right; names and lists of draws on the left.
            // ("007" and "05" are numbers too.)
            bool number = false;
            QString(row.at(c)).remove(QLatin1Char('%')).toDouble(&number);
            item->setTextAlignment(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
            items << item;
        }
        tableModel->appendRow(items);
    }
    tableView->resizeColumnsToContents();
}

QString StatsView::suggestedName(const QString &suffix) const
{
    return StatsTable::fileName(firstDraw, lastDraw, suffix, shownGame);
}

// The chart as shown, its title followed by the draws it counts.
bool StatsView::renderChart(QPaintDevice *device, const QSize &size)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    QChart *chart = chartView->chart();
    const QString title = chart->title();
    // Short enough for the title's width; the file's text holds the whole line.
    const QString counted = firstDraw > 0 ? tr("Draws %1 to %2").arg(firstDraw).arg(lastDraw) : rangeLabel->text();
    chart->setTitle(title + QStringLiteral("<br>") + counted.toHtmlEscaped());
    // The chart lays itself out again later; the picture needs it now.
    chart->layout()->activate();
    chartView->render(&painter, QRectF(QPointF(0, 0), size), QRect(QPoint(0, 0), size));
    painter.end();
    chart->setTitle(title);
    chart->layout()->activate();
    return true;
}

BookError StatsView::exportChart(const QString &path)
{
    const QSize size = chartView->size().isEmpty() ? QSize(800, 500) : chartView->size();
    const auto failed = [](const QString &why) {
        return BookError{ BookError::Other, why.isEmpty() ? tr("The file could not be written.") : why };
    };
    const QString suffix = QFileInfo(path).suffix().toLower();
    const char *format = suffix == QLatin1String("png") ? "PNG"
                         : suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") ? "JPEG"
                                                                                                 : nullptr;
    if (!format && suffix != QLatin1String("svg"))
        return failed(tr("Name the picture .png, .jpg or .svg."));
    ExportFile out(path);
    if (!out.open())
        return failed(out.error());
    if (!format) {
        QSvgGenerator svg;
        svg.setOutputDevice(out.device());
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(StatsTable::title(view(), shownGame));
        svg.setDescription(rangeLabel->text() + QLatin1Char(' ') + current.summary);
        if (!renderChart(&svg, size))
            return failed(QString());
        return out.commit() ? BookError() : failed(out.error());
    }
    // JPEG holds no transparency: both start from white.
    QImage image(size * chartView->devicePixelRatioF(), QImage::Format_RGB32);
    image.setDevicePixelRatio(chartView->devicePixelRatioF());
    image.fill(Qt::white);
    image.setText(QStringLiteral("Title"), StatsTable::title(view(), shownGame));
    image.setText(QStringLiteral("Description"), rangeLabel->text());
    if (!renderChart(&image, size) || !image.save(out.device(), format))
        return failed(QString());
    return out.commit() ? BookError() : failed(out.error());
}

BookError StatsView::exportTable(const QString &path, bool bom) const
{
    return current.writeCsv(path, rangeLabel->text(), bom);
}

void StatsView::saveChart()
{
    const QString png = tr("PNG image (*.png)");
    const QString jpeg = tr("JPEG image (*.jpg *.jpeg)");
    const QString svg = tr("SVG image (*.svg)");
    QString filter;
    const QString path = BookFileDialog::getSaveFileName(this, tr("Save the chart"), QDir::home().filePath(suggestedName(QStringLiteral("png"))),
                                                      QStringList{png, jpeg, svg}.join(QLatin1String(";;")), &filter);
    if (path.isEmpty())
        return;
    QString file = path;
    if (QFileInfo(file).suffix().isEmpty())
        file += filter == svg ? QStringLiteral(".svg") : filter == jpeg ? QStringLiteral(".jpg") : QStringLiteral(".png");
    const BookError error = exportChart(file);
    if (error.failed())
        QMessageBox::warning(this, tr("Save the chart"), tr("The chart was not written to %1.").arg(file) + QLatin1Char('\n') + error.text);
}

void StatsView::saveTable()
{
    const QString plain = tr("CSV files (*.csv)");
    const QString spreadsheet = tr("CSV for spreadsheets, UTF-8 with a byte order mark (*.csv)");
    QString filter;
    const QString path = BookFileDialog::getSaveFileName(this, tr("Export the table as CSV"), QDir::home().filePath(suggestedName(QStringLiteral("csv"))),
                                                      QStringList{plain, spreadsheet}.join(QLatin1String(";;")), &filter);
    if (path.isEmpty())
        return;
    const BookError error = exportTable(path, filter == spreadsheet);
    if (error.failed())
        QMessageBox::warning(this, tr("Export the table as CSV"), tr("The table was not written to %1.").arg(path) + QLatin1Char('\n') + error.text);
}
