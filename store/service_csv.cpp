#include "service_csv.h"

#include "list_text.h"
#include "save_file.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <vector>

namespace {

enum Column : int {
    COL_LIST,
    COL_NUMBER,
    COL_NAME,
    COL_POSITION,
    COL_FREQUENCY,
    COL_POLARISATION,
    COL_SYMBOL_RATE,
    COL_SERVICE_ID,
    COL_NETWORK,
    COL_VIDEO_PID,
    COL_AUDIO_PID,
    COL_PCR_PID,
    COL_FLAGS,
    COL_COUNT
};
constexpr const char* kColumns[COL_COUNT] = {
    "list",       "number",  "name",      "position",  "frequency", "polarisation", "symbol_rate",
    "service_id", "network", "video_pid", "audio_pid", "pcr_pid",   "flags"};
constexpr const char* kDolby = "Dolby";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF"; // spreadsheets may start a file with it

using Record = std::vector<std::string>;

void AppendField(std::string& out, std::string_view field) {
    const bool bQuote = field.find_first_of(",\"\r\n") != std::string_view::npos ||
                        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!bQuote) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field)
        out += c == '"' ? "\"\"" : std::string_view(&c, 1);
    out += '"';
}

void AppendRecord(std::string& out, const Record& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        AppendField(out, fields[i]);
    }
    out += "\r\n";
}

Record ServiceRecord(const CChannelStore& store, const CNameCodec& names, BYTE nList, WORD nRow) {
    const SSVC_INFO& svc = *store.GetService(nRow, nList);
    const SServiceKey key = KeyOf(store, svc);
    Record r(COL_COUNT);
    r[COL_LIST] = kListNames[nList];
    r[COL_NUMBER] = std::to_string(nRow + 1);
    r[COL_NAME] = names.ToUtf8(NameOf(svc.szName));
    if (key.bSatellite)
        r[COL_POSITION] = FormatPosition(key.wPosition);
    if (key.wFrequency != 0) {
        r[COL_FREQUENCY] = std::to_string(key.wFrequency);
        if (key.bSatellite) {
            r[COL_POLARISATION] = key.bHorizontal ? "H" : "V";
            r[COL_SYMBOL_RATE] = std::to_string(key.wSymbolRate);
        }
    }
    r[COL_SERVICE_ID] = std::to_string(svc.wServiceId);
    r[COL_NETWORK] = names.ToUtf8(store.GetNetworkName(svc.wNetwork));
    r[COL_VIDEO_PID] = std::to_string(svc.wVideoPid);
    r[COL_AUDIO_PID] = std::to_string(svc.wAudioPid & AUDIO_PID_MASK);
    r[COL_PCR_PID] = std::to_string(svc.wPcrPid);
    r[COL_FLAGS] = FlagsText(svc.wFlags);
    if (svc.wAudioPid & AUDIO_DOLBY)
        r[COL_FLAGS] += (r[COL_FLAGS].empty() ? "" : " ") + std::string(kDolby);
    return r;
}

// Splits the text into records of fields. A quote may open a field only at its start, and a
// quoted field must end at a comma or the end of its line.
bool SplitRecords(std::string_view text, std::vector<Record>& records, SCsvError& error) {
    if (text.starts_with(kUtf8Mark))
        text.remove_prefix(kUtf8Mark.size());
    Record record;
    std::string field;
    bool bQuoted = false;  // the field began with a quote
    bool bInQuote = false; // inside that quote
    const auto fail = [&](const char* why) {
        error = {static_cast<int>(records.size()) + 1, static_cast<int>(record.size()) + 1, why};
        return false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (bInQuote) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (i + 1 < text.size() &&
                       std::string_view(",\r\n").find(text[i + 1]) == std::string_view::npos) {
                return fail("a quoted field goes on after its closing quote");
            } else {
                bInQuote = false;
            }
        } else if (c == '"') {
            if (bQuoted || !field.empty())
                return fail("a quote inside a field that does not begin with one");
            bQuoted = bInQuote = true;
        } else if (c == ',' || c == '\n' ||
                   (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            record.push_back(std::move(field));
            field.clear();
            bQuoted = false;
            if (c == '\r')
                ++i;
            if (c != ',') {
                records.push_back(std::move(record));
                record.clear();
            }
        } else {
            field += c;
        }
    }
    if (bInQuote)
        return fail("a quoted field is not closed");
    if (bQuoted || !field.empty() || !record.empty()) {
        record.push_back(std::move(field));
        records.push_back(std::move(record));
    }
    return true;
}

std::optional<unsigned> ParseUnsigned(std::string_view text, unsigned nMin, unsigned nMax) {
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || value < nMin ||
        value > nMax)
        return std::nullopt;
    return value;
}

