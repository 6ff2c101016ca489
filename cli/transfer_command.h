// zdftool's send and receive commands: its messages, exit codes, Ctrl-C handling and progress
// bar around a transfer through a serial port.
#pragma once

#include "transfer_protocol.h"

#include <iosfwd>
#include <string>

// zdftool's "send PORT FILE" (PC to STB) and "receive PORT FILE" (STB to PC). FILE is a data
// file when it ends in ".zdf", otherwise the bare 0x33000-byte transfer image. Progress goes to
// err as a bar, the result to out. Ctrl-C cancels. A receive writes nothing unless the whole
// image arrived. Returns the process exit code: 0 on success.
int RunTransferCommand(UINT nDirection, const std::string& strPort, const std::string& strFile,
                       std::ostream& out, std::ostream& err);
