#include "result_importer.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

#include "draw_calendar.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// A parse failure: line 0 means the file as a whole.
struct Failure
{
    int line;
    QString message;
};

QString located(const QString &file, int line, const QString &message)
{
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message)
                    : QStringLiteral("%1: %2").arg(file, message);
}

// What a path that is neither a file nor a folder is, in words.
QString specialKind(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        if (S_ISFIFO(st.st_mode))
            return ResultImporter::tr("a named pipe (FIFO)");
        if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
            return ResultImporter::tr("a device");
        if (S_ISSOCK(st.st_mode))
            return ResultImporter::tr("a socket");
    }
#else
    Q_UNUSED(path);
#endif
    return ResultImporter::tr("something else");
}

// Splits one CSV line: commas outside double quotes; blanks around cells and
// the quotes themselves are dropped ("" inside quotes is one quote).
QStringList cells(const QString &line)
{
    QStringList out;
    QString cell;
    bool quoted = false;
    bool wasQuoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            if (!wasQuoted)
                cell = cell.trimmed();  // blanks before the opening quote
            wasQuoted = true;
        } else if (c == QLatin1Char(',')) {
            out.append(wasQuoted ? cell : cell.trimmed());
            cell.clear();
            wasQuoted = false;
        } else if (!(wasQuoted && c.isSpace())) {
            cell += c;
        }
    }
    out.append(wasQuoted ? cell : cell.trimmed());
    return out;
}

// Whole digits, maybe with thousands commas: "1,234,500". -1 when not so.
qint64 amount(QString text)
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

// Only ASCII digits, between min and max of them.
bool isDigits(const QString &text, int min, int max)
{
    return text.size() >= min && text.size() <= max && std::all_of(text.begin(), text.end(), [](QChar c) {
               return c >= QLatin1Char('0') && c <= QLatin1Char('9');
           });
}

bool isNoWinner(const QString &text)
{
    return text.trimmed() == QStringLiteral("該当なし");
}

bool threeDigits(const QString &text)
{
    return isDigits(text, 3, 3);
}

