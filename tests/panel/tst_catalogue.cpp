// What a user meets in the language that CTest gives (EXPECT_LANGUAGE): the
// windows' titles and tooltips, and every text of a walk through all windows
// and boxes, with no two neighbours reading the same.
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <QtTest>

#include "app/startup.h"
#include "bought/bought_store.h"
#include "bought/click_sound.h"
#include "bought/input_serch.h"
#include "bought/times_data.h"
#include "display/random.h"
#include "help/help_window.h"
#include "settings/setup_config.h"
#include "support/box_catcher.h"
#include "support/stdout_capture.h"

// The texts the program shows untranslated in Japanese too: "ok", the
// digit labels, the bought search's box title, the all-different report's
// title, and "OK", which Japanese buttons use as well.
static const QStringList Untranslated{"ok", "#", "*", "information", "Box Pattern", "OK"};

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windows_data();
    void windows();
    void fieldShowsFourDigits();
    void walkInOneLanguage();

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

void TestCatalogue::windows_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QStringList>("title");  // in English and in Japanese
    QTest::addColumn<QStringList>("tip");
    QTest::addColumn<int>("flags");  // the title bar's buttons; 0: the toolkit's own

    const int menuOnly = Qt::Window | Qt::WindowSystemMenuHint;
    QTest::newRow("panel") << "Random" << QStringList{"Korvel no Numbers", "コーヴェルのナンバーズ"}
                           << QStringList{"Left Button click:Nuber Stop.\nRight Button click:Settei menu.",
                                          "左クリック:数字を止める\n右クリック:設定メニュー"} << menuOnly;
    QTest::newRow("settings") << "Setup_config" << QStringList{"settei menu numbers3", "設定メニュー ナンバーズ3"}
                              << QStringList{"Settei menu numbers3", "ナンバーズ3の設定メニュー"} << 0;
    QTest::newRow("ones") << "max1_box" << QStringList{"Max_1", "一の位"} << QStringList{"1 digdit", "1桁目（一の位）"} << 0;
    QTest::newRow("tens") << "max2_box" << QStringList{"Max_2", "十の位"} << QStringList{"2 digdit", "2桁目（十の位）"} << 0;
    QTest::newRow("hundreds") << "max3_box" << QStringList{"Max_3", "百の位"} << QStringList{"3 digdit", "3桁目（百の位）"} << 0;
    QTest::newRow("bought") << "Input_Serch" << QStringList{"serch menu", "検索メニュー"}
                            << QStringList{"Serch menu", "検索メニュー"} << menuOnly;
    QTest::newRow("help") << "HelpWindow" << QStringList{"How to use", "使い方"} << QStringList{"", ""} << 0;
}

void TestCatalogue::windows()
{
    QFETCH(QString, widget);
    QFETCH(QStringList, title);
    QFETCH(QStringList, tip);
    QFETCH(int, flags);
    Random panel;
    const QMap<QString, QWidget *> shown{{"Random", &panel}, {"Setup_config", panel.setup},
        {"max1_box", panel.setup->max1_box}, {"max2_box", panel.setup->max2_box},
        {"max3_box", panel.setup->max3_box}, {"Input_Serch", panel.setup->serch_menu},
        {"HelpWindow", panel.setup->help_window}};
    QWidget *w = shown.value(widget);
    auto *group = qobject_cast<QGroupBox *>(w);
    QCOMPARE(group ? group->title() : w->windowTitle(), title.at(japanese));
    QCOMPARE(w->toolTip(), tip.at(japanese));
    if (flags)
        QCOMPARE(int(w->windowFlags() & ~Qt::WindowTitleHint), flags);  // the toolkit adds the title
}

