#include "click_sound.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace {
using MakeClick = QObject *(*)(QObject *, const QString &);

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
        if (MakeClick make = findPlayerFactory())
            player = make(this, QFileInfo(wavPath).absoluteFilePath());
    }
    if (!player)
        return;
    // Restart rather than queue: without an audio device the effect never
    // reports that it finished.
    QMetaObject::invokeMethod(player, "stop");
    QMetaObject::invokeMethod(player, "play");
}
