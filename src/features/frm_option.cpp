#include "frm_option.h"

#include "core/checks.h"
#include "core/codecs.h"
#include "core/globals.h"
#include "core/image.h"
#include "core/models.h"
#include "core/prompt.h"
#include "ui/host.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <cmath>

namespace {

enum class Typed { Other, Backspace, Enter, Char };

// What a key press types, in the sense of the boxes' key rules. Shortcuts (Ctrl+C and the like) and
// keys without a character (arrows, Delete, Home) type nothing and always pass.
Typed Classify(const QKeyEvent *key, QChar *ch)
{
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return Typed::Other;
    if (key->key() == Qt::Key_Backspace)
        return Typed::Backspace;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return Typed::Enter;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return Typed::Other;
    *ch = text.at(0);
    return Typed::Char;
}

bool Is_Digit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The part of a box's text that a typed character keeps: a selection is replaced by the key, so the
// length rules count what stays around it.
QString Kept_Text(const QLineEdit *box)
{
    QString t = box->text();
    if (box->hasSelectedText())
        t.remove(box->selectionStart(), box->selectedText().size());
    return t.trimmed();
}

// Power-on message characters: the radio's character set, lower-case letters taken as capitals (so
// that pasted text is stored as it is shown).
class Message_Validator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        for (QChar c : std::as_const(input))
            if (Cov_Char2Code(QString(c)) == 11 && c != QLatin1Char(' '))
                return Invalid;
        return Acceptable;
    }
};

int Cell(int block, int byte)
{
    return Radio_Data[block][byte] & 0xFF;
}

} // namespace

frm_option *frm_option::Open()
{
    Host::Close_Open<frm_option>();
    auto *w = new frm_option;
    w->Form_Load();
    return w;
}

frm_option::frm_option(QWidget *parent)
    : QWidget(parent)
{
    Option_Open = True_Flag;
    setObjectName(QStringLiteral("frm_option"));
    setAttribute(Qt::WA_DeleteOnClose);
    Build_Layout();
}

