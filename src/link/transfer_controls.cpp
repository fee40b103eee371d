#include "transfer_controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

Transfer_Controls Build_Transfer_Controls(QWidget *form, const char *start_name)
{
    Transfer_Controls c;
    c.label = new QLabel(form);
    c.label->setObjectName(QStringLiteral("Label_tr_count"));
    c.label->setTextFormat(Qt::PlainText);
    c.label->setAlignment(Qt::AlignCenter);

    c.bar = new QProgressBar(form);
    c.bar->setObjectName(QStringLiteral("ProgressBar1"));
    c.bar->setRange(0, 100);
    c.bar->setValue(0);
    // Hidden until the first block; its place is kept so nothing jumps when it appears.
    QSizePolicy keep = c.bar->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    c.bar->setSizePolicy(keep);
    c.bar->setVisible(false);

    c.start = new QPushButton(form);
    c.start->setObjectName(QLatin1String(start_name));
    c.start->setDefault(true);
    c.cancel = new QPushButton(form);
    c.cancel->setObjectName(QStringLiteral("Command_Cancel"));
    c.help = new QPushButton(form);
    c.help->setObjectName(QStringLiteral("Command_Help"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(c.start);
    buttons->addWidget(c.cancel);
    buttons->addWidget(c.help);
    buttons->addStretch();

    auto *outer = new QVBoxLayout(form);
    outer->addStretch();
    outer->addWidget(c.label);
    outer->addWidget(c.bar);
    outer->addStretch();
    outer->addLayout(buttons);
    return c;
}
