#ifndef SETUP_CONFIG_H
#define SETUP_CONFIG_H

#include <QDialog>
#include <array>

#include "setting_code.h"

class QGroupBox;
class QPushButton;
class QRadioButton;
class HelpWindow;
class Input_Serch;

// The settings dialog. It stores nothing: the number display asks the three
// readers for the digit setting codes whenever it needs them.
class Setup_config : public QDialog
{
    Q_OBJECT

public:
    // "9".."0", then the never-enabled "#" and "*".
    using DigitGroup = std::array<QRadioButton *, 12>;

    Setup_config();
    ~Setup_config() override;

public slots:
    void show_Version();
    void Push_button();
    int check_ok();
    int check_ok2();
    int check_ok3();
    void push_serch();
    void help_exe();

public:
    QGroupBox *mode_box;
    QRadioButton *random_mode_button;
    QRadioButton *self_mode_button;
    QGroupBox *max1_box;
    QGroupBox *max2_box;
    QGroupBox *max3_box;
    QGroupBox *max4_box;
    DigitGroup max1_buttons;
    DigitGroup max2_buttons;
    DigitGroup max3_buttons;
    DigitGroup max4_buttons;
    QGroupBox *type_box;
    QRadioButton *numbers3_button;
    QRadioButton *numbers4_button;
    QPushButton *help_button;
    Input_Serch *serch_menu;
    HelpWindow *help_window;

private:
    void createDigitButtons(QGroupBox *box, DigitGroup &buttons);
    static void layOutDigitGroup(QGroupBox *box, const DigitGroup &buttons);
    void connectDigitGroup(const DigitGroup &buttons, const char *reader);
    int readCode(const DigitGroup &buttons, SettingCode::Reader reader);
};

#endif
