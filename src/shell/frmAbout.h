#pragma once
// About box: product title, version, description, legal warning, and a button that starts the
// system's own system-information viewer.
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;

class frmAbout : public QWidget
{
    Q_OBJECT

public:
    // Closes an open instance and loads a fresh one, shown as a child of the main window.
    static frmAbout *Open();

    // The system-information viewer of this computer: a program and its arguments, or an empty
    // program when none is installed. On Linux the first of a few well-known viewers found on PATH.
    struct SysInfo_Tool
    {
        QString program;
        QStringList arguments;
    };
    static SysInfo_Tool Find_SysInfo_Tool();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    explicit frmAbout(QWidget *parent = nullptr);
    void Form_Load();

    QLabel *picIcon;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDescription;
    QLabel *lblDisclaimer;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;
};
