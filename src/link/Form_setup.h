#pragma once
// Port setup: chooses which port number, COM1..COM8, the link dialogs open. Beside each number it shows
// the device that number stands for on this machine. It neither opens nor tests the port.
#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Form_setup : public QWidget
{
    Q_OBJECT

public:
    // Closes an open instance and loads a fresh one, shown as a child of the main window.
    static Form_setup *Open();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void Command_ok_Click();
    void Command1_Click();

private:
    explicit Form_setup(QWidget *parent = nullptr);
    void Form_Load();

    QGroupBox *Frame1;
    QRadioButton *Option[8];
    QLabel *Label_Device[8];
    QButtonGroup *Option_Group;
    QPushButton *Command_ok;
    QPushButton *Command1;
};
