#include "table_prints.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSqlQuery>
#include <QVariant>
#include <QtEndian>

#include <algorithm>

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

quint64 hashOf(QFile &book, const Header &header, const QByteArray &schema, const QList<quint32> &pages, bool *ok)
{
    size_t h = qHashBits(header.fixed.constData(), size_t(header.fixed.size()), 0);
    h = qHashBits(schema.constData(), size_t(schema.size()), h);
    QByteArray page(header.pageSize, '\0');
    for (const quint32 p : pages) {
        if (p == 0 || !book.seek((qint64(p) - 1) * header.pageSize) || book.read(page.data(), header.pageSize) != header.pageSize) {
            *ok = false;
            return 0;
        }
        h = qHashBits(&p, sizeof p, h);
        h = qHashBits(page.constData(), size_t(page.size()), h);
    }
    return h;
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
    if (header.pageSize == 0 || !q.exec(QStringLiteral("SELECT name, pageno FROM dbstat")))
        return QByteArray();
    QMap<QString, QList<quint32>> pages;
    while (q.next()) {
        const QString table = owner.value(q.value(0).toString());
        if (!table.isEmpty())
            pages[table] << q.value(1).toUInt();
    }
    QByteArray out;
    for (auto it = pages.begin(); it != pages.end(); ++it) {
        std::sort(it->begin(), it->end());
        bool ok = true;
        const quint64 hash = hashOf(book, header, schema.value(it.key()), *it, &ok);
        if (!ok)
            return QByteArray();
        out += QByteArray::number(hash, 16) + ' ' + ranges(*it) + ' ' + it.key().toUtf8().toPercentEncoding() + '\n';
    }
    return out;
}

QSet<QString> TablePrints::unchanged(QSqlQuery &q, QFile &book, const QByteArray &recorded)
{
    QSet<QString> same;
    QHash<QString, QByteArray> schema;
    QHash<QString, QString> owner;
    if (!readSchema(q, &schema, &owner))
        return same;
    const Header header = readHeader(book);
    if (header.pageSize == 0)
        return same;
    const quint32 last = quint32(std::min<qint64>(book.size() / header.pageSize, 0xffffffff));
    for (const QByteArray &line : recorded.split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        const QString table = parts.size() == 3 ? QString::fromUtf8(QByteArray::fromPercentEncoding(parts.at(2))) : QString();
        const QList<quint32> pages = pagesOf(parts.value(1), last);
        bool ok = !pages.isEmpty() && schema.contains(table);
        const quint64 hash = ok ? hashOf(book, header, schema.value(table), pages, &ok) : 0;
        bool read = false;
        if (ok && hash == parts.at(0).toULongLong(&read, 16) && read)
            same.insert(table);
    }
    return same;
}
