#include "csv_reader.h"

#include <QCoreApplication>

CsvReader::CsvReader(const QString &text, Style style)
    : text(text)
    , style(style)
{
}

QStringList CsvReader::cells(const QString &line)
{
    CsvReader reader(line, Style::Lenient);
    Record record;
    reader.next(record);  // the lenient way never fails
    return record.fields;
}

bool CsvReader::next(Record &record)
{
    record.fields.clear();
    record.line = line;
    for (;;) {
        QString cell;
        if (!readField(cell))
            return false;
        record.fields.append(cell);
        if (atEnd() || text.at(pos) != QLatin1Char(',')) {
            skipLineBreak();
            return true;
        }
        ++pos;
    }
}

// Reads one field up to the comma or line break after it (left unread).
bool CsvReader::readField(QString &cell)
{
    const bool lenient = style == Style::Lenient;
    const qsizetype start = pos;
    // A field without a quote, most of them, is taken whole rather than a
    // character at a time.
    qsizetype end = start;
    while (end < text.size() && text.at(end) != QLatin1Char(',') && text.at(end) != QLatin1Char('"') && !lineBreakAt(end))
        ++end;
    if (end == text.size() || text.at(end) != QLatin1Char('"')) {
        cell = text.mid(start, end - start);
        if (lenient)
            cell = cell.trimmed();
        pos = end;
        return true;
    }
    bool quoted = false;
    bool wasQuoted = false;
    int opened = 0;
    for (; !atEnd(); ++pos) {
        const QChar c = text.at(pos);
        if (quoted) {
            if (c != QLatin1Char('"')) {
                if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && !crlfAt(pos)))
                    ++line;
                cell += c;
            } else if (pos + 1 < text.size() && text.at(pos + 1) == QLatin1Char('"')) {
                cell += c;
                ++pos;
            } else {
                quoted = false;
            }
        } else if (c == QLatin1Char(',') || lineBreakAt(pos)) {
            break;
        } else if (c == QLatin1Char('"') && (lenient || pos == start)) {
            if (!wasQuoted)
                cell = cell.trimmed();  // blanks before the opening quote
            quoted = wasQuoted = true;
            opened = line;
        } else if (!wasQuoted || (lenient && !c.isSpace())) {
            cell += c;
        } else if (!lenient) {
            return fail(line, QT_TRANSLATE_NOOP("CsvReader", "text after the closing quote of a field"));
        }
    }
    if (quoted && !lenient)
        return fail(opened, QT_TRANSLATE_NOOP("CsvReader", "a quoted field is not closed"));
    if (lenient && !wasQuoted)
        cell = cell.trimmed();
    return true;
}

bool CsvReader::lineBreakAt(qsizetype at) const
{
    return at < text.size() && (text.at(at) == QLatin1Char('\n') || text.at(at) == QLatin1Char('\r'));
}

bool CsvReader::crlfAt(qsizetype at) const
{
    return at + 1 < text.size() && text.at(at) == QLatin1Char('\r') && text.at(at + 1) == QLatin1Char('\n');
}

void CsvReader::skipLineBreak()
{
    if (!lineBreakAt(pos))
        return;
    if (crlfAt(pos))
        ++pos;
    ++pos;
    ++line;
}

bool CsvReader::fail(int at, const char *message)
{
    failure = QCoreApplication::translate("CsvReader", message);
    failureLine = at;
    return false;
}
