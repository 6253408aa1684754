// Fuzz driver for the result importer: random and mutated operator files,
// started from the test fixtures. Build it with the sanitizers
// (-DNUMBERS_SANITIZE=ON, target fuzz_importer) and run
//   fuzz_importer [--seed N] [--count N] [FIXTURE_DIR]
// It prints its seed, so a run can be repeated, and stops with status 1 at
// the first input that breaks what a parse promises (the input is saved as
// fuzz-failure.bin). Crashes and undefined behaviour are the sanitizers' to
// report.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "draw_calendar.h"
#include "result_importer.h"

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
        "-1", "0", "251", "draw,date,number", "draw,date,number,straight,box,set_straight,set_box,mini",
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

// A well-formed block for a random real-calendar draw.
QByteArray randomBlock()
{
    const int draw = 1 + int(below(7200));
    const QDate d = DrawCalendar::dateOf(draw);
    QByteArray b = "A5" + QByteArray::number(int(below(10))) + "\r\n";
    b += "第" + QByteArray::number(draw) + "回ナンバーズ,ナンバーズ3・ナンバーズ4,"
        + d.toString(QStringLiteral("yyyy/MM/dd")).toLatin1() + "\r\n";
    b += "ナンバーズ3抽せん数字," + QByteArray::number(int(below(1000))).rightJustified(3, '0') + "\r\n";
    for (const char *way : { "ストレート", "ボックス", "セット(ストレート)", "セット(ボックス)", "ミニ" }) {
        if (below(8) == 0)
            b += QByteArray(way) + ",該当なし,該当なし\r\n";
        else
            b += QByteArray(way) + "," + QByteArray::number(below(1000)) + "口,\"" + QByteArray::number(below(200000)) + "円\"\r\n";
    }
    if (below(2))
        b += "ナンバーズ4抽せん数字,1234\r\nストレート,1口,1000円\r\n";
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
    int previous = 0;
    for (const DrawResult &r : f.draws) {
        if (r.draw <= previous)
            return QStringLiteral("draws not sorted or twice");
        previous = r.draw;
        if (r.number < 0 || r.number > 999)
            return QStringLiteral("number out of range");
        if (r.date.isValid() && !DrawCalendar::isDrawDay(r.date))
            return QStringLiteral("a date without a draw went through");
        for (size_t w = 0; w < size_t(DrawResult::WayCount); ++w)
            if ((r.prize[w] && *r.prize[w] < 0) || (r.winners[w] && *r.winners[w] < 0))
                return QStringLiteral("negative amount");
    }
    return QString();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    quint64 seed = quint64(QDateTime::currentMSecsSinceEpoch());
    qint64 count = 1000000;
    QString fixtures = QStringLiteral(BOOK_FIXTURES);
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--seed") && i + 1 < args.size())
            seed = args.at(++i).toULongLong();
        else if (args.at(i) == QLatin1String("--count") && i + 1 < args.size())
            count = args.at(++i).toLongLong();
        else
            fixtures = args.at(i);
    }
    std::printf("seed %llu, %lld inputs, fixtures %s\n", static_cast<unsigned long long>(seed),
                static_cast<long long>(count), qPrintable(fixtures));
    std::fflush(stdout);
    rng.seed(seed);

    QList<QByteArray> corpus;
    for (const QFileInfo &fi : QDir(fixtures).entryInfoList(QDir::Files)) {
        QFile f(fi.filePath());
        if (f.open(QIODevice::ReadOnly))
            corpus.append(f.readAll());
    }
    for (int i = 0; i < 16; ++i)
        corpus.append(randomBlock());
    const QList<QByteArray> dict = tokens();

    QElapsedTimer timer;
    timer.start();
    qint64 good = 0, bad = 0;
    for (qint64 i = 0; i < count; ++i) {
        QByteArray input;
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
        const QString why = broken(f);
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
        if ((i + 1) % 100000 == 0) {
            std::printf("%lld inputs, %.1f s, %lld accepted, %lld refused\n", static_cast<long long>(i + 1),
                        double(timer.elapsed()) / 1000.0, static_cast<long long>(good), static_cast<long long>(bad));
            std::fflush(stdout);
        }
    }
    std::printf("done: seed %llu, %lld inputs in %.1f s, %lld accepted, %lld refused, no broken promise\n",
                static_cast<unsigned long long>(seed), static_cast<long long>(count),
                double(timer.elapsed()) / 1000.0, static_cast<long long>(good), static_cast<long long>(bad));
    return 0;
}
