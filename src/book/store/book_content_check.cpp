#include "book_content_check.h"

#include <QCoreApplication>
#include <QList>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("BookContentCheck", text);
}

struct Index
{
    QString name;
    QStringList columns;
    bool text = false;  // a column of text: its figures miss a changed letter
    bool partial = false;  // a WHERE leaves rows out of it
};

// The figures an index and its table must agree on: rows, rowids, and each
// column weighed by its place (a flipped byte changes one of them).
QString sums(const Index &index)
{
    QStringList terms{ QStringLiteral("COUNT(*)"), QStringLiteral("SUM(rowid)") };
    for (qsizetype i = 0; i < index.columns.size(); ++i)
        terms << QStringLiteral("SUM(CAST(\"%1\" AS INTEGER) * %2 + length(\"%1\"))").arg(index.columns.at(i)).arg(i + 2);
    return terms.join(QLatin1String(", "));
}

// Entries of the table the index lacks, its text compared whole: with the
// counts and rowids equal, none means the index holds the table's rows. Only
// for text keys, as it sorts; they are a few short tables (meta, seen_files).
QString missingFromIndex(const Index &index, const QString &table)
{
    const QString columns = QStringLiteral("\"%1\", rowid").arg(index.columns.join(QLatin1String("\", \"")));
    return QStringLiteral("SELECT COUNT(*) FROM (SELECT %1 FROM \"%2\" NOT INDEXED EXCEPT SELECT %1 FROM \"%2\" INDEXED BY \"%3\")")
        .arg(columns, table, index.name);
}

// When only these rows changed and the table's indexes did not: their
// CHECKs, each looked up in every index, and every index counting the
// table's rows (a row gone or added leaves its index a row apart). False
// when that cannot be told this way; then the whole table is checked.
bool checkRows(QSqlQuery &q, const QString &table, const QStringList &rules, const QList<Index> &indexes,
               const QList<qint64> &rowids, QString *problem)
{
    for (const Index &index : indexes) {
        if (index.partial || index.columns.isEmpty() || index.columns.contains(QString()))
            return false;
    }
    QStringList ids;
    for (const qint64 rowid : rowids)
        ids << QString::number(rowid);
    const QString in = ids.join(QLatin1Char(','));
    if (!rules.isEmpty()) {
        if (!q.exec(QStringLiteral("SELECT COUNT(*) FILTER (WHERE NOT (%1)) FROM \"%2\" WHERE rowid IN (%3)")
                        .arg(rules.join(QLatin1String(" AND ")), table, in))
            || !q.next())
            return false;
        if (q.value(0).toLongLong() > 0) {
            *problem = tr("the table %1 holds values that break its CHECK constraints (rows: %2)").arg(table).arg(q.value(0).toLongLong());
            return true;
        }
    }
    if (indexes.isEmpty())
        return true;
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM \"%1\" NOT INDEXED").arg(table)) || !q.next())
        return false;
    const qint64 rows = q.value(0).toLongLong();
    for (const Index &index : indexes) {
        QStringList same;
        for (const QString &column : index.columns)
            same << QStringLiteral("e.\"%1\" IS r.\"%1\"").arg(column);
        if (!q.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM \"%1\" INDEXED BY \"%2\"), (SELECT COUNT(*) FROM \"%1\" AS r"
                                   " WHERE r.rowid IN (%3) AND NOT EXISTS (SELECT 1 FROM \"%1\" AS e INDEXED BY \"%2\" WHERE %4 AND e.rowid = r.rowid))")
                        .arg(table, index.name, in, same.join(QLatin1String(" AND "))))
            || !q.next())
            return false;
        if (q.value(0).toLongLong() != rows || q.value(1).toLongLong() != 0) {
            *problem = tr("the index %1 does not match the table %2").arg(index.name, table);
            return true;
        }
    }
    return true;
}

} // namespace

