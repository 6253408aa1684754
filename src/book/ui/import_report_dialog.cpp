#include "import_report_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ImportReportDialog::ImportReportDialog(const QString &text, bool failed, bool stopped, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Import report"));
    auto *heading = new QLabel(stopped  ? tr("The import was stopped. The files read before it went in:")
                               : failed ? tr("Some files were not imported. Nothing of those files was stored:")
                                        : tr("Every file was imported:"),
                               this);
    heading->setWordWrap(true);
    view = new QPlainTextEdit(text, this);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setAccessibleName(tr("Import report"));
    view->setAccessibleDescription(heading->text());
    heading->setBuddy(view);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(view);
    layout->addWidget(buttons);
    // Wide enough for the longest line, as far as the screen allows.
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, view->fontMetrics().horizontalAdvance(line));
    resize(qBound(480, widest + 80, 1000), 360);
    view->setFocus();
}
