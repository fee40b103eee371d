#include "Form_Adjust_Txp.h"

#include "core/globals.h"
#include "core/image.h"
#include "link_engine.h"
#include "ui/host.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int End_Of_Adjust = 0x62;
constexpr int Power_Adjust_Mark = 241;   // Block_No while a power frame is outstanding
}

Form_Adjust_Txp *Form_Adjust_Txp::Open()
{
    Host::Close_Open<Form_Adjust_Txp>();
    auto *w = new Form_Adjust_Txp;
    w->Form_Load();
    return w;
}

Form_Adjust_Txp::Form_Adjust_Txp(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form_Adjust_Txp"));
    setAttribute(Qt::WA_DeleteOnClose);
    Adjust_Open = True_Flag;

    Link_ = new Link_Engine(this);

    const auto make_label = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    const auto make_slider = [this](const char *name) {
        auto *s = new QScrollBar(Qt::Horizontal, this);
        s->setObjectName(QLatin1String(name));
        s->setMinimumWidth(160);
        // Right makes the value larger.
        s->setInvertedControls(false);
        return s;
    };
    Label_Low = make_label("Label_Low");
    Label_Mid = make_label("Label_Mid");
    Label_High = make_label("Label_High");
    HScroll_L = make_slider("HScroll_L");
    HScroll_M = make_slider("HScroll_M");
    HScroll_H = make_slider("HScroll_H");
    Label_L = make_label("Label_L");
    Label_M = make_label("Label_M");
    Label_H = make_label("Label_H");
    for (QLabel *l : {Label_L, Label_M, Label_H}) {
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setText(QStringLiteral("0"));
    }

    Command_Close = new QPushButton(this);
    Command_Close->setObjectName(QStringLiteral("Command_Close"));
    Command_Help = new QPushButton(this);
    Command_Help->setObjectName(QStringLiteral("Command_Help"));

    auto *grid = new QGridLayout;
    const struct
    {
        QLabel *caption;
        QScrollBar *slider;
        QLabel *value;
    } rows[] = {{Label_Low, HScroll_L, Label_L}, {Label_Mid, HScroll_M, Label_M},
                {Label_High, HScroll_H, Label_H}};
    int r = 0;
    for (const auto &row : rows) {
        grid->addWidget(row.caption, r, 0);
        grid->addWidget(row.slider, r, 1);
        grid->addWidget(row.value, r, 2);
        ++r;
    }
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(16);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command_Close);
    buttons->addWidget(Command_Help);
    buttons->addStretch();

    auto *outer = new QVBoxLayout(this);
    outer->addStretch();
    outer->addLayout(grid);
    outer->addStretch();
    outer->addLayout(buttons);

    connect(HScroll_L, &QScrollBar::valueChanged, this, &Form_Adjust_Txp::HScroll_L_Change);
    connect(HScroll_M, &QScrollBar::valueChanged, this, &Form_Adjust_Txp::HScroll_M_Change);
    connect(HScroll_H, &QScrollBar::valueChanged, this, &Form_Adjust_Txp::HScroll_H_Change);
    connect(Command_Close, &QPushButton::clicked, this, &Form_Adjust_Txp::Command_Close_Click);
    connect(Link_->Timer4, &QTimer::timeout, this, &Form_Adjust_Txp::Timer4_Timer);
    connect(Link_, &Link_Engine::First_Step, this, &Form_Adjust_Txp::Link_First_Step);
    connect(Link_, &Link_Engine::Next_Step, this, &Form_Adjust_Txp::Link_Next_Step);
}

