#include "port_map.h"

#include <QCollator>
#include <QSerialPortInfo>

#include <algorithm>

QStringList Serial_Devices()
{
    QList<QSerialPortInfo> usb;
    QList<QSerialPortInfo> other;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        const QString name = info.portName();
        if (name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM")))
            usb.append(info);
        else
            other.append(info);
    }
    // Numbers inside names count as numbers, so ttyUSB2 comes before ttyUSB10.
    QCollator order(QLocale::c());
    order.setNumericMode(true);
    const auto by_name = [&order](const QSerialPortInfo &a, const QSerialPortInfo &b) {
        return order.compare(a.portName(), b.portName()) < 0;
    };
    std::sort(usb.begin(), usb.end(), by_name);
    std::sort(other.begin(), other.end(), by_name);
    QStringList out;
    for (const QSerialPortInfo &info : std::as_const(usb) + other)
        out.append(info.systemLocation());
    return out;
}

QString Port_Device(int n)
{
    if (n < 1 || n > Port_Count)
        return QString();
#ifdef Q_OS_WIN
    return QStringLiteral("COM") + QString::number(n);
#else
    const auto setting = [](int k) {
        return qEnvironmentVariable(qPrintable(QStringLiteral("RADIOPROG_COM") + QString::number(k)))
            .trimmed();
    };
    const QString own = setting(n);
    if (!own.isEmpty())
        return own;

    QStringList named;
    for (int k = 1; k <= Port_Count; ++k)
        if (!setting(k).isEmpty())
            named.append(setting(k));
    QStringList free;
    for (const QString &dev : Serial_Devices())
        if (!named.contains(dev))
            free.append(dev);
    // The k-th number without a setting gets the k-th free device.
    int rank = 0;
    for (int k = 1; k < n; ++k)
        if (setting(k).isEmpty())
            ++rank;
    return rank < free.size() ? free.at(rank) : QString();
#endif
}
