// The click player, kept out of the program itself: Qt Multimedia and the
// audio libraries it pulls in are loaded only when the first click sounds.
#include <QSoundEffect>
#include <QUrl>

extern "C" Q_DECL_EXPORT QObject *numbers3_make_click(QObject *parent, const QString &wavPath)
{
    auto *effect = new QSoundEffect(parent);
    effect->setSource(QUrl::fromLocalFile(wavPath));
    return effect;
}
