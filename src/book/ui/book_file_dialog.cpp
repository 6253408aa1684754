#include "book_file_dialog.h"

#include <QRegularExpression>

#include "name_only_icon_provider.h"

QStringList BookFileDialog::run(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                                QFileDialog::FileMode mode, QString *selectedFilter)
{
    NameOnlyIconProvider icons;
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setIconProvider(&icons);
    dialog.setFileMode(mode);
    if (mode == QFileDialog::Directory)
        dialog.setOption(QFileDialog::ShowDirsOnly);
    if (mode == QFileDialog::AnyFile) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name typed without an ending gets the chosen kind's before the
        // dialog asks whether to replace a file: "chart" is asked about as
        // "chart.png", not written over it afterwards.
        const auto suffixOf = [&dialog](const QString &filter) {
            static const QRegularExpression first(QStringLiteral("\\*\\.(\\w+)"));
            dialog.setDefaultSuffix(first.match(filter).captured(1));
        };
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, suffixOf);
        if (selectedFilter && !selectedFilter->isEmpty())
            dialog.selectNameFilter(*selectedFilter);
        suffixOf(dialog.selectedNameFilter());
    } else if (selectedFilter && !selectedFilter->isEmpty()) {
        dialog.selectNameFilter(*selectedFilter);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles();
}

QString BookFileDialog::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return run(parent, caption, dir, filter, QFileDialog::ExistingFile).value(0);
}

QStringList BookFileDialog::getOpenFileNames(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return run(parent, caption, dir, filter, QFileDialog::ExistingFiles);
}

QString BookFileDialog::getExistingDirectory(QWidget *parent, const QString &caption, const QString &dir)
{
    return run(parent, caption, dir, QString(), QFileDialog::Directory).value(0);
}

QString BookFileDialog::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                                        QString *selectedFilter)
{
    return run(parent, caption, dir, filter, QFileDialog::AnyFile, selectedFilter).value(0);
}
