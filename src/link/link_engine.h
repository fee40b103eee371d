#pragma once
// The link to the radio over its programming cable, shared by the read, write and power dialogs.
// Each open dialog owns one engine: its own serial port, its four timers and its link state. The
// engine runs the part every transfer has in common (opening the port, the enter-programming frame,
// the identification, sending frames, the response time-out and the retries) and hands the dialog the
// steps that differ through First_Step (the radio has identified itself) and Next_Step (an
// acknowledge or a block reply has arrived).
#include "core/globals.h"

#include <QElapsedTimer>
#include <QObject>

class QSerialPort;
class QTimer;

// The link's intervals in milliseconds, all in one place.
struct Link_Timing
{
    int send = 15;          // a prepared frame leaves this long after it was prepared
    int byte_wait = 2000;   // guard while a frame is being handed to the port
    int response = 1000;    // an answer is due this long after a frame's last byte
    int retry = 5000;       // pause after a time-out before the link starts again
    int read_close = 200;   // the read dialog looks whether it may close this often
    int write_close = 500;  // the write dialog closes this long after completion
    int watchdog = 500;     // the power dialog checks the link this often
};
extern Link_Timing Link_Times;

class Link_Engine : public QObject
{
    Q_OBJECT

public:
    explicit Link_Engine(QObject *parent = nullptr);
    ~Link_Engine() override;

    QSerialPort *MSC;
    QTimer *Timer1;   // send
    QTimer *Timer2;   // response time-out
    QTimer *Timer3;   // retry pause
    QTimer *Timer4;   // the dialog's own: close timer or watchdog

    // Link state.
    Integer Tx_Frame[201] = {};
    Integer Tx_Len = 0;
    Integer Tx_Pos = 0;
    Integer Tx_Done = False_Flag;
    quint8 Rx_Buf[2001] = {};   // never cleared: bytes past the latest reception keep older contents
    Integer Linked = False_Flag;
    Integer Write_Mode = False_Flag;
    Integer Busy = False_Flag;
    Integer Block_No = 0;
    Integer Block_End = 0;
    Integer Retry_Left = 0;
    Integer Done_Flag = False_Flag;

    // Opens the port when it is closed (a failure shows the port message and sets Port_Error), then
    // sends the enter-programming frame. Does nothing while a transfer is running.
    void Start_Link(bool write_mode, int block_end);
    // Sends Tx_Frame[0 .. Tx_Len-1] after the send interval.
    void Send_Frame();
    // Throws away whatever the radio has sent that has not been read yet.
    void Discard_Input();
    // Writes one byte at once, outside the send timer (acknowledges and end bytes).
    void Write_Byte(int value);
    bool Port_Open() const;
    // Closes the port if it is open, after handing it what is still to be written.
    void Close_Port();
    // Stops the send, response and retry timers.
    void Stop_Timers();

    // Texts the link dialogs share, in the current language.
    static QString Busy_Start_Text();
    static QString Busy_Close_Text();
    static QString Fault_Text();

signals:
    void First_Step();
    void Next_Step();
    // The retries are used up and the failure message has been shown.
    void Link_Failed();

private slots:
    void MSC_OnComm();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

private:
    void Open_Port(bool write_mode);
    void Identify();

    QElapsedTimer Prepared;   // when the frame in Tx_Frame was handed to Send_Frame
};
