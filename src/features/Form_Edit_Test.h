#pragma once
// Broadcast radio presets: 25 FM frequencies edited in place in a two-column grid through an overlay
// text box. The grid is the working copy; it goes into the image whenever the grid loses the focus.
#include <QWidget>

class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class QTableWidget;

class Form_Edit_Test : public QWidget
{
    Q_OBJECT

public:
    // Closes an open instance and loads a fresh one, shown as a child of the main window.
    static Form_Edit_Test *Open();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void MSF_chann_Click(int row, int column);
    void MSF_chann_LeaveCell(int row, int column, int previous_row, int previous_column);
    void Text_Edit_Change();
    void Command_Close_Click();
    void Command_Help_Click();
    void Subwindow_Activated(QMdiSubWindow *sub);

private:
    explicit Form_Edit_Test(QWidget *parent = nullptr);
    void Form_Load();
    void Fill_Grid();
    void Open_Editor(int row);
    void Commit_Editor();
    void Close_Editor();
    void MSF_chann_LostFocus();
    void Text_Edit_Enter();
    static int Preset_Cell(int preset, int *block);

    QTableWidget *MSF_chann;
    QLineEdit *Text_Edit;
    QPushButton *Command_Close;
    QPushButton *Command_Help;

    double Fm_Low = 87.0;     // lowest and highest preset frequency, MHz
    double Fm_High = 108.0;
    int Edit_Row = -1;        // grid row the open editor covers, -1 when it is closed
    bool Loaded = false;
    bool Closing = false;
};
