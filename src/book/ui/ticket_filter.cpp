#include "ticket_filter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>

#include "draw_words.h"
#include "ticket_table_model.h"

TicketFilter::TicketFilter(QSortFilterProxyModel *proxy, QWidget *parent)
    : QObject(parent), proxy(proxy)
{
    stateBox = new QComboBox(parent);
    stateBox->addItem(QCoreApplication::translate("TicketView", "All tickets"), QString());
    stateBox->addItem(QCoreApplication::translate("TicketView", "Waiting for the result"), QStringLiteral("waiting"));
    stateBox->addItem(QCoreApplication::translate("TicketView", "Won"), QStringLiteral("won"));
    stateBox->addItem(QCoreApplication::translate("TicketView", "To collect"), QStringLiteral("tocollect"));
    stateBox->addItem(QCoreApplication::translate("TicketView", "Result not in the book"), QStringLiteral("missing"));
    stateBox->setAccessibleName(QCoreApplication::translate("TicketView", "Which tickets to show"));
    auto *stateLabel = new QLabel(QCoreApplication::translate("TicketView", "Sh&ow:"), parent);
    stateLabel->setBuddy(stateBox);

    gameBox = new QComboBox(parent);
    gameBox->addItem(QCoreApplication::translate("TicketView", "Both games"), QString());
    for (Game g : Games::All)
        gameBox->addItem(DrawWords::gameName(g), QLatin1String(Games::key(g)));
    gameBox->setAccessibleName(QCoreApplication::translate("TicketView", "Which game's tickets to show and count"));
    auto *gameLabel = new QLabel(QCoreApplication::translate("TicketView", "Ga&me:"), parent);
    gameLabel->setBuddy(gameBox);

    layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gameLabel);
    layout->addWidget(gameBox);
    layout->addWidget(stateLabel);
    layout->addWidget(stateBox);
    connect(stateBox, &QComboBox::currentIndexChanged, this, &TicketFilter::apply);
    connect(gameBox, &QComboBox::currentIndexChanged, this, &TicketFilter::apply);
}

std::optional<Game> TicketFilter::game() const
{
    return Games::fromKey(gameBox->currentData().toString());
}

QList<GradedTicket> TicketFilter::ofGame(const QList<GradedTicket> &rows) const
{
    const std::optional<Game> only = game();
    if (!only)
        return rows;
    QList<GradedTicket> kept;
    for (const GradedTicket &row : rows)
        if (row.ticket.game == *only)
            kept << row;
    return kept;
}

QString TicketFilter::words() const
{
    if (!game())
        return stateBox->currentText();
    return QCoreApplication::translate("TicketView", "%1, %2").arg(stateBox->currentText(), gameBox->currentText());
}

void TicketFilter::apply()
{
    const QString pattern = TicketTableModel::filterPattern(stateBox->currentData().toString(), gameBox->currentData().toString());
    proxy->setFilterRegularExpression(pattern.isEmpty() ? QRegularExpression() : QRegularExpression(pattern));
    emit changed();
}