// One data row, checked column by column.
class RowReader {
  public:
    RowReader(const Record& fields, const CNameCodec& names, int nRow, SCsvError& error)
        : m_fields(fields), m_names(names), m_nRow(nRow), m_error(error) {}

    bool Read(BYTE& nList, WORD& wNumber, SReferenceService& svc) {
        if (m_fields.size() != COL_COUNT)
            return Fail(static_cast<int>(std::min<std::size_t>(m_fields.size(), COL_COUNT)),
                        m_fields.size() < COL_COUNT ? "missing column" : "extra column");
        const std::optional<BYTE> list = ParseListName(m_fields[COL_LIST]);
        if (!list)
            return Fail(COL_LIST, "unknown list \"" + m_fields[COL_LIST] + "\"");
        nList = *list;
        svc.key.bSatellite = nList == LIST_SAT_TV || nList == LIST_SAT_RADIO;
        return Number(COL_NUMBER, 1, kMaxSatServices, wNumber) && Name(svc.strName) &&
               Tuning(svc.key) && Number(COL_SERVICE_ID, 0, 0xFFFF, svc.key.wServiceId) &&
               Number(COL_VIDEO_PID, 0, 0xFFFF) && Number(COL_AUDIO_PID, 0, AUDIO_PID_MASK) &&
               Number(COL_PCR_PID, 0, 0xFFFF) && Flags(svc.wFlags);
    }

    bool Fail(int nColumn, std::string text) {
        m_error = {m_nRow, nColumn + 1, std::move(text)};
        return false;
    }

  private:
    bool Name(std::string& bytes) {
        std::string why;
        return m_names.FromUtf8(m_fields[COL_NAME], bytes, why) || Fail(COL_NAME, why);
    }
    bool Number(int nColumn, unsigned nMin, unsigned nMax, WORD& value) {
        const std::optional<unsigned> n = ParseUnsigned(m_fields[nColumn], nMin, nMax);
        if (!n)
            return Fail(nColumn, "\"" + m_fields[nColumn] + "\" is not a number from " +
                                     std::to_string(nMin) + " to " + std::to_string(nMax));
        value = static_cast<WORD>(*n);
        return true;
    }
    bool Number(int nColumn, unsigned nMin, unsigned nMax) {
        WORD unused = 0;
        return Number(nColumn, nMin, nMax, unused);
    }
    bool Empty(int nColumn, const char* why) {
        return m_fields[nColumn].empty() || Fail(nColumn, why);
    }

    // Position, frequency, polarisation and symbol rate.
    bool Tuning(SServiceKey& key) {
        if (!key.bSatellite)
            return Empty(COL_POSITION, "a terrestrial service has no satellite position") &&
                   Empty(COL_POLARISATION, "a terrestrial service has no polarisation") &&
                   Empty(COL_SYMBOL_RATE, "a terrestrial service has no symbol rate") &&
                   (m_fields[COL_FREQUENCY].empty() ||
                    Number(COL_FREQUENCY, 1, 0xFFFF, key.wFrequency));
        const std::optional<WORD> position = ParsePosition(m_fields[COL_POSITION]);
        if (!position)
            return Fail(COL_POSITION, "\"" + m_fields[COL_POSITION] +
                                          "\" is not a satellite position such as 19.2E or 5.0W");
        key.wPosition = *position;
        if (m_fields[COL_FREQUENCY].empty())
            return Empty(COL_POLARISATION, "a polarisation needs a frequency") &&
                   Empty(COL_SYMBOL_RATE, "a symbol rate needs a frequency");
        const std::string& pol = m_fields[COL_POLARISATION];
        if (pol != "H" && pol != "V")
            return Fail(COL_POLARISATION, "\"" + pol + "\" is not H or V");
        key.bHorizontal = pol == "H";
        return Number(COL_FREQUENCY, 1, 0xFFFF, key.wFrequency) &&
               Number(COL_SYMBOL_RATE, 0, 0xFFFF, key.wSymbolRate);
    }

    bool Flags(WORD& wFlags) {
        std::string_view rest = m_fields[COL_FLAGS];
        while (!rest.empty()) {
            const std::size_t blank = rest.find(' ');
            const std::string_view word = rest.substr(0, blank);
            rest = blank == std::string_view::npos ? std::string_view{} : rest.substr(blank + 1);
            const auto* flag = std::find_if(std::begin(kFlagNames), std::end(kFlagNames),
                                            [&](const auto& f) { return word == f.second; });
            if (flag != std::end(kFlagNames))
                wFlags |= flag->first;
            else if (!word.empty() && word != kDolby)
                return Fail(COL_FLAGS, "unknown flag \"" + std::string(word) + "\"");
        }
        return true;
    }

    const Record& m_fields;
    const CNameCodec& m_names;
    int m_nRow;
    SCsvError& m_error;
};

