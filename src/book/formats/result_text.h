#ifndef RESULT_TEXT_H
#define RESULT_TEXT_H

#include <QByteArray>
#include <QDate>
#include <QString>

// The words and numbers of a result file: its bytes as text, and the dates,
// amounts and digits in its cells.
class ResultText
{
public:
    // Decodes UTF-8 (BOM optional) or Shift_JIS/CP932 and applies NFKC.
    // Sets *ok to false when the bytes are neither (e.g. binary).
    static QString decode(const QByteArray &bytes, bool *ok);
    // The line of the first thing decode() refuses, for its message.
    static int firstBadLine(QByteArray bytes);

    // A whole cell as a date (see ResultImporter::parseDate).
    static QDate parseDate(const QString &text);
    // A date anywhere in a cell. *found says whether something looked like
    // a date at all; the date is invalid when it does not exist.
    static QDate findDate(const QString &cell, bool *found);

    // Whole digits, maybe with thousands commas: "1,234,500". -1 when not so.
    static qint64 amount(QString text);
    // Only ASCII digits, between min and max of them.
    static bool isDigits(const QString &text, int min, int max);
    static bool isThreeDigits(const QString &text) { return isDigits(text, 3, 3); }
    // The operator's word for a way nobody won.
    static bool isNoWinner(const QString &text);
};

#endif
