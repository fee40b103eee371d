#include "Form_Comm_Read.h"

#include "channels/frm_chann.h"
#include "core/globals.h"
#include "core/image.h"
#include "core/prompt.h"
#include "link_engine.h"
#include "transfer_controls.h"
#include "ui/host.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPort>
#include <QTimer>

Form_Comm_Read *Form_Comm_Read::Open()
{
    Host::Close_Open<Form_Comm_Read>();
    // A name still being typed in the channel table is part of the image the read replaces.
    frm_chann::Commit_Pending_Name();
    auto *w = new Form_Comm_Read;
    w->Form_Load();
    return w;
}

Form_Comm_Read::Form_Comm_Read(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form_Comm_Read"));
    setAttribute(Qt::WA_DeleteOnClose);
    Read_Open = True_Flag;

    Link_ = new Link_Engine(this);

    const Transfer_Controls c = Build_Transfer_Controls(this, "Command_read");
    Label_tr_count = c.label;
    ProgressBar1 = c.bar;
    Command_read = c.start;
    Command_Cancel = c.cancel;
    Command_Help = c.help;

    connect(Command_read, &QPushButton::clicked, this, &Form_Comm_Read::Command_read_Click);
    connect(Command_Cancel, &QPushButton::clicked, this, &Form_Comm_Read::Command_Cancel_Click);
    connect(Link_->Timer4, &QTimer::timeout, this, &Form_Comm_Read::Timer4_Timer);
    connect(Link_, &Link_Engine::First_Step, this, &Form_Comm_Read::Link_First_Step);
    connect(Link_, &Link_Engine::Next_Step, this, &Form_Comm_Read::Link_Next_Step);
    connect(Link_, &Link_Engine::Link_Failed, this, &Form_Comm_Read::Link_Failed);
}

void Form_Comm_Read::Form_Load()
{
    setWindowTitle(tr("Read Data From Radio"));
    Command_read->setText(tr("Read"));
    Command_Cancel->setText(tr("Cancel"));
    Command_Help->setText(tr("Help"));
    Label_tr_count->clear();

    const QSize main = Host::Main_Size();
    const int w = int(main.width() / 1.6);
    const int h = main.height() / 3;
    Host::Show_Child(this, QRect((main.width() - w) / 2, int((main.height() - h) / 1.45), w, h));

    Link_->Done_Flag = False_Flag;
    Link_->Timer4->start(Link_Times.read_close);
}

void Form_Comm_Read::Command_read_Click()
{
    if (Link_->Busy) {
        Prompt(Link_Engine::Busy_Start_Text());
        return;
    }
    Link_->Retry_Left = 3;
    Link_->Start_Link(false, Read_Blocks);
    if (Port_Error == 0) {
        ProgressBar1->setValue(0);
        Label_tr_count->setText(tr("Connecting with transceiver. "));
    }
}

void Form_Comm_Read::Command_Cancel_Click()
{
    if (Link_->Busy) {
        Prompt(Link_Engine::Busy_Close_Text());
        return;
    }
    Link_->Close_Port();
    close();
}

void Form_Comm_Read::Timer4_Timer()
{
    if (Link_->Done_Flag)
        close();
}

void Form_Comm_Read::Link_First_Step()
{
    // The acknowledge of the identification rides in front of the request for block 0.
    const int frame[5] = {0x06, 0x52, 0x00, 0x00, 0x10};
    for (int i = 0; i < 5; ++i)
        Link_->Tx_Frame[i] = Integer(frame[i]);
    Link_->Tx_Len = 5;
    Link_->Block_No = 1;
    Link_->Discard_Input();
    Link_->Send_Frame();
}

void Form_Comm_Read::Link_Next_Step()
{
    Link_Engine *L = Link_;
    // Row r of Read_Buffer holds the reply to the request for block r - 1.
    for (int j = 0; j <= 20; ++j)
        Read_Buffer[L->Block_No][j] = L->Rx_Buf[j];

    if (L->Block_No < L->Block_End) {
        const int b = L->Block_No;
        L->Tx_Frame[0] = 0x52;
        L->Tx_Frame[1] = Integer(b / 16);
        L->Tx_Frame[2] = Integer((b * 16) % 256);
        L->Tx_Frame[3] = 0x10;
        L->Tx_Len = 4;
        L->Block_No = Integer(L->Block_No + 1);
        L->Send_Frame();
        ProgressBar1->setVisible(true);
        ProgressBar1->setValue(L->Block_No * 100 / (L->Block_End + 1));
        Label_tr_count->setText(tr("Reading %1 Data Block").arg(L->Block_No));
        return;
    }

    L->Stop_Timers();
    L->Busy = False_Flag;
    L->Close_Port();
    for (int r = 1; r <= Read_Blocks; ++r)
        for (int j = 5; j <= 20; ++j)
            Radio_Data[r - 1][j - 5] = Read_Buffer[r][j];
    ProgressBar1->setVisible(true);
    ProgressBar1->setValue(100);
    Label_tr_count->setText(tr("Read Data in gear. "));
    QPointer<Form_Comm_Read> alive(this);
    Prompt(tr("Complete reading the data from transceiver."), tr("Operate Prompt"));
    // The close timer acts only once the message has been dismissed.
    if (alive)
        L->Done_Flag = True_Flag;
}

void Form_Comm_Read::Link_Failed()
{
    ProgressBar1->setValue(0);
    Label_tr_count->setText(Link_Engine::Fault_Text());
}

void Form_Comm_Read::closeEvent(QCloseEvent *event)
{
    // Closing by the window frame is never refused; the link ends with the window.
    Link_->Stop_Timers();
    Link_->Timer4->stop();
    Link_->Busy = False_Flag;
    Link_->Close_Port();
    Read_Open = False_Flag;
    QWidget::closeEvent(event);
}
