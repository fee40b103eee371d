#pragma once
// Save channel file: writes the whole memory image into a ".chann" file.
#include "chann_dialog.h"

class Form_save_chann : public Chann_Dialog
{
    Q_OBJECT

public:
    // Closes an open instance and loads a fresh one, shown as a child of the main window. A channel
    // name still being typed in the channel table is stored first, so the file holds it.
    static Form_save_chann *Open();

protected:
    void closeEvent(QCloseEvent *event) override;

protected slots:
    void Command_enter_Click() override;

private:
    explicit Form_save_chann(QWidget *parent = nullptr);
    void Form_Load();
};
