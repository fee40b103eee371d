#pragma once
// Optional features: the radio-wide settings of the option block, the frequency-mode record, the
// working range and the power-on display and password. Every control writes its setting into the
// image the moment it changes; there is no OK or Cancel.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class QRadioButton;

class frm_option : public QWidget
{
    Q_OBJECT

public:
    // Closes an open instance and loads a fresh one, shown as a child of the main window.
    static frm_option *Open();

    // Fills every control from the image. Runs at load, on every activation and after the edits
    // that change several settings at once.
    void Load_Options();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    // general settings
    void Combo_Sql_Click(int index);
    void Combo_TOT_Click(int index);
    void Combo_APO_Click(int index);
    void Combo_Lamp_Click(int index);
    void Combo_Mdf_Click(int index);
    void Combo_Scan_Click(int index);
    void Combo_KL_Mode_Click(int index);
    void Combo_VOX_lever_Click(int index);
    void Combo_VOX_Delay_Time_Click(int index);
    void Check_FM_STRX_Click(bool checked);
    void Check_Save_Click(bool checked);
    void Check_Beep_Click(bool checked);
    void Check_Menu_Click(bool checked);
    void Check_ROGER_Click(bool checked);
    void Check_VOX_ReceStop_Click(bool checked);

    // work mode, frequency mode and working range
    void Option_chann_Click(bool checked);
    void Option_freq_Click(bool checked);
    void Check_Only_Chann_Click(bool checked);
    void Combo_Decode_Click(int index);
    void Combo_Encode_Click(int index);
    void Combo_Step_Click(int index);
    void Combo_TXP_Click(int index);
    void Combo_WN_Click(int index);
    void Combo_Sft_d_Click(int index);
    void Check_TxStop_Click(bool checked);
    void Check_VOX_SW_Click(bool checked);
    void Check_Bcl_Click(bool checked);
    void Text_RX_Freq_Change();
    void Text_Offset_Freq_Change();

    // power-on display and password
    void Combo_Pon_Mode_Click(int index);
    void Check_Pon_PWD_Click(bool checked);
    void Text_Pon_Msg_Change();
    void Text_Pon_PWD_Change();

    void Command_Close_Click();
    void Command_Help_Click();
    void Subwindow_Activated(QMdiSubWindow *sub);

private:
    explicit frm_option(QWidget *parent = nullptr);
    void Form_Load();
    void Build_Layout();
    void Set_Captions();
    void Fill_Lists();

    // Key handlers: false discards the key.
    bool List_KeyPress(QKeyEvent *key);
    bool Text_RX_Freq_KeyPress(QKeyEvent *key);
    bool Text_Offset_Freq_KeyPress(QKeyEvent *key);
    bool Text_Range_KeyPress(QKeyEvent *key);
    bool Text_Pon_Msg_KeyPress(QKeyEvent *key);
    bool Text_Pon_PWD_KeyPress(QKeyEvent *key);

    // Leave handlers of the boxes that check what was typed.
    void Text_RX_Freq_LostFocus();
    void Text_Offset_Freq_LostFocus();
    void Text_pvfo_d0_LostFocus();
    void Text_pvfo_d1_LostFocus();
    void Text_Pon_PWD_LostFocus();

    void Save_Freq_Range();
    void Recheck_Ranges();

    // Shows a stored value in a list: past its end shows (and writes back) the last item.
    void Put_List(QComboBox *list, int value);
    void Put_Tone(QComboBox *list, QCheckBox *inv, int type, int index);
    void Store_Tone(int index, int byte, QCheckBox *inv);
    void Set_Bit(int block, int byte, int mask, bool on);
    // True when the transmit frequency of the direction shown lies outside the band; warns and puts
    // the direction back to "Off" in that case.
    bool Check_Tx();
    void Store_Offset(const QString &text);
    void Refocus(QLineEdit *box);

    QGroupBox *Frame2;
    QGroupBox *Frame_VOX;
    QGroupBox *Frame5;
    QGroupBox *Frame_mode;
    QGroupBox *Frame_PowerOn;
    QGroupBox *Frame_vfo;
    QGroupBox *Frame_Freq_range;

    QLabel *Label_tot;
    QLabel *Label_sql;
    QLabel *Label_APO;
    QLabel *Label_lamp;
    QLabel *Label_mdf;
    QLabel *Label_Scan;
    QLabel *Label_KL_Mode;
    QLabel *Label_vox_Lever;
    QLabel *Label_VOX_Delay_Time;
    QComboBox *Combo_TOT;
    QComboBox *Combo_Sql;
    QComboBox *Combo_APO;
    QComboBox *Combo_Lamp;
    QComboBox *Combo_Mdf;
    QComboBox *Combo_Scan;
    QComboBox *Combo_KL_Mode;
    QComboBox *Combo_VOX_lever;
    QComboBox *Combo_VOX_Delay_Time;
    QCheckBox *Check_FM_STRX;
    QCheckBox *Check_Save;
    QCheckBox *Check_Beep;
    QCheckBox *Check_Menu;
    QCheckBox *Check_ROGER;
    QCheckBox *Check_VOX_ReceStop;

    QRadioButton *Option_freq;
    QRadioButton *Option_chann;
    QCheckBox *Check_Only_Chann;
    QLabel *Label_RX_freq;
    QLineEdit *Text_RX_Freq;
    QLabel *Label_Decode;
    QComboBox *Combo_Decode;
    QCheckBox *Check_DNI;
    QLabel *Label_Encode;
    QComboBox *Combo_Encode;
    QCheckBox *Check_ENI;
    QLabel *Label_Step;
    QComboBox *Combo_Step;
    QLabel *Label_Sft_d;
    QComboBox *Combo_Sft_d;
    QLabel *Label_offset;
    QLineEdit *Text_Offset_Freq;
    QLabel *Label_WN;
    QComboBox *Combo_WN;
    QLabel *Label_TXP;
    QComboBox *Combo_TXP;
    QCheckBox *Check_VOX_SW;
    QCheckBox *Check_Bcl;
    QCheckBox *Check_TxStop;
    QLabel *Label_From;
    QLineEdit *Text_pvfo_d0;
    QLabel *Label_to;
    QLineEdit *Text_pvfo_d1;
    QLabel *Label_MHZ;

    QLabel *Label_Pon_Mode;
    QComboBox *Combo_Pon_Mode;
    QLabel *Label_Pon_msg;
    QLineEdit *Text_Pon_Msg;
    QCheckBox *Check_Pon_PWD;
    QLabel *Label_Pon_PWD;
    QLineEdit *Text_Pon_PWD;

    QPushButton *Command_Close;
    QPushButton *Command_Help;

    QList<QComboBox *> Typed_Lists;   // lists whose typed characters are discarded
    QString Shown_Rx;                 // receive text as the last fill put it
    int Fill_Depth = 0;               // Load_Options runs (they nest through the duplex list)
    int Leave_Depth = 0;              // a leave handler is moving the focus back
    bool Loaded = false;
    bool Closing = false;
};
