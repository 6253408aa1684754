#include "name_only_icon_provider.h"

#include <QFileInfo>
#include <QMimeType>

QIcon NameOnlyIconProvider::icon(const QFileInfo &info) const
{
    if (!info.isFile())
        return QFileIconProvider::icon(info);  // folders and drives: nothing is read
    const QMimeType mime = mimes.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    return QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName(), icon(File)));
}

QString NameOnlyIconProvider::type(const QFileInfo &info) const
{
    if (!info.isFile())
        return QFileIconProvider::type(info);
    const QMimeType mime = mimes.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}
