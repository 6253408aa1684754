#include "export_file.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMutex>
#include <QRegularExpression>
#include <QSaveFile>

#include <bitset>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The descriptor a path names when it is one of the program's own streams;
// -1 otherwise.
int ownStream(const QString &path)
{
    if (path == QLatin1String("-") || path == QLatin1String("/dev/stdout"))
        return STDOUT_FILENO;
    if (path == QLatin1String("/dev/stderr"))
        return STDERR_FILENO;
    static const QRegularExpression numbered(QStringLiteral("^/(?:dev/fd|proc/self/fd)/(\\d{1,4})$"));
    const QRegularExpressionMatch m = numbered.match(path);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The streams the program was started with (a bit per descriptor below 256);
// until noted, standard input, output and error.
std::bitset<256> &inherited()
{
    static std::bitset<256> fds(0b111);
    return fds;
}

// The open books, each as its folder's real path and its file's name, and
// again as its file's real path when that differs (a book reached by a link).
struct KeptBooks
{
    QMutex mutex;
    QList<std::pair<QString, QStringList>> books;  // as given, its real paths
};

KeptBooks &keptBooks()
{
    static KeptBooks kept;
    return kept;
}

// The real path a write to path would reach: links, "." and ".." followed,
// the name kept when the file is not there yet. Empty when the folder is not.
QString realTarget(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    if (info.isSymLink())
        return realTarget(info.symLinkTarget());
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + info.fileName();
}

// A book's own file, or one SQLite or the book keeps beside it under its
// name (.lock, -journal, .checked, .broken-...).
bool belongsTo(const QString &target, const QString &book)
{
    if (!target.startsWith(book))
        return false;
    const QStringView rest = QStringView(target).mid(book.size());
    return rest.isEmpty() || rest.startsWith(QLatin1Char('.')) || rest.startsWith(QLatin1Char('-'));
}

} // namespace

void ExportFile::keepOff(const QString &bookPath)
{
    KeptBooks &kept = keptBooks();
    const QMutexLocker lock(&kept.mutex);
    kept.books.append({ bookPath, { realTarget(bookPath), QFileInfo(bookPath).canonicalFilePath() } });
}

void ExportFile::release(const QString &bookPath)
{
    KeptBooks &kept = keptBooks();
    const QMutexLocker lock(&kept.mutex);
    for (qsizetype i = 0; i < kept.books.size(); ++i) {
        if (kept.books.at(i).first == bookPath) {
            kept.books.removeAt(i);
            return;
        }
    }
}

bool ExportFile::isKept(const QString &path)
{
    const QString target = realTarget(path);
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    const bool exists = ::stat(name.constData(), &st) == 0;
    KeptBooks &kept = keptBooks();
    const QMutexLocker lock(&kept.mutex);
    for (const auto &[given, real] : std::as_const(kept.books)) {
        for (const QString &book : real) {
            if (book.isEmpty())
                continue;
            if (!target.isEmpty() && belongsTo(target, book))
                return true;
            // Another name of the same file (a hard link).
            struct stat held;
            if (exists && ::stat(QFile::encodeName(book).constData(), &held) == 0 && held.st_dev == st.st_dev && held.st_ino == st.st_ino)
                return true;
        }
    }
    return false;
}

void ExportFile::noteInheritedStreams()
{
    std::bitset<256> fds;
    for (int fd = 0; fd < int(fds.size()); ++fd)
        fds[size_t(fd)] = ::fcntl(fd, F_GETFD) != -1;
    inherited() = fds;
}

// A reader that goes away must give an error to report, not end the program.
class ExportFile::QuietPipe
{
public:
    QuietPipe()
    {
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGPIPE, &ignore, &before);
    }
    ~QuietPipe() { ::sigaction(SIGPIPE, &before, nullptr); }
    QuietPipe(const QuietPipe &) = delete;
    QuietPipe &operator=(const QuietPipe &) = delete;

private:
    struct sigaction before = {};
};

ExportFile::ExportFile(const QString &path) : path(path)
{
}

ExportFile::~ExportFile() = default;

bool ExportFile::fail(const QString &reason)
{
    why = reason;
    file.reset();
    stream.reset();
    quiet.reset();
    return false;
}

bool ExportFile::isStandardOutput(const QString &path)
{
    return ownStream(path) == STDOUT_FILENO;
}

bool ExportFile::open()
{
    const int fd = ownStream(path);
    if (fd >= 0)
        return openStream(fd);
    if (isKept(path))
        return fail(tr("it is the book this program has open, or a file the book keeps beside it"));
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) != 0) {
        if (errno == ENOENT && QFileInfo(path).isSymLink())
            return fail(tr("it is a link to %1, which does not exist").arg(QFileInfo(path).symLinkTarget()));
        if (errno != ENOENT)
            return fail(QString::fromLocal8Bit(std::strerror(errno)));
    } else if (S_ISDIR(st.st_mode)) {
        return fail(tr("it is a folder"));
    } else if (S_ISFIFO(st.st_mode)) {
        return openSpecial(true);
    } else if (S_ISCHR(st.st_mode)) {
        return openSpecial(false);
    } else if (!S_ISREG(st.st_mode)) {
        // A disk or a socket: a file written there would ruin or replace it.
        return fail(S_ISBLK(st.st_mode) ? tr("it is a disk device, not a file") : tr("it is a socket, not a file"));
    }
    file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly))
        return fail(file->errorString());
    return true;
}

bool ExportFile::openStream(int fd)
{
    // Only a stream the program was given: any other descriptor is one of its
    // own files, the book or its lock, which an export would overwrite.
    if (fd >= int(inherited().size()) || !inherited()[size_t(fd)] || ::fcntl(fd, F_GETFD) == -1)
        return fail(tr("the program has no stream %1 open").arg(fd));
    quiet = std::make_unique<QuietPipe>();
    stream = std::make_unique<QFile>();
    if (!stream->open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return fail(stream->errorString());
    return true;
}

// Written in place: a device takes the bytes as they come, and a pipe only
// when someone reads it, which is asked without waiting.
bool ExportFile::openSpecial(bool pipe)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (pipe ? O_NONBLOCK : 0));
    if (fd < 0) {
        if (pipe && errno == ENXIO)
            return fail(tr("it is a named pipe that no program is reading"));
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (pipe)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    quiet = std::make_unique<QuietPipe>();
    stream = std::make_unique<QFile>();
    if (!stream->open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(stream->errorString());
    }
    return true;
}

QIODevice *ExportFile::device() const
{
    if (file)
        return file.get();
    return stream.get();
}

bool ExportFile::commit()
{
    if (file) {
        if (!file->commit())
            return fail(file->errorString());
        file.reset();
        return true;
    }
    if (!stream)
        return false;
    const bool good = stream->error() == QFileDevice::NoError;
    const QString error = stream->errorString();
    stream->close();
    stream.reset();
    quiet.reset();
    return good || fail(error);
}

bool ExportFile::write(const QString &path, const QByteArray &bytes, QString *error)
{
    ExportFile out(path);
    bool done = out.open();
    if (done) {
        done = out.device()->write(bytes) == bytes.size();
        done = out.commit() && done;
        if (!done && out.error().isEmpty())
            out.why = out.device() ? out.device()->errorString() : tr("not every byte was written");
    }
    if (!done && error)
        *error = out.error();
    return done;
}
