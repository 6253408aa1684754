// The start-up's catalogue rule, run under the language and working
// directory that CTest gives: EXPECT_LANGUAGE says what the windows must show.
#include <QLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <QtTest>

#include "app/startup.h"
#include "bought/click_sound.h"
#include "bought/input_serch.h"
#include "display/random.h"
#include "help/help_window.h"
#include "settings/setup_config.h"

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void titles_data();
    void titles();
    void untranslatedTexts();
    void fieldShowsFourDigits();

private:
    QTranslator translator;
    bool japanese = false;
};

void TestCatalogue::initTestCase()
{
    const QByteArray expected = qgetenv("EXPECT_LANGUAGE");
    QVERIFY2(expected == "ja" || expected == "en", "EXPECT_LANGUAGE must be ja or en");
    japanese = expected == "ja";
    installCatalogue(translator);
}

void TestCatalogue::titles_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("japanese");

    QTest::newRow("panel") << "Random" << "Korvel no Numbers" << "コーヴェルのナンバーズ";
    QTest::newRow("settings") << "Setup_config" << "settei menu numbers3" << "設定メニュー ナンバーズ3";
    QTest::newRow("bought") << "Input_Serch" << "serch menu" << "検索メニュー";
    QTest::newRow("help") << "HelpWindow" << "How to use" << "使い方";
}

void TestCatalogue::titles()
{
    QFETCH(QString, window);
    QFETCH(QString, english);
    QFETCH(QString, japanese);

    Random panel;
    QWidget *shown = nullptr;
    if (window == QLatin1String("Random"))
        shown = &panel;
    else if (window == QLatin1String("Setup_config"))
        shown = panel.setup;
    else if (window == QLatin1String("Input_Serch"))
        shown = panel.setup->serch_menu;
    else
        shown = panel.setup->help_window;
    QCOMPARE(shown->windowTitle(), this->japanese ? japanese : english);
}

void TestCatalogue::untranslatedTexts()
{
    Random panel;
    QCOMPARE(panel.setup->max1_buttons[0]->text(), QStringLiteral("9"));
    QCOMPARE(panel.setup->max1_buttons[10]->text(), QStringLiteral("#"));
    const QString random = panel.setup->random_mode_button->text();
    QCOMPARE(random == QLatin1String("Random mode"), !japanese);
}

// Every mode's caption and buttons leave the bought-number field room for
// four digits at the window's own size, in either language.
void TestCatalogue::fieldShowsFourDigits()
{
    Random panel;
    Input_Serch *serch = panel.setup->serch_menu;
    serch->show();
    QVERIFY(QTest::qWaitForWindowExposed(serch));
    QStringList clipped;
    for (QRadioButton *mode : {serch->entry_radio, serch->data_to_times_radio, serch->times_to_data_radio}) {
        mode->click();
        serch->layout()->activate();
        const QLineEdit *field = serch->number_edit;
        const int room = field->contentsRect().width() - field->textMargins().left() - field->textMargins().right();
        if (room < field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) || serch->width() > 300)
            clipped << QStringLiteral("%1: %2 px in a %3 px window").arg(mode->text()).arg(room).arg(serch->width());
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String("; "))));
    // The mode clicks loaded the click sound. Qt Multimedia can deadlock at
    // exit while a sample is still being decoded, so let it finish first.
    if (auto *click = serch->findChild<ClickSound *>()) {
        if (QObject *player = click->findChild<QObject *>())
            QTRY_VERIFY_WITH_TIMEOUT(player->property("status").toInt() != 1 /* Loading */, 5000);
    }
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
