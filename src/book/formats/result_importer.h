#ifndef RESULT_IMPORTER_H
#define RESULT_IMPORTER_H

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>
#include <QString>

#include "imported_file.h"

// Reads result files of both games: the operator's per-draw file
// (A100NNNN.CSV), the operator's multi-draw file (the same blocks one after
// another) and the book's plain CSV
// (draw[,game],date,number[,straight,box,set_straight,set_box,mini]).
// Shift_JIS or UTF-8 (with or without BOM); full-width digits and letters are
// folded with NFKC first. Pure functions: nothing touches the book.
class ResultImporter
{
    Q_DECLARE_TR_FUNCTIONS(ResultImporter)

public:
    // Files larger than this are refused without being read.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    // Reads and parses one file; a missing, unreadable or too large file is an error.
    static ImportedFile read(const QString &path);
    // Parses bytes as the content of fileName (used in messages and as source).
    static ImportedFile parse(const QByteArray &bytes, const QString &fileName);

    // Decodes UTF-8 (BOM optional) or Shift_JIS/CP932 and applies NFKC.
    // Sets *ok to false when the bytes are neither (e.g. binary).
    static QString decode(const QByteArray &bytes, bool *ok);
    // "平成16年7月1日", "令和元年5月7日", "2004年7月1日", "2004/07/01",
    // "2004-07-01" (after NFKC). Invalid when not a date or it does not exist.
    static QDate parseDate(const QString &text);
    // The name of the operator's per-draw file, A100NNNN.CSV in any case, also
    // as browsers name a second copy; the first capture is the draw.
    static QRegularExpression perDrawName();
};

#endif
