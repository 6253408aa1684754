#ifndef STDOUT_CAPTURE_H
#define STDOUT_CAPTURE_H

#include <QByteArray>
#include <QtGlobal>
#include <cstdio>
#include <unistd.h>

// Sends standard output (the trace lines) to a temporary file until take().
// Qt's own messages, which the test logger would print to standard output,
// go to standard error meanwhile.
class StdoutCapture
{
public:
    StdoutCapture()
    {
        std::fflush(stdout);
        saved = dup(STDOUT_FILENO);
        file = std::tmpfile();
        dup2(fileno(file), STDOUT_FILENO);
        previousHandler = qInstallMessageHandler(toStderr);
    }

    ~StdoutCapture() { restore(); }

    QByteArray take()
    {
        restore();
        QByteArray text;
        std::rewind(file);
        char chunk[4096];
        size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
            text.append(chunk, qsizetype(n));
        return text;
    }

private:
    void restore()
    {
        if (saved < 0)
            return;
        std::fflush(stdout);
        qInstallMessageHandler(previousHandler);
        dup2(saved, STDOUT_FILENO);
        close(saved);
        saved = -1;
    }

    static void toStderr(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }

    QtMessageHandler previousHandler = nullptr;
    int saved = -1;
    std::FILE *file = nullptr;
};

#endif