void frm_option::Build_Layout()
{
    const auto group = [this](const char *name) {
        auto *g = new QGroupBox(this);
        g->setObjectName(QLatin1String(name));
        return g;
    };
    const auto label = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    const auto list = [this](const char *name) {
        auto *c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return c;
    };
    const auto check = [this](const char *name) {
        auto *c = new QCheckBox(this);
        c->setObjectName(QLatin1String(name));
        return c;
    };
    const auto box = [this](const char *name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->installEventFilter(this);
        return e;
    };

    Frame2 = group("Frame2");
    Frame_VOX = group("Frame_VOX");
    Frame5 = group("Frame5");
    Frame_mode = group("Frame_mode");
    Frame_PowerOn = group("Frame_PowerOn");
    Frame_vfo = group("Frame_vfo");
    Frame_Freq_range = group("Frame_Freq_range");

    Label_tot = label("Label_tot");
    Label_sql = label("Label_sql");
    Label_APO = label("Label_APO");
    Label_lamp = label("Label_lamp");
    Label_mdf = label("Label_mdf");
    Label_Scan = label("Label_Scan");
    Label_KL_Mode = label("Label_KL_Mode");
    Label_vox_Lever = label("Label_vox_Lever");
    Label_VOX_Delay_Time = label("Label_VOX_Delay_Time");
    Combo_TOT = list("Combo_TOT");
    Combo_Sql = list("Combo_Sql");
    Combo_APO = list("Combo_APO");
    Combo_Lamp = list("Combo_Lamp");
    Combo_Mdf = list("Combo_Mdf");
    Combo_Scan = list("Combo_Scan");
    Combo_KL_Mode = list("Combo_KL_Mode");
    Combo_VOX_lever = list("Combo_VOX_lever");
    Combo_VOX_Delay_Time = list("Combo_VOX_Delay_Time");
    Check_FM_STRX = check("Check_FM_STRX");
    Check_Save = check("Check_Save");
    Check_Beep = check("Check_Beep");
    Check_Menu = check("Check_Menu");
    Check_ROGER = check("Check_ROGER");
    Check_VOX_ReceStop = check("Check_VOX_ReceStop");

    Option_freq = new QRadioButton(this);
    Option_freq->setObjectName(QStringLiteral("Option_freq"));
    Option_chann = new QRadioButton(this);
    Option_chann->setObjectName(QStringLiteral("Option_chann"));
    Check_Only_Chann = check("Check_Only_Chann");
    Label_RX_freq = label("Label_RX_freq");
    Text_RX_Freq = box("Text_RX_Freq");
    Label_Decode = label("Label_Decode");
    Combo_Decode = list("Combo_Decode");
    Check_DNI = check("Check_DNI");
    Label_Encode = label("Label_Encode");
    Combo_Encode = list("Combo_Encode");
    Check_ENI = check("Check_ENI");
    Label_Step = label("Label_Step");
    Combo_Step = list("Combo_Step");
    Label_Sft_d = label("Label_Sft_d");
    Combo_Sft_d = list("Combo_Sft_d");
    Label_offset = label("Label_offset");
    Text_Offset_Freq = box("Text_Offset_Freq");
    Label_WN = label("Label_WN");
    Combo_WN = list("Combo_WN");
    Label_TXP = label("Label_TXP");
    Combo_TXP = list("Combo_TXP");
    Check_VOX_SW = check("Check_VOX_SW");
    Check_Bcl = check("Check_Bcl");
    Check_TxStop = check("Check_TxStop");
    Label_From = label("Label_From");
    Text_pvfo_d0 = box("Text_pvfo_d0");
    Label_to = label("Label_to");
    Text_pvfo_d1 = box("Text_pvfo_d1");
    Label_MHZ = label("Label_MHZ");
    Label_MHZ->setText(QStringLiteral("MHZ"));

    Label_Pon_Mode = label("Label_Pon_Mode");
    Combo_Pon_Mode = list("Combo_Pon_Mode");
    Label_Pon_msg = label("Label_Pon_msg");
    Text_Pon_Msg = box("Text_Pon_Msg");
    Check_Pon_PWD = check("Check_Pon_PWD");
    Label_Pon_PWD = label("Label_Pon_PWD");
    Text_Pon_PWD = box("Text_Pon_PWD");

    Command_Close = new QPushButton(this);
    Command_Close->setObjectName(QStringLiteral("Command_Close"));
    Command_Help = new QPushButton(this);
    Command_Help->setObjectName(QStringLiteral("Command_Help"));

    // The VOX inhibit is kept off by every fill and before every write; the user never sees it.
    Check_VOX_ReceStop->setVisible(false);
    Check_VOX_ReceStop->setEnabled(false);
    // The INV boxes only show the polarity of the picked code; the list chooses it.
    Check_DNI->setEnabled(false);
    Check_ENI->setEnabled(false);

    // These two take typed text: text naming an item chooses it when the list is left (or on Enter),
    // as a click would; any other text is undone then, so the list never shows what is not stored.
    // Every other list discards typed keys.
    Combo_VOX_lever->setEditable(true);
    Combo_Sft_d->setEditable(true);
    for (QComboBox *c : {Combo_VOX_lever, Combo_Sft_d}) {
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr);
        connect(c->lineEdit(), &QLineEdit::editingFinished, this, [c] {
            if (c->currentIndex() >= 0 && c->currentText() != c->itemText(c->currentIndex()))
                c->setEditText(c->itemText(c->currentIndex()));
        });
    }
    Typed_Lists = {Combo_TOT, Combo_Sql,    Combo_APO,  Combo_Lamp,  Combo_Mdf,
                   Combo_Scan, Combo_KL_Mode, Combo_VOX_Delay_Time, Combo_Decode, Combo_Encode,
                   Combo_Step, Combo_WN,     Combo_TXP,  Combo_Pon_Mode};
    for (QComboBox *c : std::as_const(Typed_Lists))
        c->installEventFilter(this);

    // Pasting bypasses the key rules; these keep pasted text to what typing could give.
    const QRegularExpression freq(QStringLiteral("[0-9.]*"));
    Text_RX_Freq->setValidator(new QRegularExpressionValidator(freq, Text_RX_Freq));
    Text_pvfo_d0->setValidator(new QRegularExpressionValidator(freq, Text_pvfo_d0));
    Text_pvfo_d1->setValidator(new QRegularExpressionValidator(freq, Text_pvfo_d1));
    Text_Offset_Freq->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]*")), Text_Offset_Freq));
    Text_Pon_PWD->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Text_Pon_PWD));
    Text_Pon_PWD->setMaxLength(4);
    Text_Pon_Msg->setValidator(new Message_Validator(Text_Pon_Msg));
    Text_Pon_Msg->setMaxLength(5);
    for (QLineEdit *e : {Text_pvfo_d0, Text_pvfo_d1})
        e->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 16);

    // Left column: the general lists above the VOX lists.
    auto *g2 = new QGridLayout(Frame2);
    const QList<QPair<QLabel *, QComboBox *>> general = {
        {Label_tot, Combo_TOT},   {Label_sql, Combo_Sql},   {Label_APO, Combo_APO},
        {Label_lamp, Combo_Lamp}, {Label_mdf, Combo_Mdf},   {Label_Scan, Combo_Scan},
        {Label_KL_Mode, Combo_KL_Mode}};
    for (int r = 0; r < general.size(); ++r) {
        g2->addWidget(general[r].first, r, 0);
        g2->addWidget(general[r].second, r, 1);
    }
    g2->setColumnStretch(2, 1);
    auto *gv = new QGridLayout(Frame_VOX);
    gv->addWidget(Label_vox_Lever, 0, 0);
    gv->addWidget(Combo_VOX_lever, 0, 1);
    gv->addWidget(Label_VOX_Delay_Time, 1, 0);
    gv->addWidget(Combo_VOX_Delay_Time, 1, 1);
    gv->setColumnStretch(2, 1);

    // Middle column: work mode, power-on settings, the switches.
    auto *gm = new QGridLayout(Frame_mode);
    gm->addWidget(Option_freq, 0, 0);
    gm->addWidget(Option_chann, 0, 1);
    gm->addWidget(Check_Only_Chann, 1, 0, 1, 3);
    gm->setColumnStretch(2, 1);
    auto *gp = new QGridLayout(Frame_PowerOn);
    gp->addWidget(Label_Pon_Mode, 0, 0);
    gp->addWidget(Combo_Pon_Mode, 0, 1);
    gp->addWidget(Label_Pon_msg, 1, 0);
    gp->addWidget(Text_Pon_Msg, 1, 1);
    gp->addWidget(Check_Pon_PWD, 2, 0, 1, 2);
    gp->addWidget(Label_Pon_PWD, 3, 0);
    gp->addWidget(Text_Pon_PWD, 3, 1);
    gp->setColumnStretch(2, 1);
    auto *g5 = new QVBoxLayout(Frame5);
    for (QCheckBox *c : {Check_FM_STRX, Check_Save, Check_Beep, Check_Menu, Check_ROGER, Check_VOX_ReceStop})
        g5->addWidget(c);

    // Right column: frequency mode above the working range, the buttons below.
    auto *gf = new QGridLayout(Frame_vfo);
    int r = 0;
    gf->addWidget(Label_RX_freq, r, 0);
    gf->addWidget(Text_RX_Freq, r++, 1);
    gf->addWidget(Label_Decode, r, 0);
    gf->addWidget(Combo_Decode, r, 1);
    gf->addWidget(Check_DNI, r++, 2);
    gf->addWidget(Label_Encode, r, 0);
    gf->addWidget(Combo_Encode, r, 1);
    gf->addWidget(Check_ENI, r++, 2);
    gf->addWidget(Label_Step, r, 0);
    gf->addWidget(Combo_Step, r++, 1);
    gf->addWidget(Label_Sft_d, r, 0);
    gf->addWidget(Combo_Sft_d, r++, 1);
    gf->addWidget(Label_offset, r, 0);
    gf->addWidget(Text_Offset_Freq, r++, 1);
    gf->addWidget(Label_WN, r, 0);
    gf->addWidget(Combo_WN, r++, 1);
    gf->addWidget(Label_TXP, r, 0);
    gf->addWidget(Combo_TXP, r++, 1);
    auto *flags = new QHBoxLayout;
    flags->addWidget(Check_VOX_SW);
    flags->addWidget(Check_Bcl);
    flags->addWidget(Check_TxStop);
    flags->addStretch();
    gf->addLayout(flags, r++, 0, 1, 4);
    gf->setColumnStretch(3, 1);
    auto *gr = new QHBoxLayout(Frame_Freq_range);
    gr->addWidget(Label_From);
    gr->addWidget(Text_pvfo_d0);
    gr->addSpacing(8);
    gr->addWidget(Label_to);
    gr->addWidget(Text_pvfo_d1);
    gr->addWidget(Label_MHZ);
    gr->addStretch();

    auto *left = new QVBoxLayout;
    left->addWidget(Frame2);
    left->addWidget(Frame_VOX);
    left->addStretch();
    auto *middle = new QVBoxLayout;
    middle->addWidget(Frame_mode);
    middle->addWidget(Frame_PowerOn);
    middle->addWidget(Frame5);
    middle->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command_Close);
    buttons->addWidget(Command_Help);
    auto *right = new QVBoxLayout;
    right->addWidget(Frame_vfo);
    right->addWidget(Frame_Freq_range);
    right->addStretch();
    right->addLayout(buttons);

    auto *columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addLayout(middle, 1);
    columns->addLayout(right, 1);

    // Lists and boxes run their handlers also when a fill sets them: a fill writes back what it
    // shows, which is how a clamped value reaches the image.
    const auto on_list = [this](QComboBox *c, void (frm_option::*slot)(int)) {
        connect(c, &QComboBox::currentIndexChanged, this, slot);
    };
    on_list(Combo_Sql, &frm_option::Combo_Sql_Click);
    on_list(Combo_TOT, &frm_option::Combo_TOT_Click);
    on_list(Combo_APO, &frm_option::Combo_APO_Click);
    on_list(Combo_Lamp, &frm_option::Combo_Lamp_Click);
    on_list(Combo_Mdf, &frm_option::Combo_Mdf_Click);
    on_list(Combo_Scan, &frm_option::Combo_Scan_Click);
    on_list(Combo_KL_Mode, &frm_option::Combo_KL_Mode_Click);
    on_list(Combo_VOX_lever, &frm_option::Combo_VOX_lever_Click);
    on_list(Combo_VOX_Delay_Time, &frm_option::Combo_VOX_Delay_Time_Click);
    on_list(Combo_Decode, &frm_option::Combo_Decode_Click);
    on_list(Combo_Encode, &frm_option::Combo_Encode_Click);
    on_list(Combo_Step, &frm_option::Combo_Step_Click);
    on_list(Combo_TXP, &frm_option::Combo_TXP_Click);
    on_list(Combo_WN, &frm_option::Combo_WN_Click);
    on_list(Combo_Sft_d, &frm_option::Combo_Sft_d_Click);
    on_list(Combo_Pon_Mode, &frm_option::Combo_Pon_Mode_Click);

    const auto on_check = [this](QAbstractButton *b, void (frm_option::*slot)(bool)) {
        connect(b, &QAbstractButton::toggled, this, slot);
    };
    on_check(Check_FM_STRX, &frm_option::Check_FM_STRX_Click);
    on_check(Check_Save, &frm_option::Check_Save_Click);
    on_check(Check_Beep, &frm_option::Check_Beep_Click);
    on_check(Check_Menu, &frm_option::Check_Menu_Click);
    on_check(Check_ROGER, &frm_option::Check_ROGER_Click);
    on_check(Check_VOX_ReceStop, &frm_option::Check_VOX_ReceStop_Click);
    on_check(Option_chann, &frm_option::Option_chann_Click);
    on_check(Option_freq, &frm_option::Option_freq_Click);
    on_check(Check_Only_Chann, &frm_option::Check_Only_Chann_Click);
    on_check(Check_TxStop, &frm_option::Check_TxStop_Click);
    on_check(Check_VOX_SW, &frm_option::Check_VOX_SW_Click);
    on_check(Check_Bcl, &frm_option::Check_Bcl_Click);
    on_check(Check_Pon_PWD, &frm_option::Check_Pon_PWD_Click);

    connect(Text_RX_Freq, &QLineEdit::textChanged, this, &frm_option::Text_RX_Freq_Change);
    connect(Text_Offset_Freq, &QLineEdit::textChanged, this, &frm_option::Text_Offset_Freq_Change);
    connect(Text_Pon_Msg, &QLineEdit::textChanged, this, &frm_option::Text_Pon_Msg_Change);
    connect(Text_Pon_PWD, &QLineEdit::textChanged, this, &frm_option::Text_Pon_PWD_Change);

    connect(Command_Close, &QPushButton::clicked, this, &frm_option::Command_Close_Click);
    connect(Command_Help, &QPushButton::clicked, this, &frm_option::Command_Help_Click);
}

