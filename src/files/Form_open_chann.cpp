#include "Form_open_chann.h"

#include "chann_file.h"
#include "core/globals.h"
#include "core/prompt.h"
#include "ui/host.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

Form_open_chann *Form_open_chann::Open()
{
    Host::Close_Open<Form_open_chann>();
    auto *w = new Form_open_chann;
    w->Form_Load();
    return w;
}

Form_open_chann::Form_open_chann(QWidget *parent)
    : Chann_Dialog(parent)
{
    setObjectName(QStringLiteral("Form_open_chann"));
    OpenChann_Open = True_Flag;
}

void Form_open_chann::Form_Load()
{
    setWindowTitle(tr("Open Channcle File"));
    Label_drive->setText(tr("Drive:"));
    Label_Name->setText(tr("Open File:"));
    Command_enter->setText(tr("Confirm"));
    Command_Close->setText(tr("Cancel"));
    Show_Dialog();
}

void Form_open_chann::Command_enter_Click()
{
    const QString path = Checked_Path(tr("Open the file name of channel parameter is nullity "),
                                      tr("Nullity file suffix name of channel parameter."));
    if (path.isEmpty())
        return;
    // The image is replaced only when the whole file was sound; otherwise the user learns why and
    // can pick another file.
    const QString error = Read_Chann_File(path);
    if (!error.isEmpty()) {
        Prompt(error + QLatin1Char('\n') + tr("Nothing was loaded: the channel data are as they were."));
        return;
    }
    Remember_Folder();
    Prompt(tr("Succeed fold the channel parameter from file."));
    Close_Window();
}

void Form_open_chann::closeEvent(QCloseEvent *event)
{
    OpenChann_Open = False_Flag;
    Chann_Dialog::closeEvent(event);
}
