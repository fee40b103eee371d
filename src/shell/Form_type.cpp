#include "Form_type.h"

#include "core/codecs.h"
#include "core/globals.h"
#include "core/image.h"
#include "core/models.h"
#include "core/prompt.h"
#include "ui/host.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

Form_type *Form_type::Open()
{
    Host::Close_Open<Form_type>();
    auto *w = new Form_type;
    w->Form_Load();
    return w;
}

Form_type::Form_type(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form_type"));
    setAttribute(Qt::WA_DeleteOnClose);
    Type_Open = True_Flag;

    const auto make_label = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    Label1 = make_label("Label1");
    Label2 = make_label("Label2");
    Label3 = make_label("Label3");
    Label_band = make_label("Label_band");
    Label_SubBand = make_label("Label_SubBand");
    for (QLabel *l : {Label_band, Label_SubBand}) {
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setTextFormat(Qt::PlainText);
    }

    Combo_type = new QComboBox(this);
    Combo_type->setObjectName(QStringLiteral("Combo_type"));
    Combo_type->installEventFilter(this);

    Check_SC = new QCheckBox(this);
    Check_SC->setObjectName(QStringLiteral("Check_SC"));

    Command_enter = new QPushButton(this);
    Command_enter->setObjectName(QStringLiteral("Command_enter"));
    Command_enter->setDefault(true);
    Command_Cancel = new QPushButton(this);
    Command_Cancel->setObjectName(QStringLiteral("Command_Cancel"));

    auto *grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Combo_type, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Label_band, 1, 1);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(Label_SubBand, 2, 1);
    grid->addWidget(Check_SC, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(12);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command_enter);
    buttons->addWidget(Command_Cancel);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addStretch();
    outer->addLayout(buttons);

    connect(Combo_type, &QComboBox::currentIndexChanged, this, &Form_type::Combo_type_Click);
    connect(Check_SC, &QCheckBox::toggled, this, &Form_type::Check_SC_Click);
    connect(Command_enter, &QPushButton::clicked, this, &Form_type::Command_enter_Click);
    connect(Command_Cancel, &QPushButton::clicked, this, &Form_type::Command_Cancel_Click);
}

QString Form_type::Band_Label(int row, double low, double high, bool trim_high)
{
    return Band_Name(row) + QLatin1Char(' ') + Num_Trim(low) + QStringLiteral(" -- ")
           + (trim_high ? Num_Trim(high) : Num_Text(high)) + QStringLiteral(" MHZ");
}

void Form_type::Form_Load()
{
    setWindowTitle(tr("Model Select"));
    Command_enter->setText(tr("Confirm"));
    Command_Cancel->setText(tr("Cancel"));
    Label1->setText(tr("Model"));
    Label2->setText(tr("Main band"));
    Label3->setText(tr("Vice-band"));
    Check_SC->setText(tr("Receive Enabled"));

    const QSize inner = Host::Inner_Size();
    const int w = int(inner.width() / 1.8);
    const int h = int(inner.height() / 1.6);
    const int top = qMax(0, (inner.height() - h) / 2 - Host::Twips(500));
    Host::Show_Child(this, QRect((inner.width() - w) / 2, top, w, h));

    Combo_type->clear();
    Combo_type->addItem(Model_List[0]);
    Combo_type->addItem(Model_List[1]);
    Combo_type->setCurrentIndex(Model_Index == 1 ? 1 : 0);

    const int sel = Combo_type->currentIndex();
    Band_Low = Band_Table[sel][0];
    Band_High = Band_Table[sel][1];
    Model_Index = Integer(sel);
    Set_Status(7, Band_Panel_Text());

    // The image's own limits win over the model table, also when the dialog is cancelled.
    Recompute_Band();
    Label_band->setText(Band_Label(Model_Index, Band_Low, Band_High, true));
    const int other = 1 - Model_Index;
    Label_SubBand->setText(Band_Label(other, Band_Table[other][0], Band_Table[other][1], false));

    Check_SC->setChecked((Radio_Data[Option_Block][7] & 0x80) != 0);
}

void Form_type::Combo_type_Click(int index)
{
    if (index < 0)
        return;
    Recompute_Band();
    const int other = 1 - index;
    if (index == Model_Index) {
        Label_band->setText(Band_Label(index, Band_Low, Band_High, false));
        Label_SubBand->setText(Band_Label(other, Band_Table[other][0], Band_Table[other][1], false));
    } else {
        Label_band->setText(Band_Label(index, Band_Table[index][0], Band_Table[index][1], false));
        Label_SubBand->setText(Band_Label(other, Band_Low, Band_High, false));
    }
}

bool Form_type::eventFilter(QObject *watched, QEvent *event)
{
    // The list is the only way to choose: typed characters are dropped, navigation keys still work.
    if (watched == Combo_type && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->text().isEmpty() && key->text().at(0).isPrint())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form_type::Check_SC_Click(bool checked)
{
    // Only bit 7 belongs to this box; the low bits of the byte hold the key-lock mode.
    if (checked)
        Radio_Data[Option_Block][7] |= 0x80;
    else
        Radio_Data[Option_Block][7] &= 0x7F;
}

void Form_type::Command_enter_Click()
{
    const int sel = qMax(0, Combo_type->currentIndex());
    Band_Low = Band_Table[sel][0];
    Band_High = Band_Table[sel][1];
    Model_Index = Integer(sel);
    Put_Range(int(Band_Low), int(Band_High));
    Set_Status(7, Band_Panel_Text());

    // The frequency-mode receive frequency moves to the new band's lower limit + 0.625 MHz.
    Cov_Freq2Bcd(Num_Text(Band_Low) + QStringLiteral(".625"));
    Radio_Data[Vfo_Block][0] = Freq_Bcd[3];
    Radio_Data[Vfo_Block][1] = Freq_Bcd[2];
    Radio_Data[Vfo_Block][2] = Freq_Bcd[1];
    Radio_Data[Vfo_Block][3] = Freq_Bcd[0];
    close();
}

void Form_type::Command_Cancel_Click()
{
    close();
}

void Form_type::closeEvent(QCloseEvent *event)
{
    Type_Open = False_Flag;
    QWidget::closeEvent(event);
}
