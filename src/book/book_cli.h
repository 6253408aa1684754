#ifndef BOOK_CLI_H
#define BOOK_CLI_H

#include <QStringList>

class BookStore;
class QTextStream;

// The command-line import: reads each file, stores it whole or not at all,
// and prints one line per file, e.g.
//   FILE: 3 new, 117 already known, 1 replaced
//   FILE: error: FILE:LINE: message
// Hand-entered values are never replaced from here; conflicts are printed
// on further lines ("  draw N: kept X (entered by hand), file has Y").
class BookCli
{
public:
    // Returns 0 when every file went in, 1 otherwise.
    static int importFiles(BookStore &store, const QStringList &files, QTextStream &out);
};

#endif
