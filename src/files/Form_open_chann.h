#pragma once
// Open channel file: replaces the whole memory image with the contents of a ".chann" file.
#include "chann_dialog.h"

class Form_open_chann : public Chann_Dialog
{
    Q_OBJECT

public:
    // Closes an open instance and loads a fresh one, shown as a child of the main window.
    static Form_open_chann *Open();

protected:
    void closeEvent(QCloseEvent *event) override;

protected slots:
    void Command_enter_Click() override;

private:
    explicit Form_open_chann(QWidget *parent = nullptr);
    void Form_Load();
};
