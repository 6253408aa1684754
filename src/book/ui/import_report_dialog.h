#ifndef IMPORT_REPORT_DIALOG_H
#define IMPORT_REPORT_DIALOG_H

#include <QDialog>

class QPlainTextEdit;

// Shows what an import did, file by file, in text a screen reader reads
// line by line and the user can select and copy.
class ImportReportDialog : public QDialog
{
    Q_OBJECT

public:
    ImportReportDialog(const QString &text, bool failed, bool stopped, QWidget *parent = nullptr);

    QPlainTextEdit *view;
};

#endif
