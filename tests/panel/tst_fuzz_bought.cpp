// Drives the real bought-number window with a long random run of clicks and
// typing, checking it after every step against a small model of its rules.
// FUZZ_STEPS and FUZZ_SEED override the step count and the seed.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <optional>
#include <random>

#include "bought/bought_store.h"
#include "bought/input_serch.h"
#include "bought/times_data.h"
#include "support/box_catcher.h"
#include "support/stdout_capture.h"

namespace {

enum Mode { Entry, Serch, DataToTimes, TimesToData };

// The window's rules, written out again from the user's side.
struct Model
{
    Mode checked = TimesToData;
    QList<int> store;
    bool clearShown = false;
    bool serchShown = false;
    QString field;
    int maxLength = 4;
    QString label = QStringLiteral("No");

    // What QString::toInt makes of a field: blanks around, one sign, digits.
    static int read(const QString &text)
    {
        const QString t = text.trimmed();
        int i = 0;
        if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ++i;
        if (i == t.size())
            return 0;
        for (int j = i; j < t.size(); ++j) {
            if (!t[j].isDigit())
                return 0;
        }
        return t.mid(i).toInt() * (t.startsWith(QLatin1Char('-')) ? -1 : 1);
    }

    void clickMode(Mode mode)
    {
        checked = mode;
        switch (mode) {
        case DataToTimes:
            clearShown = false, field.clear(), maxLength = 3, label = QStringLiteral("Data");
            break;
        case TimesToData:
            clearShown = false, field.clear(), maxLength = 4, label = QStringLiteral("No");
            break;
        case Entry:
            clearShown = true, field.clear(), maxLength = 3, label = QStringLiteral("Input Bought No");
            break;
        case Serch:
            clearShown = false;
            break;
        }
    }

    // The box that Ok opens, as "title|text", or an empty string for none.
    QString pressOk()
    {
        const int n = read(field);
        const QString noData = QStringLiteral("Error|No Data");
        switch (checked) {
        case DataToTimes: {
            clearShown = false;
            if (n < 1 || n > 1999)
                return noData;
            const int found = int(std::count(std::begin(times_data), std::end(times_data), n));
            return found ? QStringLiteral("information|There  are %1 times").arg(found)
                         : QStringLiteral("information|There aren't No Namber");
        }
        case TimesToData:
            clearShown = false;
            if (n < 1 || n > 2000)
                return noData;
            field.clear();
            return QStringLiteral("serch result|%1 times data is %2").arg(n).arg(times_data[n - 1]);
        case Entry:
            clearShown = true;
            if (n == 0)
                return noData;
            if (store.size() == 1000)
                return QStringLiteral("Error|The bought number list is full (1000 numbers).\nClear it to enter more.");
            store.append(n);
            serchShown = true;
            field.clear();
            return QString();
        case Serch: {
            clearShown = false;
            if (n == 0)
                return noData;
            const int hits = int(store.count(n));
            return hits ? QStringLiteral("serch result|There are hit:%1 times ").arg(hits)
                        : QStringLiteral("serch result|There are no hit");
        }
        }
        return QString();
    }

    void pressClear()
    {
        store.clear();
        serchShown = false;
        field.clear();
    }
};

} // namespace

class TestFuzzBought : public QObject
{
    Q_OBJECT

private slots:
    void randomSession();
};

