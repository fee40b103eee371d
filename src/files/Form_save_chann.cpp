#include "Form_save_chann.h"

#include "channels/frm_chann.h"
#include "chann_file.h"
#include "core/globals.h"
#include "core/prompt.h"
#include "ui/host.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPushButton>

Form_save_chann *Form_save_chann::Open()
{
    Host::Close_Open<Form_save_chann>();
    auto *w = new Form_save_chann;
    w->Form_Load();
    return w;
}

Form_save_chann::Form_save_chann(QWidget *parent)
    : Chann_Dialog(parent)
{
    setObjectName(QStringLiteral("Form_save_chann"));
    SaveChann_Open = True_Flag;
}

void Form_save_chann::Form_Load()
{
    setWindowTitle(tr("Save Channel File"));
    Label_drive->setText(tr("Drive:"));
    Label_Name->setText(tr("Save File:"));
    Command_enter->setText(tr("Confirm"));
    Command_Close->setText(tr("Cancel"));
    // Before this window takes the focus from the grid: a name being typed there belongs in the file.
    frm_chann::Commit_Pending_Name();
    Show_Dialog();
}

void Form_save_chann::Command_enter_Click()
{
    const QString path =
        Checked_Path(tr("Store the file name of channel parameter need is nullity. "),
                     tr("Advice don't modify file suffix name of system default ！"));
    if (path.isEmpty())
        return;
    // Overwrites without asking; the old file is replaced only once the new one is complete.
    const QString reason = Write_Chann_File(path);
    if (!reason.isEmpty()) {
        Prompt(tr("The file %1 could not be saved: %2").arg(QDir::toNativeSeparators(path), reason)
               + QLatin1Char('\n')
               + tr("Nothing was written: a file of that name is as it was."));
        return;
    }
    Remember_Folder();
    Prompt(tr("Complete storing channel parameter."));
    Close_Window();
}

void Form_save_chann::closeEvent(QCloseEvent *event)
{
    SaveChann_Open = False_Flag;
    Chann_Dialog::closeEvent(event);
}