void Form_Adjust_Txp::Form_Load()
{
    // The link starts at once: the radio's answer carries the values the sliders start from.
    Link_->Start_Link(true, 1);

    for (QScrollBar *s : {HScroll_L, HScroll_M, HScroll_H}) {
        s->setRange(0, 255);
        s->setSingleStep(1);
        s->setPageStep(16);
    }

    setWindowTitle(tr("Power Adjust"));
    Command_Close->setText(tr("Close"));
    Command_Help->setText(tr("Help"));
    Label_Low->setText(tr("Low Power"));
    Label_Mid->setText(tr("Mid Power"));
    Label_High->setText(tr("High Power"));

    const QSize main = Host::Main_Size();
    const int w = int(main.width() / 1.8);
    const int h = main.height() / 2;
    Host::Show_Child(this, QRect((main.width() - w) / 2, (main.height() - h) / 3, w, h));

    Link_->Timer4->start(Link_Times.watchdog);
}

void Form_Adjust_Txp::Send_Power_Frame()
{
    Integer *f = Link_->Tx_Frame;
    f[1] = 0x67;
    f[2] = 0x0F;
    f[3] = 0x00;
    f[4] = 0x10;
    for (int i = 0; i < 16; ++i)
        f[5 + i] = Integer(Radio_Data[Power_Block][i] & 0xFF);
    Link_->Tx_Len = 21;
    Link_->Block_No = Power_Adjust_Mark;
    Link_->Discard_Input();
    Link_->Send_Frame();
}

void Form_Adjust_Txp::Link_First_Step()
{
    Radio_Data[Power_Block][0] = Link_->Rx_Buf[5];
    Radio_Data[Power_Block][1] = Link_->Rx_Buf[6];
    Radio_Data[Power_Block][2] = Link_->Rx_Buf[7];
    // The sliders take the radio's own values; that is no movement to send back.
    Link_->Linked = False_Flag;
    HScroll_L->setValue(Radio_Data[Power_Block][0]);
    HScroll_M->setValue(Radio_Data[Power_Block][1]);
    HScroll_H->setValue(Radio_Data[Power_Block][2]);
    Link_->Linked = True_Flag;
    Link_->Timer2->stop();
    Link_->Timer3->stop();
    // The acknowledge of the identification stays in front of every power frame.
    Link_->Tx_Frame[0] = 0x06;
    Send_Power_Frame();
}

void Form_Adjust_Txp::Slider_Update(int level, int value)
{
    Radio_Data[Power_Block][level] = Integer(value);
    Radio_Data[Power_Block][3] = Integer(level);
    QLabel *label[3] = {Label_L, Label_M, Label_H};
    label[level]->setText(QString::number(value));
    // Moved again before the frame has left: the frame is rebuilt, so only the latest values go.
    if (Link_->Linked)
        Send_Power_Frame();
}

void Form_Adjust_Txp::HScroll_L_Change(int value)
{
    Slider_Update(0, value);
}

void Form_Adjust_Txp::HScroll_M_Change(int value)
{
    Slider_Update(1, value);
}

void Form_Adjust_Txp::HScroll_H_Change(int value)
{
    Slider_Update(2, value);
}

void Form_Adjust_Txp::Link_Next_Step()
{
    // Every acknowledge completes its exchange; the link stays up for the next movement.
    if (Link_->Block_No >= Link_->Block_End) {
        Link_->Stop_Timers();
        Link_->Busy = False_Flag;
    }
}

void Form_Adjust_Txp::End_Link()
{
    Link_->Stop_Timers();
    Link_->Busy = False_Flag;
    if (Link_->Port_Open()) {
        Link_->Write_Byte(End_Of_Adjust);
        Link_->Close_Port();
    }
}

void Form_Adjust_Txp::Timer4_Timer()
{
    // Without a link there is nothing to adjust: a radio that did not answer, or stopped answering.
    if (!Link_->Port_Open() || !Link_->Linked) {
        End_Link();
        close();
    }
}

void Form_Adjust_Txp::Command_Close_Click()
{
    Link_->Linked = False_Flag;
    End_Link();
    close();
}

void Form_Adjust_Txp::closeEvent(QCloseEvent *event)
{
    // However the dialog closes, the radio is told that the adjustment is over.
    End_Link();
    Link_->Timer4->stop();
    Adjust_Open = False_Flag;
    QWidget::closeEvent(event);
}
