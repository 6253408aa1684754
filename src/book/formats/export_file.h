#ifndef EXPORT_FILE_H
#define EXPORT_FILE_H

#include <QCoreApplication>
#include <QString>

#include <memory>

class QFile;
class QIODevice;
class QSaveFile;

// Where an export goes, the one way every export of the book is written.
// A regular file, or a new one, is replaced whole through QSaveFile: a
// write that fails leaves the file as it was. A symbolic link to a regular
// file stays a link and its target is replaced. "-", /dev/stdout,
// /dev/stderr and /dev/fd/N are the program's own streams and are written
// as they are, and so are a character device (/dev/null) and a named pipe
// that a program reads. Nothing else is touched: a folder, a block device,
// a socket, a pipe no one reads or a link to nothing is refused by name, and
// no device or pipe is ever replaced by a file. Neither is an open book nor
// any file beside it that starts with its name (its lock, its journal, a
// copy moved aside), however the path is spelt.
class ExportFile
{
    Q_DECLARE_TR_FUNCTIONS(ExportFile)

public:
    explicit ExportFile(const QString &path);
    ~ExportFile();
    ExportFile(const ExportFile &) = delete;
    ExportFile &operator=(const ExportFile &) = delete;

    // Decides where the bytes go and opens it; false with error() when
    // nothing may or can be written there.
    bool open();
    // Where to write between open() and commit().
    QIODevice *device() const;
    // Finishes the export: the file is in place, or the stream has every
    // byte. False with error() otherwise.
    bool commit();
    // Why open() or commit() failed, in words for the user.
    QString error() const { return why; }

    // open(), the bytes, commit(); *error as error().
    static bool write(const QString &path, const QByteArray &bytes, QString *error);
    // Remembers the streams the program was started with, before it opens a
    // file of its own: only those may be named as "-", /dev/stdout or
    // /dev/fd/N. Until called, standard input, output and error count.
    static void noteInheritedStreams();
    // Whether the path is the program's standard output ("-", /dev/stdout,
    // /dev/fd/1), where a report line would mix with the export.
    static bool isStandardOutput(const QString &path);
    // A book open from now until release(): no export goes over it or the
    // files it keeps beside it.
    static void keepOff(const QString &bookPath);
    static void release(const QString &bookPath);
    // Whether path, once its links, "." and ".." are followed, is a kept
    // book or one of its files.
    static bool isKept(const QString &path);

private:
    class QuietPipe;
    bool fail(const QString &reason);
    bool openStream(int fd);
    bool openSpecial(bool pipe);

    QString path;
    std::unique_ptr<QSaveFile> file;
    std::unique_ptr<QFile> stream;
    std::unique_ptr<QuietPipe> quiet;  // while a stream is open
    QString why;
};

#endif
