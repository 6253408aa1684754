// The secondary windows: made once by the settings dialog, shown again in
// the state they were left in; the help window and its page.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "bought/bought_store.h"
#include "bought/input_serch.h"
#include "help/help_window.h"
#include "settings/setup_config.h"
#include "support/stdout_capture.h"

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void buttonsShowOneWindowEach_data();
    void buttonsShowOneWindowEach();
    void helpWindow();
    void helpWithoutPage();
    void helpLinksResolve();

private:
    static QPushButton *button(Setup_config &dialog, const QString &text);
    template <typename W>
    static int visibleCount();
};

QPushButton *TestWindows::button(Setup_config &dialog, const QString &text)
{
    for (QPushButton *b : dialog.findChildren<QPushButton *>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

template <typename W>
int TestWindows::visibleCount()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<W *>(w) && w->isVisible())
            ++count;
    }
    return count;
}

void TestWindows::buttonsShowOneWindowEach_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("serch") << "serch";
    QTest::newRow("help") << "help";
}

void TestWindows::buttonsShowOneWindowEach()
{
    QFETCH(QString, text);
    Setup_config dialog;
    dialog.show();
    const int topLevels = QApplication::topLevelWidgets().size();
    QPushButton *push = button(dialog, text);
    QVERIFY(push);
    QWidget *window = text == QLatin1String("serch") ? static_cast<QWidget *>(dialog.serch_menu)
                                                     : static_cast<QWidget *>(dialog.help_window);
    QVERIFY(window->isHidden());

    push->click();
    push->click();
    QVERIFY(window->isVisible());
    QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
    QCOMPARE(visibleCount<Input_Serch>() + visibleCount<HelpWindow>(), 1);

    // Closing only hides; the next click brings back the same state.
    StdoutCapture quiet;
    if (auto *serch = qobject_cast<Input_Serch *>(window)) {
        serch->data_to_times_radio->click();
        QTest::keyClicks(serch->number_edit, QStringLiteral("42"));
    } else {
        dialog.help_window->verticalScrollBar()->setValue(dialog.help_window->verticalScrollBar()->maximum());
    }
    const int scroll = dialog.help_window->verticalScrollBar()->value();
    window->close();
    QVERIFY(!window->isVisible());
    push->click();
    QVERIFY(window->isVisible());
    if (auto *serch = qobject_cast<Input_Serch *>(window)) {
        QVERIFY(serch->data_to_times_radio->isChecked());
        QCOMPARE(serch->number_edit->text(), QStringLiteral("42"));
    } else {
        QCOMPARE(dialog.help_window->verticalScrollBar()->value(), scroll);
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
    window->hide();
}

void TestWindows::helpWindow()
{
    HelpWindow help;
    QCOMPARE(help.windowTitle(), QStringLiteral("How to use"));
    QCOMPARE(help.size(), QSize(750, 400));
    QVERIFY(help.isReadOnly());
    QVERIFY(help.isHidden());
    QCOMPARE(help.source().path(), QStringLiteral("html/index.html"));
    QVERIFY(help.source().scheme().isEmpty());
    QVERIFY2(!help.toPlainText().trimmed().isEmpty(), "the run directory holds html/index.html");
}

void TestWindows::helpWithoutPage()
{
    const QString here = QDir::currentPath();
    QTemporaryDir empty;
    QVERIFY(QDir::setCurrent(empty.path()));
    HelpWindow help;
    QDir::setCurrent(here);
    QCOMPARE(help.windowTitle(), QStringLiteral("How to use"));
    QVERIFY(help.toPlainText().isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

// Every page, picture and link of the staged help exists.
void TestWindows::helpLinksResolve()
{
    const QDir html(QStringLiteral("html"));
    const QStringList pages = html.entryList({QStringLiteral("*.html")});
    QVERIFY(pages.contains(QStringLiteral("index.html")));
    QVERIFY(pages.contains(QStringLiteral("index_ja.html")));
    static const QRegularExpression target(QStringLiteral("(?:href|src)=\"([^\"#]+)\""));
    for (const QString &page : pages) {
        QFile file(html.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (auto it = target.globalMatch(text); it.hasNext();) {
            const QString linked = it.next().captured(1);
            QVERIFY2(html.exists(linked), qPrintable(page + QLatin1String(" -> ") + linked));
        }
    }
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