// Finds a date anywhere in a cell. found says whether something looked like
// a date at all; the date is invalid when it does not exist.
QDate findDate(const QString &cell, bool *found)
{
    static const QRegularExpression era(QStringLiteral("(平成|令和)\\s*(元|\\d{1,2})\\s*年\\s*(\\d{1,2})\\s*月\\s*(\\d{1,2})\\s*日"));
    static const QRegularExpression western(QStringLiteral("(\\d{4})\\s*年\\s*(\\d{1,2})\\s*月\\s*(\\d{1,2})\\s*日"));
    static const QRegularExpression numeric(QStringLiteral("(?<!\\d)(\\d{4})([/.-])(\\d{1,2})\\2(\\d{1,2})(?!\\d)"));
    *found = true;
    QRegularExpressionMatch m = era.match(cell);
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

// The calendar check shared by both formats: a day without any draw is an
// error; a draw day that is not this draw's day is a warning.
std::optional<Failure> checkDate(const DrawResult &r, int line, QStringList &warnings)
{
    if (!r.date.isValid())
        return std::nullopt;
    if (!DrawCalendar::isDrawDay(r.date)) {
        // The weekday in the language of the message, not of the system:
        // the catalogue names the locale its words are in.
        const QLocale words(ResultImporter::tr("C", "locale of the weekday name in the next message"));
        return Failure{ line, ResultImporter::tr("draw %1: there is no draw on %2 (%3)")
                                  .arg(r.draw)
                                  .arg(r.date.toString(Qt::ISODate), words.dayName(r.date.dayOfWeek())) };
    }
    const QDate expected = DrawCalendar::dateOf(r.draw);
    if (expected.isValid() && expected != r.date)
        warnings.append(ResultImporter::tr("draw %1: dated %2, but the calendar puts it on %3")
                            .arg(r.draw)
                            .arg(r.date.toString(Qt::ISODate), expected.toString(Qt::ISODate)));
    return std::nullopt;
}

struct Parsed
{
    QList<DrawResult> draws;
    QList<int> lines;  // line of each draw, for duplicate messages
    QStringList warnings;
};

std::optional<Failure> addDraw(Parsed &p, const DrawResult &r, int line)
{
    if (auto f = checkDate(r, line, p.warnings))
        return f;
    p.draws.append(r);
    p.lines.append(line);
    return std::nullopt;
}

// ---- the book's plain CSV -------------------------------------------------

std::optional<Failure> parsePlain(const QStringList &lines, int headerIndex, Parsed &p)
{
    const QStringList header = cells(lines.at(headerIndex));
    QHash<QString, int> column;
    for (int i = 0; i < header.size(); ++i)
        column.insert(header.at(i).toLower(), i);
    for (const char *need : { "draw", "date", "number" })
        if (!column.contains(QLatin1String(need)))
            return Failure{ headerIndex + 1, ResultImporter::tr("the header has no column \"%1\"").arg(QLatin1String(need)) };
    int prizeColumn[DrawResult::WayCount], winnersColumn[DrawResult::WayCount];
    for (int w = 0; w < DrawResult::WayCount; ++w) {
        const QString key = QLatin1String(DrawResult::wayKey(DrawResult::Way(w)));
        prizeColumn[w] = column.value(key, -1);
        winnersColumn[w] = column.value(key + QStringLiteral("_winners"), -1);
    }
    const int drawCol = column.value(QStringLiteral("draw"));
    const int dateCol = column.value(QStringLiteral("date"));
    const int numberCol = column.value(QStringLiteral("number"));

    for (int i = headerIndex + 1; i < lines.size(); ++i) {
        const int line = i + 1;
        if (lines.at(i).trimmed().isEmpty() || lines.at(i).startsWith(QLatin1Char('#')))
            continue;
        const QStringList row = cells(lines.at(i));
        const auto at = [&row](int c) { return c >= 0 && c < row.size() ? row.at(c) : QString(); };
        if (row.size() <= std::max({ drawCol, dateCol, numberCol }))
            return Failure{ line, ResultImporter::tr("expected at least %1 cells, found %2")
                                      .arg(std::max({ drawCol, dateCol, numberCol }) + 1).arg(row.size()) };
        DrawResult r;
        const qint64 draw = amount(at(drawCol));
        if (draw <= 0 || draw > 1000000)
            return Failure{ line, ResultImporter::tr("draw number \"%1\" is not 1 or more").arg(at(drawCol)) };
        r.draw = int(draw);
        if (!at(dateCol).isEmpty()) {
            r.date = ResultImporter::parseDate(at(dateCol));
            if (!r.date.isValid())
                return Failure{ line, ResultImporter::tr("draw %1: \"%2\" is not a date that exists").arg(r.draw).arg(at(dateCol)) };
        }
        if (!threeDigits(at(numberCol)))
            return Failure{ line, ResultImporter::tr("draw %1: result \"%2\" is not three digits").arg(r.draw).arg(at(numberCol)) };
        r.number = at(numberCol).toInt();
        for (size_t w = 0; w < size_t(DrawResult::WayCount); ++w) {
            const QString prize = at(prizeColumn[w]);
            if (isNoWinner(prize)) {
                r.winners[w] = 0;
            } else if (!prize.isEmpty()) {
                const qint64 v = amount(prize);
                if (v < 0)
                    return Failure{ line, ResultImporter::tr("draw %1: prize \"%2\" is not an amount").arg(r.draw).arg(prize) };
                r.prize[w] = v;
            }
            const QString winners = at(winnersColumn[w]);
            if (!winners.isEmpty()) {
                const qint64 v = amount(winners);
                if (v < 0)
                    return Failure{ line, ResultImporter::tr("draw %1: winners \"%2\" is not a count").arg(r.draw).arg(winners) };
                r.winners[w] = v;
            }
        }
        if (auto f = addDraw(p, r, line))
            return f;
    }
    return std::nullopt;
}

// ---- the operator's files -------------------------------------------------

int wayOfLabel(QString label)
{
    label.remove(QLatin1Char(' '));
    label.remove(QChar(0x30FB));  // katakana middle dot, as in セット・ストレート
    if (label == QStringLiteral("ストレート"))
        return DrawResult::Straight;
    if (label == QStringLiteral("ボックス"))
        return DrawResult::Box;
    if (label == QStringLiteral("セット(ストレート)") || label == QStringLiteral("セットストレート"))
        return DrawResult::SetStraight;
    if (label == QStringLiteral("セット(ボックス)") || label == QStringLiteral("セットボックス"))
        return DrawResult::SetBox;
    if (label == QStringLiteral("ミニ"))
        return DrawResult::Mini;
    return -1;
}

const char *const WayLabels[DrawResult::WayCount] = { "ストレート", "ボックス", "セット(ストレート)", "セット(ボックス)", "ミニ" };

std::optional<Failure> parseOperator(const QStringList &lines, Parsed &p)
{
    static const QRegularExpression marker(QStringLiteral("^A5\\d$"));
    static const QRegularExpression drawLine(QStringLiteral("^第\\s*(\\d+)\\s*回\\s*ナンバーズ"));
    static const QRegularExpression n3(QStringLiteral("^ナンバーズ\\s*3\\s*抽(せん|選)数字"));
    static const QRegularExpression n4(QStringLiteral("^ナンバーズ\\s*4\\s*抽(せん|選)数字"));

    // The Numbers3 part of the block being read.
    struct Block
    {
        bool open = false;
        int startLine = 0;
        int drawLineNo = 0;
        bool inN4 = false;
        bool haveNumber = false;
        int waysSeen = 0;  // bit per way
        DrawResult r;
    } b;

    const auto finish = [&p, &b](int line) -> std::optional<Failure> {
        if (!b.open)
            return std::nullopt;
        b.open = false;
        if (b.r.draw == 0)
            return Failure{ b.startLine, ResultImporter::tr("the block has no line \"第N回ナンバーズ\" (cut short?)") };
        if (!b.haveNumber)
            return Failure{ line, ResultImporter::tr("draw %1: the block is cut short: no line \"ナンバーズ3抽せん数字\"").arg(b.r.draw) };
        for (int w = 0; w < DrawResult::WayCount; ++w)
            if (!(b.waysSeen & (1 << w)))
                return Failure{ line, ResultImporter::tr("draw %1: the block is cut short: no line \"%2\"")
                                          .arg(b.r.draw).arg(QString::fromUtf8(WayLabels[w])) };
        return addDraw(p, b.r, b.drawLineNo);
    };
    const auto start = [&b](int line) {
        b = Block();
        b.open = true;
        b.startLine = line;
    };

    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        const QStringList row = cells(lines.at(i));
        const QString first = row.value(0);
        if (marker.match(first).hasMatch()) {
            if (auto f = finish(line - 1))
                return f;
            start(line);
            continue;
        }
        const QRegularExpressionMatch dm = drawLine.match(first);
        if (dm.hasMatch()) {
            // A block without its marker line is still read.
            if (b.open && (b.r.draw != 0)) {
                if (auto f = finish(line - 1))
                    return f;
            }
            if (!b.open)
                start(line);
            bool ok = false;
            const int draw = dm.captured(1).toInt(&ok);
            if (!ok || draw <= 0 || draw > 1000000)
                return Failure{ line, ResultImporter::tr("draw number \"%1\" is not 1 or more").arg(dm.captured(1)) };
            b.r.draw = draw;
            b.drawLineNo = line;
            for (qsizetype c = row.size() - 1; c >= 0; --c) {
                bool looks = false;
                const QDate d = findDate(row.at(c), &looks);
                if (looks) {
                    if (!d.isValid())
                        return Failure{ line, ResultImporter::tr("draw %1: \"%2\" is not a date that exists").arg(draw).arg(row.at(c)) };
                    b.r.date = d;
                    break;
                }
            }
            if (!b.r.date.isValid())
                return Failure{ line, ResultImporter::tr("draw %1: the line gives no draw date").arg(draw) };
            continue;
        }
        if (!b.open || b.inN4)
            continue;
        if (n4.match(first).hasMatch()) {
            b.inN4 = true;  // the four-digit game is not kept
            if (auto f = finish(line))
                return f;
            continue;
        }
        if (b.r.draw == 0)
            continue;
        if (n3.match(first).hasMatch()) {
            QString number;
            for (qsizetype c = 1; c < row.size() && number.isEmpty(); ++c)
                number = QString(row.at(c)).remove(QLatin1Char(' '));
            if (!threeDigits(number))
                return Failure{ line, ResultImporter::tr("draw %1: result \"%2\" is not three digits").arg(b.r.draw).arg(number) };
            b.r.number = number.toInt();
            b.haveNumber = true;
            continue;
        }
        const int way = b.haveNumber ? wayOfLabel(first) : -1;
        if (way < 0)
            continue;  // lines the book does not need (sales, carry-over, ...)
        // Winners as "NNN口", the prize last: "NNN円" or 該当なし. An amount
        // with thousands commas outside quotes spans several cells; join them.
        QStringList rest = row.mid(1);
        while (!rest.isEmpty() && rest.constLast().isEmpty())
            rest.removeLast();
        std::optional<qint64> winners;
        std::optional<qint64> prize;
        qsizetype winnersAt = -1;
        for (qsizetype c = 0; c < rest.size() && winnersAt < 0; ++c) {
            if (rest.at(c).endsWith(QStringLiteral("口"))) {
                // "1,234口" outside quotes arrives as "1" and "234口": take in
                // the digit groups before it, as for the prize.
                QString count = rest.at(c).chopped(1);
                for (qsizetype g = c - 1; g >= 0 && isDigits(count.section(QLatin1Char(','), 0, 0), 3, 3)
                                          && isDigits(rest.at(g), 1, 3); --g)
                    count.prepend(rest.at(g) + QLatin1Char(','));
                const qint64 v = amount(count);
                if (v < 0)
                    return Failure{ line, ResultImporter::tr("draw %1: winners \"%2\" is not a count").arg(b.r.draw).arg(count + QStringLiteral("口")) };
                winners = v;
                winnersAt = c;
            }
        }
        if (!rest.isEmpty() && isNoWinner(rest.constLast())) {
            winners = 0;
        } else {
            QString text = rest.mid(winnersAt + 1).join(QString());
            if (text.endsWith(QStringLiteral("円")))
                text.chop(1);
            const qint64 v = amount(text);
            if (v < 0)
                return Failure{ line, ResultImporter::tr("draw %1: prize \"%2\" is not an amount")
                                          .arg(b.r.draw).arg(rest.mid(winnersAt + 1).join(QLatin1Char(','))) };
            prize = v;
        }
        b.r.prize[size_t(way)] = prize;
        b.r.winners[size_t(way)] = winners;
        b.waysSeen |= 1 << way;
    }
    return finish(int(lines.size()));
}

