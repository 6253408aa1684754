// Fuzz driver for the result importer and the ticket list: random and
// mutated operator files, started from the test fixtures, and random and
// mutated ticket lists. Build it with the sanitizers
// (-DNUMBERS_SANITIZE=ON, target fuzz_importer) and run
//   fuzz_importer [--seed N] [--count N] [--format results|tickets|both] [FIXTURE_DIR]
// (both, the default, takes turns).
// It prints its seed, so a run can be repeated, and stops with status 1 at
// the first input that breaks what a parse promises (the input is saved as
// fuzz-failure.bin). Crashes and undefined behaviour are the sanitizers' to
// report. Each file is judged on its own: a fixture read again after a
// refused input must get the verdict it got first.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "draw_calendar.h"
#include "result_importer.h"
#include "ticket_list.h"
#include "ticket_rules.h"

namespace {

std::mt19937_64 rng;

quint64 below(quint64 n)
{
    return n ? rng() % n : 0;
}

// Pieces that steer mutations towards the parser's branches, in UTF-8 and
// Shift_JIS.
QList<QByteArray> tokens()
{
    const char *const words[] = {
        ",", "\"", "\r\n", "\n", " ", "A50", "A5", "第", "回ナンバーズ", "第7064回ナンバーズ",
        "ナンバーズ3抽せん数字", "ナンバーズ4抽せん数字", "ストレート", "ボックス", "セット(ストレート)",
        "セット(ボックス)", "ミニ", "口", "円", "該当なし", "令和", "平成", "元年", "年", "月", "日",
        "2026/09/04", "令和8年9月4日", "平成16年7月1日", "１２３", "０", "999999999999999999999",
        "-1", "0", "251", "0071", "draw,date,number", "draw,date,number,straight,box,set_straight,set_box,mini",
        "draw,game,date,number", ",numbers4,", ",numbers3,", "ナンバーズ４抽せん数字",
        "\xEF\xBB\xBF", "\"1,024,300円\"", ",,,,", "\"\"", "\t", "(", ")", "・",
    };
    QList<QByteArray> out;
    QStringEncoder sjis("windows-31j");
    for (const char *w : words) {
        out.append(QByteArray(w));
        const QByteArray s = sjis(QString::fromUtf8(w));
        if (s != QByteArray(w))
            out.append(s);
    }
    return out;
}

// One game's part of a block: its result line and a line per way.
QByteArray randomPart(Game game)
{
    QByteArray b = "ナンバーズ" + QByteArray::number(Games::digits(game)) + "抽せん数字,"
        + Games::numberText(int(below(quint64(Games::numberCount(game)))), game).toLatin1() + "\r\n";
    for (const char *way : { "ストレート", "ボックス", "セット(ストレート)", "セット(ボックス)", "ミニ" }) {
        if (!Games::hasMini(game) && QByteArray(way) == "ミニ")
            break;
        if (below(8) == 0)
            b += QByteArray(way) + ",該当なし,該当なし\r\n";
        else
            b += QByteArray(way) + "," + QByteArray::number(below(1000)) + "口,\"" + QByteArray::number(below(2000000)) + "円\"\r\n";
    }
    return b;
}

// A well-formed block for a random real-calendar draw: one game, the other
// or both, maybe a blank line between them.
QByteArray randomBlock()
{
    const int draw = 1 + int(below(7200));
    const QDate d = DrawCalendar::dateOf(draw);
    QByteArray b = "A5" + QByteArray::number(int(below(10))) + "\r\n";
    b += "第" + QByteArray::number(draw) + "回ナンバーズ,ナンバーズ3・ナンバーズ4,"
        + d.toString(QStringLiteral("yyyy/MM/dd")).toLatin1() + "\r\n";
    const quint64 games = 1 + below(3);
    if (games & 1)
        b += randomPart(Game::Numbers3);
    if (below(2))
        b += "\r\n";
    if (games & 2)
        b += randomPart(Game::Numbers4);
    return below(3) == 0 ? QStringEncoder("windows-31j")(QString::fromUtf8(b)) : b;
}

void mutate(QByteArray &in, const QList<QByteArray> &dict, const QList<QByteArray> &corpus)
{
    const int edits = 1 + int(below(8));
    for (int e = 0; e < edits; ++e) {
        const qsizetype n = in.size();
        switch (below(9)) {
        case 0:  // flip a bit
            if (n)
                in[qsizetype(below(quint64(n)))] ^= char(1 << below(8));
            break;
        case 1:  // a random byte
            if (n)
                in[qsizetype(below(quint64(n)))] = char(below(256));
            break;
        case 2:  // insert a token
            in.insert(qsizetype(below(quint64(n) + 1)), dict.at(qsizetype(below(quint64(dict.size())))));
            break;
        case 3:  // delete a range
            if (n)
                in.remove(qsizetype(below(quint64(n))), qsizetype(1 + below(32)));
            break;
        case 4: {  // duplicate a range
            if (!n)
                break;
            const qsizetype at = qsizetype(below(quint64(n)));
            in.insert(qsizetype(below(quint64(n))), in.mid(at, qsizetype(1 + below(64))));
            break;
        }
        case 5:  // truncate
            in.truncate(qsizetype(below(quint64(n) + 1)));
            break;
        case 6: {  // splice another input
            const QByteArray &other = corpus.at(qsizetype(below(quint64(corpus.size()))));
            const qsizetype from = qsizetype(below(quint64(other.size()) + 1));
            in = in.left(qsizetype(below(quint64(n) + 1))) + other.mid(from);
            break;
        }
        case 7:  // replace a digit run's digit
            for (qsizetype i = qsizetype(below(quint64(n) + 1)); i < n; ++i)
                if (in.at(i) >= '0' && in.at(i) <= '9') {
                    in[i] = char('0' + below(10));
                    break;
                }
            break;
        default:  // add a whole block
            in.insert(qsizetype(below(quint64(n) + 1)), randomBlock());
            break;
        }
    }
    if (in.size() > 64 * 1024)
        in.truncate(64 * 1024);
}

// What every parse promises, good or bad.
QString broken(const ImportedFile &f)
{
    if (!f.ok()) {
        if (!f.draws.isEmpty())
            return QStringLiteral("draws kept with an error");
        if (!f.error.startsWith(QStringLiteral("fuzz:")))
            return QStringLiteral("error does not name the file: ") + f.error;
        return QString();
    }
    if (f.draws.isEmpty())
        return QStringLiteral("no draws and no error");
    std::pair<int, int> previous(0, 0);
    for (const DrawResult &r : f.draws) {
        const std::pair<int, int> key(r.draw, int(r.game));
        if (key <= previous)
            return QStringLiteral("draws not sorted or twice");
        previous = key;
        if (!Games::validNumber(r.number, r.game))
            return QStringLiteral("number out of range");
        if (!Games::hasMini(r.game) && (r.prize[DrawResult::Mini] || r.winners[DrawResult::Mini]))
            return QStringLiteral("a mini of a game without one");
        if (r.date.isValid() && !DrawCalendar::isDrawDay(r.date))
            return QStringLiteral("a date without a draw went through");
        for (size_t w = 0; w < size_t(DrawResult::WayCount); ++w)
            if ((r.prize[w] && *r.prize[w] < 0) || (r.winners[w] && *r.winners[w] < 0))
                return QStringLiteral("negative amount");
    }
    return QString();
}

// The ticket list: pieces of its fields, quoting and header.
QList<QByteArray> ticketTokens()
{
    QList<QByteArray> out;
    for (const char *w : { ",", "\"", "\"\"", "\r\n", "\n", "\r", " ", "straight", "box", "set", "mini", "BOX",
                           "draw,number,way,units,note", "draw,number,way,units,note,date,result,outcome,prize,prize_kind,game",
                           "draw,game,number,way,units", ",numbers4", ",numbers3", ",4", "0071", "6916", "1111", "box 24-way",
                           "000", "777", "99", "100", "0", "1", "999", "1000", "-1", "+1", "7065", "99999999999",
                           "waiting", "no win", "set-box 3-way", "theoretical", "actual", "\xEF\xBB\xBF", "誕生日",
                           "\xff", "\xe3\x81", "\0", "\t", "１２３" })
        out.append(QByteArray(w, qsizetype(std::strlen(w) ? std::strlen(w) : 1)));
    return out;
}

// A well-formed ticket line, sometimes with a note that needs quotes.
// With a column "game" last, of either game (a four-digit mini is refused).
QByteArray randomTicketLine(int maxDraw, bool gameColumn)
{
    static const char *const ways[] = { "straight", "box", "set", "mini" };
    const int way = int(below(4));
    const Game game = gameColumn && below(2) ? Game::Numbers4 : Game::Numbers3;
    const int digits = way == 3 ? 2 : Games::digits(game);
    QByteArray line = QByteArray::number(1 + int(below(quint64(maxDraw)))) + ','
        + QByteArray::number(int(below(way == 3 ? 100 : quint64(Games::numberCount(game))))).rightJustified(digits, '0') + ','
        + ways[way] + ',' + QByteArray::number(1 + int(below(99)));
    if (gameColumn) {
        line += QByteArray(",") + Games::key(game);
        return line + (below(4) ? "\n" : "\r\n");
    }
    switch (below(4)) {
    case 0: break;
    case 1: line += ",plain note"; break;
    case 2: line += ",\"a, \"\"b\"\"\nc\""; break;
    default: line += ",誕生日"; break;
    }
    return line + (below(4) ? "\n" : "\r\n");
}

QByteArray randomTicketList(int maxDraw)
{
    const quint64 header = below(3);
    QByteArray list = header == 1 ? QByteArray("draw,number,way,units,note\n")
                    : header == 2 ? QByteArray("draw,number,way,units,game\n") : QByteArray();
    for (int i = 0, n = 1 + int(below(12)); i < n; ++i)
        list += randomTicketLine(maxDraw, header == 2);
    return list;
}

// What a ticket list parse promises: all or nothing, the file named in the
// error, every ticket within the rules, and the export of what was read
// reads back to the same tickets.
QString brokenTickets(const TicketList::Parsed &p, int maxDraw)
{
    if (!p.ok()) {
        if (!p.tickets.isEmpty())
            return QStringLiteral("tickets kept with an error");
        if (!p.error.startsWith(QStringLiteral("fuzz:")))
            return QStringLiteral("error does not name the file: ") + p.error;
        return QString();
    }
    if (p.tickets.isEmpty())
        return QStringLiteral("no tickets and no error");
    QList<GradedTicket> rows;
    for (const Ticket &t : p.tickets) {
        const QString why = TicketRules::problem(t, maxDraw);
        if (!why.isEmpty())
            return QStringLiteral("a ticket against the rules went through: ") + why;
        GradedTicket g;
        g.ticket = t;
        g.drawDate = DrawCalendar::dateOf(t.draw);
        rows.append(g);
    }
    const TicketList::Parsed back = TicketList::parse(TicketList::exportCsv(rows), QStringLiteral("fuzz"), maxDraw);
    if (back.tickets.size() != p.tickets.size())
        return QStringLiteral("the export does not read back: ") + back.error;
    for (qsizetype i = 0; i < p.tickets.size(); ++i)
        if (!back.tickets.at(i).sameContent(p.tickets.at(i)))
            return QStringLiteral("ticket %1 changed through the export").arg(i + 1);
    return QString();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    quint64 seed = quint64(QDateTime::currentMSecsSinceEpoch());
    qint64 count = 1000000;
    QString fixtures = QStringLiteral(BOOK_FIXTURES);
    QString format = QStringLiteral("both");
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--seed") && i + 1 < args.size())
            seed = args.at(++i).toULongLong();
        else if (args.at(i) == QLatin1String("--count") && i + 1 < args.size())
            count = args.at(++i).toLongLong();
        else if (args.at(i) == QLatin1String("--format") && i + 1 < args.size())
            format = args.at(++i);
        else
            fixtures = args.at(i);
    }
    if (format != QLatin1String("results") && format != QLatin1String("tickets") && format != QLatin1String("both")) {
        std::fprintf(stderr, "fuzz_importer: --format takes results, tickets or both\n");
        return 2;
    }
    std::printf("seed %llu, %lld inputs, format %s, fixtures %s\n", static_cast<unsigned long long>(seed),
                static_cast<long long>(count), qPrintable(format), qPrintable(fixtures));
    std::fflush(stdout);
    rng.seed(seed);

