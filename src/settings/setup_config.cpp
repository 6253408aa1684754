#include "setup_config.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstdio>

#include "bought/input_serch.h"
#include "help/help_window.h"

namespace {
const char *const DigitLabels[] = {"9", "8", "7", "6", "5", "4", "3", "2", "1", "0", "#", "*"};
constexpr int Hash = 10;
constexpr int Star = 11;
}

Setup_config::Setup_config()
{
    resize(540, 250);
    setWindowTitle(tr("settei menu numbers3"));

    help_window = new HelpWindow;
    serch_menu = new Input_Serch;

    mode_box = new QGroupBox(tr("mode"), this);
    setToolTip(tr("Settei menu numbers3"));
    type_box = new QGroupBox(tr("type"), this);

    numbers3_button = new QRadioButton(tr("Numbers3"), type_box);
    numbers3_button->setToolTip(tr("Numbers3"));
    numbers3_button->setChecked(true);
    numbers4_button = new QRadioButton(tr("Numbers4"), type_box);
    numbers4_button->setToolTip(tr("Numbers4"));
    numbers4_button->setEnabled(false);

    random_mode_button = new QRadioButton(tr("Random mode"), mode_box);
    random_mode_button->setToolTip(tr("Rundom mode"));
    random_mode_button->setChecked(true);
    self_mode_button = new QRadioButton(tr("self mode"), mode_box);
    self_mode_button->setToolTip(tr("self mode"));

    max4_box = new QGroupBox(tr("Max_4"), this);
    max4_box->hide();
    createDigitButtons(max4_box, max4_buttons);
    max3_box = new QGroupBox(tr("Max_3"), this);
    max3_box->setToolTip(tr("3 digdit"));
    max3_box->setAccessibleName(tr("hundreds digit"));
    createDigitButtons(max3_box, max3_buttons);
    max2_box = new QGroupBox(tr("Max_2"), this);
    max2_box->setToolTip(tr("2 digdit"));
    max2_box->setAccessibleName(tr("tens digit"));
    createDigitButtons(max2_box, max2_buttons);
    max1_box = new QGroupBox(tr("Max_1"), this);
    max1_box->setToolTip(tr("1 digdit"));
    max1_box->setAccessibleName(tr("ones digit"));
    createDigitButtons(max1_box, max1_buttons);

    auto *okButton = new QPushButton(QStringLiteral("ok"), this);
    okButton->setToolTip(tr("OK and close"));
    auto *versionButton = new QPushButton(tr("Version"), this);
    versionButton->setToolTip(tr("Version"));
    help_button = new QPushButton(tr("help"), this);
    help_button->setToolTip(tr("Help"));
    auto *serchButton = new QPushButton(tr("serch"), this);
    serchButton->setToolTip(tr("Past Data Serch menu"));

    auto *modeLayout = new QVBoxLayout;
    modeLayout->addWidget(random_mode_button);
    modeLayout->addWidget(self_mode_button);
    mode_box->setLayout(modeLayout);
    for (auto [box, buttons] : {std::pair{max4_box, &max4_buttons}, {max3_box, &max3_buttons},
                                {max2_box, &max2_buttons}, {max1_box, &max1_buttons}})
        layOutDigitGroup(box, *buttons);
    auto *typeLayout = new QVBoxLayout;
    typeLayout->addWidget(numbers3_button);
    typeLayout->addWidget(numbers4_button);
    type_box->setLayout(typeLayout);

    auto *topRow = new QHBoxLayout;
    topRow->addWidget(mode_box);
    topRow->addWidget(type_box);
    auto *digitRow = new QHBoxLayout;
    digitRow->addWidget(max1_box);
    digitRow->addWidget(max2_box);
    digitRow->addWidget(max3_box);
    digitRow->addWidget(max4_box);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(okButton);
    buttonRow->addWidget(versionButton);
    buttonRow->addWidget(serchButton);
    buttonRow->addWidget(help_button);
    auto *dialogLayout = new QVBoxLayout;
    dialogLayout->addLayout(topRow);
    dialogLayout->addLayout(digitRow);
    dialogLayout->addLayout(buttonRow);
    setLayout(dialogLayout);

    // Tab follows the dialog as it reads, left to right and top to bottom;
    // inside a group of radio buttons it stops at the checked one, and the
    // arrow keys move the check.
    QList<QWidget *> tabOrder{random_mode_button, self_mode_button, numbers3_button, numbers4_button};
    for (const DigitGroup *buttons : {&max1_buttons, &max2_buttons, &max3_buttons})
        tabOrder.append(QList<QWidget *>(buttons->begin(), buttons->end()));
    tabOrder << okButton << versionButton << serchButton << help_button;
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connectDigitGroup(max1_buttons, SLOT(check_ok()));
    connectDigitGroup(max2_buttons, SLOT(check_ok2()));
    connectDigitGroup(max3_buttons, SLOT(check_ok3()));
    connect(okButton, SIGNAL(clicked()), this, SLOT(Push_button()));
    connect(versionButton, SIGNAL(clicked()), this, SLOT(show_Version()));
    connect(serchButton, SIGNAL(clicked()), this, SLOT(push_serch()));
    connect(help_button, SIGNAL(clicked()), this, SLOT(help_exe()));
}

