#include "ticket_filter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "draw_words.h"
#include "ticket_sort_proxy.h"

TicketFilter::TicketFilter(TicketSortProxy *proxy, QWidget *parent)
    : QObject(parent), proxy(proxy)
{
    stateBox = new QComboBox(parent);
    stateBox->addItem(QCoreApplication::translate("TicketFilter", "All tickets"), QString());
    stateBox->addItem(QCoreApplication::translate("TicketFilter", "Waiting for the result"), QStringLiteral("waiting"));
    stateBox->addItem(QCoreApplication::translate("TicketFilter", "Won"), QStringLiteral("won"));
    stateBox->addItem(QCoreApplication::translate("TicketFilter", "To collect"), QStringLiteral("tocollect"));
    stateBox->addItem(QCoreApplication::translate("TicketFilter", "Result not in the book"), QStringLiteral("missing"));
    stateBox->setAccessibleName(QCoreApplication::translate("TicketFilter", "Which tickets to show"));
    auto *stateLabel = new QLabel(QCoreApplication::translate("TicketFilter", "Sh&ow:"), parent);
    stateLabel->setBuddy(stateBox);

    gameBox = new QComboBox(parent);
    gameBox->addItem(QCoreApplication::translate("TicketFilter", "Both games"), QString());
    for (Game g : Games::All)
        gameBox->addItem(DrawWords::gameName(g), QLatin1String(Games::key(g)));
    gameBox->setAccessibleName(QCoreApplication::translate("TicketFilter", "Which game's tickets to show and count"));
    auto *gameLabel = new QLabel(QCoreApplication::translate("TicketFilter", "Ga&me:"), parent);
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

QString TicketFilter::words() const
{
    if (!game())
        return stateBox->currentText();
    return QCoreApplication::translate("TicketFilter", "%1, %2").arg(stateBox->currentText(), gameBox->currentText());
}

void TicketFilter::apply()
{
    proxy->setFilter(stateBox->currentData().toString(), game());
    emit changed();
}
