#include "Form_Chann_Edit.h"

#include "chann_freq.h"
#include "frm_chann.h"
#include "key_ascii.h"

#include "core/codecs.h"
#include "core/globals.h"
#include "core/image.h"
#include "core/prompt.h"
#include "ui/host.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Chann_Freq;

Form_Chann_Edit *Form_Chann_Edit::Open()
{
    Host::Close_Open<Form_Chann_Edit>();
    auto *w = new Form_Chann_Edit;
    w->Form_Load();
    return w;
}

Form_Chann_Edit::Form_Chann_Edit(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form_Chann_Edit"));
    setAttribute(Qt::WA_DeleteOnClose);

    const auto label = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    const auto box = [this](const char *name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->installEventFilter(this);
        return e;
    };
    const auto list = [this](const char *name) {
        auto *c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        c->setMaxVisibleItems(20);
        c->installEventFilter(this);
        return c;
    };
    const auto check = [this](const char *name) {
        auto *c = new QCheckBox(this);
        c->setObjectName(QLatin1String(name));
        return c;
    };

    Label_CHN = label("Label_CHN");
    Text_CHN = box("Text_CHN");
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(1);
    VScroll1->setFixedHeight(Text_CHN->sizeHint().height());
    Label_RX_freq = label("Label_RX_freq");
    Text_RX_Freq = box("Text_RX_Freq");
    Label_TX_freq = label("Label_TX_freq");
    Text_TX_Freq = box("Text_TX_Freq");
    Label_Decode = label("Label_Decode");
    Combo_Decode = list("Combo_Decode");
    Label_Encode = label("Label_Encode");
    Combo_Encode = list("Combo_Encode");
    Label_TXP = label("Label_TXP");
    Combo_TXP = list("Combo_TXP");
    Label_WN = label("Label_WN");
    Combo_WN = list("Combo_WN");
    Label_Name = label("Label_Name");
    Text_Name = box("Text_Name");
    Check_VOX = check("Check_VOX");
    Check_Bcl = check("Check_Bcl");
    Check_Scan = check("Check_Scan");
    Check_TxStop = check("Check_TxStop");
    Command_Close = new QPushButton(this);
    Command_Close->setObjectName(QStringLiteral("Command_Close"));
    Command_Help = new QPushButton(this);
    Command_Help->setObjectName(QStringLiteral("Command_Help"));

    auto *number = new QHBoxLayout;
    number->setSpacing(2);
    number->addWidget(Text_CHN);
    number->addWidget(VScroll1);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(Label_CHN, 0, 0);
    grid->addLayout(number, 0, 1);
    grid->addWidget(Label_RX_freq, 1, 0);
    grid->addWidget(Text_RX_Freq, 1, 1);
    grid->addWidget(Label_TX_freq, 1, 2);
    grid->addWidget(Text_TX_Freq, 1, 3);
    grid->addWidget(Label_Decode, 2, 0);
    grid->addWidget(Combo_Decode, 2, 1);
    grid->addWidget(Label_Encode, 2, 2);
    grid->addWidget(Combo_Encode, 2, 3);
    grid->addWidget(Label_TXP, 3, 0);
    grid->addWidget(Combo_TXP, 3, 1);
    grid->addWidget(Label_WN, 3, 2);
    grid->addWidget(Combo_WN, 3, 3);
    grid->addWidget(Label_Name, 4, 0);
    grid->addWidget(Text_Name, 4, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto *checks = new QHBoxLayout;
    for (QCheckBox *c : {Check_VOX, Check_Bcl, Check_Scan, Check_TxStop})
        checks->addWidget(c);
    checks->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command_Help);
    buttons->addWidget(Command_Close);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addSpacing(12);
    outer->addLayout(checks);
    outer->addStretch();
    outer->addLayout(buttons);

    connect(Text_CHN, &QLineEdit::textChanged, this, &Form_Chann_Edit::Text_CHN_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form_Chann_Edit::VScroll1_Change);
    connect(Text_RX_Freq, &QLineEdit::textChanged, this, &Form_Chann_Edit::Text_RX_Freq_Change);
    // A list writes only when the user picks from it: showing a channel must not rewrite its
    // tones, also where the stored pair shows as a neighbouring entry.
    connect(Combo_Decode, &QComboBox::activated, this, &Form_Chann_Edit::Combo_Decode_Click);
    connect(Combo_Encode, &QComboBox::activated, this, &Form_Chann_Edit::Combo_Encode_Click);
    connect(Combo_TXP, &QComboBox::activated, this, &Form_Chann_Edit::Combo_TXP_Click);
    connect(Combo_WN, &QComboBox::activated, this, &Form_Chann_Edit::Combo_WN_Click);
    connect(Check_VOX, &QCheckBox::toggled, this, &Form_Chann_Edit::Check_VOX_Click);
    connect(Check_Bcl, &QCheckBox::toggled, this, &Form_Chann_Edit::Check_Bcl_Click);
    connect(Check_Scan, &QCheckBox::toggled, this, &Form_Chann_Edit::Check_Scan_Click);
    connect(Check_TxStop, &QCheckBox::toggled, this, &Form_Chann_Edit::Check_TxStop_Click);
    connect(Text_Name, &QLineEdit::textChanged, this, &Form_Chann_Edit::Text_Name_Change);
    connect(Command_Close, &QPushButton::clicked, this, &Form_Chann_Edit::Command_Close_Click);
    connect(Command_Help, &QPushButton::clicked, this, &Form_Chann_Edit::Command_Help_Click);
}

