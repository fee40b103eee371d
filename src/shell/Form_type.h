#pragma once
// Model selection: chooses the radio model, which fixes the band every frequency is checked against.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

class Form_type : public QWidget
{
    Q_OBJECT

public:
    // Closes an open instance and loads a fresh one, shown as a child of the main window.
    static Form_type *Open();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void Combo_type_Click(int index);
    void Check_SC_Click(bool checked);
    void Command_enter_Click();
    void Command_Cancel_Click();

private:
    explicit Form_type(QWidget *parent = nullptr);
    void Form_Load();
    static QString Band_Label(int row, double low, double high, bool trim_high);

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QComboBox *Combo_type;
    QLabel *Label_band;
    QLabel *Label_SubBand;
    QCheckBox *Check_SC;
    QPushButton *Command_enter;
    QPushButton *Command_Cancel;
};
