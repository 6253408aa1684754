#ifndef BOX_CATCHER_H
#define BOX_CATCHER_H

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>

// Reads and closes every modal box that opens while it lives, so that no
// test waits on a box.
class BoxCatcher : public QObject
{
public:
    struct Box
    {
        QString title;
        QString text;
    };

    BoxCatcher()
    {
        connect(&poll, &QTimer::timeout, this, &BoxCatcher::closeModal);
        poll.start(5);
    }

    QList<Box> boxes;

private:
    void closeModal()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            boxes.append({box->windowTitle(), box->text()});
            box->done(QMessageBox::Ok);
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            boxes.append({dialog->windowTitle(), QString()});
            dialog->reject();
        }
    }

    QTimer poll;
};

#endif
