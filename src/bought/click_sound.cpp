#include "click_sound.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>

#include "app/runtime_file.h"
#include "wave_header.h"

namespace {
using MakeClick = QObject *(*)(QObject *, const QString &);

// The click lasts 60 ms, some 3 KB; a second of CD-quality stereo is 176 KB.
// Anything above 1 MB is not a click.
constexpr qint64 MaxClickBytes = 1024 * 1024;

// The player reads the file in a thread of its own and would wait there for
// ever on a FIFO, or allocate whatever size the header claims; so it only
// gets a file that was checked first. It is handed the name as the program
// always gave it (wav/check.wav, from the working directory); the answer is
// kept for the whole run, so every window's player shares the same name and
// the players' common cache loads the sound once.
QString checkedSoundPath(const QString &wavPath)
{
    static auto *checked = new QHash<QString, bool>;
    const QString key = QFileInfo(wavPath).absoluteFilePath();
    auto known = checked->constFind(key);
    if (known == checked->constEnd())
        known = checked->insert(key, WaveHeader::fits(RuntimeFile::read(key, MaxClickBytes)));
    return *known ? wavPath : QString();
}

// Beside the program in the run directory, or in its library folder once
// installed.
MakeClick findPlayerFactory()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString &dir : {appDir, appDir + QStringLiteral("/" NUMBERS_MODULE_DIR)}) {
        QLibrary module(dir + QStringLiteral("/libnumbers3-click"));
        if (auto make = reinterpret_cast<MakeClick>(module.resolve("numbers3_make_click")))
            return make;
    }
    return nullptr;
}
}

ClickSound::ClickSound(const QString &wavPath, QObject *parent)
    : QObject(parent)
    , wavPath(wavPath)
{
}

void ClickSound::play()
{
    if (!tried) {
        tried = true;
        const QString checked = checkedSoundPath(wavPath);
        if (checked.isNull())
            return;
        if (MakeClick make = findPlayerFactory())
            player = make(this, checked);
    }
    if (!player)
        return;
    // Restart rather than queue: without an audio device the effect never
    // reports that it finished.
    QMetaObject::invokeMethod(player, "stop");
    QMetaObject::invokeMethod(player, "play");
}
