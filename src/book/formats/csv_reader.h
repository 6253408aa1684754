#ifndef CSV_READER_H
#define CSV_READER_H

#include <QString>
#include <QStringList>

// Splits CSV text into records: fields separated by commas, "..." around a
// field that holds commas, quotes ("" inside) or line breaks; lines end in
// LF, CRLF or CR.
//
// Exact (ticket lists): fields as written. A quote opens only at the start
// of a field; text after a closing quote, or a quote never closed, stops
// the reading with the line it is on (messages in context "TicketList").
//
// Lenient (result files, one line at a time): what spreadsheets and the
// operator write. Blanks around a cell are dropped, a quote may open
// anywhere in a cell, what follows a closing quote is kept but for blanks,
// and a quote left open runs to the end. Never an error.
class CsvReader
{
public:
    enum class Style { Exact, Lenient };

    struct Record
    {
        QStringList fields;
        int line = 0;  // the line the record starts on, from 1
    };

    explicit CsvReader(const QString &text, Style style = Style::Exact);

    bool atEnd() const { return pos >= text.size(); }
    // Reads the next record; false on a bad quote (see error()).
    bool next(Record &record);
    QString error() const { return failure; }
    int errorLine() const { return failureLine; }

    // The cells of one line of a result file, read the lenient way.
    static QStringList cells(const QString &line);

private:
    bool readField(QString &cell);
    bool lineBreakAt(qsizetype at) const;
    bool crlfAt(qsizetype at) const;
    void skipLineBreak();
    bool fail(int line, const char *message);

    const QString text;
    const Style style;
    qsizetype pos = 0;
    int line = 1;
    QString failure;
    int failureLine = 0;
};

#endif
