// The secondary windows: made once by the settings dialog, shown again in
// the state they were left in; the help window and its page.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

#include "app/app_icon.h"
#include "bought/bought_store.h"
#include "bought/input_serch.h"
#include "display/random.h"
#include "help/help_window.h"
#include "settings/setup_config.h"
#include "support/stdout_capture.h"

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void iconLoadsNoImagePlugin();
    void buttonsShowOneWindowEach_data();
    void buttonsShowOneWindowEach();
    void helpWindow();
    void helpWalk();
    void betsPage_data();
    void betsPage();
    void panelKeys_data();
    void panelKeys();

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

// First, before any window: the icon is built from raw pixels, so Qt loads
// no image-format plugin for it (nor Qt Svg, which they pull in), and its
// pictures are the installed icon's, pixel for pixel.
void TestWindows::iconLoadsNoImagePlugin()
{
    const QIcon icon = appIcon();
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    QVERIFY2(!mapped.contains("/imageformats/") && !mapped.contains("libQt6Svg"), "an image-format plugin was loaded");
    QCOMPARE(icon.availableSizes().size(), 6);
    for (const QSize &size : icon.availableSizes()) {
        const QImage installed(QStringLiteral(ICONS_DIR "/%1x%1/numbers3.png").arg(size.width()));
        QCOMPARE(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 installed.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
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
        serch->data_to_times_radio->setFocus();
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
        QCOMPARE(serch->focusWidget(), serch->number_edit);  // ready for typing again
    } else {
        QCOMPARE(dialog.help_window->verticalScrollBar()->value(), scroll);
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
    window->hide();
}

void TestWindows::helpWindow()
{
    HelpWindow help;
    QCOMPARE(help.size(), QSize(750, 400));
    QVERIFY(help.isReadOnly());
    QVERIFY(help.isHidden());
    // The start page is a bare relative path: no scheme, no host.
    QCOMPARE(help.source(), QUrl(QStringLiteral("html/index.html")));
    QVERIFY2(!help.toPlainText().trimmed().isEmpty(), "the run directory holds html/index.html");
}

// A picture the browser draws on its current page, as the page names it.
static bool pictureLoads(HelpWindow &help, const QString &name)
{
    const QVariant data = help.document()->resource(QTextDocument::ImageResource, QUrl(name));
    if (data.canConvert<QByteArray>() && data.typeId() == QMetaType::QByteArray)
        return !QImage::fromData(data.toByteArray()).isNull();
    return !qvariant_cast<QImage>(data).isNull() || !qvariant_cast<QPixmap>(data).isNull();
}

// Walks the whole help from the start page: clicks every link of every page
// it reaches, checks that each opens a page with text and all its pictures,
// and comes back with Back.
void TestWindows::helpWalk()
{
    HelpWindow help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QList<QUrl> pages{help.source()};
    int links = 0;
    for (int i = 0; i < pages.size(); ++i) {
        const QUrl page = pages.at(i);
        help.setSource(page);
        const QString where = page.fileName();
        QVERIFY2(!help.toPlainText().trimmed().isEmpty(), qPrintable(where + QLatin1String(" is empty")));

        QList<QPair<int, QString>> anchors;
        for (QTextBlock block = help.document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const QTextCharFormat format = fragment.charFormat();
                if (format.isImageFormat()) {
                    const QString name = format.toImageFormat().name();
                    QVERIFY2(pictureLoads(help, name), qPrintable(where + QLatin1String(": no picture ") + name));
                } else if (format.isAnchor() && !format.anchorHref().isEmpty()
                           && (anchors.isEmpty() || anchors.last().second != format.anchorHref()
                               || anchors.last().first + 1 < fragment.position())) {
                    anchors.append({fragment.position(), format.anchorHref()});
                }
            }
        }

        for (const auto &[position, href] : anchors) {
            const QString link = where + QLatin1String(" -> ") + href;
            QTextCursor cursor(help.document());
            cursor.setPosition(position + 1);
            help.setTextCursor(cursor);
            help.ensureCursorVisible();
            const QPoint point = help.cursorRect(cursor).center();
            QTest::mouseClick(help.viewport(), Qt::LeftButton, {}, point);
            QVERIFY2(help.source() != page, qPrintable(link + QLatin1String(": not followed")));
            QVERIFY2(!help.toPlainText().trimmed().isEmpty(), qPrintable(link + QLatin1String(": blank page")));
            QUrl reached = help.source().adjusted(QUrl::RemoveFragment);
            // A page links to pages in its own language, and to itself in the other.
            const QString to = reached.fileName();
            QVERIFY2(to.endsWith(QLatin1String("_ja.html")) == where.endsWith(QLatin1String("_ja.html"))
                         || QString(to).remove(QLatin1String("_ja")) == QString(where).remove(QLatin1String("_ja")),
                     qPrintable(link + QLatin1String(": the other language's page")));
            if (!pages.contains(reached))
                pages.append(reached);
            help.backward();
            QVERIFY2(help.source() == page, qPrintable(link + QLatin1String(": Back does not return")));
            ++links;
        }
    }
    QVERIFY(pages.size() >= 4);
    qInfo("%d pages, %d links followed", int(pages.size()), links);
}

void TestWindows::betsPage_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("English") << "html/bets.html";
    QTest::newRow("Japanese") << "html/bets_ja.html";
}

