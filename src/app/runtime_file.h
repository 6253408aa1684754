#ifndef RUNTIME_FILE_H
#define RUNTIME_FILE_H

#include <QByteArray>
#include <QString>

// One of the files the program reads from its run directory: the catalogue,
// a help page or the click sound. It is opened only when it is a regular
// file of at most the given size; anything else (missing, a directory, a
// FIFO, a device, a file too big) leaves it closed, and the caller treats it
// as missing. The file stays open while the object lives.
class RuntimeFile
{
public:
    RuntimeFile(const QString &path, qint64 maxBytes);
    ~RuntimeFile();
    RuntimeFile(const RuntimeFile &) = delete;
    RuntimeFile &operator=(const RuntimeFile &) = delete;

    bool isOpen() const { return descriptor >= 0; }

    // The whole file, or nothing when it is closed, unreadable or has grown
    // past the limit since it was opened.
    QByteArray readAll() const;

    // The whole file at path, or nothing, as above.
    static QByteArray read(const QString &path, qint64 maxBytes);

private:
    int descriptor = -1;
    qint64 limit = 0;
};

#endif
