#pragma once
// Channel table window (being built): for now only the entry points other windows rely on.
#include <QWidget>

class frm_chann : public QWidget
{
    Q_OBJECT

public:
    // Closes an open instance and loads a fresh one, shown as a child of the main window.
    static frm_chann *Open();
    // When the channel table is open with a name being typed in its grid, stores that name in the
    // image (the read, write and save dialogs call this when they open). Otherwise does nothing.
    static void Commit_Pending_Name();

private:
    explicit frm_chann(QWidget *parent = nullptr);
};
