#include "input_serch.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <cstdio>

#include "bought_store.h"
#include "click_sound.h"

Input_Serch::Input_Serch()
{
    resize(300, 180);
    setWindowTitle(tr("serch menu"));
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint);
    setToolTip(tr("Serch menu"));

    number_edit = new QLineEdit(this);
    number_edit->setMaxLength(4);
    field_label = new QLabel(tr("No"), this);
    mode_group = new QGroupBox(tr("mode"), this);

    entry_caption = tr("Bought No entry(%1)").arg(boughtStore().bought_count);
    entry_radio = new QRadioButton(entry_caption, mode_group);
    serch_radio = new QRadioButton(tr("Bought No serch"), mode_group);
    serch_radio->hide();
    data_to_times_radio = new QRadioButton(tr("Data to Times"), mode_group);
    data_to_times_radio->setChecked(false);
    times_to_data_radio = new QRadioButton(tr("Times to Data"), mode_group);
    times_to_data_radio->setChecked(true);

    serch_radio->setToolTip(tr("Bought Number Serch"));
    entry_radio->setToolTip(tr("Bought Number Entry"));
    times_to_data_radio->setToolTip(tr("change to data from times"));
    data_to_times_radio->setToolTip(tr("change to times from data"));

    ok_button = new QPushButton(tr("Ok"), this);
    clear_button = new QPushButton(tr("Clear"), this);
    clear_button->hide();

    auto *fieldRow = new QHBoxLayout;
    fieldRow->addWidget(field_label);
    fieldRow->addWidget(number_edit);
    fieldRow->addWidget(ok_button);
    fieldRow->addWidget(clear_button);
    auto *modeRow = new QHBoxLayout;
    modeRow->addWidget(mode_group);
    auto *emptyRow = new QHBoxLayout;
    auto *windowLayout = new QVBoxLayout;
    windowLayout->addLayout(fieldRow);
    windowLayout->addLayout(modeRow);
    windowLayout->addLayout(emptyRow);
    setLayout(windowLayout);
    auto *modeLayout = new QVBoxLayout;
    modeLayout->addWidget(entry_radio);
    modeLayout->addWidget(serch_radio);
    modeLayout->addWidget(data_to_times_radio);
    modeLayout->addWidget(times_to_data_radio);
    mode_group->setLayout(modeLayout);

    connect(ok_button, SIGNAL(clicked()), this, SLOT(Push_ok()));
    connect(entry_radio, SIGNAL(clicked()), this, SLOT(Check_mode()));
    connect(serch_radio, SIGNAL(clicked()), this, SLOT(Check_mode()));
    connect(data_to_times_radio, SIGNAL(clicked()), this, SLOT(Check_mode()));
    connect(times_to_data_radio, SIGNAL(clicked()), this, SLOT(Check_mode()));
    connect(clear_button, SIGNAL(clicked()), this, SLOT(All_data_clear()));

    // From the keyboard: Return in the field is Ok, Escape closes the window,
    // and Tab goes from the field to its buttons, then to the modes.
    connect(number_edit, SIGNAL(returnPressed()), this, SLOT(Push_ok()));
    auto *closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, SIGNAL(activated()), this, SLOT(close()));
    setTabOrder(number_edit, ok_button);
    setTabOrder(ok_button, clear_button);
    setTabOrder(clear_button, entry_radio);
    setTabOrder(entry_radio, serch_radio);
    setTabOrder(serch_radio, data_to_times_radio);
    setTabOrder(data_to_times_radio, times_to_data_radio);

    click = new ClickSound(QStringLiteral("wav/check.wav"), this);
}

Input_Serch::~Input_Serch() = default;

int Input_Serch::fieldWidthForDigits(const QLineEdit *edit, int digits)
{
    // The text margins and frame of the style's line edit, as its size hint
    // counts them, around the widest run of digits.
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    const QMargins margins = edit->textMargins();
    const int text = edit->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0')))
        + margins.left() + margins.right() + 2 * 2 + 2;  // QLineEdit's own horizontal margin and cursor
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(text, 0), edit).width();
}

// Tab treats the mode buttons as one stop, but enters it at the first of
// them, checked or not; and the arrow keys only check the next mode when the
// focused one is checked. So Tab goes to the checked mode, and the arrows
// choose from the start.
bool Input_Serch::focusNextPrevChild(bool next)
{
    if (!QWidget::focusNextPrevChild(next))
        return false;
    auto *landed = qobject_cast<QRadioButton *>(focusWidget());
    if (!landed || landed->parentWidget() != mode_group || landed->isChecked())
        return true;
    for (QRadioButton *mode : {entry_radio, serch_radio, data_to_times_radio, times_to_data_radio}) {
        if (mode->isChecked() && mode->isVisibleTo(this))
            mode->setFocus(Qt::TabFocusReason);
    }
    return true;
}