void frm_option::Form_Load()
{
    Set_Captions();
    Fill_Lists();
    // The left column's lists line up at one width, whatever the language's longest item.
    const QList<QComboBox *> column = {Combo_TOT, Combo_Sql,  Combo_APO,       Combo_Lamp,          Combo_Mdf,
                                     Combo_Scan, Combo_KL_Mode, Combo_VOX_lever, Combo_VOX_Delay_Time};
    int width = 0;
    for (QComboBox *c : column)
        width = qMax(width, c->sizeHint().width());
    for (QComboBox *c : column)
        c->setMinimumWidth(width);

    // Nearly the main window's size, at the top; never smaller than the controls need.
    const QSize main = Host::Main_Size();
    QSize size(int(main.width() / 1.04), int(main.height() / 1.25));
    size = size.expandedTo(minimumSizeHint());
    const int left = qMax(0, (main.width() - size.width()) / 2 - Host::Twips(100));
    if (QMdiSubWindow *sub = Host::Show_Child(this, QRect(QPoint(left, 0), size))) {
        sub->resize(sub->size().expandedTo(sub->minimumSizeHint()));
        connect(sub->mdiArea(), &QMdiArea::subWindowActivated, this, &frm_option::Subwindow_Activated);
    }

    Load_Options();
    Loaded = true;
}

