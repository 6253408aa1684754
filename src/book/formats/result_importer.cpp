#include "result_importer.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include "csv_reader.h"
#include "draw_words.h"
#include "operator_file.h"
#include "parsed_results.h"
#include "result_text.h"
#include "results_csv.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

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

// Why a path cannot be read as a results file before its bytes are read;
// empty when it can.
QString refusal(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return ResultImporter::tr("no such file");
    if (info.isDir())
        return ResultImporter::tr("is a folder, not a file");
    // Opening a pipe or a device could wait forever or never end.
    if (!info.isFile())
        return ResultImporter::tr("is %1, not a regular file; only files can be imported").arg(specialKind(path));
    // Checked before reading, so a huge file costs nothing.
    if (info.size() > ResultImporter::MaxFileSize)
        return ResultImporter::tr("too large (%1 MB; a results file has at most %2 MB)")
            .arg(info.size() / (1024 * 1024)).arg(ResultImporter::MaxFileSize / (1024 * 1024));
    return QString();
}

QString tooLarge()
{
    return ResultImporter::tr("too large (a results file has at most %1 MB)").arg(ResultImporter::MaxFileSize / (1024 * 1024));
}

// The lines of a text, split at CRLF, LF or CR; the part after the last
// line end is a line too, empty or not.
QStringList linesOf(const QString &text)
{
    QStringList lines;
    lines.reserve(text.count(QLatin1Char('\n')) + 1);
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
}

// Reads the lines of a decoded file as whichever kind of results file it is.
ParsedResults::Outcome parseLines(const QStringList &lines, ImportedFile &out, ParsedResults &parsed)
{
    int firstLine = -1;
    for (int i = 0; i < lines.size() && firstLine < 0; ++i)
        if (!lines.at(i).trimmed().isEmpty())
            firstLine = i;
    if (firstLine < 0)
        return ParsedResults::Failure{ 1, ResultImporter::tr("the file is empty") };

    ParsedResults::Outcome failure;
    const QStringList head = CsvReader::cells(lines.at(firstLine));
    if (head.value(0).toLower() == QStringLiteral("draw")) {
        out.format = ImportedFile::PlainCsv;
        failure = ResultsCsv::parse(lines, firstLine, parsed);
    } else if (std::any_of(lines.begin(), lines.end(), [](const QString &l) {
                   return OperatorFile::isOperatorLine(CsvReader::cells(l).value(0));
               })) {
        out.format = ImportedFile::OperatorFile;
        failure = OperatorFile::parse(lines, parsed);
    } else {
        failure = ParsedResults::Failure{ firstLine + 1, ResultImporter::tr("not a results file (neither the operator's A5x blocks nor the header draw,date,number)") };
    }
    if (!failure && parsed.isEmpty())
        failure = ParsedResults::Failure{ firstLine + 1, ResultImporter::tr("the file holds no result of Numbers3 or Numbers4") };
    return failure;
}

// The operator names a per-draw file after its draw (A1007108.CSV); a file
// renamed or saved over another holds some other draw, which the user
// should hear about although the results themselves are good.
QString nameMismatch(const QString &fileName, const QList<DrawResult> &draws)
{
    static const QRegularExpression perDraw(ResultImporter::perDrawName());
    const QRegularExpressionMatch m = perDraw.match(QFileInfo(fileName).fileName());
    if (!m.hasMatch() || draws.isEmpty())
        return QString();
    // Both games of one draw are still the one draw the name is for.
    const int named = m.captured(1).toInt();
    const bool oneDraw = draws.constFirst().draw == draws.constLast().draw;
    if (oneDraw && draws.constFirst().draw == named)
        return QString();
    if (oneDraw)
        return ResultImporter::tr("the file's name is for draw %1, but it holds draw %2").arg(named).arg(draws.constFirst().draw);
    return ResultImporter::tr("the file's name is for draw %1, but it holds draws %2 to %3")
        .arg(named).arg(draws.constFirst().draw).arg(draws.constLast().draw);
}

// The two games are drawn together and the operator's per-draw file gives
// both: one with a single game is what is left of a download cut short.
QString oneGameOnly(const QString &fileName, const ImportedFile &file)
{
    static const QRegularExpression perDraw(ResultImporter::perDrawName());
    if (file.format != ImportedFile::OperatorFile || file.draws.size() != 1
        || !perDraw.match(QFileInfo(fileName).fileName()).hasMatch())
        return QString();
    const DrawResult &held = file.draws.constFirst();
    const Game missing = held.game == Game::Numbers4 ? Game::Numbers3 : Game::Numbers4;
    return ResultImporter::tr("draw %1: the file has no block of %2; the download may have been cut short, "
                              "download the file again").arg(held.draw).arg(DrawWords::gameName(missing));
}

} // namespace

QString ResultImporter::decode(const QByteArray &bytes, bool *ok)
{
    return ResultText::decode(bytes, ok);
}

QDate ResultImporter::parseDate(const QString &text)
{
    return ResultText::parseDate(text);
}

QRegularExpression ResultImporter::perDrawName()
{
    // A browser saves a second download beside the first as A1007112(1).CSV
    // (Firefox) or A1007112 (1).CSV (Chrome).
    return QRegularExpression(QStringLiteral("^A100(\\d{4,5})(?: ?\\(\\d+\\))?\\.CSV$"), QRegularExpression::CaseInsensitiveOption);
}

ImportedFile ResultImporter::read(const QString &path)
{
    ImportedFile out;
    out.fileName = path;
    const QString refused = refusal(path);
    if (!refused.isEmpty()) {
        out.error = located(path, 0, refused);
        return out;
    }
    // Unbuffered: the bytes go straight into one array of the file's size.
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        out.error = located(path, 0, ResultImporter::tr("cannot be read: %1").arg(f.errorString()));
        return out;
    }
    // Asking for the limit at once would take 16 MB of memory for every
    // small file; a file that grew since its size was seen is read on.
    QByteArray bytes = f.read(std::min(f.size(), MaxFileSize) + 1);
    while (bytes.size() <= MaxFileSize) {
        const QByteArray more = f.read(std::min<qint64>(64 * 1024, MaxFileSize + 1 - bytes.size()));
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (bytes.size() > MaxFileSize) {
        out.error = located(path, 0, tooLarge());
        return out;
    }
    return parse(bytes, path);
}

ImportedFile ResultImporter::parse(const QByteArray &bytes, const QString &fileName)
{
    ImportedFile out;
    out.fileName = fileName;
    if (bytes.size() > MaxFileSize) {
        out.error = located(fileName, 0, tooLarge());
        return out;
    }
    bool ok = false;
    const QString text = decode(bytes, &ok);
    if (!ok) {
        out.error = located(fileName, ResultText::firstBadLine(bytes), ResultImporter::tr("not a text file in UTF-8 or Shift_JIS (binary data?)"));
        return out;
    }
    ParsedResults parsed;
    ParsedResults::Outcome failure = parseLines(linesOf(text), out, parsed);
    if (!failure)
        failure = parsed.unique(fileName, &out.draws);
    if (failure) {
        out.error = located(fileName, failure->line, failure->message);
        out.draws.clear();
        return out;
    }
    out.warnings = parsed.warnings;
    const QString misnamed = nameMismatch(fileName, out.draws);
    if (!misnamed.isEmpty())
        out.warnings.append(misnamed);
    const QString cut = oneGameOnly(fileName, out);
    if (!cut.isEmpty()) {
        out.warnings.append(cut);
        out.cutShort = true;
    }
    return out;
}
