// The header's lines cut to their room: at a place a line may break, with
// an ellipsis, and mid-word only when one word would leave too little.
#include <QTest>

#include "elided_text.h"

class TestBookElide : public QObject
{
    Q_OBJECT

private slots:
    void elide_data();
    void elide();
};

void TestBookElide::elide_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");  // in letters
    QTest::addColumn<QString>("shown");
    const QString next = QStringLiteral("Next draw: 7133 on 2026-12-10 Thu\nCollect soon: draw 6880");
    QTest::newRow("fits") << QStringLiteral("Offline: trying again at 00:19") << 30 << QStringLiteral("Offline: trying again at 00:19");
    QTest::newRow("lines as one") << next << 80 << QStringLiteral("Next draw: 7133 on 2026-12-10 Thu; Collect soon: draw 6880");
    QTest::newRow("after a word") << next << 40 << QStringLiteral("Next draw: 7133 on 2026-12-10 Thu\u2026");
    QTest::newRow("word ends at the edge") << QStringLiteral("asking again at 21:10 for draw 7132") << 21
                                           << QStringLiteral("asking again at\u2026");
    QTest::newRow("inside a word") << QStringLiteral("New result files are looked for in") << 27
                                   << QStringLiteral("New result files are\u2026");
    QTest::newRow("after a slash") << QStringLiteral("in /home/someone/Downloads") << 16 << QStringLiteral("in /home/\u2026");
    QTest::newRow("one long word") << QStringLiteral("in Numbers3Numbers4Numbers3") << 16 << QStringLiteral("in Numbers3Numb\u2026");
    QTest::newRow("Japanese") << QStringLiteral("換金の期限が近い当せん：第6880回") << 13
                              << QStringLiteral("換金の期限が近い当せん\u2026");
    QTest::newRow("no room") << QStringLiteral("Missing") << 0 << QStringLiteral("\u2026");
}

void TestBookElide::elide()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, shown);
    const auto letters = [](const QString &s) { return int(s.size()); };
    QCOMPARE(ElidedText::elide(ElidedText::oneLine(text), width, letters), shown);
}

QTEST_GUILESS_MAIN(TestBookElide)
#include "tst_book_elide.moc"