    QList<QByteArray> corpus;
    for (const QFileInfo &fi : QDir(fixtures).entryInfoList(QDir::Files)) {
        QFile f(fi.filePath());
        if (f.open(QIODevice::ReadOnly))
            corpus.append(f.readAll());
    }
    // The fixtures' own verdicts, before any input could sway them.
    QList<bool> verdicts;
    for (const QByteArray &fixture : std::as_const(corpus))
        verdicts.append(ResultImporter::parse(fixture, QStringLiteral("fixture")).ok());
    const qsizetype fixtureCount = corpus.size();
    for (int i = 0; i < 16; ++i)
        corpus.append(randomBlock());
    const QList<QByteArray> dict = tokens();
    // A fixed bound keeps runs repeatable whatever the day.
    const int maxDraw = 7400;
    QList<QByteArray> ticketCorpus;
    for (int i = 0; i < 32; ++i)
        ticketCorpus.append(randomTicketList(maxDraw));
    const QList<QByteArray> ticketDict = ticketTokens();
    qint64 ticketsGood = 0, ticketsBad = 0;

    QElapsedTimer timer;
    timer.start();
    qint64 good = 0, bad = 0;
    for (qint64 i = 0; i < count; ++i) {
        if (i > 0 && i % 100000 == 0) {
            std::printf("%lld inputs, %.1f s; result files %lld accepted, %lld refused; ticket lists %lld accepted, %lld refused\n",
                        static_cast<long long>(i), double(timer.elapsed()) / 1000.0, static_cast<long long>(good),
                        static_cast<long long>(bad), static_cast<long long>(ticketsGood), static_cast<long long>(ticketsBad));
            std::fflush(stdout);
        }
        QByteArray input;
        if (format == QLatin1String("tickets") || (format == QLatin1String("both") && i % 2 == 1)) {
            const quint64 kind = below(20);
            if (kind == 0) {
                input.resize(qsizetype(below(256)));
                for (char &c : input)
                    c = char(below(256));
            } else if (kind == 1) {
                input = randomTicketList(maxDraw);
            } else {
                input = ticketCorpus.at(qsizetype(below(quint64(ticketCorpus.size()))));
                mutate(input, ticketDict, ticketCorpus);
            }
            const TicketList::Parsed p = TicketList::parse(input, QStringLiteral("fuzz"), maxDraw);
            const QString why = brokenTickets(p, maxDraw);
            if (!why.isEmpty()) {
                QFile out(QStringLiteral("fuzz-failure.bin"));
                if (out.open(QIODevice::WriteOnly))
                    out.write(input);
                std::printf("input %lld (ticket list): %s (saved as fuzz-failure.bin)\n", static_cast<long long>(i),
                            qPrintable(why));
                return 1;
            }
            p.ok() ? ++ticketsGood : ++ticketsBad;
            if (p.ok() && ticketCorpus.size() < 4096 && below(16) == 0)
                ticketCorpus.append(input);
            continue;
        }
        const quint64 kind = below(20);
        if (kind == 0) {  // pure noise
            input.resize(qsizetype(below(512)));
            for (char &c : input)
                c = char(below(256));
        } else if (kind == 1) {  // random blocks
            for (int b = 0; b < 1 + int(below(4)); ++b)
                input += randomBlock();
        } else {
            input = corpus.at(qsizetype(below(quint64(corpus.size()))));
            mutate(input, dict, corpus);
        }
        const ImportedFile f = ResultImporter::parse(input, QStringLiteral("fuzz"));
        QString why = broken(f);
        if (why.isEmpty() && !f.ok() && fixtureCount > 0 && below(8) == 0) {
            const qsizetype k = qsizetype(below(quint64(fixtureCount)));
            if (ResultImporter::parse(corpus.at(k), QStringLiteral("fixture")).ok() != verdicts.at(k))
                why = QStringLiteral("fixture %1 judged otherwise after this input").arg(k);
        }
        if (!why.isEmpty()) {
            QFile out(QStringLiteral("fuzz-failure.bin"));
            if (out.open(QIODevice::WriteOnly))
                out.write(input);
            std::printf("input %lld: %s (saved as fuzz-failure.bin)\n", static_cast<long long>(i), qPrintable(why));
            return 1;
        }
        f.ok() ? ++good : ++bad;
        // Keep some accepted inputs: they lead deeper.
        if (f.ok() && corpus.size() < 4096 && below(64) == 0)
            corpus.append(input);
    }
    std::printf("done: seed %llu, %lld inputs in %.1f s; result files %lld accepted, %lld refused; "
                "ticket lists %lld accepted, %lld refused; no broken promise\n",
                static_cast<unsigned long long>(seed), static_cast<long long>(count),
                double(timer.elapsed()) / 1000.0, static_cast<long long>(good), static_cast<long long>(bad),
                static_cast<long long>(ticketsGood), static_cast<long long>(ticketsBad));
    return 0;
}
