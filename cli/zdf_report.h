// What zdftool knows about one data file: the loaded store, and the state of each image block.
#pragma once

#include "channel_store.h"
#include "list_text.h"
#include "name_codec.h"

#include <array>
#include <ostream>
#include <string>

inline constexpr int kImageBlocks = 51;

enum class BlockState { Ok, Empty, Bad, Unread, Missing };

struct FileReport {
    std::string strMagic; // the header's first four bytes as the file has them
    WORD nHeaderLength = 0;
    bool bShifted = false; // "ZEPH": the blocks start one block further on
    int nDecodedBytes = 0; // image bytes the encoded part gave
    std::array<BlockState, kImageBlocks> blocks{};
};

// Reads the file into `store` and inspects its image. False with `error` set when the file
// cannot be read at all (missing, empty, not a data file, damaged encoding).
bool LoadDataFile(const std::string& path, CChannelStore& store, FileReport& report,
                  std::string& error);

// Empty when the file is sound; otherwise one line saying what its reading dropped first.
std::string CheckProblem(const CChannelStore& store);

void WriteInfo(std::ostream& out, const CChannelStore& store, const FileReport& report);
// Names are read through `names`; a byte the set lacks shows as its mark.
void WriteDumpText(std::ostream& out, const CChannelStore& store, const CNameCodec& names);
void WriteDumpJson(std::ostream& out, const CChannelStore& store, const CNameCodec& names);
