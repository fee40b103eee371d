#pragma once
// Reads the radio's memory, blocks 0..253, into the image. The replies are gathered in Read_Buffer and
// the image is replaced only when the last block has arrived, so a failed or abandoned read leaves the
// image as it was.
#include <QWidget>

class Link_Engine;
class QLabel;
class QProgressBar;
class QPushButton;

class Form_Comm_Read : public QWidget
{
    Q_OBJECT

public:
    // Closes an open instance, commits a channel name still being typed, and loads a fresh dialog.
    static Form_Comm_Read *Open();

    Link_Engine *Link() const { return Link_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void Command_read_Click();
    void Command_Cancel_Click();
    void Timer4_Timer();
    void Link_First_Step();
    void Link_Next_Step();
    void Link_Failed();

private:
    explicit Form_Comm_Read(QWidget *parent = nullptr);
    void Form_Load();

    Link_Engine *Link_;
    QLabel *Label_tr_count;
    QProgressBar *ProgressBar1;
    QPushButton *Command_read;
    QPushButton *Command_Cancel;
    QPushButton *Command_Help;
};
