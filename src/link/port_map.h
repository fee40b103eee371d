#pragma once
// Which serial device a port number COM1..COM8 means on this machine.
//
// On Windows COMn is COMn. Elsewhere COMn is the device named by the environment variable
// RADIOPROG_COM<n> when it is set (a simulated radio, or a cable the user wants on a fixed number);
// the numbers without such a setting take the serial ports the system lists, USB adapters (ttyUSB*,
// ttyACM*) first and then the others, each group in name order, skipping devices already named by a
// setting.
#include <QString>
#include <QStringList>

constexpr int Port_Count = 8;

// Device for COMn (n = 1..8), or an empty text when nothing is attached to that number.
QString Port_Device(int n);

// The serial ports the system lists, in the order they are given out to port numbers.
QStringList Serial_Devices();
