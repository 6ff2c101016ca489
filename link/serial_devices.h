// The serial devices of this machine as the system describes them (USB adapters, built-in
// ports), and how a port that the user names is found among them.
#pragma once

#include <string>
#include <vector>

struct SSerialDevice {
    std::string strName;        // "ttyUSB0"
    std::string strDescription; // "FT232R USB UART"; empty when the system tells nothing
    std::string strManufacturer;
    std::string strSerialNumber;
    int nVendorId = -1; // -1: unknown
    int nProductId = -1;
    std::string strPath; // "/dev/ttyUSB0"
    std::string strById; // its link in /dev/serial/by-id, empty when it has none

    bool operator==(const SSerialDevice&) const = default;
};

// What is kept to find a device again: an adapter with a serial number keeps its by-id link,
// which stays the same when the adapter comes back under another ttyUSB number; anything else
// its path.
std::string DeviceIdentity(const SSerialDevice& device);
// "ttyUSB0 (FT232R USB UART)", or the name alone when there is no description.
std::string DeviceLabel(const std::string& strName, const std::string& strDescription);

class ISerialDeviceList {
  public:
    virtual ~ISerialDeviceList() = default;
    virtual std::vector<SSerialDevice> Devices() const = 0;
};

// The devices QSerialPortInfo lists, each with its by-id link.
class CSystemSerialDevices : public ISerialDeviceList {
  public:
    std::vector<SSerialDevice> Devices() const override;
};
const ISerialDeviceList& SystemSerialDevices();

// The link in strFolder that leads to strDevicePath, as a path; empty when none does.
std::string FindLinkTo(const std::string& strFolder, const std::string& strDevicePath);

// The device a port named by the user means: a listed device by its name, its by-id link or its
// path gives that device's path; anything else is taken as a device name or path as it is.
std::string FindDevicePath(const std::vector<SSerialDevice>& devices, const std::string& strPort);
// The listed device with that identity, or null.
const SSerialDevice* FindDevice(const std::vector<SSerialDevice>& devices,
                                const std::string& strIdentity);

// The device's short name as the serial port names it: "/dev/pts/3" is "pts/3".
std::string DeviceName(const std::string& strPath);

// The program that holds the device open, "minicom (process 1234)", when the system lets this
// user see it; empty otherwise.
std::string DeviceHolder(const std::string& strPath);
