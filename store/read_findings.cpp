#include "read_findings.h"

#include "channel_store.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Printf(const char* format, auto... args) {
    char buf[256];
    std::snprintf(buf, sizeof buf, format, args...);
    return buf;
}

// "service block 9", or "service blocks 9-12" when records of one kind lie in several.
std::string Where(const SReadFinding& f) {
    const char* name = ImageSection(f.section).pszName;
    if (f.nLastBlock > f.nBlock)
        return Printf("%s blocks %d-%d", name, f.nBlock, f.nLastBlock);
    return Printf("%s block %d", name, f.nBlock);
}

// "3 records ...: they are dropped" with the words for one record or several.
std::string Records(const SReadFinding& f, const std::string& which) {
    return Printf("%s holds %d record%s %s: %s", Where(f).c_str(), f.nRecords,
                  f.nRecords == 1 ? "" : "s", which.c_str(),
                  f.nRecords == 1 ? "it is dropped" : "they are dropped");
}

// What a count past the block's room costs: the reader's rule for each section.
const char* OverflowLoss(EImageSection section) {
    switch (section) {
    case EImageSection::Networks:
        return "every network name is dropped";
    case EImageSection::Transponders:
        return "every transponder and service is dropped";
    case EImageSection::Services:
        return "it and every later service block are dropped";
    case EImageSection::Satellites:
        break;
    }
    return "the section is dropped";
}

} // namespace

bool SReadFinding::RejectsImage() const {
    switch (kind) {
    case EReadFinding::BlockEmpty:
    case EReadFinding::SatMark:
    case EReadFinding::SatVersion:
    case EReadFinding::SatNoCount:
        return true;
    case EReadFinding::BlockBad:
        return section == EImageSection::Satellites;
    default:
        return false;
    }
}

void NoteReadFinding(std::vector<SReadFinding>& findings, const SReadFinding& finding) {
    const auto same = std::find_if(findings.begin(), findings.end(), [&](const SReadFinding& f) {
        return f.kind == finding.kind && f.section == finding.section;
    });
    if (same == findings.end()) {
        findings.push_back(finding);
        return;
    }
    same->nLastBlock = finding.nLastBlock;
    same->nRecords += finding.nRecords;
}

std::string ReadFindingText(const SReadFinding& f) {
    const std::string where = Where(f);
    const char* name = ImageSection(f.section).pszName;
    switch (f.kind) {
    case EReadFinding::ImageShort:
        return Printf("the file is truncated: its image holds %d of %u bytes", f.nValue,
                      kImageBufferSize);
    case EReadFinding::BlockEmpty:
        return where + " is empty: nothing is read";
    case EReadFinding::BlockBad:
        if (f.section == EImageSection::Satellites)
            return where + " fails its checksum: nothing is read";
        return Printf("%s fails its checksum: it and any later %s block are not read",
                      where.c_str(), name);
    case EReadFinding::BlockUnread:
        return Printf("%s is never read: the empty block %d before it ends the section",
                      where.c_str(), f.nValue);
    case EReadFinding::SatMark:
        return Printf("%s carries the mark 0x%02X instead of 0xAC: nothing is read", where.c_str(),
                      f.nValue);
    case EReadFinding::SatVersion:
        return Printf("%s carries format version %d (1 or 2 are read): nothing is read",
                      where.c_str(), f.nValue);
    case EReadFinding::SatNoCount:
        return where + " counts no records: nothing is read";
    case EReadFinding::CountTooHigh:
        return Printf("%s claims %d records (at most %d): %s", where.c_str(), f.nValue,
                      ImageSection(f.section).nPerBlock, OverflowLoss(f.section));
    case EReadFinding::BeyondCount:
        return Printf("%s counts %d records but holds more after them: they are not read",
                      where.c_str(), f.nValue);
    case EReadFinding::SatIndex:
        return Records(
            f, Printf("whose satellite index is outside 2 to 120 (the first: %d)", f.nValue));
    case EReadFinding::MuxIndex:
        return Records(f, Printf("with a MUX index of 0 or above 100 (the first: %d)", f.nValue));
    case EReadFinding::MuxRepeated:
        return Printf("%s holds %d MUX record%s whose index was read before (the first: %d): "
                      "each replaces the earlier one",
                      where.c_str(), f.nRecords, f.nRecords == 1 ? "" : "s", f.nValue);
    case EReadFinding::TpSatellite:
    case EReadFinding::SvcSatellite:
        return Records(f,
                       Printf("of a satellite that is not loaded (the first: index %d)", f.nValue));
    case EReadFinding::TpLimit:
        return Records(f, "beyond the 255 transponders of one satellite");
    case EReadFinding::NoTransponders:
        return "no transponder is loaded: no service is read";
    case EReadFinding::SvcNumber:
        return Records(f, Printf("numbered above 4048 (the first: %d)", f.nValue));
    case EReadFinding::SvcTransponder:
        return Records(f, "with transponder index 0");
    case EReadFinding::SvcListFull:
        return Records(f, Printf("beyond the %d services their list holds", f.nValue));
    case EReadFinding::SvcDeleted:
        return Records(f, "marked as deleted");
    }
    return where;
}