void frm_option::Set_Captions()
{
    setWindowTitle(tr("Optional Features"));
    Command_Close->setText(tr("Close"));
    Command_Help->setText(tr("Help"));

    Frame_VOX->setTitle(tr("VOX", "frame"));
    Label_tot->setText(tr("Time Out Timer[Min]"));
    Label_sql->setText(tr("Squelch Level"));
    Label_APO->setText(tr("APO[Hour]"));
    Label_lamp->setText(tr("Back Light"));
    Label_mdf->setText(tr("Channel Disp Way"));
    Label_Scan->setText(tr("Scans"));
    Label_KL_Mode->setText(tr("KeyLock Mode"));
    Label_vox_Lever->setText(tr("VOV Gain Level"));
    Label_VOX_Delay_Time->setText(tr("VOX Delay Time[S]"));
    Check_FM_STRX->setText(tr("Receiver When Radio Working"));
    Check_Save->setText(tr("Save"));
    Check_Beep->setText(tr("Beep"));
    Check_Menu->setText(tr("Manual set-up"));
    Check_ROGER->setText(tr("Roger"));
    Check_VOX_ReceStop->setText(tr("VOX Inhibit on Receive"));

    Frame_mode->setTitle(tr("Work Mode"));
    Option_freq->setText(tr("Frequncy", "work mode"));
    Option_chann->setText(tr("Channel", "work mode"));
    Check_Only_Chann->setText(tr("Only Channel Mode"));
    Frame_vfo->setTitle(tr("Frequncy Mode"));
    Label_RX_freq->setText(tr("RX Frequncy(MHZ)"));
    Label_Decode->setText(tr("Decode"));
    Label_Encode->setText(tr("Encode"));
    Check_DNI->setText(tr("INV"));
    Check_ENI->setText(tr("INV"));
    Label_Step->setText(tr("Step(KHZ)"));
    Label_Sft_d->setText(tr("Duplex"));
    Label_offset->setText(tr("Offset Frequncy(MHZ) "));
    Label_WN->setText(tr("Wide / Narrow"));
    Label_TXP->setText(tr("TX Power"));
    Check_VOX_SW->setText(tr("VOX", "switch"));
    Check_Bcl->setText(tr("BCL"));
    Check_TxStop->setText(tr("TX Stop"));
    Frame_Freq_range->setTitle(tr("Frequncy Range"));
    Label_From->setText(tr("From"));
    Label_to->setText(tr("to"));

    Frame_PowerOn->setTitle(tr("Power On"));
    Label_Pon_Mode->setText(tr("MsgMode"));
    Label_Pon_msg->setText(tr("PowerOn MSG"));
    Check_Pon_PWD->setText(tr("Radio Password"));
    Label_Pon_PWD->setText(tr("Password Pin"));
}

void frm_option::Fill_Lists()
{
    const auto numbers = [](int from, int to) {
        QStringList out;
        for (int n = from; n <= to; ++n)
            out.append(QString::number(n));
        return out;
    };
    QStringList tones;
    for (int e = 0; e <= Tone_Last; ++e)
        tones.append(Tone_List[e].trimmed());

    const QList<QPair<QComboBox *, QStringList>> lists = {
        {Combo_TOT, QStringList{tr("Off")} + numbers(1, 7)},
        {Combo_Sql, numbers(0, 9)},
        {Combo_APO, QStringList{tr("Off")} + numbers(1, 15)},
        {Combo_Lamp, {tr("Off"), tr("Key", "back light"), tr("Cont")}},
        {Combo_Mdf, {tr("Frequncy", "channel display"), tr("Name")}},
        {Combo_Scan, {tr("TO"), tr("CO"), tr("SE")}},
        {Combo_KL_Mode, {tr("Key&UPDN"), tr("PTTLock"), tr("Key", "key lock"), tr("ALL")}},
        {Combo_VOX_lever, numbers(1, 8)},
        {Combo_VOX_Delay_Time, numbers(1, 4)},
        {Combo_Decode, tones},
        {Combo_Encode, tones},
        {Combo_Step, {QStringLiteral("5K"), QStringLiteral("6.25K"), QStringLiteral("10K"),
                      QStringLiteral("12.5K"), QStringLiteral("25K"), QStringLiteral("37.5K"),
                      QStringLiteral("50K"), QStringLiteral("100K")}},
        {Combo_Sft_d, {tr("Off"), tr("Plus"), tr("Minus")}},
        {Combo_WN, {tr("Narrow"), tr("Wide")}},
        {Combo_TXP, {tr("Low"), tr("Mid"), tr("High")}},
        {Combo_Pon_Mode, {tr("Off"), tr("DC"), tr("MSG")}},
    };
    // Filling a list must not write anything: only Load_Options puts values into the lists.
    for (const auto &l : lists) {
        const QSignalBlocker block(l.first);
        l.first->clear();
        l.first->addItems(l.second);
        l.first->setCurrentIndex(-1);
    }
}

// ---------------------------------------------------------------------------------------------
// Filling

void frm_option::Put_List(QComboBox *list, int value)
{
    const int last = list->count() - 1;
    if (last < 0)
        return;
    const bool clamped = value > last;
    if (clamped)
        value = last;
    if (clamped && list->currentIndex() == value) {
        // The list already shows the last item: make its handler write the clamped value back.
        const QSignalBlocker block(list);
        list->setCurrentIndex(-1);
    }
    list->setCurrentIndex(value);
    // Undo text typed into an editable list: it was never stored.
    if (list->isEditable() && list->currentText() != list->itemText(value))
        list->setEditText(list->itemText(value));
}