void Form_Chann_Edit::Form_Load()
{
    setWindowTitle(tr("Channel Edit"));
    Label_CHN->setText(tr("Channel"));
    Label_RX_freq->setText(tr("Receive Frequency "));
    Label_TX_freq->setText(tr("Transmit Frequency"));
    Label_Decode->setText(tr("QT/DQT Decode"));
    Label_Encode->setText(tr("QT/DQT Encode"));
    Label_TXP->setText(tr("TX Power"));
    Label_WN->setText(tr("Wide/Narror"));
    Label_Name->setText(tr("Channel Name"));
    Check_VOX->setText(tr("VOX"));
    Check_Bcl->setText(tr("BCL"));
    Check_Scan->setText(tr("Scan Add"));
    Check_TxStop->setText(tr("TX Stop"));
    Command_Close->setText(tr("Close"));
    Command_Help->setText(tr("Help"));

    const QSize main = Host::Main_Size();
    const int w = int(main.width() / 1.5);
    const int h = int(main.height() / 1.25);
    Frame = Host::Show_Child(this, QRect((main.width() - w) / 2, 0, w, h));
    if (Frame)
        connect(Frame, &QMdiSubWindow::aboutToActivate, this, &Form_Chann_Edit::Form_Activate);

    VScroll1->setRange(0, 129);
    const int n = (Cur_Chann >= 1 && Cur_Chann <= Chann_Count) ? Cur_Chann : 1;
    if (VScroll1->value() == n)
        VScroll1_Change(n);
    else
        VScroll1->setValue(n);
}

// ---------------------------------------------------------------------------------------------
// Showing a channel

bool Form_Chann_Edit::Chann_Exists() const
{
    return Cur_Chann >= 1 && Cur_Chann <= Chann_Count && Radio_Data[Cur_Chann][Ch_Rx] != 0xFF;
}

void Form_Chann_Edit::Fill_Lists()
{
    QStringList tones{tr("OFF")};
    for (int e = 1; e <= Tone_Last; ++e)
        tones.append(Tone_List[e].trimmed());
    for (QComboBox *c : {Combo_Decode, Combo_Encode}) {
        c->clear();
        c->addItems(tones);
    }
    Combo_TXP->clear();
    Combo_TXP->addItems({tr("Low"), tr("Mid"), tr("High")});
    Combo_WN->clear();
    Combo_WN->addItems({tr("Narrow"), tr("Wide")});
}

void Form_Chann_Edit::Enable_Fields(bool on)
{
    // Fields that cannot be used yet take the button-face background, as disabled fields should.
    const auto paint = [on](QWidget *w) {
        QPalette p = w->palette();
        const QPalette normal = QApplication::palette(w);
        p.setColor(QPalette::Base, normal.color(on ? QPalette::Base : QPalette::Button));
        w->setPalette(p);
        w->setEnabled(on);
    };
    for (QWidget *w : std::initializer_list<QWidget *>{Text_TX_Freq, Combo_Decode, Combo_Encode, Combo_TXP,
                                                       Combo_WN, Text_Name})
        paint(w);
    for (QCheckBox *c : {Check_VOX, Check_Bcl, Check_Scan, Check_TxStop})
        c->setEnabled(on);
}

void Form_Chann_Edit::Show_Chann(int n)
{
    if (n < 1 || n > Chann_Count)
        return;
    const bool busy = Busy;
    Busy = true;
    Show_Fields(n);
    Busy = busy;
}

