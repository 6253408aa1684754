#ifndef BOX_CATCHER_H
#define BOX_CATCHER_H

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

// Reads every modal box as it is shown and answers it as soon as its own
// event loop runs, so that no test or session waits on a box. By default
// the box is simply closed; it can also be answered as a user would, with
// Return or a click on its button. A box that answer left open is closed
// anyway and counted in leftOpen.
class BoxCatcher : public QObject
{
public:
    enum class Answer { Close, Return, Click };

    struct Box
    {
        QString title;
        QString text;
        QStringList buttons;

        bool operator==(const Box &other) const
        {
            return title == other.title && text == other.text && buttons == other.buttons;
        }
    };

    explicit BoxCatcher(Answer answer = Answer::Close) : answer(answer) { qApp->installEventFilter(this); }
    ~BoxCatcher() override { qApp->removeEventFilter(this); }

    QList<Box> boxes;
    int leftOpen = 0;

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
        // Answering now would come before exec() starts its loop; queue it.
        QPointer<QDialog> guard(dialog);
        QMetaObject::invokeMethod(
            dialog, [this, guard] { answerBox(guard); }, Qt::QueuedConnection);
        return false;
    }

private:
    void answerBox(const QPointer<QDialog> &box)
    {
        if (!box)
            return;
        if (answer == Answer::Return) {
            // The window manager activates the box, and its parent again
            // once the box is gone.
            QPointer<QWidget> parent = QApplication::activeWindow();
            QApplication::setActiveWindow(box);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QApplication::setActiveWindow(parent);
        } else if (auto *message = qobject_cast<QMessageBox *>(box); answer == Answer::Click && message) {
            message->buttons().value(0)->click();
        }
        if (!box || !box->isVisible())
            return;
        if (answer != Answer::Close)
            ++leftOpen;
        box->done(0);
    }

    Answer answer;
};

#endif
