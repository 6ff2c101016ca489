// zdftool's serial commands: ports, and send and receive with their messages, exit codes, Ctrl-C
// handling and progress bar around a transfer through a serial port.
#pragma once

#include "serial_devices.h"
#include "transfer_protocol.h"

#include <iosfwd>
#include <string>
#include <vector>

// zdftool's "ports": each device's name, description, path and by-id link, as a table or JSON.
void WritePorts(const std::vector<SSerialDevice>& devices, bool bJson, std::ostream& out);

// zdftool's "send PORT FILE" (PC to STB) and "receive PORT FILE" (STB to PC). FILE is a data
// file when it ends in ".zdf", otherwise the bare 0x33000-byte transfer image. Progress goes to
// err as a bar, the result to out. Ctrl-C cancels. A receive writes nothing unless the whole
// image arrived. Returns the process exit code: 0 on success.
int RunTransferCommand(UINT nDirection, const std::string& strPort, const std::string& strFile,
                       std::ostream& out, std::ostream& err);
