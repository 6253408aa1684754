#include "missing_draws_box.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "book_texts.h"

MissingDrawsBox::MissingDrawsBox(QWidget *parent)
    : QGroupBox(tr("Missing draws"), parent)
{
    list = new QListWidget(this);
    list->setAccessibleName(tr("Missing draws"));
    list->setAccessibleDescription(tr("Draws held so far, from the book's first, whose result the book does not hold; "
                                      "Return on one offers to import it or enter it by hand"));
    list->setMaximumHeight(fontMetrics().height() * 5);
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
    setVisible(!missing.isEmpty());
}

void MissingDrawsBox::activated(QListWidgetItem *item)
{
    const int draw = item ? item->data(Qt::UserRole).toInt() : 0;
    if (draw > 0)
        emit wanted(draw);
}
