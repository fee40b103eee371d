#include "Form_Comm_Write.h"

#include "channels/frm_chann.h"
#include "core/checks.h"
#include "core/globals.h"
#include "core/image.h"
#include "core/prompt.h"
#include "link_engine.h"
#include "transfer_controls.h"
#include "ui/host.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

Form_Comm_Write *Form_Comm_Write::Open()
{
    Host::Close_Open<Form_Comm_Write>();
    // A name still being typed in the channel table must reach the radio with the rest.
    frm_chann::Commit_Pending_Name();
    auto *w = new Form_Comm_Write;
    w->Form_Load();
    return w;
}

Form_Comm_Write::Form_Comm_Write(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form_Comm_Write"));
    setAttribute(Qt::WA_DeleteOnClose);
    Write_Open = True_Flag;

    Link_ = new Link_Engine(this);
    Link_->Timer4->setSingleShot(true);

    const Transfer_Controls c = Build_Transfer_Controls(this, "Command_Write");
    Label_tr_count = c.label;
    ProgressBar1 = c.bar;
    Command_Write = c.start;
    Command_Cancel = c.cancel;
    Command_Help = c.help;

    connect(Command_Write, &QPushButton::clicked, this, &Form_Comm_Write::Command_Write_Click);
    connect(Command_Cancel, &QPushButton::clicked, this, &Form_Comm_Write::Command_Cancel_Click);
    connect(Link_->Timer4, &QTimer::timeout, this, &Form_Comm_Write::Timer4_Timer);
    connect(Link_, &Link_Engine::First_Step, this, &Form_Comm_Write::Link_First_Step);
    connect(Link_, &Link_Engine::Next_Step, this, &Form_Comm_Write::Link_Next_Step);
    connect(Link_, &Link_Engine::Link_Failed, this, &Form_Comm_Write::Link_Failed);
}

void Form_Comm_Write::Form_Load()
{
    setWindowTitle(tr("Write Data to Radio"));
    Command_Write->setText(tr("Write"));
    Command_Cancel->setText(tr("Cancel"));
    Command_Help->setText(tr("Help"));
    Label_tr_count->clear();

    const QSize main = Host::Main_Size();
    const int w = int(main.width() / 1.6);
    const int h = main.height() / 3;
    Host::Show_Child(this, QRect((main.width() - w) / 2, int((main.height() - h) / 1.45), w, h));

    Link_->Done_Flag = False_Flag;
    Link_->Timer4->stop();
}

void Form_Comm_Write::Command_Write_Click()
{
    if (Link_->Busy) {
        Prompt(Link_Engine::Busy_Start_Text());
        return;
    }
    // Derives the summary blocks and checks the band; a failed check has shown its message.
    if (!Prepare_Write())
        return;
    Link_->Retry_Left = 3;
    Link_->Start_Link(true, Write_Blocks);
    if (Port_Error == 0) {
        ProgressBar1->setValue(0);
        Label_tr_count->setText(tr("Connecting with transceiver. "));
    }
}

void Form_Comm_Write::Command_Cancel_Click()
{
    if (Link_->Busy) {
        Prompt(Link_Engine::Busy_Close_Text());
        return;
    }
    Link_->Close_Port();
    close();
}

void Form_Comm_Write::Timer4_Timer()
{
    Link_->Timer4->stop();
    close();
}

// Fills Tx_Frame from index first on with a write frame for the block.
void Form_Comm_Write::Load_Block(int first, int block)
{
    Integer *f = Link_->Tx_Frame + first;
    f[0] = 0x57;
    f[1] = Integer(block / 16);
    f[2] = Integer((block * 16) % 256);
    f[3] = 0x10;
    for (int i = 0; i < 16; ++i)
        f[4 + i] = Integer(Radio_Data[block][i] & 0xFF);
}

void Form_Comm_Write::Link_First_Step()
{
    // The acknowledge of the identification rides in front of the frame for block 0.
    Link_->Tx_Frame[0] = 0x06;
    Load_Block(1, 0);
    Link_->Tx_Len = 21;
    Link_->Block_No = 1;
    Link_->Discard_Input();
    Link_->Send_Frame();
}

void Form_Comm_Write::Link_Next_Step()
{
    Link_Engine *L = Link_;
    if (L->Block_No < L->Block_End) {
        ProgressBar1->setVisible(true);
        ProgressBar1->setValue(L->Block_No * 100 / L->Block_End);
        Label_tr_count->setText(tr("Writing  %1  Data Block").arg(L->Block_No - 1));
        Load_Block(0, L->Block_No);
        L->Tx_Len = 20;
        L->Block_No = Integer(L->Block_No + 1);
        L->Send_Frame();
        return;
    }

    L->Stop_Timers();
    L->Timer4->start(Link_Times.write_close);
    L->Done_Flag = True_Flag;
    L->Busy = False_Flag;
    L->Write_Byte(0x45);
    L->Close_Port();
    Label_tr_count->setText(tr("Complete writing Data "));
}

void Form_Comm_Write::Link_Failed()
{
    ProgressBar1->setValue(0);
    Label_tr_count->setText(Link_Engine::Fault_Text());
}

void Form_Comm_Write::closeEvent(QCloseEvent *event)
{
    // Closing by the window frame is never refused; the link ends with the window.
    Link_->Stop_Timers();
    Link_->Timer4->stop();
    Link_->Busy = False_Flag;
    Link_->Close_Port();
    Write_Open = False_Flag;
    QWidget::closeEvent(event);
}