// Each way's winning draws are counted over all 1000 draws, and every way
// pays back 90 yen of a 200 yen unit (45%) at its theoretical prizes.
void TestWindows::betsPage()
{
    QFETCH(QString, page);
    QFile file(page);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression row(QString::fromLatin1(
        R"re(<tr id="([\w-]+)"><td>[^<]*</td><td>(\d+)</td><td class="wins">(\d+)</td><td>([^<]*)</td><td class="prize">([\d,]+)</td>)re"));
    auto sorted = [](int n) {
        QString digits = QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
        std::sort(digits.begin(), digits.end());
        return digits;
    };
    QMap<QString, int> paidPer1000Draws;
    QStringList ways;
    for (auto it = row.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString way = m.captured(1);
        const int ticket = m.captured(2).toInt();
        const int wins = m.captured(3).toInt();
        const int prize = m.captured(5).remove(QLatin1Char(',')).toInt();
        int counted = 0;
        for (int draw = 0; draw < 1000; ++draw) {
            const bool box = sorted(draw) == sorted(ticket);
            if (way.startsWith(QLatin1String("mini")) ? draw % 100 == ticket
                : way.endsWith(QLatin1String("-box")) ? box && draw != ticket
                : way.startsWith(QLatin1String("box")) ? box
                                                       : draw == ticket)
                ++counted;
        }
        QVERIFY2(wins == counted, qPrintable(way));
        const QString chance = page.endsWith(QLatin1String("_ja.html")) ? QStringLiteral("%1 分の 1")
                                                                        : QStringLiteral("1 in %1");
        QCOMPARE(m.captured(4), chance.arg(qRound(1000.0 / wins)));
        paidPer1000Draws[way.section(QLatin1Char('-'), 0, 0)] += prize * wins;
        ways << way;
    }
    QCOMPARE(ways, QStringList({"straight", "box6", "box3", "set6-straight", "set6-box",
                                "set3-straight", "set3-box", "mini"}));

    // The prose states chances too, in words of its own: "once in 1000
    // draws", "ten draws in 1000", "1000 回に 10 回". Each section's figures
    // are those of its way.
    const QMap<QString, int> winsPer1000{{"straight", 1}, {"mini", 10}};
    static const QStringList sectionWays{"straight", "box", "set", "mini"};
    static const QRegularExpression stated(QStringLiteral(
        "once in (\\d+) draws|(\\w+) draws in (\\d+)|(\\d+) 回に (\\d+) 回"));
    static const QMap<QString, int> words{{"one", 1}, {"two", 2}, {"three", 3}, {"six", 6}, {"ten", 10}};
    const QStringList sections = text.split(QStringLiteral("<h2>")).mid(1, sectionWays.size());
    int statements = 0;
    for (int i = 0; i < sections.size(); ++i) {
        for (auto it = stated.globalMatch(sections.at(i)); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const int in = (m.captured(1) + m.captured(3) + m.captured(4)).toInt();
            const int times = !m.captured(1).isEmpty() ? 1
                : !m.captured(5).isEmpty()             ? m.captured(5).toInt()
                                                       : words.value(m.captured(2), -1);
            QVERIFY2(winsPer1000.contains(sectionWays.at(i)), qPrintable(m.captured(0)));
            QVERIFY2(times * 1000 == winsPer1000.value(sectionWays.at(i)) * in,
                     qPrintable(sectionWays.at(i) + QStringLiteral(": ") + m.captured(0)));
            ++statements;
        }
    }
    QCOMPARE(statements, 2);
    for (auto it = paidPer1000Draws.cbegin(); it != paidPer1000Draws.cend(); ++it)
        QVERIFY2(it.value() == 90 * 1000, qPrintable(it.key()));

    // The box kinds: boxes (sets of digits) and numbers with three, two and
    // one different digits.
    QList<int> counted(6);
    QSet<QString> boxes;
    for (int n = 0; n < 1000; ++n) {
        const QString digits = sorted(n);
        const int kind = 3 - QSet<QChar>(digits.begin(), digits.end()).size();
        counted[2 * kind] += !boxes.contains(digits);
        counted[2 * kind + 1]++;
        boxes.insert(digits);
    }
    QList<int> shown;
    static const QRegularExpression kindRow(QStringLiteral("<td>(\\d+)</td><td>(\\d+)</td></tr>"));
    for (auto it = kindRow.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        shown << m.captured(1).toInt() << m.captured(2).toInt();
    }
    QCOMPARE(shown, counted);
}

