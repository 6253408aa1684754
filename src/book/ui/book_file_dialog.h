#ifndef BOOK_FILE_DIALOG_H
#define BOOK_FILE_DIALOG_H

#include <QFileDialog>
#include <QString>
#include <QStringList>

// The book's file dialogs: QFileDialog's, with icons and types told by file
// names only (NameOnlyIconProvider), so that browsing the book's own folder
// opens none of the book's files. Called as QFileDialog's static functions.
class BookFileDialog
{
public:
    static QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
    static QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
    static QString getExistingDirectory(QWidget *parent, const QString &caption, const QString &dir);
    static QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                                   QString *selectedFilter = nullptr);

private:
    // The chosen paths; empty when cancelled.
    static QStringList run(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                           QFileDialog::FileMode mode, QString *selectedFilter = nullptr);
};

#endif
