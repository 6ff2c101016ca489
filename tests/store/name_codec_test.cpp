// The names' character sets: every byte as text and back, a text of each set and its case
// folded, the CSV round trip, and the set a language starts with.
#include "name_codec.h"
#include "service_csv.h"
#include "store_builders.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Each set: how many of its bytes 0x80-0xFF show as marks (DEL is a mark in all), one of its
// texts, that text's bytes, and the text as the filter compares it, its case folded.
const struct {
    ECharset set;
    int nMarked;
    const char *text, *bytes, *folded;
} kSets[] = {
    {ECharset::Windows1252, 5, "€ Œuvre", "\x80 \x8Cuvre", "€ œuvre"},
    {ECharset::Windows1250, 5, "ŁóDŹ", "\xA3\xF3\x44\x8F", "łódź"},
    {ECharset::Windows1251, 1, "ПерВый", "\xCF\xE5\xF0\xC2\xFB\xE9", "первый"},
    {ECharset::Windows1253, 17, "ΕλλΆς", "\xC5\xEB\xEB\xA2\xF2", "ελλάσ"}, // final sigma too
    {ECharset::Windows1254, 7, "İSTı", "\xDDST\xFD", "isti"},
    {ECharset::Windows1255, 23, "שלום", "\xF9\xEC\xE5\xED", "שלום"},
    {ECharset::Windows1256, 0, "سلام", "\xD3\xE1\xC7\xE3", "سلام"},
    {ECharset::Windows1257, 12, "ŠiaulIŲ", "\xD0iaulI\xD8", "šiaulių"},
    // A letter with a tone mark the set has no byte for is the letter and the mark.
    {ECharset::Windows1258, 9, "ViỆt", "Vi\xCA\xF2t", "việt"},
    {ECharset::Iso8859_1, 32, "CAFÉ", "CAF\xC9", "café"}, // 0x80-0x9F are control characters
};

// Every byte 0x20-0xFF as text and back, written as CSV and read back; a text of the set and
// its case folded.
TEST(NameCodec, EachSetReadsEveryByteAndBack) {
    for (const auto& c : kSets) {
        const CNameCodec names(c.set);
        const char* pszSet = CharsetOf(c.set).pszName;
        std::string all;
        int nMarked = 0;
        for (int b = 0x20; b <= 0xFF; ++b) {
            const std::string byte(1, static_cast<char>(b));
            const std::string text = names.ToUtf8(byte);
            std::string back, error;
            EXPECT_TRUE(names.FromUtf8(text, back, error) && back == byte) << pszSet << " " << b;
            nMarked += text.starts_with("\uFFFD") ? 1 : 0;
            all += byte;
        }
        EXPECT_EQ(nMarked, c.nMarked + 1) << pszSet;
        std::string bytes, folded, error;
        ASSERT_TRUE(names.FromUtf8(c.text, bytes, error) &&
                    names.FromUtf8(c.folded, folded, error));
        EXPECT_EQ(bytes, c.bytes) << pszSet;
        std::transform(bytes.begin(), bytes.end(), bytes.begin(),
                       [&](char b) { return names.Folded(b); });
        EXPECT_EQ(bytes, folded) << pszSet;

        std::vector<std::string> written; // 0x20-0xFF as the names of one list
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

// One language of each Windows set, in the menu's order, and other forms of locale names.
TEST(NameCharsets, ChosenByLanguage) {
    const char* const byMenu[] = {"de_DE.UTF-8", "ro-RO", "ru_RU.UTF-8", "EL",   "tr_TR",
                                  "he_IL",       "fa_IR", "lt_LT",       "vi_VN"};
    for (std::size_t i = 0; i < std::size(byMenu); ++i)
        EXPECT_EQ(CharsetForLanguage(byMenu[i]), kCharsets[i].set) << byMenu[i];
    for (const char* other : {"", "C", "rus"})
        EXPECT_EQ(CharsetForLanguage(other), ECharset::Windows1252) << other;
    EXPECT_EQ(CharsetForLanguage("sr_RS@latin"), ECharset::Windows1251);
}

} // namespace
