// The files a transfer starts from or ends in: a data file (".zdf") or the bare transfer image.
#pragma once

#include "records.h"

#include <string>
#include <vector>

// Whether the path names a data file rather than a bare image (by its ".zdf" ending, any case).
bool IsDataFilePath(const std::string& strPath);

// Reads the image to send: a data file's channels are built into it as PC->STB does; a bare
// image must be exactly 0x33000 bytes.
bool LoadTransferImage(const std::string& strPath, std::vector<BYTE>& image, std::string& strError);

// Stores a received image, atomically: nothing is written when it fails. A data file is written
// only when the image parses into a channel database.
bool SaveTransferImage(const std::string& strPath, const std::vector<BYTE>& image,
                       std::string& strError);