void frm_option::Put_Tone(QComboBox *list, QCheckBox *inv, int type, int index)
{
    const int entry = Cov_Code2Tone(type, index);
    if (entry < 0)
        return;   // a type the radio does not know: the list keeps what it shows
    int t, i;
    Cov_Tone2Code(entry, t, i);
    if ((t != type || i != index) && list->currentIndex() == entry) {
        const QSignalBlocker block(list);
        list->setCurrentIndex(-1);
    }
    list->setCurrentIndex(entry);
    inv->setChecked(type == 2);
}

void frm_option::Load_Options()
{
    ++Fill_Depth;
    Integer *opt = Radio_Data[Option_Block];

    // 1. working range
    Recompute_Band();
    Text_pvfo_d0->setText(QString::number(int(Band_Low)));
    Text_pvfo_d1->setText(QString::number(int(Band_High)));

    // 2. squelch
    Put_List(Combo_Sql, Cell(Option_Block, 0));

    // 3. the VOX inhibit is never left on
    opt[1] &= Integer(~0x10 & 0xFF);

    // 4. byte 1
    Put_List(Combo_Scan, Cell(Option_Block, 1) & 0x03);
    Check_Menu->setChecked((Cell(Option_Block, 1) & 0x04) == 0);
    Check_ROGER->setChecked(Cell(Option_Block, 1) & 0x08);
    Check_VOX_ReceStop->setChecked(Cell(Option_Block, 1) & 0x10);
    Check_FM_STRX->setChecked(Cell(Option_Block, 1) & 0x20);
    Check_Save->setChecked(Cell(Option_Block, 1) & 0x40);
    Put_List(Combo_Mdf, (Cell(Option_Block, 1) & 0x80) ? 1 : 0);

    // 5. byte 2
    Put_List(Combo_Lamp, Cell(Option_Block, 2) & 0x03);
    Check_Pon_PWD->setChecked(Cell(Option_Block, 2) & 0x08);
    Put_List(Combo_Pon_Mode, (Cell(Option_Block, 2) >> 4) & 0x03);
    if (Cell(Option_Block, 2) & 0x40)
        Option_chann->setChecked(true);
    else
        Option_freq->setChecked(true);
    Check_Beep->setChecked(Cell(Option_Block, 2) & 0x80);

    // 6. whole-byte lists; the key-lock mode shares its byte with "Receive Enabled" in bit 7
    Put_List(Combo_TOT, Cell(Option_Block, 3));
    Put_List(Combo_APO, Cell(Option_Block, 4));
    Put_List(Combo_VOX_lever, Cell(Option_Block, 5));
    Put_List(Combo_VOX_Delay_Time, Cell(Option_Block, 6));
    Put_List(Combo_KL_Mode, Cell(Option_Block, 7) & 0x7F);

    // 7. password and power-on message
    QString pwd;
    for (int i = 0; i < 4; ++i)
        if (Cell(PowerOn_Block, i) < 10)
            pwd += QChar(QLatin1Char('0' + Cell(PowerOn_Block, i)));
    Text_Pon_PWD->setText(pwd);
    Text_Pon_PWD->setEnabled(Check_Pon_PWD->isChecked());
    QString msg;
    for (int i = 4; i <= 8; ++i)
        msg += Cov_Code2Char(Cell(PowerOn_Block, i));
    Text_Pon_Msg->setText(msg);
    Text_Pon_Msg->setEnabled(Combo_Pon_Mode->currentIndex() == 2);

    // 8. frequency-mode record
    Shown_Rx = Freq_At(Vfo_Block, 0);
    Text_RX_Freq->setText(Shown_Rx);
    bool no_offset = true;
    for (int i = 4; i <= 7; ++i)
        no_offset = no_offset && Cell(Vfo_Block, i) == 0xFF;
    Text_Offset_Freq->setText(no_offset ? QString() : Freq_At(Vfo_Block, 4));
    Put_List(Combo_Sft_d, (Cell(Vfo_Block, 12) >> 6) & 0x03);
    Put_List(Combo_TXP, Cell(Vfo_Block, 12) & 0x03);
    Put_List(Combo_Step, Cell(Vfo_Block, 13) & 0x07);
    Check_TxStop->setChecked(Cell(Vfo_Block, 13) & 0x10);
    Put_List(Combo_WN, (Cell(Vfo_Block, 13) >> 5) & 0x01);
    Check_VOX_SW->setChecked(Cell(Vfo_Block, 13) & 0x40);
    Check_Bcl->setChecked(Cell(Vfo_Block, 13) & 0x80);
    Put_Tone(Combo_Decode, Check_DNI, Cell(Vfo_Block, 8), Cell(Vfo_Block, 9));
    Put_Tone(Combo_Encode, Check_ENI, Cell(Vfo_Block, 10), Cell(Vfo_Block, 11));

    // 9. only channel mode
    const bool only = Cell(Option_Block, 10) & 0x08;
    Check_Only_Chann->setChecked(only);
    if (only)
        Option_chann->setChecked(true);
    Option_chann->setEnabled(!only);
    Option_freq->setEnabled(!only);

    // 10.
    opt[10] &= Integer(~0x01 & 0xFF);
    --Fill_Depth;
}

// ---------------------------------------------------------------------------------------------
// General settings

void frm_option::Set_Bit(int block, int byte, int mask, bool on)
{
    int cell = Cell(block, byte);
    cell = on ? (cell | mask) : (cell & ~mask);
    Radio_Data[block][byte] = Integer(cell & 0xFF);
}

void frm_option::Combo_Sql_Click(int index)
{
    if (index >= 0)
        Radio_Data[Option_Block][0] = Integer(index);
}

void frm_option::Combo_TOT_Click(int index)
{
    if (index >= 0)
        Radio_Data[Option_Block][3] = Integer(index);
}

void frm_option::Combo_APO_Click(int index)
{
    if (index >= 0)
        Radio_Data[Option_Block][4] = Integer(index);
}

