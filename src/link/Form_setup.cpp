#include "Form_setup.h"

#include "core/globals.h"
#include "core/prompt.h"
#include "port_map.h"
#include "ui/host.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

Form_setup *Form_setup::Open()
{
    Host::Close_Open<Form_setup>();
    auto *w = new Form_setup;
    w->Form_Load();
    return w;
}

Form_setup::Form_setup(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form_setup"));
    setAttribute(Qt::WA_DeleteOnClose);
    Setup_Open = True_Flag;

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option_Group = new QButtonGroup(this);
    auto *grid = new QGridLayout(Frame1);
    for (int i = 0; i < Port_Count; ++i) {
        Option[i] = new QRadioButton(QStringLiteral("COM") + QString::number(i + 1), Frame1);
        Option[i]->setObjectName(QStringLiteral("Option") + QString::number(i + 1));
        Option_Group->addButton(Option[i], i + 1);
        Label_Device[i] = new QLabel(Frame1);
        Label_Device[i]->setObjectName(QStringLiteral("Label_Device") + QString::number(i + 1));
        Label_Device[i]->setTextFormat(Qt::PlainText);
        Label_Device[i]->setEnabled(false);   // grey: it describes the option, it is not one
        // Two columns of four, COM1..COM4 on the left.
        const int row = i % 4;
        const int col = (i / 4) * 2;
        grid->addWidget(Option[i], row, col);
        grid->addWidget(Label_Device[i], row, col + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setHorizontalSpacing(12);

    Command_ok = new QPushButton(this);
    Command_ok->setObjectName(QStringLiteral("Command_ok"));
    Command_ok->setDefault(true);
    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command_ok);
    buttons->addWidget(Command1);
    buttons->addStretch();

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(Frame1, 1);
    outer->addSpacing(8);
    outer->addLayout(buttons);

    connect(Command_ok, &QPushButton::clicked, this, &Form_setup::Command_ok_Click);
    connect(Command1, &QPushButton::clicked, this, &Form_setup::Command1_Click);
}

void Form_setup::Form_Load()
{
    setWindowTitle(tr("Communication Port Setup"));
    Frame1->setTitle(tr("Port Setup"));
    Command_ok->setText(tr("Confirm"));
    Command1->setText(tr("Cancel"));

    const QSize inner = Host::Inner_Size();
    const int w = inner.width() / 2;
    const int h = int(inner.height() / 1.8);
    const int top = qMax(0, (inner.height() - h) / 2 - Host::Twips(500));
    Host::Show_Child(this, QRect((inner.width() - w) / 2, top, w, h));

    for (int i = 0; i < Port_Count; ++i) {
        const QString device = Port_Device(i + 1);
        Label_Device[i]->setText(device.isEmpty() ? tr("not present") : device);
    }

    Option_Group->setExclusive(false);
    for (QRadioButton *o : Option)
        o->setChecked(false);
    Option_Group->setExclusive(true);
    if (Port_No >= 1 && Port_No <= Port_Count)
        Option[Port_No - 1]->setChecked(true);
}

void Form_setup::Command_ok_Click()
{
    const int id = Option_Group->checkedId();
    if (id >= 1)
        Port_No = Integer(id);
    Set_Status(3, QStringLiteral("COM") + QString::number(Port_No));
    // After a port that failed to open, the dialog stays so another number can be chosen.
    if (Port_Error == 0)
        close();
}

void Form_setup::Command1_Click()
{
    close();
}

void Form_setup::closeEvent(QCloseEvent *event)
{
    Setup_Open = False_Flag;
    QWidget::closeEvent(event);
}
