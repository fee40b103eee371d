#include "frm_chann.h"

#include "ui/host.h"

frm_chann *frm_chann::Open()
{
    return nullptr;
}

void frm_chann::Commit_Pending_Name() {}

frm_chann::frm_chann(QWidget *parent)
    : QWidget(parent)
{
}