void frm_option::Combo_Lamp_Click(int index)
{
    if (index >= 0)
        Radio_Data[Option_Block][2] = Integer((Cell(Option_Block, 2) & 0xFC) + index);
}

void frm_option::Combo_Mdf_Click(int index)
{
    if (index >= 0)
        Radio_Data[Option_Block][1] = Integer((Cell(Option_Block, 1) & 0x7F) + index * 128);
}

void frm_option::Combo_Scan_Click(int index)
{
    if (index >= 0)
        Radio_Data[Option_Block][1] = Integer((Cell(Option_Block, 1) & 0xFC) + index);
}

void frm_option::Combo_KL_Mode_Click(int index)
{
    // Bit 7 is the model dialog's "Receive Enabled"; the mode owns the bits below it.
    if (index >= 0)
        Radio_Data[Option_Block][7] = Integer((Cell(Option_Block, 7) & 0x80) | index);
}

void frm_option::Combo_VOX_lever_Click(int index)
{
    if (index >= 0)
        Radio_Data[Option_Block][5] = Integer(index);
}

void frm_option::Combo_VOX_Delay_Time_Click(int index)
{
    if (index >= 0)
        Radio_Data[Option_Block][6] = Integer(index);
}

void frm_option::Check_FM_STRX_Click(bool checked)
{
    Set_Bit(Option_Block, 1, 0x20, checked);
}

void frm_option::Check_Save_Click(bool checked)
{
    Set_Bit(Option_Block, 1, 0x40, checked);
}

void frm_option::Check_Beep_Click(bool checked)
{
    Set_Bit(Option_Block, 2, 0x80, checked);
}

void frm_option::Check_Menu_Click(bool checked)
{
    // The radio stores "menu set-up not allowed".
    Set_Bit(Option_Block, 1, 0x04, !checked);
}

void frm_option::Check_ROGER_Click(bool checked)
{
    Set_Bit(Option_Block, 1, 0x08, checked);
}

void frm_option::Check_VOX_ReceStop_Click(bool checked)
{
    Set_Bit(Option_Block, 1, 0x10, checked);
}

bool frm_option::List_KeyPress(QKeyEvent *key)
{
    // Lists are chosen from, never typed into; the arrow keys still move through them.
    QChar ch;
    const Typed t = Classify(key, &ch);
    return t != Typed::Char && t != Typed::Backspace;
}

// ---------------------------------------------------------------------------------------------
// Work mode, frequency mode and working range

void frm_option::Option_chann_Click(bool checked)
{
    if (checked)
        Set_Bit(Option_Block, 2, 0x40, true);
}

void frm_option::Option_freq_Click(bool checked)
{
    if (checked)
        Set_Bit(Option_Block, 2, 0x40, false);
}

void frm_option::Check_Only_Chann_Click(bool checked)
{
    if (checked) {
        Option_chann->setChecked(true);
        Option_freq->setChecked(false);
    }
    Option_chann->setEnabled(!checked);
    Option_freq->setEnabled(!checked);
    Set_Bit(Option_Block, 10, 0x08, checked);
}

void frm_option::Store_Tone(int index, int byte, QCheckBox *inv)
{
    if (index < 0)
        return;
    int type, code;
    Cov_Tone2Code(index, type, code);
    Radio_Data[Vfo_Block][byte] = Integer(type);
    Radio_Data[Vfo_Block][byte + 1] = Integer(code);
    inv->setChecked(index > Tone_DcsN_Last);
}

void frm_option::Combo_Decode_Click(int index)
{
    Store_Tone(index, 8, Check_DNI);
}

void frm_option::Combo_Encode_Click(int index)
{
    Store_Tone(index, 10, Check_ENI);
}

void frm_option::Combo_Step_Click(int index)
{
    if (index >= 0)
        Radio_Data[Vfo_Block][13] = Integer((Cell(Vfo_Block, 13) & 0xF8) + index);
}

void frm_option::Combo_TXP_Click(int index)
{
    if (index >= 0)
        Radio_Data[Vfo_Block][12] = Integer((Cell(Vfo_Block, 12) & 0xFC) | index);
}

void frm_option::Combo_WN_Click(int index)
{
    if (index >= 0)
        Radio_Data[Vfo_Block][13] = Integer((Cell(Vfo_Block, 13) & 0xDF) | index * 32);
}

void frm_option::Check_TxStop_Click(bool checked)
{
    Set_Bit(Vfo_Block, 13, 0x10, checked);
}

void frm_option::Check_VOX_SW_Click(bool checked)
{
    Set_Bit(Vfo_Block, 13, 0x40, checked);
}

void frm_option::Check_Bcl_Click(bool checked)
{
    Set_Bit(Vfo_Block, 13, 0x80, checked);
}

bool frm_option::Check_Tx()
{
    const double r = Val(Text_RX_Freq->text());
    const double o = Val(Text_Offset_Freq->text());
    double tx = r;
    if (Combo_Sft_d->currentIndex() == 1)
        tx = r + o;
    else if (Combo_Sft_d->currentIndex() == 2)
        tx = r - o;
    // Frequencies are whole 10 Hz steps; rounding keeps 464.99 + 5.01 from passing as 469.999...
    tx = std::round(tx * 100000.0) / 100000.0;
    if (tx < Band_Low || tx >= Band_High) {
        Prompt(tr("Over the range of TX frequency ."));
        Combo_Sft_d->setCurrentIndex(0);
        return true;
    }
    return false;
}

void frm_option::Combo_Sft_d_Click(int index)
{
    if (index < 0)
        return;
    Radio_Data[Vfo_Block][12] = Integer((Cell(Vfo_Block, 12) & 0x3F) | index * 64);
    if (index == 1 || index == 2)
        Check_Tx();
    Load_Options();
}

void frm_option::Store_Offset(const QString &text)
{
    Cov_Freq2Bcd(text);
    for (int i = 0; i < 4; ++i)
        Radio_Data[Vfo_Block][4 + i] = Freq_Bcd[3 - i];
}

