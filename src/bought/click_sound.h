#ifndef CLICK_SOUND_H
#define CLICK_SOUND_H

#include <QObject>
#include <QString>

// The mode-switch click. The player is made on the first play(), from a
// module beside the program, so start-up does not load the audio stack.
// Without the module, the sound file or an audio device it stays silent, and
// so it does when the file is not a WAV file of a click's size whose header
// tells the truth.
class ClickSound : public QObject
{
    Q_OBJECT

public:
    ClickSound(const QString &wavPath, QObject *parent = nullptr);

    void play();
    bool hasPlayer() const { return player != nullptr; }

private:
    QString wavPath;
    QObject *player = nullptr;
    bool tried = false;
};

#endif