bool CheckHeader(const Record& header, SCsvError& error) {
    for (int c = 0; c < COL_COUNT; ++c) {
        if (c >= static_cast<int>(header.size())) {
            error = {1, c + 1, std::string("missing column \"") + kColumns[c] + "\""};
            return false;
        }
        if (header[c] != kColumns[c]) {
            error = {1, c + 1, "\"" + header[c] + "\" where \"" + kColumns[c] + "\" belongs"};
            return false;
        }
    }
    if (header.size() > COL_COUNT) {
        error = {1, COL_COUNT + 1, "extra column \"" + header[COL_COUNT] + "\""};
        return false;
    }
    return true;
}

} // namespace

std::string WriteServicesCsv(const CChannelStore& store, const CNameCodec& names,
                             std::optional<BYTE> nOnlyList) {
    std::string out;
    AppendRecord(out, Record(std::begin(kColumns), std::end(kColumns)));
    for (BYTE list = 0; list < kListCount; ++list) {
        if (nOnlyList && *nOnlyList != list)
            continue;
        for (WORD row = 0; row < store.GetRowCount(list); ++row)
            AppendRecord(out, ServiceRecord(store, names, list, row));
    }
    return out;
}

std::string CsvErrorText(const SCsvError& error) {
    const char* column = error.nColumn >= 1 && error.nColumn <= COL_COUNT
                             ? kColumns[error.nColumn - 1]
                             : "beyond the columns";
    return "row " + std::to_string(error.nRow) + ", column " + std::to_string(error.nColumn) +
           " (" + column + "): " + error.strText;
}

bool ReadServicesCsv(std::string_view text, const CNameCodec& names, SReference& reference,
                     SCsvError& error) {
    std::vector<Record> records;
    if (!SplitRecords(text, records, error))
        return false;
    if (records.empty()) {
        error = {1, 1, "the file is empty"};
        return false;
    }
    if (!CheckHeader(records[0], error))
        return false;
    // Rows by number; the row that gave each number, to name both rows of a duplicate.
    std::array<std::vector<SReferenceService>, kListCount> byNumber;
    std::array<std::vector<int>, kListCount> rowOf;
    for (BYTE list = 0; list < kListCount; ++list) {
        byNumber[list].resize(kMaxSatServices + 1);
        rowOf[list].resize(kMaxSatServices + 1);
    }
    for (std::size_t r = 1; r < records.size(); ++r) {
        const int nRow = static_cast<int>(r) + 1;
        if (records[r].size() == 1 && records[r][0].empty())
            continue; // a blank line
        RowReader reader(records[r], names, nRow, error);
        BYTE list = 0;
        WORD number = 0;
        SReferenceService svc;
        if (!reader.Read(list, number, svc))
            return false;
        if (rowOf[list][number] != 0)
            return reader.Fail(COL_NUMBER, std::string(kListNames[list]) + " number " +
                                               std::to_string(number) + " is on row " +
                                               std::to_string(rowOf[list][number]) + " too");
        rowOf[list][number] = nRow;
        byNumber[list][number] = std::move(svc);
    }
    for (BYTE list = 0; list < kListCount; ++list) {
        reference[list].clear();
        for (std::size_t n = 1; n < byNumber[list].size(); ++n) {
            if (rowOf[list][n] != 0)
                reference[list].push_back(std::move(byNumber[list][n]));
        }
    }
    return true;
}

bool WriteCsvFile(const std::string& path, std::string_view text, std::string& error) {
    std::string reason;
    if (SaveFileAtomically(path, text, reason) == ESaveStep::Done)
        return true;
    error = "cannot write " + path + ": " + reason;
    return false;
}

bool IsCsvPath(std::string_view path) {
    const std::size_t nDot = path.rfind('.');
    if (nDot == std::string_view::npos || path.find('/', nDot) != std::string_view::npos)
        return false;
    const std::string_view ext = path.substr(nDot + 1);
    return ext.size() == 3 && std::equal(ext.begin(), ext.end(), "csv",
                                         [](char a, char b) { return (a | 0x20) == b; });
}

bool ReadReference(const std::string& path, bool bCsv, const CNameCodec& names,
                   SReference& reference, std::string& error) {
    if (!bCsv) {
        CChannelStore store;
        store.SetPathName(path);
        if (!store.ReadDataFile()) {
            error = path + ": " + store.GetLastFileError();
            return false;
        }
        reference = ReferenceFromStore(store);
        return true;
    }
    std::string text;
    SCsvError csvError;
    if (!ReadWholeFile(path, text, error))
        return false;
    if (!ReadServicesCsv(text, names, reference, csvError)) {
        error = path + ": " + CsvErrorText(csvError);
        return false;
    }
    return true;
}
