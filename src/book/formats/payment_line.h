#ifndef PAYMENT_LINE_H
#define PAYMENT_LINE_H

#include <QDate>
#include <QStringList>

#include "parsed_results.h"

// The line "支払期間,令和8年9月18日から令和9年9月17日まで" of an operator's
// block: the payment period, its dates written as the draw line's. A line
// that names no dates ("翌営業日から1年間") gives no period: the rule's
// stands then.
class PaymentLine
{
public:
    static bool isPaymentLine(const QString &firstCell);
    // Reads the period of the draw held on drawDate into from and until
    // (left invalid when the line gives no dates); a failure when its dates
    // do not exist or do not make a period after the draw.
    static ParsedResults::Outcome read(const QStringList &row, int line, int draw, const QDate &drawDate,
                                       QDate &from, QDate &until);
};

#endif