// Measured when the window is first shown, before its first layout:
// measuring text loads the shaping code, which a start that never opens
// this window need not carry.
void Input_Serch::setVisible(bool visible)
{
    if (visible && !fitted) {
        fitted = true;
        fitToText();
    }
    QWidget::setVisible(visible);
}

void Input_Serch::fitToText()
{
    // The field holds at most four characters and always shows them, however
    // long the mode's caption beside it.
    number_edit->setFixedWidth(fieldWidthForDigits(number_edit, 4));
    // The style asks 80 pixels of every push button; in the window's 300
    // these two may shrink to their text, so the longest caption ("Input
    // Bought No", 購入番号を入力) keeps one line beside the field.
    for (QPushButton *button : {ok_button, clear_button})
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 24);
}

void Input_Serch::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    number_edit->setFocus(Qt::OtherFocusReason);
}

int Input_Serch::Check_mode()
{
    click->play();
    if (data_to_times_radio->isChecked()) {
        clear_button->hide();
        number_edit->clear();
        std::printf("data to times=1\n");
        number_edit->setMaxLength(3);
        field_label->setText(tr("Data"));
        return 1;
    }
    if (times_to_data_radio->isChecked()) {
        clear_button->hide();
        number_edit->clear();
        std::printf("times to data=2\n");
        number_edit->setMaxLength(4);
        field_label->setText(tr("No"));
        return 2;
    }
    if (entry_radio->isChecked()) {
        clear_button->show();
        number_edit->clear();
        number_edit->setMaxLength(3);
        field_label->setText(tr("Input Bought No"));
        return 0;
    }
    if (serch_radio->isChecked()) {
        clear_button->hide();
        return 3;
    }
    return 0;
}

void Input_Serch::All_data_clear()
{
    BoughtStore &store = boughtStore();
    const int used = store.bought_count;
    store.clear();
    for (int i = 0; i < used; ++i)
        std::printf("bout_no[%d]=%d\n", i, store.bought_no[i]);
    setEntryCaption();
    serch_radio->hide();
    number_edit->clear();
}

void Input_Serch::setEntryCaption()
{
    entry_caption = tr("Bought No entry(%1)").arg(boughtStore().bought_count);
    entry_radio->setText(entry_caption);
}

QString Input_Serch::answerText(const SerchAnswer::Answer &answer) const
{
    const SerchAnswer::Text &row = SerchAnswer::text(answer.outcome);
    QString text = tr(row.text);
    if (row.argCount >= 1)
        text = text.arg(answer.arg1);
    if (row.argCount >= 2)
        text = text.arg(answer.arg2);
    return text;
}

void Input_Serch::showAnswer(const SerchAnswer::Answer &answer)
{
    showAnswer(answer, answerText(answer));
}

void Input_Serch::showAnswer(const SerchAnswer::Answer &answer, const QString &text)
{
    const SerchAnswer::Text &row = SerchAnswer::text(answer.outcome);
    if (!row.title)
        return;
    const QString title = row.translatedTitle ? tr(row.title) : QString::fromLatin1(row.title);
    QMessageBox::information(this, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void Input_Serch::Push_ok()
{
    input_value = number_edit->text().toInt();
    if (data_to_times_radio->isChecked()) {
        clear_button->hide();
        showAnswer(SerchAnswer::dataToTimes(input_value));
    } else if (times_to_data_radio->isChecked()) {
        clear_button->hide();
        const SerchAnswer::Answer answer = SerchAnswer::timesToData(input_value);
        if (answer.outcome != SerchAnswer::Outcome::TimesValue) {
            showAnswer(answer);
            return;
        }
        result_text = answerText(answer);
        showAnswer(answer, result_text);
        number_edit->clear();
    } else if (entry_radio->isChecked()) {
        clear_button->show();
        Bought_entry();
    } else if (serch_radio->isChecked()) {
        clear_button->hide();
        Bought_serch();
    }
}

void Input_Serch::Bought_entry()
{
    const SerchAnswer::Answer answer =
        SerchAnswer::boughtEntry(boughtStore(), input_value, number_edit->text().toInt());
    if (answer.outcome != SerchAnswer::Outcome::Stored) {
        showAnswer(answer);
        return;
    }
    setEntryCaption();
    serch_radio->show();
    number_edit->clear();
}

void Input_Serch::Bought_serch()
{
    search_value = number_edit->text().toInt();
    const BoughtStore &store = boughtStore();
    const SerchAnswer::Answer answer = SerchAnswer::boughtSerch(store, input_value, search_value);
    showAnswer(answer);
    if (answer.outcome == SerchAnswer::Outcome::NoData)
        return;
    for (int i = 0; i < store.bought_count; ++i)
        std::printf("bought_no[%d]=%d,d=%d,o=%d\n", i, store.bought_no[i], answer.arg1, search_value);
}
