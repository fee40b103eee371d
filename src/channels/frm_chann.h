#pragma once
// Channel table: one row per memory channel, edited in place. Every row is drawn straight from the
// channel record in the image and every accepted edit goes straight back into it; the window keeps
// no copy of the data, only the editor that is open over a cell.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class QTableWidget;

class frm_chann : public QWidget
{
    Q_OBJECT

public:
    // Closes an open instance and loads a fresh one, shown as a child of the main window.
    static frm_chann *Open();
    // When the channel table is open with a name being typed in its grid, stores that name in the
    // image (the read, write and save dialogs call this when they open). Otherwise does nothing.
    static void Commit_Pending_Name();
    // Sets the caption of the open table (if any) for Cur_Chann; the edit dialog calls it when it
    // moves to another channel.
    static void Update_Caption();
    // Writes the 5-byte name of channel n through Name_Buf: five 0xFF, then the first five
    // characters of the trimmed text as name codes. Redraws nothing.
    static void Store_Name(const QString &text, int n);
    // A typed frequency completed to the grid's form: 145 -> 145.00000, 70 -> 70.00000.
    static QString Normalize_Freq_Text(const QString &t);

    void Fill_Chann_Row(int n);
    void Clear_Chann(int n);
    void Set_Chann_Default(int n);
    void Show_Editor();

    void Commit_Rx(const QString &t, int n);
    void Commit_Tx(const QString &t, int n);
    // Turns the absolute transmit frequency just stored in bytes 4..7 of channel n into a shift
    // direction (bits 6..7 of byte 12) and an offset.
    static void Set_Shift(int n);
    void Commit_Name(const QString &t, int n);

    // Every move of the grid's current cell made by the program goes through here, so that the
    // cell being left is committed first.
    void Move_Cell(int row, int col);
    // Draws all 128 rows again from the image (what an activation does).
    void Redraw_All();
    void Set_Caption();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void MSF_chann_Click();
    void MSF_chann_Scroll();
    void Text_Edit_LostFocus();
    void Combo_edit_GotFocus();
    void Combo_edit_Change();
    void Combo_edit_Click(int index);
    void Command_Clear_Click();
    void Command_Edit_Click();
    void Command_Close_Click();
    void Command_Help_Click();
    void Form_Activate();

private:
    explicit frm_chann(QWidget *parent = nullptr);
    void Form_Load();

    void MSF_chann_LeaveCell(int row, int col);
    void Text_Edit_KeyPress(int &KeyAscii);
    void Combo_edit_KeyPress(int &KeyAscii);

    QString Cell(int row, int col) const;
    void Set_Cell(int row, int col, const QString &text);
    int Cur_Row() const;
    int Cur_Col() const;
    void Place_Editors();
    void Hide_Editor(QWidget *editor);
    void Close_Editors();
    QString Checked_Freq_Text(const QString &t, const QString &warning);

    QTableWidget *MSF_chann = nullptr;
    QLineEdit *Text_Edit = nullptr;
    QComboBox *Combo_edit = nullptr;
    QPushButton *Command_Clear = nullptr;
    QPushButton *Command_Edit = nullptr;
    QPushButton *Command_Close = nullptr;
    QPushButton *Command_Help = nullptr;

    QStringList Tone_Items;    // the drop-down lists in the window's language
    QStringList Power_Items;
    QStringList Bw_Items;
    int Combo_Kind = 0;        // list the drop-down holds: 0 none, 1 tones, 2 power, 3 bandwidth
    int Combo_Height = 0;

    int Edit_Row = 0;
    int Edit_Col = 0;
    QString Old_Text;

    // The cell whose editor holds a pending edit, or -1: a cell left without one commits nothing,
    // so leaving a cell the program moved through never deletes a channel or erases a name.
    int Open_Row = -1;
    int Open_Col = -1;
    bool Busy = false;   // a commit of the grid is running: the editor's lost focus adds nothing
    QPointer<QMdiSubWindow> Frame;
};
