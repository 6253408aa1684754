#include "csv_writer.h"

#include <QByteArrayList>

QByteArray CsvWriter::field(const QString &text)
{
    QByteArray utf8 = text.toUtf8();
    if (!utf8.contains(',') && !utf8.contains('"') && !utf8.contains('\n') && !utf8.contains('\r'))
        return utf8;
    utf8.replace("\"", "\"\"");
    return '"' + utf8 + '"';
}

QByteArray CsvWriter::record(const QStringList &fields)
{
    QByteArrayList quoted;
    quoted.reserve(fields.size());
    for (const QString &text : fields)
        quoted.append(field(text));
    return quoted.join(',') + '\n';
}
