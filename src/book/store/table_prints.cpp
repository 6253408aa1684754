#include "table_prints.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSqlQuery>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <iterator>

namespace {

struct Header
{
    qint64 pageSize = 0;  // 0: no prints for this file
    QByteArray fixed;     // page size and text encoding, hashed into every print
};

Header readHeader(QFile &book)
{
    Header h;
    const QByteArray head = book.seek(0) ? book.read(100) : QByteArray();
    if (head.size() < 100 || head.at(18) == 2 || head.at(19) == 2)
        return h;
    const quint16 size = qFromBigEndian<quint16>(head.constData() + 16);
    h.pageSize = size == 1 ? 65536 : size;
    h.fixed = head.mid(16, 2) + head.mid(56, 4);
    return h;
}

// Each table's schema rows (its own, its indexes', its triggers'), and the
// table each index belongs to.
bool readSchema(QSqlQuery &q, QHash<QString, QByteArray> *schema, QHash<QString, QString> *owner)
{
    if (!q.exec(QStringLiteral("SELECT tbl_name, type, name, rootpage, sql FROM sqlite_master"
                               " WHERE tbl_name NOT LIKE 'sqlite_%' ORDER BY tbl_name, name")))
        return false;
    while (q.next()) {
        const QString table = q.value(0).toString();
        for (int i = 1; i < 5; ++i)
            (*schema)[table] += q.value(i).toString().toUtf8() + '\0';
        owner->insert(q.value(2).toString(), table);
    }
    return true;
}

// Each page's hash, by page number; empty when a page could not be read.
QHash<quint32, quint64> pageHashes(QFile &book, const Header &header, const QList<quint32> &pages)
{
    QHash<quint32, quint64> hashes;
    QByteArray page(header.pageSize, '\0');
    for (const quint32 p : pages) {
        if (p == 0 || !book.seek((qint64(p) - 1) * header.pageSize) || book.read(page.data(), header.pageSize) != header.pageSize)
            return {};
        hashes.insert(p, qHashBits(page.constData(), size_t(page.size()), 0));
    }
    return hashes;
}

// The print of the header's fixed part, the schema rows and these pages
// (sorted), each with its number.
quint64 printOf(const Header &header, const QByteArray &schema, const QList<quint32> &pages, const QHash<quint32, quint64> &hashes)
{
    size_t h = qHashBits(header.fixed.constData(), size_t(header.fixed.size()), 0);
    h = qHashBits(schema.constData(), size_t(schema.size()), h);
    for (const quint32 p : pages) {
        const quint64 pageHash = hashes.value(p);
        h = qHashBits(&p, sizeof p, h);
        h = qHashBits(&pageHash, sizeof pageHash, h);
    }
    return h;
}

// "12:9f3a,13:77c0": leaf pages and their hashes.
QByteArray leafList(const QList<quint32> &leaves, const QHash<quint32, quint64> &hashes)
{
    QByteArray out;
    for (const quint32 p : leaves)
        out += (out.isEmpty() ? "" : ",") + QByteArray::number(p) + ':' + QByteArray::number(hashes.value(p), 16);
    return out;
}

// A SQLite varint at *at, moving past it; false past the end.
bool readVarint(const QByteArray &page, qsizetype *at, qint64 *value)
{
    quint64 v = 0;
    for (int i = 0; i < 9; ++i) {
        if (*at >= page.size())
            return false;
        const quint8 byte = quint8(page.at((*at)++));
        if (i == 8) {
            v = (v << 8) | byte;
            break;
        }
        v = (v << 7) | (byte & 0x7f);
        if (!(byte & 0x80))
            break;
    }
    *value = qint64(v);
    return true;
}

// The rowids on a table's leaf page; false when it is not one.
bool rowidsOn(QFile &book, const Header &header, quint32 p, QList<qint64> *rowids)
{
    QByteArray page(header.pageSize, '\0');
    // Page 1 starts with the file's header: never a leaf of the book's tables.
    if (p < 2 || !book.seek((qint64(p) - 1) * header.pageSize) || book.read(page.data(), header.pageSize) != header.pageSize
        || page.at(0) != 0x0d)
        return false;
    const int cells = qFromBigEndian<quint16>(page.constData() + 3);
    for (int i = 0; i < cells; ++i) {
        qsizetype at = 8 + 2 * i;
        if (at + 2 > page.size())
            return false;
        at = qFromBigEndian<quint16>(page.constData() + at);
        qint64 payload = 0;
        qint64 rowid = 0;
        if (!readVarint(page, &at, &payload) || !readVarint(page, &at, &rowid))
            return false;
        *rowids << rowid;
    }
    return true;
}

// "2-5,9": runs of page numbers.
QByteArray ranges(const QList<quint32> &pages)
{
    QByteArray out;
    for (qsizetype i = 0; i < pages.size();) {
        qsizetype j = i;
        while (j + 1 < pages.size() && pages.at(j + 1) == pages.at(j) + 1)
            ++j;
        out += (out.isEmpty() ? "" : ",") + QByteArray::number(pages.at(i));
        if (j > i)
            out += '-' + QByteArray::number(pages.at(j));
        i = j + 1;
    }
    return out;
}

// At most `last` pages; empty when the list is not one ranges() wrote.
QList<quint32> pagesOf(const QByteArray &text, quint32 last)
{
    QList<quint32> pages;
    for (const QByteArray &run : text.split(',')) {
        const qsizetype dash = run.indexOf('-');
        bool ok1 = false, ok2 = true;
        const quint32 from = run.left(dash < 0 ? run.size() : dash).toUInt(&ok1);
        const quint32 to = dash < 0 ? from : run.mid(dash + 1).toUInt(&ok2);
        if (!ok1 || !ok2 || from == 0 || to < from || to > last)
            return {};
        for (quint32 p = from; p <= to; ++p)
            pages << p;
    }
    return pages;
}

} // namespace