bool frm_option::Text_RX_Freq_KeyPress(QKeyEvent *key)
{
    QChar ch;
    switch (Classify(key, &ch)) {
    case Typed::Other:
    case Typed::Backspace:
        return true;
    case Typed::Enter:
        return false;
    case Typed::Char:
        break;
    }
    const QString kept = Kept_Text(Text_RX_Freq);
    if (ch == QLatin1Char('.'))
        return !kept.isEmpty();
    return Is_Digit(ch) && kept.size() <= 8;
}

void frm_option::Text_RX_Freq_Change()
{
    if (Fill_Depth > 0)
        return;
    if (Text_RX_Freq->text().size() > 9) {
        Prompt(tr("Over the range of RX frequency ."));
        Text_RX_Freq->clear();
        Refocus(Text_RX_Freq);
    }
}

void frm_option::Text_RX_Freq_LostFocus()
{
    const QString typed = Text_RX_Freq->text();
    // Passing through the box without changing it stores nothing and keeps the direction.
    if (typed == Shown_Rx)
        return;
    const double v = Val(typed);
    if (typed.size() < 10 && Band_Low <= v && v < Band_High) {
        // A new receive frequency starts without a shift; the reset refills the window, so the
        // typed text was taken first.
        Combo_Sft_d->setCurrentIndex(0);
        Radio_Data[Vfo_Block][12] = Integer(Cell(Vfo_Block, 12) & 0x3F);
        Cov_Freq2Bcd(typed);
        for (int i = 0; i < 4; ++i)
            Radio_Data[Vfo_Block][i] = Freq_Bcd[3 - i];
        Load_Options();
    } else {
        Prompt(tr("Over the range of RX frequency ."));
        Refocus(Text_RX_Freq);
    }
}

bool frm_option::Text_Offset_Freq_KeyPress(QKeyEvent *key)
{
    QChar ch;
    switch (Classify(key, &ch)) {
    case Typed::Other:
    case Typed::Backspace:
    case Typed::Enter:
        return true;
    case Typed::Char:
        break;
    }
    const QString kept = Kept_Text(Text_Offset_Freq);
    if (ch == QLatin1Char('.'))
        return !kept.isEmpty() && !kept.contains(QLatin1Char('.'));
    return Is_Digit(ch) && kept.size() <= 7;
}

void frm_option::Text_Offset_Freq_Change()
{
    // A fill only shows what is stored; checking it against the direction still shown from before
    // could reset a direction the image holds.
    if (Fill_Depth > 0)
        return;
    const QString typed = Text_Offset_Freq->text();
    if (Val(typed) >= 70) {
        Prompt(tr("Over the range of Offset frequency ."));
        Text_Offset_Freq->clear();
        return;
    }
    if (Combo_Sft_d->currentIndex() < 0)
        return;
    if (typed.trimmed().isEmpty()) {
        for (int i = 4; i <= 7; ++i)
            Radio_Data[Vfo_Block][i] = 0xFF;
        return;
    }
    Check_Tx();
    Store_Offset(typed);
    // A direction reset refilled the box with the old offset; show the one that was stored.
    if (Text_Offset_Freq->text() != typed)
        Text_Offset_Freq->setText(typed);
}

void frm_option::Text_Offset_Freq_LostFocus()
{
    const QString typed = Text_Offset_Freq->text();
    if (typed.size() > 8 || Val(typed) > 69.9875) {
        Prompt(tr("Over the range of Offset frequency ."));
        Text_Offset_Freq->clear();
        return;
    }
    Check_Tx();
    Store_Offset(typed);   // an empty box is a zero offset
    Load_Options();
}

bool frm_option::Text_Range_KeyPress(QKeyEvent *key)
{
    QChar ch;
    switch (Classify(key, &ch)) {
    case Typed::Other:
    case Typed::Backspace:
    case Typed::Enter:
        return true;
    case Typed::Char:
        break;
    }
    return ch == QLatin1Char('.') || Is_Digit(ch);
}

void frm_option::Text_pvfo_d0_LostFocus()
{
    // The band of this window follows the model alone.
    const double lowest = Model_Index == 1 ? 136 : 400;
    const double from = Val(Text_pvfo_d0->text());
    const double to = Val(Text_pvfo_d1->text());
    if (from < lowest) {
        Prompt(tr("frequency of lower limit can't less than the lowest of work frequency. "),
               tr("Operate Prompt"));
        Text_pvfo_d0->setText(Num_Trim(lowest));
        Refocus(Text_pvfo_d0);
    } else if (to < from) {
        Prompt(tr("frequency of lower limit can't more than frequency of upper limit."),
               tr("Operate Prompt"));
        Text_pvfo_d0->setText(Text_pvfo_d1->text());
        Refocus(Text_pvfo_d0);
    }
    Save_Freq_Range();
    Recheck_Ranges();
}

void frm_option::Text_pvfo_d1_LostFocus()
{
    const double highest = Model_Index == 1 ? 174 : 470;
    const double from = Val(Text_pvfo_d0->text());
    const double to = Val(Text_pvfo_d1->text());
    if (to > highest) {
        Prompt(tr("frequency of upper limit can't more than the highest of work frequency. "),
               tr("Operate Prompt"));
        Text_pvfo_d1->setText(Num_Trim(highest));
        Refocus(Text_pvfo_d1);
    } else if (from > to) {
        Prompt(tr("frequency of upper limit can't less than frequency of lower limit."),
               tr("Operate Prompt"));
        Text_pvfo_d1->setText(Text_pvfo_d0->text());
        Refocus(Text_pvfo_d1);
    }
    Save_Freq_Range();
    Recheck_Ranges();
}

void frm_option::Save_Freq_Range()
{
    // Whole megahertz: a fraction is dropped, and a leading zero ("0400") cannot shift the digits.
    const auto whole = [](const QLineEdit *box) {
        return qBound(0, int(std::floor(Val(box->text().trimmed()))), 999);
    };
    Put_Range(whole(Text_pvfo_d0), whole(Text_pvfo_d1));
    Load_Options();
    Recompute_Band();
}

