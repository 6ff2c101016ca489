// The lists as CSV: names and positions as texts, the file written, read back, and refused.
#include "list_text.h"
#include "service_csv.h"
#include "store_builders.h"

#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

TEST(ListTexts, PositionsWrittenAndReadBack) {
    const std::pair<WORD, const char*> written[] = {
        {0, "0.0E"},      {192, "19.2E"}, {1799, "179.9E"}, {1800, "180.0W"},
        {1850, "175.0W"}, {3550, "5.0W"}, {3599, "0.1W"},   {3600, "invalid (3600)"}};
    for (const auto& [pos, text] : written) {
        EXPECT_EQ(FormatPosition(pos), text) << pos;
        EXPECT_EQ(ParsePosition(text), pos < 3600 ? std::optional<WORD>(pos) : std::nullopt);
    }
    for (const char* bad : {"19.2", "19E", "180.0E", "0.0W", "180.1W", "-1.0E", "19.25E", ".5E",
                            "1a.2E", "19.2e", "1234.5E"})
        EXPECT_EQ(ParsePosition(bad), std::nullopt) << bad;
}

TEST(ListTexts, NameTextsReadBackOrRefused) {
    // the text, its bytes (null when refused), why it is refused
    const std::tuple<std::string_view, const char*, const char*> cases[] = {
        {"\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9"
         "\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9", // sixteen letters of two bytes
         "\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9", ""},
        {"Seventeen letters", nullptr, "\"Seventeen letters\" is longer than 16 characters"},
        {"\u0141\u00F3d\u017A", nullptr,
         "d\u017A\" cannot be stored in Western (ISO 8859-1): it has no \u0141 \u017A"},
        {"\xF4\x8F\xBF\xBF", nullptr, "it has no"}, // the last code point
        {"\uFFFD9F\uFFFD9F", "\x9F\x9F", ""},       // marks of the control bytes
        {"\uFFFDA0", nullptr, "it has no \uFFFD"},  // a byte the set has is no mark
        {"Caf\xC3", nullptr, "not UTF-8"},
        {"\xC0\x80", nullptr, "not UTF-8"},   // overlong NUL
        {"\xE2\x82 x", nullptr, "not UTF-8"}, // cut short
        {std::string_view("Ki\0te", 5), nullptr, "a name cannot hold a NUL character"},
    };
    for (const auto& [text, expected, reason] : cases) {
        std::string bytes, why;
        EXPECT_EQ(CNameCodec().FromUtf8(text, bytes, why), expected != nullptr) << text;
        EXPECT_EQ(bytes, expected ? expected : "") << text;
        EXPECT_THAT(why, HasSubstr(reason)) << text;
        EXPECT_TRUE(!expected || CNameCodec().ToUtf8(expected) == text) << text;
    }
}

// 19.2E 11494 H and 5.0W 10700 V; MUX 1 at 474; network 1. A satellite TV name that needs
// quoting, one on a transponder the store lacks, a radio name with a leading blank and a
// terrestrial service without a network.
void FillOdd(CChannelStore& store) {
    const BYTE a = AppendSat(store, 192);
    const BYTE b = AppendSat(store, 3550);
    AppendTp(store, a, 11494, 27500, 1);
    AppendTp(store, b, 10700, 22000);
    store.AddMux(MakeMux(1, 474));
    store.AddNetwork(MakeNetwork(1, "Net, One"));
    SSVC_INFO quoted =
        MakeService(a, 1, 101, "Say \"hi\", all", FLAG_LOCK | FLAG_CA | FLAG_FAV1, 1);
    quoted.wVideoPid = 256;
    quoted.wAudioPid = AUDIO_DOLBY | 257;
    quoted.wPcrPid = 8190;
    store.AddSatService(ADD_ORDERED, quoted);
    store.AddSatService(ADD_ORDERED, MakeService(a, 9, 102, "Caf\xE9 +", FLAG_FAV4, 1));
    store.AddSatService(ADD_ORDERED, MakeService(b, 1, 103, " Lead", FLAG_RADIO));
    store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 104, "Kite"));
    store.Rebuild();
}

const char* const kOddCsv =
    "list,number,name,position,frequency,polarisation,symbol_rate,service_id,network,video_pid,"
    "audio_pid,pcr_pid,flags\r\n"
    "satellite-tv,1,\"Say \"\"hi\"\", all\",19.2E,11494,H,27500,101,\"Net, One\",256,257,8190,"
    "Lock CA Fav1 Dolby\r\n"
    "satellite-tv,2,Caf\u00E9 +,19.2E,,,,102,\"Net, One\",0,0,0,Fav4\r\n"
    "satellite-radio,1,\" Lead\",5.0W,10700,V,22000,103,Unknown,0,0,0,\r\n"
    "terrestrial-tv,1,Kite,,474,,,104,Unknown,0,0,0,\r\n";

