#ifndef NAME_ONLY_ICON_PROVIDER_H
#define NAME_ONLY_ICON_PROVIDER_H

#include <QFileIconProvider>
#include <QMimeDatabase>

// Icons and types for the book's file dialogs, judged by a file's name only.
// Qt's own provider reads the start of each file whose name it cannot place
// (book.sqlite-journal, book.sqlite.lock...), and closing that read in this
// process would drop SQLite's locks on the book.
class NameOnlyIconProvider : public QFileIconProvider
{
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;

private:
    QMimeDatabase mimes;
};

#endif