// The line of the first thing decode() refuses: a control character, or a
// line that is neither UTF-8 nor Shift_JIS. Line ends as in parse().
int firstBadLine(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (bytes.endsWith('\x1A'))
        bytes.chop(1);
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

} // namespace

QString ResultImporter::decode(const QByteArray &bytes, bool *ok)
{
    *ok = false;
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    // Old DOS tools end a text file with Ctrl-Z.
    if (body.endsWith('\x1A'))
        body.chop(1);
    if (body.contains('\0'))
        return QString();
    QString text;
    {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8(body);
        if (utf8.hasError()) {
            // The operator writes Shift_JIS; CP932 is its superset (NEC signs).
            // Opening the converter costs more than a small file; keep one.
            static thread_local QStringDecoder sjis("windows-31j", QStringDecoder::Flag::Stateless);
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

QDate ResultImporter::parseDate(const QString &text)
{
    const QString t = text.normalized(QString::NormalizationForm_KC).trimmed();
    bool looks = false;
    const QDate d = findDate(t, &looks);
    return looks ? d : QDate();
}

ImportedFile ResultImporter::read(const QString &path)
{
    ImportedFile out;
    out.fileName = path;
    const QFileInfo info(path);
    if (!info.exists()) {
        out.error = located(path, 0, ResultImporter::tr("no such file"));
        return out;
    }
    if (info.isDir()) {
        out.error = located(path, 0, ResultImporter::tr("is a folder, not a file"));
        return out;
    }
    // Opening a pipe or a device could wait forever or never end.
    if (!info.isFile()) {
        out.error = located(path, 0, ResultImporter::tr("is %1, not a regular file; only files can be imported")
                                         .arg(specialKind(path)));
        return out;
    }
    // Checked before reading, so a huge file costs nothing.
    if (info.size() > MaxFileSize) {
        out.error = located(path, 0, ResultImporter::tr("too large (%1 MB; a results file has at most %2 MB)")
                                         .arg(info.size() / (1024 * 1024)).arg(MaxFileSize / (1024 * 1024)));
        return out;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        out.error = located(path, 0, ResultImporter::tr("cannot be read: %1").arg(f.errorString()));
        return out;
    }
    const QByteArray bytes = f.read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize) {
        out.error = located(path, 0, ResultImporter::tr("too large (a results file has at most %1 MB)").arg(MaxFileSize / (1024 * 1024)));
        return out;
    }
    return parse(bytes, path);
}

ImportedFile ResultImporter::parse(const QByteArray &bytes, const QString &fileName)
{
    ImportedFile out;
    out.fileName = fileName;
    if (bytes.size() > MaxFileSize) {
        out.error = located(fileName, 0, ResultImporter::tr("too large (a results file has at most %1 MB)").arg(MaxFileSize / (1024 * 1024)));
        return out;
    }
    bool ok = false;
    const QString text = decode(bytes, &ok);
    if (!ok) {
        out.error = located(fileName, firstBadLine(bytes), ResultImporter::tr("not a text file in UTF-8 or Shift_JIS (binary data?)"));
        return out;
    }
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    const QStringList lines = text.split(lineBreak);

    int firstLine = -1;
    for (int i = 0; i < lines.size() && firstLine < 0; ++i)
        if (!lines.at(i).trimmed().isEmpty())
            firstLine = i;
    if (firstLine < 0) {
        out.error = located(fileName, 1, ResultImporter::tr("the file is empty"));
        return out;
    }

    Parsed parsed;
    std::optional<Failure> failure;
    const QStringList head = cells(lines.at(firstLine));
    static const QRegularExpression operatorLine(QStringLiteral("^(A5\\d|第\\s*\\d+\\s*回\\s*ナンバーズ)$|^第\\s*\\d+\\s*回\\s*ナンバーズ"));
    if (head.value(0).toLower() == QStringLiteral("draw")) {
        out.format = ImportedFile::PlainCsv;
        failure = parsePlain(lines, firstLine, parsed);
    } else if (std::any_of(lines.begin(), lines.end(), [](const QString &l) {
                   return operatorLine.match(cells(l).value(0)).hasMatch();
               })) {
        out.format = ImportedFile::OperatorFile;
        failure = parseOperator(lines, parsed);
    } else {
        failure = Failure{ firstLine + 1, ResultImporter::tr("not a results file (neither the operator's A5x blocks nor the header draw,date,number)") };
    }
    if (!failure && parsed.draws.isEmpty())
        failure = Failure{ firstLine + 1, ResultImporter::tr("the file holds no result of Numbers3") };

    // One draw twice is fine when it says the same thing.
    if (!failure) {
        QHash<int, int> seen;  // draw -> index
        QList<DrawResult> unique;
        QList<int> uniqueLines;
        for (qsizetype i = 0; i < parsed.draws.size() && !failure; ++i) {
            const DrawResult &r = parsed.draws.at(i);
            const auto it = seen.constFind(r.draw);
            if (it == seen.constEnd()) {
                seen.insert(r.draw, int(unique.size()));
                unique.append(r);
                uniqueLines.append(parsed.lines.at(i));
                continue;
            }
            const DrawResult &before = unique.at(*it);
            if (before.number != r.number || before.date != r.date)
                failure = Failure{ parsed.lines.at(i), ResultImporter::tr("draw %1 appears twice with different results (%2 on line %3, %4 here)")
                                                             .arg(r.draw)
                                                             .arg(before.numberText())
                                                             .arg(uniqueLines.at(*it))
                                                             .arg(r.numberText()) };
        }
        if (!failure) {
            std::sort(unique.begin(), unique.end(), [](const DrawResult &a, const DrawResult &b) { return a.draw < b.draw; });
            for (DrawResult &r : unique) {
                r.sourceKind = DrawResult::File;
                r.source = fileName;
            }
            out.draws = unique;
            out.warnings = parsed.warnings;
        }
    }
    if (failure)
        out.error = located(fileName, failure->line, failure->message);
    return out;
}
