#ifndef PAYMENT_PERIOD_H
#define PAYMENT_PERIOD_H

#include <QDate>

struct DrawResult;

// The days a draw's wins are paid out: from the day after the draw to the
// same date a year later (a draw on 29 February ends on 28 February), unless
// the operator's file gave the period, which then stands as given.
class PaymentPeriod
{
public:
    PaymentPeriod() = default;
    PaymentPeriod(const QDate &from, const QDate &until, bool byRule) : first(from), last(until), rule(byRule) {}

    // The rule's period for a draw held on drawDate; empty for an invalid date.
    static PaymentPeriod byRule(const QDate &drawDate);
    // The file's period when the draw has one, else the rule's from its date.
    static PaymentPeriod of(const DrawResult &draw);

    QDate from() const { return first; }
    QDate until() const { return last; }  // the last day a win is paid
    bool isByRule() const { return rule; }
    bool isValid() const { return last.isValid(); }
    // Days from today to the last day: 0 on the last day, negative after it.
    qint64 daysLeft(const QDate &today) const { return today.daysTo(last); }
    bool ended(const QDate &today) const { return isValid() && today > last; }

private:
    QDate first;
    QDate last;
    bool rule = false;
};

#endif
