#include "import_questions.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include "book_texts.h"
#include "draw_words.h"
#include "import_run.h"

void ImportQuestions::run(QWidget *parent, ImportRun &import, int progressFrom)
{
    // A few files are read in a moment; more are read and stored behind a
    // dialog that shows how far it got and can stop it.
    if (import.size() < progressFrom)
        import.runNow();
    else
        runWithProgress(parent, import);
    // Once every file is in and the dialog is gone.
    import.askReplace([parent](const QString &path, const QList<BookConflict> &conflicts) {
        return askReplace(parent, path, conflicts);
    });
}

void ImportQuestions::runWithProgress(QWidget *parent, ImportRun &import)
{
    const int total = int(import.size());
    QProgressDialog progress(tr("Reading %1 files...").arg(total), tr("Stop the import"), 0, total, parent);
    progress.setWindowTitle(tr("Import"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    QEventLoop loop;
    // Once stopped, the dialog stays closed while the files begun finish.
    QObject::connect(&import, &ImportRun::progressed, &progress, [&progress](int done) {
        if (!progress.wasCanceled())
            progress.setValue(done);
    });
    // Stopped by its button, Escape, or the dialog closed any other way.
    QObject::connect(&progress, &QProgressDialog::canceled, &import, &ImportRun::cancel);
    QObject::connect(&progress, &QDialog::finished, &import, &ImportRun::cancel);
    QObject::connect(&import, &ImportRun::finished, &loop, &QEventLoop::quit);
    progress.setValue(0);  // shows it, once
    import.start();
    loop.exec();
}

QSet<qint64> ImportQuestions::askReplace(QWidget *parent, const QString &path, const QList<BookConflict> &conflicts)
{
    QSet<qint64> agreed;
    for (int i = 0; i < conflicts.size(); ++i) {
        const BookConflict &c = conflicts.at(i);
        QMessageBox box(QMessageBox::Question, tr("Replace a result entered by hand?"),
                        tr("You entered %1 for %2 by hand. The file %3 gives %4.\nReplace your value with the file's?")
                            .arg(c.kept.numberText(), DrawWords::drawName(c.draw, c.kept.game), QFileInfo(path).fileName(), c.offered.numberText()),
                        QMessageBox::NoButton, parent);
        QPushButton *yes = box.addButton(tr("&Replace"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(tr("&Keep mine"), QMessageBox::NoRole);
        QPushButton *yesAll = nullptr;
        QPushButton *noAll = nullptr;
        if (conflicts.size() - i > 1) {
            yesAll = box.addButton(tr("Replace &all %1").arg(conflicts.size() - i), QMessageBox::YesRole);
            noAll = box.addButton(tr("Keep all &mine"), QMessageBox::NoRole);
        }
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        if (box.clickedButton() == yes) {
            agreed << c.kept.key();
        } else if (yesAll && box.clickedButton() == yesAll) {
            for (int j = i; j < conflicts.size(); ++j)
                agreed << conflicts.at(j).kept.key();
            break;
        } else if (noAll && box.clickedButton() == noAll) {
            break;
        }
    }
    return agreed;
}