TEST(ServiceCsv, WrittenAsTheFormatHasIt) {
    CChannelStore store;
    FillOdd(store);
    EXPECT_EQ(WriteServicesCsv(store, CNameCodec(), std::nullopt), kOddCsv);
}

TEST(ServiceCsv, FaultsAreRefusedWithRowAndColumn) {
    // a text of kOddCsv, what replaces it, the error's row, column and words
    const std::tuple<const char*, const char*, int, int, const char*> cases[] = {
        {"pcr_pid,flags", "pcr_pid", 1, 13, "missing column \"flags\""},
        {"pcr_pid,flags", "pcr_pid,flags,more", 1, 14, "extra column \"more\""},
        {"symbol_rate", "rate", 1, 7, "\"rate\" where \"symbol_rate\" belongs"},
        {",0,0,0,Fav4", ",0,0,0", 3, 13, "missing column"},
        {"\"Net, One\",0,0,0,Fav4", "Net, One,0,0,0,Fav4", 3, 14, "extra column"},
        {"satellite-radio,1,", "satellite-hd,1,", 4, 1, "unknown list \"satellite-hd\""},
        {"terrestrial-tv,1,", "terrestrial-tv,4049,", 5, 2, "from 1 to 4048"},
        {"Kite", "\u0141\u00F3d\u017A", 5, 3, "cannot be stored in Western (ISO 8859-1)"},
        {"Kite", "A name of 17 char", 5, 3, "longer than 16 characters"},
        {"5.0W", "5.0 W", 4, 4, "\"5.0 W\" is not a satellite position"},
        {",,474,,,", ",19.2E,474,,,", 5, 4, "a terrestrial service has no satellite position"},
        {"474,,,", "474,V,,", 5, 6, "a terrestrial service has no polarisation"},
        {"10700,V,", "10700,X,", 4, 6, "\"X\" is not H or V"},
        {"19.2E,,,,", "19.2E,,H,,", 3, 6, "a polarisation needs a frequency"},
        {"10700,V,22000", "10700,V,", 4, 7, "\"\" is not a number from 0 to 65535"},
        {"11494", "70000", 2, 5, "\"70000\" is not a number from 1 to 65535"},
        {",256,257,", ",256,16384,", 2, 11, "from 0 to 16383"},
        {"Lock CA Fav1 Dolby\r\n", "Lock Fav5\n", 2, 13, "unknown flag \"Fav5\""}, // LF ends it
        {"satellite-tv,2,", "satellite-tv,1,", 3, 2, "satellite-tv number 1 is on row 2 too"},
        {"104,Unknown,0,0,0,", "104,Unknown,0,0,0,\"Lock", 5, 13, "a quoted field is not closed"},
        {"104,Unknown,0,0,0,\r\n", "104,Unknown,0,0,0,\r\nlone", 6, 2, "missing column"},
        {"104,Unknown,0,0,0,\r\n", "104,Unknown,0,0,0,\r", 5, 13, "unknown flag"}, // a lone CR
        {"Caf\u00E9 +", "\"Caf\"\u00E9", 3, 3, "goes on after its closing quote"},
        {"Caf\u00E9 +", "Caf\"\u00E9", 3, 3, "a quote inside a field"},
    };
    for (const auto& [from, to, row, column, why] : cases) {
        std::string text = kOddCsv;
        ASSERT_NE(text.find(from), std::string::npos) << from;
        text.replace(text.find(from), std::strlen(from), to);
        SReference reference;
        SCsvError error;
        EXPECT_FALSE(ReadServicesCsv(text, CNameCodec(), reference, error)) << to;
        EXPECT_EQ(std::tuple(error.nRow, error.nColumn), std::tuple(row, column)) << to;
        EXPECT_THAT(error.strText, HasSubstr(why)) << to;
    }
    EXPECT_EQ(CsvErrorText({3, 14, "extra column"}),
              "row 3, column 14 (beyond the columns): extra column");
    EXPECT_EQ(CsvErrorText({4, 1, "unknown list"}), "row 4, column 1 (list): unknown list");
    EXPECT_EQ(CsvErrorText({2, 13, "unknown flag"}), "row 2, column 13 (flags): unknown flag");
}

// A file that cannot be written says which (zdftool's tests write and read whole ones).
TEST(ServiceCsv, FileThatCannotBeWritten) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("no/such.csv").toStdString();
    std::string error;
    EXPECT_FALSE(WriteCsvFile(path, kOddCsv, error));
    EXPECT_THAT(error, HasSubstr("cannot write " + path + ": "));
}

} // namespace