void Form_Chann_Edit::Show_Fields(int n)
{
    Integer *b = Radio_Data[n];
    if (b[Ch_Rx] == 0xFF) {
        Clear_Chann(n, false);
        return;
    }
    Fill_Lists();
    Enable_Fields(true);
    Text_RX_Freq->setText(Cov_Bcd2Freq(b[0], b[1], b[2], b[3]));
    Combo_Decode->setCurrentIndex(Cov_Code2Tone(b[8], b[9]));

    // A shift that leads out of the band is dropped: transmit equals receive again.
    long long tx = Tx_Steps(n);
    if (!In_Band(tx / 100000.0)) {
        b[Ch_Power] = Integer(b[Ch_Power] & 0x3F);
        tx = Steps_At(n, Ch_Rx);
    }
    Text_TX_Freq->setText(Tx_Display_Text(tx));

    Combo_Encode->setCurrentIndex(Cov_Code2Tone(b[10], b[11]));
    // Power code 3 is no entry of the list: it shows no selection and stays as stored.
    Combo_TXP->setCurrentIndex((b[Ch_Power] & 3) == 3 ? -1 : b[Ch_Power] & 3);
    Combo_WN->setCurrentIndex((b[Ch_Flags] & 0x20) / 0x20);
    Check_VOX->setChecked(b[Ch_Flags] & 0x40);
    Check_Bcl->setChecked(b[Ch_Flags] & 0x80);
    Check_Scan->setChecked(!(b[Ch_Power] & 0x04));
    Check_TxStop->setChecked(b[Ch_Flags] & 0x10);

    QString name;
    const int base = (n - 1) * Name_Len;
    for (int k = 0; k < Name_Len; ++k)
        name += Cov_Code2Char(Name_Byte(base + k));
    Text_Name->setText(name);
}

void Form_Chann_Edit::Clear_Chann(int n, bool erase_name)
{
    if (n >= 1 && n <= Chann_Count) {
        for (int i = 0; i < Block_Bytes; ++i)
            Radio_Data[n][i] = 0xFF;
        if (erase_name)
            frm_chann::Store_Name(QString(), n);
    }

    // Disabling the field that has the focus moves the focus on; no box is "left" by that.
    const bool busy = Busy;
    Busy = true;
    {
        // Showing an empty channel leaves its name in the image (the table keeps the names of
        // deleted channels); only erasing the receive frequency here erases the name too.
        const bool keep = Keep_Name;
        Keep_Name = true;
        Text_RX_Freq->clear();
        Text_TX_Freq->clear();
        Text_Name->clear();
        Keep_Name = keep;
    }
    for (QComboBox *c : {Combo_Decode, Combo_Encode, Combo_TXP, Combo_WN})
        c->clear();
    Enable_Fields(false);
    Text_RX_Freq->setEnabled(true);
    Busy = busy;
}

// ---------------------------------------------------------------------------------------------
// Channel selection

void Form_Chann_Edit::Go_To(int n)
{
    Cur_Chann = Integer(n);
    frm_chann::Update_Caption();
    {
        // The scroll bar steps on from the channel typed here.
        const QSignalBlocker block(VScroll1);
        VScroll1->setValue(n);
    }
    Show_Chann(n);
}

void Form_Chann_Edit::Text_CHN_Change()
{
    if (Setting_Number)
        return;
    const QString t = Text_CHN->text().trimmed();
    const double v = Val(t);
    if (t.isEmpty() || v < 1 || v > Chann_Count) {
        Text_CHN->setFocus();
        return;
    }
    Go_To(int(v));
}

void Form_Chann_Edit::Text_CHN_LostFocus()
{
    const QString t = Text_CHN->text().trimmed();
    const double v = Val(t);
    if (t.isEmpty() || v < 1 || v > Chann_Count) {
        // Not a channel: the box shows the channel on display again instead of holding the focus
        // hostage (the window could not even be closed with its button).
        Text_CHN->setText(QString::number(Cur_Chann));
        return;
    }
    Go_To(int(v));
}

// The text a typed character would leave in a box: it replaces the selection, if any, at the cursor.
static QString After_Key(const QLineEdit *box, QChar ch)
{
    QString text = box->text();
    int at = box->cursorPosition();
    if (box->hasSelectedText()) {
        at = box->selectionStart();
        text.remove(at, box->selectedText().size());
    }
    return text.insert(at, ch);
}

void Form_Chann_Edit::Text_CHN_KeyPress(int &KeyAscii)
{
    if (KeyAscii >= '0' && KeyAscii <= '9') {
        if (Val(After_Key(Text_CHN, QChar(KeyAscii)).trimmed()) > Chann_Count)
            KeyAscii = 0;
        return;
    }
    KeyAscii = 0;   // digits only, Backspace included in the refusal
}

