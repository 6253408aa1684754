#include "operator_file.h"

#include <QRegularExpression>

#include "csv_reader.h"
#include "payment_line.h"
#include "result_importer.h"
#include "result_text.h"

using Failure = ParsedResults::Failure;
using Outcome = ParsedResults::Outcome;

namespace {

const char *const WayLabels[DrawResult::WayCount] = { "ストレート", "ボックス", "セット(ストレート)", "セット(ボックス)", "ミニ" };

const QString NumbersLabel = QStringLiteral("ナンバーズ");

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

// The count in cell c, which ends in 口. "1,234口" outside quotes arrives as
// "1" and "234口": take in the digit groups before it, as for the prize.
QString winnersText(const QStringList &cells, qsizetype c)
{
    QString count = cells.at(c).chopped(1);
    for (qsizetype g = c - 1; g >= 0 && ResultText::isDigits(count.section(QLatin1Char(','), 0, 0), 3, 3)
                              && ResultText::isDigits(cells.at(g), 1, 3); --g)
        count.prepend(cells.at(g) + QLatin1Char(','));
    return count;
}

} // namespace

bool OperatorFile::isOperatorLine(const QString &firstCell)
{
    static const QRegularExpression operatorLine(QStringLiteral("^(A5\\d|第\\s*\\d+\\s*回\\s*ナンバーズ)$|^第\\s*\\d+\\s*回\\s*ナンバーズ"));
    // Most lines are turned away by their first letter, without a match.
    return (firstCell.startsWith(QLatin1String("A5")) || firstCell.startsWith(QChar(0x7B2C)))  // 第
        && operatorLine.match(firstCell).hasMatch();
}

Outcome OperatorFile::parse(const QStringList &lines, ParsedResults &out)
{
    OperatorFile file(out);
    for (int i = 0; i < lines.size(); ++i)
        if (auto f = file.readLine(CsvReader::cells(lines.at(i)), i + 1))
            return f;
    return file.finish(int(lines.size()));
}

Outcome OperatorFile::readLine(const QStringList &row, int line)
{
    static const QRegularExpression marker(QStringLiteral("^A5\\d$"));
    static const QRegularExpression drawLine(QStringLiteral("^第\\s*(\\d+)\\s*回\\s*ナンバーズ"));
    // Full-width digits are half-width here already (ResultText::decode).
    static const QRegularExpression numberLine(QStringLiteral("^ナンバーズ\\s*([34])\\s*抽(せん|選)数字"));

    // Each expression runs only on a line that begins as it does: matching
    // every line of thousands of small files took most of their reading.
    const QString first = row.value(0);
    if (first.startsWith(QLatin1String("A5")) && marker.match(first).hasMatch()) {
        if (auto f = finish(line - 1))
            return f;
        start(line);
        return std::nullopt;
    }
    if (first.startsWith(QChar(0x7B2C))) {  // 第
        const QRegularExpressionMatch dm = drawLine.match(first);
        if (dm.hasMatch())
            return readDrawLine(row, line, dm.captured(1));
    }
    if (!block.open || block.draw == 0)
        return std::nullopt;
    if (PaymentLine::isPaymentLine(first))
        return PaymentLine::read(row, line, block.draw, block.date, block.payFrom, block.payUntil);
    const QRegularExpressionMatch nm = first.startsWith(NumbersLabel) ? numberLine.match(first) : QRegularExpressionMatch();
    if (nm.hasMatch())
        return readNumberLine(row, line, nm.captured(1) == QLatin1String("4") ? Game::Numbers4 : Game::Numbers3);
    if (block.reading < 0)
        return std::nullopt;
    const Game game = block.parts[block.reading].r.game;
    const int way = wayOfLabel(first);
    if (way < 0 || (way == DrawResult::Mini && !Games::hasMini(game)))
        return std::nullopt;  // lines the book does not need (sales, carry-over, ...)
    return readWayLine(row, line, way);
}

Outcome OperatorFile::readDrawLine(const QStringList &row, int line, const QString &number)
{
    // A block without its marker line is still read.
    if (block.open && (block.draw != 0)) {
        if (auto f = finish(line - 1))
            return f;
    }
    if (!block.open)
        start(line);
    bool ok = false;
    const int draw = number.toInt(&ok);
    if (!ok || draw <= 0 || draw > 1000000)
        return Failure{ line, ResultImporter::tr("draw number \"%1\" is not 1 or more").arg(number) };
    block.draw = draw;
    block.drawLineNo = line;
    for (qsizetype c = row.size() - 1; c >= 0; --c) {
        bool looks = false;
        const QDate d = ResultText::findDate(row.at(c), &looks);
        if (looks) {
            if (!d.isValid())
                return Failure{ line, ResultImporter::tr("draw %1: \"%2\" is not a date that exists").arg(draw).arg(row.at(c)) };
            block.date = d;
            break;
        }
    }
    if (!block.date.isValid())
        return Failure{ line, ResultImporter::tr("draw %1: the line gives no draw date").arg(draw) };
    return std::nullopt;
}

