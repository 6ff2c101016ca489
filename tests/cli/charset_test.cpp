// zdftool's --charset: the set dump, export and import read names in, its default from the
// language, and the sets named when one is unknown.
#include "zdf_run.h"

#include <gmock/gmock.h>

#include <cstdlib>

using ::testing::HasSubstr;
using Charset = ZdfFiles;

namespace {

const std::string kCyrillic = kData + "/cyrillic.zdf";

} // namespace

TEST_F(Charset, NamesAreReadInTheChosenSet) {
    const std::string csv = Path("lists.csv");
    const struct {
        std::vector<std::string> args;
        int nExit;
        const char* inOut;
        const char* inErr;
    } cases[] = {
        {{"dump", kCyrillic, "--charset", "windows-1251"},
         ZDF_OK,
         "  1  Первый канал      Гелиос",
         ""},
        {{"dump", kCyrillic, "--charset", "windows-1252"}, ZDF_OK, "Ïåðâûé êàíàë", ""},
        {{"dump", kData + "/greek.zdf", "--json", "--charset", "WINDOWS-1253"},
         ZDF_OK,
         "\"name\": \"Σκάι\"",
         ""},
        {{"export", kCyrillic, "--csv", "--charset", "windows-1251", "-o", csv}, ZDF_OK, "", ""},
        {{"import", kCyrillic, csv, out, "--charset", "windows-1251"},
         ZDF_OK,
         "221 matched by key",
         ""},
        {{"import", kCyrillic, csv, out, "--charset", "windows-1252"},
         ZDF_FAILED,
         "",
         "row 2, column 3 (name): \"Первый канал\" cannot be stored in Western (Windows-1252)"},
        {{"dump", kCyrillic, "--charset", "koi8-r"},
         ZDF_USAGE,
         "",
         "zdftool dump: unknown character set \"koi8-r\"; the sets are windows-1252, "
         "windows-1250, windows-1251, windows-1253, windows-1254, windows-1255, windows-1256, "
         "windows-1257, windows-1258, iso-8859-1\n"},
        {{"diff", kCyrillic, kCyrillic, "--charset"}, ZDF_USAGE, "", "--charset needs a value"},
        {{"info", kCyrillic, "--charset"}, ZDF_USAGE, "", "unknown option --charset"}, // no names
    };
    for (const auto& c : cases) {
        const ZdfResult r = Zdf(c.args);
        EXPECT_EQ(r.nExit, c.nExit) << c.args[0] << " " << c.args.back() << "\n" << r.err;
        EXPECT_THAT(r.out, HasSubstr(c.inOut)) << c.args[0];
        EXPECT_THAT(r.err, HasSubstr(c.inErr)) << c.args[0];
    }
    EXPECT_THAT(Bytes(csv), HasSubstr("\r\nsatellite-tv,1,Первый канал,19.2E,"));
    EXPECT_EQ(Bytes(out), Bytes(kCyrillic)); // the names came back as the same bytes
}

// Without --charset the set is the one of the language in the environment (the tests' own last).
TEST(CharsetDefault, FollowsTheLanguage) {
    for (const auto& [language, name] :
         {std::pair{"ru_RU.UTF-8", "Первый канал"}, {"C.UTF-8", "Ïåðâûé êàíàë"}}) {
        ASSERT_EQ(setenv("LC_ALL", language, 1), 0);
        EXPECT_THAT(Zdf({"dump", kCyrillic}).out, HasSubstr(name)) << language;
    }
}