QByteArray TablePrints::record(QSqlQuery &q, QFile &book)
{
    // The schema first: its read takes the transaction's lock.
    QHash<QString, QByteArray> schema;
    QHash<QString, QString> owner;
    if (!readSchema(q, &schema, &owner))
        return QByteArray();
    const Header header = readHeader(book);
    if (header.pageSize == 0 || !q.exec(QStringLiteral("SELECT name, pageno, pagetype FROM dbstat")))
        return QByteArray();
    QMap<QString, QList<quint32>> pages;
    QHash<QString, QList<quint32>> leaves;  // of the table's own tree
    while (q.next()) {
        const QString name = q.value(0).toString();
        const QString table = owner.value(name);
        if (table.isEmpty())
            continue;
        pages[table] << q.value(1).toUInt();
        if (name == table && q.value(2).toString() == QLatin1String("leaf"))
            leaves[table] << q.value(1).toUInt();
    }
    QByteArray out;
    for (auto it = pages.begin(); it != pages.end(); ++it) {
        std::sort(it->begin(), it->end());
        const QHash<quint32, quint64> hashes = pageHashes(book, header, *it);
        if (hashes.size() != it->size())
            return QByteArray();
        QList<quint32> &own = leaves[it.key()];
        std::sort(own.begin(), own.end());
        QList<quint32> rest;
        std::set_difference(it->cbegin(), it->cend(), own.cbegin(), own.cend(), std::back_inserter(rest));
        const QByteArray &rows = schema.value(it.key());
        out += QByteArray::number(printOf(header, rows, *it, hashes), 16) + ' ' + ranges(*it) + ' '
               + it.key().toUtf8().toPercentEncoding() + ' ' + QByteArray::number(printOf(header, rows, rest, hashes), 16) + ' '
               + leafList(own, hashes) + '\n';
    }
    return out;
}

TablePrints::Changes TablePrints::compare(QSqlQuery &q, QFile &book, const QByteArray &recorded)
{
    Changes changes;
    QHash<QString, QByteArray> schema;
    QHash<QString, QString> owner;
    if (!readSchema(q, &schema, &owner))
        return changes;
    const Header header = readHeader(book);
    if (header.pageSize == 0)
        return changes;
    const quint32 last = quint32(std::min<qint64>(book.size() / header.pageSize, 0xffffffff));
    for (const QByteArray &line : recorded.split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        const QString table = parts.size() >= 3 ? QString::fromUtf8(QByteArray::fromPercentEncoding(parts.at(2))) : QString();
        const QList<quint32> pages = pagesOf(parts.value(1), last);
        if (pages.isEmpty() || !schema.contains(table))
            continue;
        const QHash<quint32, quint64> hashes = pageHashes(book, header, pages);
        if (hashes.size() != pages.size())
            continue;
        bool read = false;
        const QByteArray &rows = schema.value(table);
        if (printOf(header, rows, pages, hashes) == parts.at(0).toULongLong(&read, 16) && read) {
            changes.same.insert(table);
            continue;
        }
        if (parts.size() != 5)
            continue;
        // Only leaves changed: all else as printed, a few leaves that are leaves still.
        QList<quint32> leaves;
        QList<quint32> changed;
        for (const QByteArray &leaf : parts.at(4).split(',')) {
            const qsizetype colon = leaf.indexOf(':');
            const quint32 p = leaf.left(colon).toUInt();
            leaves << p;
            if (colon < 0 || hashes.value(p) != leaf.mid(colon + 1).toULongLong(&read, 16) || !read)
                changed << p;
        }
        if (!std::is_sorted(leaves.cbegin(), leaves.cend()) || changed.size() > qMax(qsizetype(4), leaves.size() / 4))
            continue;
        QList<quint32> rest;
        std::set_difference(pages.cbegin(), pages.cend(), leaves.cbegin(), leaves.cend(), std::back_inserter(rest));
        if (rest.size() + leaves.size() != pages.size() || printOf(header, rows, rest, hashes) != parts.at(3).toULongLong(&read, 16) || !read)
            continue;
        QList<qint64> rowids;
        bool leavesStill = true;
        for (const quint32 p : std::as_const(changed))
            leavesStill = leavesStill && rowidsOn(book, header, p, &rowids);
        if (leavesStill)
            changes.rows.insert(table, rowids);
    }
    return changes;
}
