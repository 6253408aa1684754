#ifndef BOX_CATCHER_H
#define BOX_CATCHER_H

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QList>
#include <QMessageBox>
#include <QPointer>

// Reads every modal box as it is shown and closes it as soon as its own
// event loop runs, so that no test or session waits on a box.
class BoxCatcher : public QObject
{
public:
    struct Box
    {
        QString title;
        QString text;
        QStringList buttons;
    };

    BoxCatcher() { qApp->installEventFilter(this); }
    ~BoxCatcher() override { qApp->removeEventFilter(this); }

    QList<Box> boxes;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (!dialog || !dialog->isModal())
            return false;
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QStringList buttons;
        if (box) {
            for (QAbstractButton *button : box->buttons())
                buttons << button->text();
        }
        boxes.append({dialog->windowTitle(), box ? box->text() : QString(), buttons});
        // Closing now would come before exec() starts its loop; queue it.
        QPointer<QDialog> guard(dialog);
        QMetaObject::invokeMethod(
            dialog, [guard] { if (guard) guard->done(0); }, Qt::QueuedConnection);
        return false;
    }
};

#endif
