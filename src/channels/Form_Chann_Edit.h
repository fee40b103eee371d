#pragma once
// Channel edit dialog: one channel of the image at a time, field by field, including the switches the
// table has no column for (VOX, busy-channel lockout, scan membership, transmit inhibit). Every
// accepted change goes into the image at once; there is nothing to confirm.
#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class QScrollBar;

class Form_Chann_Edit : public QWidget
{
    Q_OBJECT

public:
    // Closes an open instance and opens a fresh one on Cur_Chann.
    static Form_Chann_Edit *Open();
    // Shows channel n (an empty channel clears and disables the fields).
    void Show_Chann(int n);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void Text_CHN_Change();
    void VScroll1_Change(int value);
    void Text_RX_Freq_Change();
    void Combo_Decode_Click(int index);
    void Combo_Encode_Click(int index);
    void Combo_TXP_Click(int index);
    void Combo_WN_Click(int index);
    void Check_VOX_Click(bool checked);
    void Check_Bcl_Click(bool checked);
    void Check_Scan_Click(bool checked);
    void Check_TxStop_Click(bool checked);
    void Text_Name_Change();
    void Command_Close_Click();
    void Command_Help_Click();
    void Form_Activate();

private:
    explicit Form_Chann_Edit(QWidget *parent = nullptr);
    void Form_Load();

    void Text_CHN_KeyPress(int &KeyAscii);
    void Text_CHN_LostFocus();
    void Text_RX_Freq_KeyPress(int &KeyAscii);
    void Text_RX_Freq_LostFocus();
    void Text_TX_Freq_KeyPress(int &KeyAscii);
    void Text_TX_Freq_LostFocus();
    void Text_Name_KeyPress(int &KeyAscii);
    void Text_Name_LostFocus();

    void Show_Fields(int n);
    void Clear_Chann(int n, bool erase_name);
    void Fill_Lists();
    void Enable_Fields(bool on);
    void Go_To(int n);
    QString Checked_Freq(QLineEdit *box, const QString &warning);
    bool Chann_Exists() const;
    void Set_Bit(int byte, int mask, bool on);

    QLabel *Label_CHN;
    QLineEdit *Text_CHN;
    QScrollBar *VScroll1;
    QLabel *Label_RX_freq;
    QLineEdit *Text_RX_Freq;
    QLabel *Label_TX_freq;
    QLineEdit *Text_TX_Freq;
    QLabel *Label_Decode;
    QComboBox *Combo_Decode;
    QLabel *Label_Encode;
    QComboBox *Combo_Encode;
    QLabel *Label_TXP;
    QComboBox *Combo_TXP;
    QLabel *Label_WN;
    QComboBox *Combo_WN;
    QLabel *Label_Name;
    QLineEdit *Text_Name;
    QCheckBox *Check_VOX;
    QCheckBox *Check_Bcl;
    QCheckBox *Check_Scan;
    QCheckBox *Check_TxStop;
    QPushButton *Command_Close;
    QPushButton *Command_Help;

    bool Keep_Name = false;        // clearing the fields to show an empty channel stores no name
    bool Setting_Number = false;   // the number box is being set from the scroll bar
    bool Busy = false;             // the fields are being filled: their focus moves are no edits
    bool Closing = false;
    QPointer<QMdiSubWindow> Frame;
};