// Mode clicks load the click sound. Qt Multimedia can deadlock at exit while
// a sample is still being decoded, so let it finish first (without a sound
// file nothing is decoded, and a player may never leave its loading state).
static void settleClick(Input_Serch *serch)
{
    if (auto *click = serch->findChild<ClickSound *>(); click && QFile::exists(QStringLiteral("wav/check.wav"))) {
        if (QObject *player = click->findChild<QObject *>())
            QTRY_VERIFY_WITH_TIMEOUT(player->property("status").toInt() != 1 /* Loading */, 5000);
    }
}

// Every text a widget shows or gives a screen reader; a widget's neighbours
// (its visible siblings) must not read the same.
static void collect(QWidget *window, QStringList &texts, QStringList &twins)
{
    QMap<QObject *, QStringList> byParent;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>() << window;
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(window) && w != window)
            continue;
        QString shown;
        if (auto *label = qobject_cast<QLabel *>(w))
            shown = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            shown = button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            shown = group->title();
        texts << shown << w->toolTip() << w->accessibleName() << (w->isWindow() ? w->windowTitle() : QString());
        if (!shown.isEmpty() && byParent[w->parent()].contains(shown))
            twins << shown;
        byParent[w->parent()] << shown;
    }
}

// The walk: the panel and its settings in both modes, every report kind, the
// About box, the bought-number window in each mode with each answer, help.
void TestCatalogue::walkInOneLanguage()
{
    StdoutCapture quiet;
    BoxCatcher boxes;
    boughtStore().clear();
    QStringList texts;
    QStringList twins;
    Random panel;
    panel.show();
    collect(&panel, texts, twins);
    Setup_config *settings = panel.setup;
    QTest::mouseClick(&panel, Qt::RightButton);
    collect(settings, texts, twins);
    settings->self_mode_button->click();
    for (const int number : {123, 112, 121, 211, 111}) {
        settings->max3_buttons[9 - number / 100]->click();
        settings->max2_buttons[9 - number / 10 % 10]->click();
        settings->max1_buttons[9 - number % 10]->click();
        QTest::mouseClick(&panel, Qt::LeftButton);  // stop: the report
        QTest::mouseClick(&panel, Qt::LeftButton);
    }
    for (QPushButton *push : settings->findChildren<QPushButton *>()) {
        if (push->text() != QLatin1String("ok"))
            push->click();
    }
    collect(settings->help_window, texts, twins);
    Input_Serch *serch = settings->serch_menu;
    int missing = 1;
    while (std::count(times_data, times_data + TimesData::Size, missing))
        ++missing;
    const QList<QPair<QRadioButton *, QStringList>> asked{
        {serch->times_to_data_radio, {"5", "0"}}, {serch->entry_radio, {"123"}},
        {serch->serch_radio, {"123", "124"}},
        {serch->data_to_times_radio, {QString::number(times_data[0]), QString::number(missing)}}};
    for (const auto &[mode, inputs] : asked) {
        mode->click();
        collect(serch, texts, twins);
        for (const QString &input : inputs) {
            serch->number_edit->setText(input);
            serch->ok_button->click();
        }
    }
    settleClick(serch);
    for (const BoxCatcher::Box &box : boxes.boxes)
        texts << box.title << box.text;
    QCOMPARE(boxes.boxes.size(), 12);
    QCOMPARE(boxes.boxes.first().title, QStringLiteral("Box Pattern"));  // all different: never translated
    for (const BoxCatcher::Box &report : boxes.boxes.mid(1, 4))
        QCOMPARE(report.title == QLatin1String("Box Pattern"), !japanese);

    static const QRegularExpression kana(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList wrong;
    for (const QString &text : std::as_const(texts)) {
        const bool inJapanese = text.contains(kana);
        if (japanese ? !inJapanese && text.contains(word) && !Untranslated.contains(text) : inJapanese)
            wrong << text;
    }
    wrong.removeDuplicates();
    QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("not in the user's language: ") + wrong.join(QLatin1String(" | "))));
    QVERIFY2(twins.isEmpty(), qPrintable(QStringLiteral("neighbours read the same: ") + twins.join(QLatin1String(" | "))));
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
    settleClick(serch);
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