void Form_Chann_Edit::VScroll1_Change(int value)
{
    // Stepping wraps around: below channel 1 comes 128, above 128 comes 1.
    if (value <= 0) {
        VScroll1->setValue(Chann_Count);
        return;
    }
    if (value > Chann_Count) {
        VScroll1->setValue(1);
        return;
    }
    Cur_Chann = Integer(value);
    frm_chann::Update_Caption();
    {
        const bool old = Setting_Number;
        Setting_Number = true;
        Text_CHN->setText(QString::number(value));
        Setting_Number = old;
    }
    Show_Chann(value);
}

// ---------------------------------------------------------------------------------------------
// Frequencies

QString Form_Chann_Edit::Checked_Freq(QLineEdit *box, const QString &warning)
{
    // Outside the band, or a text Put_Freq would not store as the value it reads as: warn, and the
    // lower band limit takes its place.
    QString text = box->text();
    if (!Storable(text)) {
        Prompt(warning);
        text = Band_Low_Text();
        box->setText(text);
    }
    return text;
}

void Form_Chann_Edit::Text_RX_Freq_KeyPress(int &KeyAscii)
{
    if (!((KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == '.' || KeyAscii == 8))
        KeyAscii = 0;
}

void Form_Chann_Edit::Text_TX_Freq_KeyPress(int &KeyAscii)
{
    Text_RX_Freq_KeyPress(KeyAscii);
}

void Form_Chann_Edit::Text_RX_Freq_Change()
{
    const bool on = !Text_RX_Freq->text().trimmed().isEmpty();
    QPalette p = Text_TX_Freq->palette();
    p.setColor(QPalette::Base, QApplication::palette(Text_TX_Freq).color(on ? QPalette::Base : QPalette::Button));
    Text_TX_Freq->setPalette(p);
    Text_TX_Freq->setEnabled(on);
}

void Form_Chann_Edit::Text_RX_Freq_LostFocus()
{
    const int n = Cur_Chann;
    if (n < 1 || n > Chann_Count)
        return;
    if (Text_RX_Freq->text().trimmed().isEmpty()) {
        Clear_Chann(n, true);
        return;
    }
    QString rx = Checked_Freq(Text_RX_Freq, tr("Over the range of receive frequency ."));
    Integer *b = Radio_Data[n];
    if (b[Ch_Rx] == 0xFF) {
        Put_Freq(rx, n, Ch_Rx);
        Fill_Lists();
        Enable_Fields(true);
        // A new channel: simplex, tones off, high power, out of scanning, narrow, no name.
        static const int fresh[12] = {0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x06, 0x00, 0xFF, 0xFF};
        for (int i = 0; i < 12; ++i)
            b[Ch_Offset + i] = Integer(fresh[i]);
        frm_chann::Store_Name(QString(), n);
    } else {
        // The transmit frequency stays where it is; an empty transmit box means simplex.
        QString tx = Text_TX_Freq->text();
        Put_Freq(rx, n, Ch_Rx);
        if (tx.trimmed().isEmpty())
            tx = rx;
        Put_Freq(tx, n, Ch_Offset);
        frm_chann::Set_Shift(n);
    }
    Show_Chann(n);
}

void Form_Chann_Edit::Text_TX_Freq_LostFocus()
{
    const int n = Cur_Chann;
    if (!Chann_Exists()) {
        Show_Chann(n);
        return;
    }
    if (!Text_TX_Freq->text().trimmed().isEmpty()) {
        QString tx = Checked_Freq(Text_TX_Freq, tr("Over the range of Transmit frequency ."));
        Put_Freq(tx, n, Ch_Offset);
        frm_chann::Set_Shift(n);
    } else {
        for (int i = Ch_Offset; i < Ch_Offset + 4; ++i)
            Radio_Data[n][i] = 0x00;
        Radio_Data[n][Ch_Power] = Integer(Radio_Data[n][Ch_Power] & 0x3F);
    }
    Show_Chann(n);
}

// ---------------------------------------------------------------------------------------------
// Lists, switches and name

void Form_Chann_Edit::Combo_Decode_Click(int index)
{
    if (!Chann_Exists() || index < 0)
        return;
    int type, idx;
    Cov_Tone2Code(index, type, idx);
    Radio_Data[Cur_Chann][Ch_Decode] = Integer(type);
    Radio_Data[Cur_Chann][Ch_Decode + 1] = Integer(idx);
}

void Form_Chann_Edit::Combo_Encode_Click(int index)
{
    if (!Chann_Exists() || index < 0)
        return;
    int type, idx;
    Cov_Tone2Code(index, type, idx);
    Radio_Data[Cur_Chann][Ch_Encode] = Integer(type);
    Radio_Data[Cur_Chann][Ch_Encode + 1] = Integer(idx);
}

void Form_Chann_Edit::Combo_TXP_Click(int index)
{
    if (!Chann_Exists() || index < 0 || index > 2)
        return;
    Integer &b = Radio_Data[Cur_Chann][Ch_Power];
    b = Integer((b & 0xFC) + index);
}

void Form_Chann_Edit::Combo_WN_Click(int index)
{
    if (!Chann_Exists() || index < 0)
        return;
    Set_Bit(Ch_Flags, 0x20, index > 0);
}

void Form_Chann_Edit::Set_Bit(int byte, int mask, bool on)
{
    if (!Chann_Exists())
        return;
    Integer &b = Radio_Data[Cur_Chann][byte];
    b = Integer(on ? (b | mask) : (b & ~mask & 0xFF));
}

void Form_Chann_Edit::Check_VOX_Click(bool checked)
{
    Set_Bit(Ch_Flags, 0x40, checked);
}

void Form_Chann_Edit::Check_Bcl_Click(bool checked)
{
    Set_Bit(Ch_Flags, 0x80, checked);
}

void Form_Chann_Edit::Check_Scan_Click(bool checked)
{
    Set_Bit(Ch_Power, 0x04, !checked);
}

void Form_Chann_Edit::Check_TxStop_Click(bool checked)
{
    Set_Bit(Ch_Flags, 0x10, checked);
}

void Form_Chann_Edit::Text_Name_KeyPress(int &KeyAscii)
{
    // Five characters at most. A typed character counts what it leaves (it replaces a selection);
    // Backspace is refused in a full box like any other key.
    const int length = KeyAscii == 8 ? int(Text_Name->text().size())
                                     : int(After_Key(Text_Name, QChar(KeyAscii)).size()) - 1;
    if (length > 4)
        KeyAscii = 0;
}

void Form_Chann_Edit::Text_Name_Change()
{
    if (Keep_Name)
        return;
    frm_chann::Store_Name(Text_Name->text(), Cur_Chann);
}

void Form_Chann_Edit::Text_Name_LostFocus()
{
    Show_Chann(Cur_Chann);
}

void Form_Chann_Edit::Command_Close_Click()
{
    close();
}

void Form_Chann_Edit::Command_Help_Click() {}

// ---------------------------------------------------------------------------------------------
// Window events

void Form_Chann_Edit::Form_Activate()
{
    // The table or another window may have changed the channel meanwhile.
    if (Closing || Cur_Chann < 1 || Cur_Chann > Chann_Count)
        return;
    {
        const bool old = Setting_Number;
        Setting_Number = true;
        Text_CHN->setText(QString::number(Cur_Chann));
        Setting_Number = old;
    }
    {
        const QSignalBlocker block(VScroll1);
        VScroll1->setValue(Cur_Chann);
    }
    Show_Chann(Cur_Chann);
}

void Form_Chann_Edit::closeEvent(QCloseEvent *event)
{
    Closing = true;
    QWidget::closeEvent(event);
}

bool Form_Chann_Edit::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !qobject_cast<QMdiSubWindow *>(parentWidget()))
        Form_Activate();
    return QWidget::event(event);
}

