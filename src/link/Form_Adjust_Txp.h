#pragma once
// Live adjustment of the radio's three transmit-power alignment values. The dialog links to the radio
// as it opens, shows the radio's own values on three sliders and sends image block 240 to the radio
// whenever a slider moves. A watchdog closes it whenever the link is not up.
#include <QWidget>

class Link_Engine;
class QLabel;
class QPushButton;
class QScrollBar;

class Form_Adjust_Txp : public QWidget
{
    Q_OBJECT

public:
    // Closes an open instance (ending its link) and loads a fresh one, which links at once.
    static Form_Adjust_Txp *Open();

    Link_Engine *Link() const { return Link_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void HScroll_L_Change(int value);
    void HScroll_M_Change(int value);
    void HScroll_H_Change(int value);
    void Command_Close_Click();
    void Timer4_Timer();
    void Link_First_Step();
    void Link_Next_Step();

private:
    explicit Form_Adjust_Txp(QWidget *parent = nullptr);
    void Form_Load();
    void Slider_Update(int level, int value);
    void Send_Power_Frame();
    void End_Link();

    Link_Engine *Link_;
    QLabel *Label_Low;
    QLabel *Label_Mid;
    QLabel *Label_High;
    QScrollBar *HScroll_L;
    QScrollBar *HScroll_M;
    QScrollBar *HScroll_H;
    QLabel *Label_L;
    QLabel *Label_M;
    QLabel *Label_H;
    QPushButton *Command_Close;
    QPushButton *Command_Help;
};