void TestFuzzBought::randomSession()
{
    const int steps = qEnvironmentVariableIsSet("FUZZ_STEPS") ? qEnvironmentVariableIntValue("FUZZ_STEPS") : 20000;
    const quint32 seed = qEnvironmentVariableIsSet("FUZZ_SEED") ? quint32(qEnvironmentVariableIntValue("FUZZ_SEED"))
                                                                 : 20261207u;
    qInfo("bought-number fuzz: %d steps, seed %u", steps, seed);
    std::mt19937 rng(seed);
    auto below = [&rng](int n) { return int(rng() % quint32(n)); };

    boughtStore().clear();
    Input_Serch window;
    window.show();
    QRadioButton *const buttons[] = {window.entry_radio, window.serch_radio, window.data_to_times_radio,
                                     window.times_to_data_radio};
    Model model;
    BoxCatcher catcher;
    // Thousands of trace lines; only their absence of harm matters here. With
    // FUZZ_TRACES set they go out on standard output, for tools/fuzz_bought.sh
    // to check line by line.
    std::optional<StdoutCapture> traces;
    if (!qEnvironmentVariableIsSet("FUZZ_TRACES"))
        traces.emplace();
    const QString alphabet = QStringLiteral("0123456789012345678901234567890123456789-+ aZ");
    int boxes = 0, entries = 0, clears = 0, fullRefusals = 0;

    int burst = 0;  // steps left in a run of entries, so the store also fills up
    for (int step = 0; step < steps; ++step) {
        QString expectedBox;
        int op = below(1000);
        if (burst > 0)
            op = (burst-- % 2 == 0) ? 500 : 800;  // type, then Ok
        else if (op < 5 && model.checked == Entry)
            burst = 2 * 1000;
        QString what;
        if (op < 250) {
            const Mode mode = Mode(below(4));
            if (mode == Serch && !model.serchShown)
                continue;  // a hidden button cannot be clicked
            buttons[mode]->click();
            model.clickMode(mode);
            what = QStringLiteral("mode %1").arg(mode);
        } else if (op < 600) {
            QString text;
            const int length = burst > 0 ? 1 + below(model.maxLength) : below(model.maxLength + 2);
            for (int n = length; n > 0; --n)
                text += alphabet[below(burst > 0 ? 10 : int(alphabet.size()))];
            window.number_edit->clear();
            QTest::keyClicks(window.number_edit, text);
            model.field = text.left(model.maxLength);
            what = QStringLiteral("type '%1'").arg(text);
        } else if (op < 998) {
            const int before = int(model.store.size());
            expectedBox = model.pressOk();
            window.ok_button->click();
            entries += int(model.store.size()) - before;
            fullRefusals += expectedBox.contains(QLatin1String("full")) ? 1 : 0;
            what = QStringLiteral("ok");
        } else {
            if (!model.clearShown)
                continue;
            window.clear_button->click();
            model.pressClear();
            ++clears;
            what = QStringLiteral("clear");
        }

        const QString where = QStringLiteral("step %1 (%2), seed %3").arg(step).arg(what).arg(seed);
        const QString seen = catcher.boxes.isEmpty()
            ? QString()
            : catcher.boxes.last().title + QLatin1Char('|') + catcher.boxes.last().text;
        QVERIFY2(catcher.boxes.size() == (expectedBox.isEmpty() ? 0 : 1), qPrintable(where));
        QVERIFY2(seen == expectedBox, qPrintable(where + QLatin1String(": ") + seen + " / " + expectedBox));
        boxes += int(catcher.boxes.size());
        catcher.boxes.clear();

        const BoughtStore &store = boughtStore();
        QVERIFY2(store.bought_count == model.store.size(), qPrintable(where));
        if (!model.store.isEmpty())
            QVERIFY2(store.bought_no[store.bought_count - 1] == model.store.last(), qPrintable(where));
        if (step % 500 == 0) {
            for (int i = 0; i < model.store.size(); ++i)
                QVERIFY2(store.bought_no[i] == model.store[i], qPrintable(where));
        }
        QVERIFY2(window.entry_radio->text() == QStringLiteral("Bought No entry(%1)").arg(model.store.size()),
                 qPrintable(where));
        QVERIFY2(window.clear_button->isVisible() == model.clearShown, qPrintable(where));
        QVERIFY2(window.serch_radio->isVisible() == model.serchShown, qPrintable(where));
        QVERIFY2(window.number_edit->text() == model.field, qPrintable(where));
        QVERIFY2(window.number_edit->maxLength() == model.maxLength, qPrintable(where));
        QVERIFY2(window.field_label->text() == model.label, qPrintable(where));
        QVERIFY2(buttons[model.checked]->isChecked(), qPrintable(where));
    }
    if (traces)
        traces->take();
    qInfo("%d boxes, %d entries stored, %d clears, %d refused as full", boxes, entries, clears, fullRefusals);
}

QTEST_MAIN(TestFuzzBought)
#include "tst_fuzz_bought.moc"
