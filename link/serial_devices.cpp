#include "serial_devices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>

namespace {

const char kByIdFolder[] = "/dev/serial/by-id";

QString Canonical(const std::string& strPath) {
    return QFileInfo(QString::fromStdString(strPath)).canonicalFilePath();
}

SSerialDevice FromInfo(const QSerialPortInfo& info) {
    SSerialDevice device;
    device.strName = info.portName().toStdString();
    device.strDescription = info.description().toStdString();
    device.strManufacturer = info.manufacturer().toStdString();
    device.strSerialNumber = info.serialNumber().toStdString();
    if (info.hasVendorIdentifier())
        device.nVendorId = info.vendorIdentifier();
    if (info.hasProductIdentifier())
        device.nProductId = info.productIdentifier();
    device.strPath = info.systemLocation().toStdString();
    device.strById = FindLinkTo(kByIdFolder, device.strPath);
    return device;
}

} // namespace

std::string DeviceIdentity(const SSerialDevice& device) {
    return device.strSerialNumber.empty() || device.strById.empty() ? device.strPath
                                                                    : device.strById;
}

std::string DeviceLabel(const std::string& strName, const std::string& strDescription) {
    return strDescription.empty() ? strName : strName + " (" + strDescription + ")";
}

std::vector<SSerialDevice> CSystemSerialDevices::Devices() const {
    std::vector<SSerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices.push_back(FromInfo(info));
    return devices;
}

const ISerialDeviceList& SystemSerialDevices() {
    static const CSystemSerialDevices devices;
    return devices;
}

std::string FindLinkTo(const std::string& strFolder, const std::string& strDevicePath) {
    const QString target = Canonical(strDevicePath);
    if (target.isEmpty())
        return {};
    const QFileInfoList links = QDir(QString::fromStdString(strFolder))
                                    .entryInfoList(QDir::System | QDir::Files, QDir::Name);
    for (const QFileInfo& link : links)
        if (link.isSymLink() && link.canonicalFilePath() == target)
            return link.absoluteFilePath().toStdString();
    return {};
}

std::string FindDevicePath(const std::vector<SSerialDevice>& devices, const std::string& strPort) {
    const auto it = std::find_if(devices.begin(), devices.end(), [&](const SSerialDevice& d) {
        return strPort == d.strName || strPort == d.strPath ||
               (!d.strById.empty() && strPort == d.strById);
    });
    return it == devices.end() ? strPort : it->strPath;
}

const SSerialDevice* FindDevice(const std::vector<SSerialDevice>& devices,
                                const std::string& strIdentity) {
    const auto it = std::find_if(devices.begin(), devices.end(), [&](const SSerialDevice& d) {
        return DeviceIdentity(d) == strIdentity;
    });
    return it == devices.end() ? nullptr : &*it;
}

std::string DeviceName(const std::string& strPath) {
    QSerialPort port;
    port.setPortName(QString::fromStdString(strPath));
    return port.portName().toStdString();
}

// Every open file of a process is a link in /proc/<pid>/fd; only this user's processes can be
// looked into, so a holder run by another user (ModemManager, as root) stays unnamed.
std::string DeviceHolder(const std::string& strPath) {
    const QString target = Canonical(strPath);
    if (target.isEmpty())
        return {};
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& pid : processes) {
        bool bNumber = false;
        pid.toLongLong(&bNumber);
        if (!bNumber)
            continue;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        const QFileInfoList links = fds.entryInfoList(QDir::System | QDir::Files);
        const bool bHolds = std::any_of(links.begin(), links.end(), [&](const QFileInfo& fd) {
            return fd.symLinkTarget() == target;
        });
        if (!bHolds)
            continue;
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        const QString name = comm.open(QIODevice::ReadOnly)
                                 ? QString::fromLocal8Bit(comm.readAll()).trimmed()
                                 : QString();
        return (name.isEmpty() ? QStringLiteral("process %1").arg(pid)
                               : QStringLiteral("%1 (process %2)").arg(name, pid))
            .toStdString();
    }
    return {};
}
