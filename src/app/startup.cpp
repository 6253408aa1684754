#include "startup.h"
#include "app_icon.h"
#include "runtime_file.h"

#include <QApplication>
#include <QFileInfo>
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

namespace {
// The catalogue holds some 5 KB of texts; 1 MB leaves room for every text of
// the program many times over, and is still read in a moment.
constexpr qint64 MaxCatalogueBytes = 1024 * 1024;

// The file the translator's own lookup would load for name: name.qm, name,
// then the same with the last "_" or "." part cut off, while there is one.
QString catalogueFile(QString name)
{
    for (;;) {
        for (const QString &candidate : {name + QStringLiteral(".qm"), name}) {
            const QFileInfo info(candidate);
            if (info.isReadable() && info.isFile())
                return candidate;
        }
        const qsizetype cut = qMax(name.lastIndexOf(QLatin1Char('_')), name.lastIndexOf(QLatin1Char('.')));
        if (cut <= 0)
            return QString();
        name.truncate(cut);
    }
}
}

void installCatalogue(QTranslator &translator)
{
    if (QLocale::system().language() != QLocale::Japanese)
        return;
    // A missing or unusable catalogue is not an error: the texts stay in
    // English. The translator reads the catalogue where it lies, so the
    // bytes are kept with it for as long as it lives.
    const QString file = catalogueFile(QStringLiteral("numbers_") + QStringLiteral("ja"));
    const QByteArray catalogue = file.isNull() ? QByteArray() : RuntimeFile::read(file, MaxCatalogueBytes);
    if (!catalogue.isEmpty()) {
        translator.setProperty("catalogue", catalogue);
        (void)translator.load(reinterpret_cast<const uchar *>(catalogue.constData()), int(catalogue.size()));
    }
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
