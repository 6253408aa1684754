#include "ticket_list.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <array>

#include "csv_reader.h"
#include "csv_writer.h"
#include "export_file.h"
#include "ticket_rules.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TicketList", text);
}

// A list is typed or exported by a person; anything larger is a wrong file.
constexpr qint64 MaxBytes = 16 * 1024 * 1024;
constexpr int MaxTickets = 200000;
// Fields of the plain list (without and with a note) and of the export.
constexpr int PlainFields = 4;
constexpr int NoteFields = 5;
constexpr int ExportFields = 10;

const char *const ExportHeader = "draw,number,way,units,note,date,result,outcome,prize,prize_kind,game\n";
// Written after them by the full export, and read by name.
const char *const CollectingHeader = ",last_day,collected,online";
enum Named { GameColumn, LastDayColumn, CollectedColumn, OnlineColumn, NamedCount };
const char *const NamedKeys[NamedCount] = { "game", "last_day", "collected", "online" };

bool isBlank(const CsvReader::Record &r)
{
    return r.fields.size() == 1 && r.fields.constFirst().trimmed().isEmpty();
}

// A whole number written in digits only (spaces around allowed); -1 otherwise.
int digitsValue(const QString &field)
{
    const QString s = field.trimmed();
    if (s.isEmpty() || s.size() > 9)
        return -1;
    for (const QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    return s.toInt();
}

// The line of the first byte that is not UTF-8.
int firstNonUtf8Line(QByteArrayView bytes)
{
    int line = 1;
    QStringDecoder probe(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    for (const QByteArray &piece : bytes.toByteArray().split('\n')) {
        const QString decoded = probe.decode(piece + '\n');  // a cut sequence at the end of a line is an error too
        Q_UNUSED(decoded);
        if (probe.hasError())
            break;
        ++line;
    }
    return line;
}

// The columns a header names (game, last_day, collected, online), -1 for
// those it lacks.
std::array<int, NamedCount> namedColumns(const QStringList &header)
{
    std::array<int, NamedCount> at;
    at.fill(-1);
    for (int i = 0; i < header.size(); ++i)
        for (int n = 0; n < NamedCount; ++n)
            if (header.at(i).trimmed().compare(QLatin1String(NamedKeys[n]), Qt::CaseInsensitive) == 0)
                at[size_t(n)] = i;
    return at;
}

// Takes the named columns out of a record, the rightmost first so the
// others keep their places; a column the record is too short for is empty.
std::array<QString, NamedCount> takeNamed(QStringList &fields, const std::array<int, NamedCount> &at)
{
    std::array<QString, NamedCount> out;
    for (int i = int(fields.size()) - 1; i >= 0; --i)
        for (int n = 0; n < NamedCount; ++n)
            if (at[size_t(n)] == i)
                out[size_t(n)] = fields.takeAt(i).trimmed();
    return out;
}

// The marks of a ticket from its cells: collected is the day (YYYY-MM-DD)
// or empty, online "yes" or empty ("no" too).
QString readMarks(const QString &collected, const QString &online, Ticket &t)
{
    if (!collected.isEmpty()) {
        t.collected = QDate::fromString(collected, Qt::ISODate);
        if (!t.collected.isValid())
            return tr("\"%1\" is not the day a win was collected (YYYY-MM-DD)").arg(collected.left(40));
    }
    const bool yes = online.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0;
    if (!yes && !online.isEmpty() && online.compare(QLatin1String("no"), Qt::CaseInsensitive) != 0)
        return tr("\"%1\" is not a mark of a ticket bought online; use yes or leave it empty").arg(online.left(40));
    t.online = yes;
    return QString();
}

// Whether a record is the header: it names the draw column, wherever.
bool isHeader(const QStringList &fields)
{
    return std::any_of(fields.cbegin(), fields.cend(), [](const QString &f) {
        return f.trimmed().compare(QLatin1String("draw"), Qt::CaseInsensitive) == 0;
    });
}

// A game cell: numbers3 or numbers4 (3, 4), or the games' Japanese names
// (ナンバーズ3, ナンバーズ４).
std::optional<Game> gameOf(const QString &cell)
{
    QString key = cell.normalized(QString::NormalizationForm_KC).remove(QLatin1Char(' '));
    if (key.startsWith(QStringLiteral("ナンバーズ")))
        key.remove(0, 5);
    return Games::fromKey(key);
}

// The ticket in one record of a list, or why there is none. gameNamed: the
// list has a game column.
QString readTicket(const QStringList &fields, int maxDraw, Game game, bool gameNamed, Ticket *ticket, bool *padded)
{
    const qsizetype n = fields.size();
    if (n != PlainFields && n != NoteFields && n != ExportFields)
        return gameNamed ? tr("expected draw,number,way,units, an optional note and the game column of the header; fields found: %1").arg(n + 1)
                         : tr("expected draw,number,way,units and an optional note separated by commas, and a game column "
                              "when the header names one; fields found: %1").arg(n);
    Ticket &t = *ticket;
    t.game = game;
    const std::optional<Ticket::Way> way = Ticket::wayFromKey(fields.at(2).trimmed());
    if (!way)
        return tr("\"%1\" is not a way of buying; use straight, box, set or mini").arg(fields.at(2).trimmed().left(40));
    t.way = *way;
    t.draw = digitsValue(fields.at(0));
    if (t.draw < 0)
        return tr("\"%1\" is not a draw number").arg(fields.at(0).trimmed().left(40));
    // Too many digits for the way is refused by the rules below.
    const TicketRules::NumberReading number = TicketRules::readNumber(fields.at(1), t.way, t.game);
    if (number.status == TicketRules::NumberReading::NotDigits)
        return tr("\"%1\" is not a number (digits only)").arg(fields.at(1).trimmed().left(40));
    if (number.status == TicketRules::NumberReading::TooManyDigits && !gameNamed && t.way != Ticket::Mini
        && fields.at(1).trimmed().size() == Games::digits(Game::Numbers4))
        return tr("\"%1\" has four digits: for Numbers4 tickets, add a game column to the header "
                  "(draw,number,way,units,game) and write numbers4 in it").arg(fields.at(1).trimmed());
    t.number = number.number;
    *padded = number.padded;
    t.units = digitsValue(fields.at(3));
    if (t.units < 0)
        return tr("\"%1\" is not a number of units").arg(fields.at(3).trimmed().left(40));
    if (n > PlainFields)
        t.note = fields.at(4);
    if (t.note.size() > Ticket::MaxNoteLength)
        return tr("the note is longer than %1 characters").arg(Ticket::MaxNoteLength);
    return TicketRules::problem(t, maxDraw);
}

// "6-way" and so on: the kind of a box or set win, by its count of orders.
QByteArray kindKey(TicketGrade::Kind kind)
{
    return kind == TicketGrade::None ? QByteArray() : QByteArray::number(TicketGrade::orders(kind)) + "-way";
}

QByteArray outcomeKey(const GradedTicket &row)
{
    const TicketGrade &g = row.grade;
    switch (g.outcome) {
    case TicketGrade::Waiting: return row.resultDue ? "result missing" : "waiting";
    case TicketGrade::NoWin: return "no win";
    case TicketGrade::StraightWin: return "straight";
    case TicketGrade::BoxWin: return "box " + kindKey(g.kind);
    case TicketGrade::SetStraight: return "set-straight " + kindKey(g.kind);
    case TicketGrade::SetBox: return "set-box " + kindKey(g.kind);
    case TicketGrade::MiniWin: return "mini";
    }
    return QByteArray();
}

} // namespace

namespace TicketList {

Parsed parse(const QByteArray &data, const QString &fileName, int maxDraw)
{
    Parsed out;
    const auto fail = [&out, &fileName](int line, const QString &message) {
        out.tickets.clear();
        out.padded = 0;
        out.error = line > 0 ? QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(message)
                             : QStringLiteral("%1: %2").arg(fileName, message);
        return out;
    };
    if (data.size() > MaxBytes)
        return fail(0, tr("the file is larger than %1 MB; a ticket list is much smaller").arg(MaxBytes / (1024 * 1024)));

    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QByteArrayView bytes(data);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return fail(firstNonUtf8Line(bytes), tr("the file is not UTF-8 text (save it as UTF-8 CSV)"));
    if (text.contains(QChar(0)))
        return fail(0, tr("the file holds binary data, not a ticket list"));

    CsvReader reader(text);
    CsvReader::Record record;
    bool first = true;
    std::array<int, NamedCount> named;  // without a game column, a list is of the three-digit game
    named.fill(-1);
    while (!reader.atEnd()) {
        if (!reader.next(record))
            return fail(reader.errorLine(), reader.error());
        if (isBlank(record))
            continue;
        const bool header = first && isHeader(record.fields);
        first = false;
        if (header) {
            named = namedColumns(record.fields);
            continue;
        }
        const std::array<QString, NamedCount> cells = takeNamed(record.fields, named);
        const QString &key = cells[GameColumn];
        const std::optional<Game> game = gameOf(key);
        if (!key.isEmpty() && !game)
            return fail(record.line, tr("\"%1\" is not a game; use numbers3 or numbers4").arg(key.left(40)));
        Ticket t;
        bool padded = false;
        QString problem = readTicket(record.fields, maxDraw, game.value_or(Game::Numbers3), named[GameColumn] >= 0, &t, &padded);
        if (problem.isEmpty())
            problem = readMarks(cells[CollectedColumn], cells[OnlineColumn], t);
        if (!problem.isEmpty())
            return fail(record.line, problem);
        if (out.tickets.size() >= MaxTickets)
            return fail(record.line, tr("more than %1 tickets in one list").arg(MaxTickets));
        out.tickets.append(t);
        out.padded += padded ? 1 : 0;
    }
    if (out.tickets.isEmpty())
        return fail(0, tr("no tickets in the file (draw,number,way,units[,note] per line)"));
    return out;
}

Parsed read(const QString &path, int maxDraw)
{
    const QFileInfo info(path);
    const auto refuse = [&path](const QString &why) {
        Parsed out;
        out.error = QStringLiteral("%1: %2").arg(path, why);
        return out;
    };
    if (!info.exists())
        return refuse(tr("no such file"));
    // A pipe or a device could keep the read waiting or never end.
    if (!info.isFile())
        return refuse(tr("not a regular file; only files can be read"));
    if (info.size() > MaxBytes)
        return refuse(tr("the file is larger than %1 MB; a ticket list is much smaller").arg(MaxBytes / (1024 * 1024)));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        Parsed out;
        out.error = QStringLiteral("%1: %2").arg(path, tr("cannot read the file: %1").arg(f.errorString()));
        return out;
    }
    // One byte more than allowed is enough to refuse the file.
    const QByteArray data = f.read(MaxBytes + 1);
    if (f.error() != QFileDevice::NoError) {
        Parsed out;
        out.error = QStringLiteral("%1: %2").arg(path, tr("cannot read the file: %1").arg(f.errorString()));
        return out;
    }
    return parse(data, path, maxDraw);
}

QByteArray exportCsv(const QList<GradedTicket> &rows, Layout layout)
{
    QByteArray out(ExportHeader);
    if (layout == Layout::WithCollecting)
        out.insert(out.size() - 1, CollectingHeader);
    out.reserve(out.size() + rows.size() * 64);
    for (const GradedTicket &r : rows) {
        const Ticket &t = r.ticket;
        const TicketGrade &g = r.grade;
        out += QByteArray::number(t.draw) + ',' + t.numberText().toLatin1() + ',' + Ticket::wayKey(t.way) + ','
            + QByteArray::number(t.units) + ',' + CsvWriter::field(t.note) + ','
            + r.drawDate.toString(Qt::ISODate).toLatin1() + ','
            + (r.resultNumber >= 0 ? Games::numberText(r.resultNumber, t.game).toLatin1() : QByteArray()) + ','
            + outcomeKey(r) + ','
            + (g.outcome == TicketGrade::Waiting ? QByteArray() : QByteArray::number(g.prize)) + ','
            + (g.won() ? QByteArray(g.theoretical ? "theoretical" : "actual") : QByteArray()) + ','
            + Games::key(t.game);
        if (layout == Layout::WithCollecting)
            out += ',' + (r.grade.won() ? r.period.until().toString(Qt::ISODate).toLatin1() : QByteArray()) + ','
                + t.collected.toString(Qt::ISODate).toLatin1() + ',' + (t.online ? "yes" : "");
        out += '\n';
    }
    return out;
}

bool write(const QString &path, const QList<GradedTicket> &rows, QString *error, Layout layout)
{
    QString why;
    if (ExportFile::write(path, exportCsv(rows, layout), &why))
        return true;
    if (error)
        *error = tr("Cannot write %1: %2").arg(path, why);
    return false;
}

} // namespace TicketList