void frm_option::Recheck_Ranges()
{
    if (Check_Vfo_Range() > 0) {
        Prompt(Vfo_Range_Text());
        return;
    }
    const int n = Check_Chann_Range();
    if (n > 0)
        Prompt(Chann_Range_Text(n));
}

// ---------------------------------------------------------------------------------------------
// Power-on display and password

void frm_option::Combo_Pon_Mode_Click(int index)
{
    if (index < 0)
        return;
    Text_Pon_Msg->setEnabled(false);
    int cell = Cell(Option_Block, 2) & 0xCF;
    if (index == 1)
        cell |= 0x10;
    if (index == 2) {
        cell |= 0x20;
        Text_Pon_Msg->setEnabled(true);
    }
    Radio_Data[Option_Block][2] = Integer(cell);
}

bool frm_option::Text_Pon_Msg_KeyPress(QKeyEvent *key)
{
    QChar ch;
    switch (Classify(key, &ch)) {
    case Typed::Other:
    case Typed::Backspace:
        return true;
    case Typed::Enter:
        return false;
    case Typed::Char:
        break;
    }
    if (Kept_Text(Text_Pon_Msg).size() > 4)
        return false;
    if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) {
        Text_Pon_Msg->insert(ch.toUpper());
        return false;
    }
    return (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) || Is_Digit(ch) || ch == QLatin1Char('-')
           || ch == QLatin1Char('_') || ch == QLatin1Char('*');
}

void frm_option::Text_Pon_Msg_Change()
{
    if (Fill_Depth > 0)
        return;
    for (int i = 4; i <= 8; ++i)
        Radio_Data[PowerOn_Block][i] = 0xFF;
    const QString text = Text_Pon_Msg->text().trimmed();
    for (int i = 0; i < text.size() && i < 5; ++i)
        Radio_Data[PowerOn_Block][4 + i] = Integer(Cov_Char2Code(text.mid(i, 1)));
}

void frm_option::Check_Pon_PWD_Click(bool checked)
{
    Set_Bit(Option_Block, 2, 0x08, checked);
    Text_Pon_PWD->setEnabled(checked);
}

bool frm_option::Text_Pon_PWD_KeyPress(QKeyEvent *key)
{
    QChar ch;
    switch (Classify(key, &ch)) {
    case Typed::Other:
    case Typed::Backspace:
        return true;
    case Typed::Enter:
        return false;
    case Typed::Char:
        break;
    }
    return Is_Digit(ch) && Kept_Text(Text_Pon_PWD).size() <= 3;
}

void frm_option::Text_Pon_PWD_Change()
{
    if (Fill_Depth > 0)
        return;
    for (int i = 0; i <= 3; ++i)
        Radio_Data[PowerOn_Block][i] = 0xFF;
    const QString text = Text_Pon_PWD->text().trimmed();
    for (int i = 0; i < text.size() && i < 4; ++i)
        if (Is_Digit(text.at(i)))
            Radio_Data[PowerOn_Block][i] = Integer(Cov_Char2Code(text.mid(i, 1)));
}

void frm_option::Text_Pon_PWD_LostFocus()
{
    if (!Text_Pon_PWD->isEnabled())
        return;
    if (Text_Pon_PWD->text().size() != 4) {
        // The title reads the same in both languages.
        Prompt(tr("Password length is 4 digit."), QStringLiteral("Operate Prompt"));
        Refocus(Text_Pon_PWD);
    }
}

// ---------------------------------------------------------------------------------------------
// Window mechanics

void frm_option::Refocus(QLineEdit *box)
{
    ++Leave_Depth;
    box->setFocus(Qt::OtherFocusReason);
    --Leave_Depth;
}

bool frm_option::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        bool keep = true;
        if (watched == Text_RX_Freq)
            keep = Text_RX_Freq_KeyPress(key);
        else if (watched == Text_Offset_Freq)
            keep = Text_Offset_Freq_KeyPress(key);
        else if (watched == Text_pvfo_d0 || watched == Text_pvfo_d1)
            keep = Text_Range_KeyPress(key);
        else if (watched == Text_Pon_Msg)
            keep = Text_Pon_Msg_KeyPress(key);
        else if (watched == Text_Pon_PWD)
            keep = Text_Pon_PWD_KeyPress(key);
        else if (Typed_Lists.contains(qobject_cast<QComboBox *>(watched)))
            keep = List_KeyPress(key);
        if (!keep)
            return true;
    } else if (event->type() == QEvent::FocusOut && Loaded && !Closing && Leave_Depth == 0) {
        // Leaving a box means moving to another control; the window losing the focus to a message
        // box, a popup or another program is not leaving it.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            ++Leave_Depth;
            if (watched == Text_RX_Freq)
                Text_RX_Freq_LostFocus();
            else if (watched == Text_Offset_Freq)
                Text_Offset_Freq_LostFocus();
            else if (watched == Text_pvfo_d0)
                Text_pvfo_d0_LostFocus();
            else if (watched == Text_pvfo_d1)
                Text_pvfo_d1_LostFocus();
            else if (watched == Text_Pon_PWD)
                Text_Pon_PWD_LostFocus();
            --Leave_Depth;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool frm_option::event(QEvent *event)
{
    // On its own (no main window) the window is activated as a top-level window; inside the main
    // window its subwindow's activation counts instead.
    if (event->type() == QEvent::WindowActivate && isWindow() && Loaded && !Closing && Fill_Depth == 0)
        Load_Options();
    return QWidget::event(event);
}

void frm_option::Subwindow_Activated(QMdiSubWindow *sub)
{
    if (sub && sub == parentWidget() && Loaded && !Closing && Fill_Depth == 0)
        Load_Options();
}

void frm_option::Command_Close_Click()
{
    close();
}

void frm_option::Command_Help_Click() {}

void frm_option::closeEvent(QCloseEvent *event)
{
    Closing = true;
    Option_Open = False_Flag;
    QWidget::closeEvent(event);
}
