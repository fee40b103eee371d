#pragma once
// Writes blocks 0..239 of the image into the radio, after preparing the image and checking its
// frequencies against the band.
#include <QWidget>

class Link_Engine;
class QLabel;
class QProgressBar;
class QPushButton;

class Form_Comm_Write : public QWidget
{
    Q_OBJECT

public:
    // Closes an open instance, commits a channel name still being typed, and loads a fresh dialog.
    static Form_Comm_Write *Open();

    Link_Engine *Link() const { return Link_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void Command_Write_Click();
    void Command_Cancel_Click();
    void Timer4_Timer();
    void Link_First_Step();
    void Link_Next_Step();
    void Link_Failed();

private:
    explicit Form_Comm_Write(QWidget *parent = nullptr);
    void Form_Load();
    void Load_Block(int first, int block);

    Link_Engine *Link_;
    QLabel *Label_tr_count;
    QProgressBar *ProgressBar1;
    QPushButton *Command_Write;
    QPushButton *Command_Cancel;
    QPushButton *Command_Help;
};
