// The names' character sets: every byte as text and back, a text of each set, the CSV round trip,
// and the set a language starts with.
#include "name_codec.h"
#include "service_csv.h"
#include "store_builders.h"

#include <gtest/gtest.h>

namespace {

// Each set: the bytes from 0x80 up that it shows as marks (DEL is a mark in all), one of its
// texts and that text's bytes.
const struct {
    ECharset set;
    std::string_view marked;
    const char* text;
    std::string_view bytes;
} kSets[] = {
    {ECharset::Windows1252, "\x81\x8D\x8F\x90\x9D", "€ Œuvre", "\x80 \x8Cuvre"},
    {ECharset::Windows1250, "\x81\x83\x88\x90\x98", "Łódź", "\xA3\xF3\x64\x9F"},
    {ECharset::Windows1251, "\x98", "Первый", "\xCF\xE5\xF0\xE2\xFB\xE9"},
    {ECharset::Windows1253, "\x81\x88\x8A\x8C\x8D\x8E\x8F\x90\x98\x9A\x9C\x9D\x9E\x9F\xAA\xD2\xFF",
     "Ελλάς", "\xC5\xEB\xEB\xDC\xF2"},
    {ECharset::Windows1254, "\x81\x8D\x8E\x8F\x90\x9D\x9E", "İstanbul", "\xDDstanbul"},
    {ECharset::Windows1255,
     "\x81\x8A\x8C\x8D\x8E\x8F\x90\x9A\x9C\x9D\x9E\x9F\xCA\xD9\xDA\xDB\xDC\xDD\xDE\xDF\xFB\xFC\xFF",
     "שלום", "\xF9\xEC\xE5\xED"},
    {ECharset::Windows1256, "", "سلام", "\xD3\xE1\xC7\xE3"},
    {ECharset::Windows1257, "\x81\x83\x88\x8A\x8C\x90\x98\x9A\x9C\x9F\xA1\xA5", "Šiaulių",
     "\xD0iauli\xF8"},
    // A letter with a tone mark the set has no byte for is the letter and the mark.
    {ECharset::Windows1258, "\x81\x8A\x8D\x8E\x8F\x90\x9A\x9D\x9E", "Việt", "Vi\xEA\xF2t"},
    // Its bytes 0x80-0x9F are control characters.
    {ECharset::Iso8859_1,
     "\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E\x8F"
     "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9D\x9E\x9F",
     "Café", "Caf\xE9"},
};

TEST(NameCodec, EachSetReadsEveryByteAndBack) {
    for (const auto& c : kSets) {
        const CNameCodec names(c.set);
        const char* pszSet = CharsetOf(c.set).pszName;
        std::string all; // 0x20-0xFF, as the names of one list
        for (int b = 0x20; b <= 0xFF; ++b) {
            const std::string byte(1, static_cast<char>(b));
            const std::string text = names.ToUtf8(byte);
            std::string back, error;
            EXPECT_TRUE(names.FromUtf8(text, back, error) && back == byte) << pszSet << " " << b;
            const bool bMarked = b == 0x7F || c.marked.find(byte) != std::string_view::npos;
            EXPECT_EQ(text.starts_with("\uFFFD"), bMarked) << pszSet << " " << b << " " << text;
            all += byte;
        }
        std::string bytes, error;
        EXPECT_TRUE(names.FromUtf8(c.text, bytes, error)) << error;
        EXPECT_EQ(bytes, c.bytes) << pszSet;

        // Written as CSV and read back, every name keeps its bytes.
        std::vector<std::string> written;
        for (std::size_t i = 0; i < all.size(); i += kNameSize - 1)
            written.push_back(all.substr(i, kNameSize - 1));
        CChannelStore store;
        FillSatTv(store, written);
        SReference reference;
        SCsvError csvError;
        ASSERT_TRUE(ReadServicesCsv(WriteServicesCsv(store, names, std::nullopt), names, reference,
                                    csvError))
            << pszSet << " " << CsvErrorText(csvError);
        std::vector<std::string> read;
        for (const SReferenceService& service : reference[LIST_SAT_TV])
            read.push_back(service.strName);
        EXPECT_EQ(read, RowNames(store, LIST_SAT_TV)) << pszSet;
    }
}

TEST(NameCharsets, NamedAndChosenByLanguage) {
    const std::pair<const char*, ECharset> languages[] = {
        {"ru_RU.UTF-8", ECharset::Windows1251},
        {"uk", ECharset::Windows1251},
        {"sr_RS@latin", ECharset::Windows1251},
        {"MK_mk", ECharset::Windows1251},
        {"pl_PL", ECharset::Windows1250},
        {"ro-RO", ECharset::Windows1250},
        {"el_GR.UTF-8", ECharset::Windows1253},
        {"tr_TR", ECharset::Windows1254},
        {"he_IL", ECharset::Windows1255},
        {"fa_IR", ECharset::Windows1256},
        {"lt_LT", ECharset::Windows1257},
        {"vi_VN", ECharset::Windows1258},
        {"de_DE.UTF-8", ECharset::Windows1252},
        {"C", ECharset::Windows1252},
        {"", ECharset::Windows1252},
        {"rus", ECharset::Windows1252},
    };
    for (const auto& [locale, set] : languages)
        EXPECT_EQ(CharsetForLanguage(locale), set) << locale;
    EXPECT_EQ(ParseCharset("Windows-1251"), ECharset::Windows1251);
    EXPECT_EQ(ParseCharset("ISO-8859-1"), ECharset::Iso8859_1);
    EXPECT_EQ(ParseCharset("windows-125"), std::nullopt);
    EXPECT_EQ(CharsetNames().substr(0, 28), "windows-1252, windows-1250, ");
}

} // namespace