QStringList BookContentCheck::checks(const QString &createTable)
{
    QStringList found;
    static const QLatin1String Check("CHECK");
    for (qsizetype at = createTable.indexOf(Check, 0, Qt::CaseInsensitive); at >= 0;
         at = createTable.indexOf(Check, at + 1, Qt::CaseInsensitive)) {
        qsizetype open = at + Check.size();
        while (open < createTable.size() && createTable.at(open).isSpace())
            ++open;
        if (open >= createTable.size() || createTable.at(open) != QLatin1Char('('))
            continue;
        int depth = 0;
        bool quoted = false;
        for (qsizetype i = open; i < createTable.size(); ++i) {
            const QChar c = createTable.at(i);
            if (c == QLatin1Char('\''))
                quoted = !quoted;
            else if (!quoted && c == QLatin1Char('('))
                ++depth;
            else if (!quoted && c == QLatin1Char(')') && --depth == 0) {
                found << createTable.mid(open, i - open + 1);
                break;
            }
        }
    }
    return found;
}

QString BookContentCheck::firstProblem(QSqlQuery &q, bool *failed, const QSet<QString> &spared,
                                       const QHash<QString, QList<qint64>> &onlyRows)
{
    *failed = true;
    QList<std::pair<QString, QString>> tables;  // name, CREATE TABLE
    if (!q.exec(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'")))
        return QString();
    while (q.next())
        tables.append({ q.value(0).toString(), q.value(1).toString() });
    for (const auto &[table, sql] : std::as_const(tables)) {
        if (spared.contains(table))
            continue;
        QList<Index> indexes;
        if (!q.exec(QStringLiteral("SELECT name, partial FROM pragma_index_list('%1')").arg(table)))
            return QString();
        while (q.next())
            indexes.append({ q.value(0).toString(), {}, false, q.value(1).toBool() });
        for (Index &index : indexes) {
            if (!q.exec(QStringLiteral("SELECT i.name, c.type LIKE '%TEXT%' FROM pragma_index_info('%1') i"
                                       " LEFT JOIN pragma_table_info('%2') c ON c.name = i.name").arg(index.name, table)))
                return QString();
            while (q.next()) {
                index.columns << q.value(0).toString();  // an expression has no name: weighed as NULL
                index.text = index.text || q.value(1).toBool();
            }
        }
        const QStringList rules = checks(sql);
        if (const auto only = onlyRows.constFind(table); only != onlyRows.cend()) {
            QString problem;
            if (checkRows(q, table, rules, indexes, *only, &problem)) {
                if (!problem.isEmpty()) {
                    *failed = false;
                    return problem;
                }
                continue;
            }
        }
        // One scan of the table for its CHECKs and every index's figures;
        // a filter's AND stops at a row's first broken CHECK, and NULL passes as in a CHECK.
        QStringList columns{ rules.isEmpty() ? QStringLiteral("SUM(0)")
                                             : QStringLiteral("COUNT(*) FILTER (WHERE NOT (%1))").arg(rules.join(QLatin1String(" AND "))) };
        for (const Index &index : std::as_const(indexes))
            columns << sums(index);
        if (!q.exec(QStringLiteral("SELECT %1 FROM \"%2\" NOT INDEXED").arg(columns.join(QLatin1String(", ")), table)) || !q.next())
            return QString();
        if (q.value(0).toLongLong() > 0) {
            *failed = false;
            return tr("the table %1 holds values that break its CHECK constraints (rows: %2)").arg(table).arg(q.value(0).toLongLong());
        }
        QList<QVariant> tableFigures;
        for (int i = 1; i < q.record().count(); ++i)
            tableFigures << q.value(i);
        int first = 0;
        for (const Index &index : std::as_const(indexes)) {
            if (!q.exec(QStringLiteral("SELECT %1 FROM \"%2\" INDEXED BY \"%3\"").arg(sums(index), table, index.name)) || !q.next())
                return QString();
            const int n = q.record().count();
            for (int i = 0; i < n; ++i) {
                if (q.value(i) != tableFigures.value(first + i)) {
                    *failed = false;
                    return tr("the index %1 does not match the table %2").arg(index.name, table);
                }
            }
            first += n;
            if (!index.text || index.columns.contains(QString()))
                continue;
            if (!q.exec(missingFromIndex(index, table)) || !q.next())
                return QString();
            if (q.value(0).toLongLong() != 0) {
                *failed = false;
                return tr("the index %1 does not match the table %2").arg(index.name, table);
            }
        }
    }
    *failed = false;
    return QString();
}