Outcome OperatorFile::readNumberLine(const QStringList &row, int line, Game game)
{
    QString number;
    for (qsizetype c = 1; c < row.size() && number.isEmpty(); ++c)
        number = QString(row.at(c)).remove(QLatin1Char(' '));
    if (!ResultText::isDigits(number, Games::digits(game), Games::digits(game)))
        return ParsedResults::notANumber(line, block.draw, number, game);
    Part &part = block.parts[partOf(game)];
    if (part.haveNumber)
        return Failure{ line, ResultImporter::tr("draw %1: a second line \"%2\" in one block").arg(block.draw).arg(row.value(0)) };
    part.r.game = game;
    part.r.number = number.toInt();
    part.haveNumber = true;
    block.reading = partOf(game);
    return std::nullopt;
}

// Winners as "NNN口", the prize last: "NNN円" or 該当なし. An amount with
// thousands commas outside quotes spans several cells; join them.
Outcome OperatorFile::readWayLine(const QStringList &row, int line, int way)
{
    QStringList rest = row.mid(1);
    while (!rest.isEmpty() && rest.constLast().isEmpty())
        rest.removeLast();
    std::optional<qint64> winners;
    std::optional<qint64> prize;
    qsizetype winnersAt = -1;
    for (qsizetype c = 0; c < rest.size() && winnersAt < 0; ++c) {
        if (rest.at(c).endsWith(QStringLiteral("口"))) {
            const QString count = winnersText(rest, c);
            const qint64 v = ResultText::amount(count);
            if (v < 0)
                return Failure{ line, ResultImporter::tr("draw %1: winners \"%2\" is not a count").arg(block.draw).arg(count + QStringLiteral("口")) };
            winners = v;
            winnersAt = c;
        }
    }
    if (!rest.isEmpty() && ResultText::isNoWinner(rest.constLast())) {
        winners = 0;
    } else {
        QString text = rest.mid(winnersAt + 1).join(QString());
        if (text.endsWith(QStringLiteral("円")))
            text.chop(1);
        const qint64 v = ResultText::amount(text);
        if (v < 0)
            return Failure{ line, ResultImporter::tr("draw %1: prize \"%2\" is not an amount")
                                      .arg(block.draw).arg(rest.mid(winnersAt + 1).join(QLatin1Char(','))) };
        prize = v;
    }
    Part &part = block.parts[block.reading];
    part.r.prize[size_t(way)] = prize;
    part.r.winners[size_t(way)] = winners;
    part.waysSeen |= 1 << way;
    return std::nullopt;
}

void OperatorFile::start(int line)
{
    block = Block();
    block.open = true;
    block.startLine = line;
}

Outcome OperatorFile::finish(int line)
{
    if (!block.open)
        return std::nullopt;
    block.open = false;
    if (block.draw == 0)
        return Failure{ block.startLine, ResultImporter::tr("the block has no line \"第N回ナンバーズ\" (cut short?)") };
    if (!block.parts[0].haveNumber && !block.parts[1].haveNumber)
        return Failure{ line, ResultImporter::tr("draw %1: the block is cut short: no line \"ナンバーズ3抽せん数字\"").arg(block.draw) };
    for (Part &part : block.parts)
        if (auto f = finishPart(part, line))
            return f;
    return std::nullopt;
}

// Every way the game sells must have its line.
Outcome OperatorFile::finishPart(Part &part, int line)
{
    if (!part.haveNumber)
        return std::nullopt;
    const Game game = part.r.game;
    for (int w = 0; w < DrawResult::WayCount; ++w) {
        if ((part.waysSeen & (1 << w)) || (w == DrawResult::Mini && !Games::hasMini(game)))
            continue;
        if (game == Game::Numbers4)
            return Failure{ line, ResultImporter::tr("draw %1: the block of Numbers4 is cut short: no line \"%2\"")
                                      .arg(block.draw).arg(QString::fromUtf8(WayLabels[w])) };
        return Failure{ line, ResultImporter::tr("draw %1: the block is cut short: no line \"%2\"")
                                  .arg(block.draw).arg(QString::fromUtf8(WayLabels[w])) };
    }
    part.r.draw = block.draw;
    part.r.date = block.date;
    part.r.payFrom = block.payFrom;
    part.r.payUntil = block.payUntil;
    return out.add(part.r, block.drawLineNo);
}
