#include "payment_period.h"

#include "draw_result.h"

PaymentPeriod PaymentPeriod::byRule(const QDate &drawDate)
{
    if (!drawDate.isValid())
        return PaymentPeriod();
    // QDate::addYears keeps 29 February in a leap year and gives 28 February otherwise.
    return PaymentPeriod(drawDate.addDays(1), drawDate.addYears(1), true);
}

PaymentPeriod PaymentPeriod::of(const DrawResult &draw)
{
    if (draw.payFrom.isValid() && draw.payUntil.isValid())
        return PaymentPeriod(draw.payFrom, draw.payUntil, false);
    return byRule(draw.date);
}
