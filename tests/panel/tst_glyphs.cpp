// Japanese must draw as text, not as empty boxes: every character of the
// catalogue's translations and of the help pages has a glyph in a font that
// the widgets fall back to on this machine.
#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QRegularExpression>
#include <QSet>
#include <QTextLayout>
#include <QXmlStreamReader>
#include <QtTest>

class TestGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void everyCharacterHasAGlyph_data();
    void everyCharacterHasAGlyph();
};

static QString translations(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("translation"))
            text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return text;
}

void TestGlyphs::everyCharacterHasAGlyph_data()
{
    QTest::addColumn<QString>("text");
    const QString catalogue = translations(QStringLiteral(TS_FILE));
    QVERIFY2(catalogue.size() > 100, TS_FILE);
    QTest::newRow("numbers_ja.ts") << catalogue;
    const QDir html(QStringLiteral("html"));
    for (const QString &page : html.entryList({QStringLiteral("*.html")})) {
        QFile file(html.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTest::newRow(qPrintable(page)) << QString::fromUtf8(file.readAll());
    }
}

void TestGlyphs::everyCharacterHasAGlyph()
{
    QFETCH(QString, text);
    // Markup and English are ASCII; lay out each other character alone with
    // the widgets' font, so the font database's fallback picks its font.
    QSet<char32_t> seen;
    QStringList boxes;
    for (const char32_t ch : text.toUcs4()) {
        if (ch < 0x80 || ch == 0xFEFF || seen.contains(ch))
            continue;
        seen.insert(ch);
        const QString one = QString::fromUcs4(&ch, 1);
        QTextLayout layout(one, QApplication::font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        bool drawn = false;
        for (const QGlyphRun &run : layout.glyphRuns()) {
            const QList<quint32> glyphs = run.glyphIndexes();
            drawn = !glyphs.isEmpty() && !glyphs.contains(0)
                    && run.rawFont().supportsCharacter(ch);
        }
        if (!drawn)
            boxes << QStringLiteral("U+%1 %2").arg(uint(ch), 4, 16, QLatin1Char('0')).arg(one);
    }
    QVERIFY2(boxes.isEmpty(), qPrintable(QLatin1String("no font has ") + boxes.join(QLatin1String(", "))));
}

QTEST_MAIN(TestGlyphs)
#include "tst_glyphs.moc"
