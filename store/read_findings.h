// The image's sections, and what reading an image dropped or where it stopped before a
// section's end, by the reader's own rules. Tools print the findings; the editor tells the user.
#pragma once

#include "records.h"

#include <string>
#include <vector>

enum class EImageSection : BYTE { Satellites, Networks, Transponders, Services };

struct SImageSection {
    EImageSection id;
    const char* pszName; // as a finding names it: "service block 9"
    int nFirstBlock;
    int nBlocks;
    int nPerBlock; // records a block holds
    int nRecordSize;
};

inline constexpr SImageSection kImageSections[] = {
    {EImageSection::Satellites, "satellite", 0, 1, 120, 32},
    {EImageSection::Networks, "network", 1, 2, 204, 20},
    {EImageSection::Transponders, "transponder", 3, 4, 340, 12},
    {EImageSection::Services, "service", 7, 44, 92, 44},
};

constexpr const SImageSection& ImageSection(EImageSection id) {
    return kImageSections[static_cast<int>(id)];
}

enum class EReadFinding : BYTE {
    ImageShort,     // the data file's image holds only nValue bytes
    BlockEmpty,     // block 0 is all zero: nothing is read
    BlockBad,       // a block with data fails its checksum: its section ends there
    BlockUnread,    // a block with data after the empty block nValue that ended its section
    SatMark,        // block 0 carries the mark nValue instead of the satellite section's
    SatVersion,     // block 0 carries the format version nValue, neither 1 nor 2
    SatNoCount,     // block 0 counts no records
    CountTooHigh,   // a block claims nValue records, more than it holds
    BeyondCount,    // a block counts nValue records but holds data after them
    SatIndex,       // satellites whose index (the first: nValue) lies outside 2 to 120
    MuxIndex,       // MUXes whose index (the first: nValue) is 0 or above 100
    MuxRepeated,    // MUXes whose index (the first: nValue) was read before: they replace it
    TpSatellite,    // transponders of a satellite that is not loaded (the first: nValue)
    TpLimit,        // transponders beyond the 255 of one satellite
    NoTransponders, // no transponder loaded: the service section is not read
    SvcNumber,      // satellite services numbered above 4048 (the first: nValue)
    SvcSatellite,   // satellite services of a satellite that is not loaded (the first: nValue)
    SvcTransponder, // satellite services with transponder index 0
    SvcListFull,    // services beyond the nValue rows their list holds
    SvcDeleted,     // services that carry the deleted flag
};

// Findings about records count every record of one kind in the section: nBlock is the block of
// the first, nLastBlock that of the last.
struct SReadFinding {
    EReadFinding kind;
    EImageSection section;
    int nBlock = 0;
    int nLastBlock = 0;
    int nValue = 0;
    int nRecords = 0;

    // Block 0 was rejected: the image gave nothing at all.
    bool RejectsImage() const;
};

// Adds a finding, or counts it into the one of the same kind and section.
void NoteReadFinding(std::vector<SReadFinding>& findings, const SReadFinding& finding);

// One line that names the section and what the reader drops.
std::string ReadFindingText(const SReadFinding& finding);
