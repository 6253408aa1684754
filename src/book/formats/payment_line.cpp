#include "payment_line.h"

#include "result_importer.h"
#include "result_text.h"

using Failure = ParsedResults::Failure;

bool PaymentLine::isPaymentLine(const QString &firstCell)
{
    return firstCell.trimmed() == QStringLiteral("支払期間");
}

ParsedResults::Outcome PaymentLine::read(const QStringList &row, int line, int draw, const QDate &drawDate,
                                         QDate &from, QDate &until)
{
    from = until = QDate();
    const QString text = row.mid(1).join(QString());
    const qsizetype cut = text.indexOf(QStringLiteral("から"));
    bool fromLooks = false, untilLooks = false;
    const QDate first = ResultText::findDate(cut < 0 ? text : text.left(cut), &fromLooks);
    const QDate last = cut < 0 ? QDate() : ResultText::findDate(text.mid(cut), &untilLooks);
    if (!fromLooks && !untilLooks)
        return std::nullopt;
    if (!fromLooks || !untilLooks || !first.isValid() || !last.isValid() || last < first
        || (drawDate.isValid() && first <= drawDate))
        return Failure{ line, ResultImporter::tr("draw %1: \"%2\" is not a payment period after the draw")
                                  .arg(draw).arg(text.left(60)) };
    from = first;
    until = last;
    return std::nullopt;
}
