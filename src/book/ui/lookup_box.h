#ifndef LOOKUP_BOX_H
#define LOOKUP_BOX_H

#include <QGroupBox>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The lookups' controls: what to look up, the number or draw, the button
// and the answer. The window asks the book and shows the answer.
class LookupBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit LookupBox(QWidget *parent = nullptr);

    QComboBox *kind;
    QLineEdit *edit;
    QPushButton *button;
    QPlainTextEdit *answer;
};

#endif
