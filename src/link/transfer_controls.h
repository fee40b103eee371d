#pragma once
// The controls the read and write dialogs share: a progress label, a progress bar and three buttons
// (start, Cancel, Help), laid out the same way in both.
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

struct Transfer_Controls
{
    QLabel *label;
    QProgressBar *bar;
    QPushButton *start;
    QPushButton *cancel;
    QPushButton *help;
};

// Builds them on form; the start button gets start_name as its object name.
Transfer_Controls Build_Transfer_Controls(QWidget *form, const char *start_name);
