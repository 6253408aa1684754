#include "missing_draws_box.h"

#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "book_texts.h"
#include "draw_calendar.h"
#include "draw_words.h"

MissingDrawsBox::MissingDrawsBox(QWidget *parent)
    : QGroupBox(tr("Missing draws"), parent)
{
    setWindowFlags(Qt::Popup);
    setAutoFillBackground(true);
    list = new QListWidget(this);
    list->setAccessibleName(tr("Missing draws"));
    list->setAccessibleDescription(tr("Draws held so far, from the book's first, whose result the book does not hold; "
                                      "Return on one offers to import it or enter it by hand, Escape closes the list"));
    connect(list, &QListWidget::itemActivated, this, &MissingDrawsBox::activated);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list);
}

void MissingDrawsBox::showDraws(const QList<int> &missing)
{
    list->clear();
    const QStringList ranges = BookTexts::missingRanges(missing);
    const QList<int> firsts = BookTexts::rangeStarts(missing);
    for (qsizetype i = 0; i < ranges.size(); ++i) {
        auto *item = new QListWidgetItem(ranges.at(i), list);
        item->setData(Qt::UserRole, firsts.value(i));
    }
    if (missing.isEmpty())
        hide();
}

void MissingDrawsBox::popUp(QWidget *below)
{
    if (list->count() == 0)
        return;
    // Wide enough for the longest line, up to a dozen lines high.
    int width = fontMetrics().horizontalAdvance(title());
    for (int row = 0; row < list->count(); ++row)
        width = qMax(width, list->fontMetrics().horizontalAdvance(list->item(row)->text()));
    const int lines = qMin(list->count(), 12);
    resize(width + list->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6,
           list->sizeHintForRow(0) * lines + fontMetrics().height() * 3);
    const QRect room = below->screen()->availableGeometry();
    QPoint at = below->mapToGlobal(QPoint(0, below->height()));
    at.setX(qBound(room.left(), at.x(), room.right() - this->width()));
    at.setY(qMin(at.y(), room.bottom() - height()));
    move(at);
    show();
    if (!list->currentItem())
        list->setCurrentRow(0);
    list->setFocus();
}

void MissingDrawsBox::activated(QListWidgetItem *item)
{
    const int draw = item ? item->data(Qt::UserRole).toInt() : 0;
    if (draw <= 0)
        return;
    hide();
    emit wanted(draw);
}

MissingDrawsBox::WayIn MissingDrawsBox::askWayIn(QWidget *parent, int draw, Game game, bool canFetch)
{
    QMessageBox box(QMessageBox::Question, tr("Missing draw"),
                    tr("The book lacks the result of %1 (%2). How should it come in?")
                        .arg(DrawWords::drawName(draw, game), DrawWords::date(DrawCalendar::dateOf(draw))),
                    QMessageBox::Cancel, parent);
    QPushButton *fetch = canFetch ? box.addButton(tr("&Fetch missing results"), QMessageBox::AcceptRole) : nullptr;
    QPushButton *import = box.addButton(tr("&Import a file..."), QMessageBox::AcceptRole);
    QPushButton *hand = box.addButton(tr("&Enter by hand..."), QMessageBox::AcceptRole);
    box.setDefaultButton(fetch ? fetch : import);
    box.exec();
    if (fetch && box.clickedButton() == fetch)
        return ByFetch;
    return box.clickedButton() == import ? ByFile : box.clickedButton() == hand ? ByHand : NotNow;
}