bool Form_Chann_Edit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        int k = Key_Ascii(key);
        if (watched == Combo_Decode || watched == Combo_Encode || watched == Combo_TXP || watched == Combo_WN) {
            // Typing never picks an entry; the arrow keys and the list still do.
            return k != 0 && k != 13 && k != ' ';
        }
        if (k == 0)
            return QWidget::eventFilter(watched, event);
        if (watched == Text_CHN)
            Text_CHN_KeyPress(k);
        else if (watched == Text_RX_Freq)
            Text_RX_Freq_KeyPress(k);
        else if (watched == Text_TX_Freq)
            Text_TX_Freq_KeyPress(k);
        else if (watched == Text_Name)
            Text_Name_KeyPress(k);
        if (k == 0)
            return true;
    } else if (event->type() == QEvent::FocusOut && !Closing && !Busy) {
        // Leaving a box is a move inside the program; the window losing its activation (a message
        // box, another program) is not.
        const Qt::FocusReason why = static_cast<QFocusEvent *>(event)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason) {
            if (watched == Text_CHN)
                Text_CHN_LostFocus();
            else if (watched == Text_RX_Freq)
                Text_RX_Freq_LostFocus();
            else if (watched == Text_TX_Freq)
                Text_TX_Freq_LostFocus();
            else if (watched == Text_Name)
                Text_Name_LostFocus();
        }
    }
    return QWidget::eventFilter(watched, event);
}
