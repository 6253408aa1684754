#include "result_text.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace {

QByteArray withoutBomAndCtrlZ(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    // Old DOS tools end a text file with Ctrl-Z.
    if (bytes.endsWith('\x1A'))
        bytes.chop(1);
    return bytes;
}

} // namespace

QString ResultText::decode(const QByteArray &bytes, bool *ok)
{
    *ok = false;
    const QByteArray body = withoutBomAndCtrlZ(bytes);
    if (body.contains('\0'))
        return QString();
    QString text;
    {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8(body);
        if (utf8.hasError()) {
            // The operator writes Shift_JIS; CP932 is its superset (NEC signs).
            // Opening the converter costs more than a small file; keep one.
            // resetState() leaves an error seen in an earlier file standing,
            // so a converter that saw one is replaced: each file is judged
            // on its own.
            static thread_local QStringDecoder sjis("windows-31j", QStringDecoder::Flag::Stateless);
            if (sjis.hasError())
                sjis = QStringDecoder("windows-31j", QStringDecoder::Flag::Stateless);
            sjis.resetState();
            if (!sjis.isValid())
                return QString();
            text = sjis(body);
            if (sjis.hasError() || text.contains(QChar::ReplacementCharacter))
                return QString();
        }
    }
    // Control characters other than tab and line ends mean a binary file.
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0x7f)
            return QString();
    }
    *ok = true;
    return text.normalized(QString::NormalizationForm_KC);
}

// A control character, or a line that is neither UTF-8 nor Shift_JIS. Line
// ends as ResultImporter::parse() counts them.
int ResultText::firstBadLine(QByteArray bytes)
{
    bytes = withoutBomAndCtrlZ(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QStringDecoder sjis("windows-31j", QStringDecoder::Flag::Stateless);
    int line = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        const char c = i < bytes.size() ? bytes.at(i) : '\n';
        if (c == '\n' || c == '\r') {
            const QByteArray text = bytes.mid(start, i - start);
            utf8.resetState();
            const QString u = utf8(text);
            if (utf8.hasError()) {
                sjis.resetState();
                const QString s = sjis(text);
                if (sjis.hasError() || s.contains(QChar::ReplacementCharacter))
                    return line;
            }
            if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
                ++i;
            start = i + 1;
            ++line;
        } else if ((uchar(c) < 0x20 && c != '\t') || c == 0x7f) {
            return line;
        }
    }
    return 1;
}

QDate ResultText::parseDate(const QString &text)
{
    const QString t = text.normalized(QString::NormalizationForm_KC).trimmed();
    bool looks = false;
    const QDate d = findDate(t, &looks);
    return looks ? d : QDate();
}

QDate ResultText::findDate(const QString &cell, bool *found)
{
    static const QRegularExpression era(QStringLiteral("(平成|令和)\\s*(元|\\d{1,2})\\s*年\\s*(\\d{1,2})\\s*月\\s*(\\d{1,2})\\s*日"));
    static const QRegularExpression western(QStringLiteral("(\\d{4})\\s*年\\s*(\\d{1,2})\\s*月\\s*(\\d{1,2})\\s*日"));
    static const QRegularExpression numeric(QStringLiteral("(?<!\\d)(\\d{4})([/.-])(\\d{1,2})\\2(\\d{1,2})(?!\\d)"));
    *found = true;
    // An expression runs only where its words are: most cells hold none.
    const bool hasEra = cell.contains(QStringLiteral("平成")) || cell.contains(QStringLiteral("令和"));
    QRegularExpressionMatch m = hasEra ? era.match(cell) : QRegularExpressionMatch();
    if (m.hasMatch()) {
        const int n = m.captured(2) == QStringLiteral("元") ? 1 : m.captured(2).toInt();
        const bool heisei = m.captured(1) == QStringLiteral("平成");
        const QDate d(heisei ? 1988 + n : 2018 + n, m.captured(3).toInt(), m.captured(4).toInt());
        // The eras changed on 1989-01-08 and 2019-05-01.
        if (n < 1 || !d.isValid() || (heisei && (d < QDate(1989, 1, 8) || d > QDate(2019, 4, 30)))
            || (!heisei && d < QDate(2019, 5, 1)))
            return QDate();
        return d;
    }
    if (cell.contains(QChar(0x5E74)))  // 年
        m = western.match(cell);
    if (!m.hasMatch())
        m = numeric.match(cell);
    if (m.hasMatch()) {
        const int last = m.lastCapturedIndex();
        return QDate(m.captured(1).toInt(), m.captured(last - 1).toInt(), m.captured(last).toInt());
    }
    *found = false;
    return QDate();
}

qint64 ResultText::amount(QString text)
{
    text.remove(QLatin1Char(','));
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 15)
        return -1;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    return text.toLongLong();
}

bool ResultText::isDigits(const QString &text, int min, int max)
{
    return text.size() >= min && text.size() <= max && std::all_of(text.begin(), text.end(), [](QChar c) {
               return c >= QLatin1Char('0') && c <= QLatin1Char('9');
           });
}

bool ResultText::isNoWinner(const QString &text)
{
    return text.trimmed() == QStringLiteral("該当なし");
}
