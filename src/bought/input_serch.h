#ifndef INPUT_SERCH_H
#define INPUT_SERCH_H

#include <QString>
#include <QWidget>

#include "serch_answer.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ClickSound;

// The bought-number window: enters the numbers bought during the run and
// looks numbers up among them and in the past data.
class Input_Serch : public QWidget
{
    Q_OBJECT

public:
    Input_Serch();
    ~Input_Serch() override;

public slots:
    void Push_ok();
    int Check_mode();
    void All_data_clear();

public:
    QString entry_caption;
    QLineEdit *number_edit;
    QLabel *field_label;
    QPushButton *ok_button;
    QPushButton *clear_button;
    QGroupBox *mode_group;
    QRadioButton *data_to_times_radio;
    QRadioButton *times_to_data_radio;
    QRadioButton *entry_radio;
    QRadioButton *serch_radio;
    QString result_text;
    int input_value = 0;
    int search_value = 0;
    bool fitted = false;  // fitToText() done

public:
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void fitToText();
    static int fieldWidthForDigits(const QLineEdit *edit, int digits);
    void Bought_entry();
    void Bought_serch();
    void setEntryCaption();
    QString answerText(const SerchAnswer::Answer &answer) const;
    void showAnswer(const SerchAnswer::Answer &answer);
    void showAnswer(const SerchAnswer::Answer &answer, const QString &text);

    ClickSound *click;
};

#endif
