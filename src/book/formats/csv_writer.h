#ifndef CSV_WRITER_H
#define CSV_WRITER_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writes CSV as UTF-8 the way CsvReader reads it back: a field goes in
// quotes, its quotes doubled, only when it holds a comma, a quote or a line
// break; a record is its fields joined by commas and ends in LF.
class CsvWriter
{
public:
    static QByteArray field(const QString &text);
    static QByteArray record(const QStringList &fields);
};

#endif