// Every key that the help's key table or the manual page gives the panel,
// sent to a real panel: a left-click key stops the roll, a right-click key
// opens the settings.
void TestWindows::panelKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("left");
    QFile page(QStringLiteral("html/index.html"));
    QFile manual(QStringLiteral(MAN_PAGE));
    QVERIFY(page.open(QIODevice::ReadOnly) && manual.open(QIODevice::ReadOnly));
    static const QRegularExpression row(QStringLiteral("<tr><td>the panel</td><td>([^<]*</td><td>[^<]*)</td>"));
    QStringList lines;
    for (auto it = row.globalMatch(QString::fromUtf8(page.readAll())); it.hasNext();)
        lines << QStringLiteral("help: ") + it.next().captured(1);
    const QString roff = QString::fromUtf8(manual.readAll()).section(QLatin1String(".SS "), 1, 1);
    for (const QString &line : roff.split(QLatin1Char('\n')).filter(QLatin1String(" click\"")))
        lines << QStringLiteral("manual: ") + line;
    QCOMPARE(lines.size(), 4);
    static const QRegularExpression keyName(QStringLiteral("(?:(?:Shift|Ctrl|Alt)\\+)?(?:F\\d+|Space|Return|Enter|Menu)\\b"));
    for (const QString &line : std::as_const(lines)) {
        const bool left = line.contains(QLatin1String("left click"), Qt::CaseInsensitive);
        QVERIFY(left || line.contains(QLatin1String("right click"), Qt::CaseInsensitive));
        for (auto it = keyName.globalMatch(line.section(QLatin1String("</td>"), 0, 0)); it.hasNext();) {
            const QString key = it.next().captured();
            QTest::addRow("%s %s", qPrintable(line.section(QLatin1Char(':'), 0, 0)), qPrintable(key)) << key << left;
        }
    }
}

void TestWindows::panelKeys()
{
    QFETCH(QString, key);
    QFETCH(bool, left);
    const QKeyCombination combination = QKeySequence::fromString(key)[0];
    StdoutCapture quiet;
    Random panel;
    panel.show();
    QTest::keyClick(&panel, combination.key(), combination.keyboardModifiers());
    QCOMPARE(panel.timer->isActive(), !left);
    QCOMPARE(panel.setup->isVisible(), !left);
    panel.setup->hide();
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