Setup_config::~Setup_config() = default;

void Setup_config::createDigitButtons(QGroupBox *box, DigitGroup &buttons)
{
    for (int i = 0; i < int(buttons.size()); ++i)
        buttons[i] = new QRadioButton(QString::fromLatin1(DigitLabels[i]), box);
    buttons[0]->setChecked(true);
    buttons[Hash]->setEnabled(false);
    buttons[Star]->setEnabled(false);
}

// Telephone keypad: 9 8 7 / 6 5 4 / 3 2 1 / # * 0.
void Setup_config::layOutDigitGroup(QGroupBox *box, const DigitGroup &buttons)
{
    static const int rows[4][3] = {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {Hash, Star, 9}};
    auto *column = new QVBoxLayout;
    for (const auto &row : rows) {
        auto *line = new QHBoxLayout;
        for (int index : row)
            line->addWidget(buttons[index]);
        column->addLayout(line);
    }
    box->setLayout(column);
}

void Setup_config::connectDigitGroup(const DigitGroup &buttons, const char *reader)
{
    for (int i = 0; i < SettingCode::ReadableLabels; ++i)
        connect(buttons[i], SIGNAL(clicked()), this, reader);
}

int Setup_config::readCode(const DigitGroup &buttons, SettingCode::Reader reader)
{
    SettingCode::DigitButtons checked;
    for (int i = 0; i < SettingCode::ReadableLabels; ++i)
        checked[i] = buttons[i]->isChecked();
    const int code = SettingCode::code(checked, self_mode_button->isChecked(),
                                       random_mode_button->isChecked());
    if (code != 0)
        std::printf(SettingCode::traceFormat(reader, code), code);
    return code;
}

void Setup_config::show_Version()
{
    QMessageBox::about(this, tr("Version"),
                       tr("Version:Numbers3 1.1.1\n"
                          "A roll-and-pick helper for the three-digit number lottery.\n"
                          "Written by the Numbers3 developers.\n"
                          "Contact: see the README that comes with the program.\n"
                          "Copyright (C) 2026 the Numbers3 developers."));
}

void Setup_config::Push_button()
{
    done(0);
}

int Setup_config::check_ok()
{
    return readCode(max1_buttons, SettingCode::Reader::Ones);
}

int Setup_config::check_ok2()
{
    return readCode(max2_buttons, SettingCode::Reader::Tens);
}

int Setup_config::check_ok3()
{
    return readCode(max3_buttons, SettingCode::Reader::Hundreds);
}

void Setup_config::push_serch()
{
    serch_menu->show();
}

void Setup_config::help_exe()
{
    help_window->show();
}
