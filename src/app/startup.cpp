#include "startup.h"
#include "app_icon.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "display/random.h"

void guardStandardStreams()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            // open() returns the lowest free descriptor, which is fd here.
            if (open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY) != fd)
                break;
        }
    }
    std::signal(SIGPIPE, SIG_IGN);
}

void installCatalogue(QTranslator &translator)
{
    if (QLocale::system().language() != QLocale::Japanese)
        return;
    // A missing catalogue is not an error: the texts stay in English.
    (void)translator.load(QStringLiteral("numbers_") + QStringLiteral("ja"));
    QCoreApplication::installTranslator(&translator);
}

void setDesktopIdentity(QApplication &app)
{
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.numbers3.Numbers3"));
    app.setWindowIcon(appIcon());
}

int runProgram(int &argc, char **argv, const std::function<void(Random &)> &session)
{
    guardStandardStreams();
    QApplication app(argc, argv);
    setDesktopIdentity(app);
    QTranslator translator;
    installCatalogue(translator);

    Random panel(nullptr);
    panel.show();
    if (session)
        QMetaObject::invokeMethod(&panel, [&panel, &session] { session(panel); }, Qt::QueuedConnection);
    return app.exec();
}
