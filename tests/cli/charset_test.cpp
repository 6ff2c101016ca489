// zdftool's --charset: the set dump, export and import read names in, and the sets named when
// one is unknown.
#include "zdf_run.h"

#include <gmock/gmock.h>

using ::testing::HasSubstr;
using Charset = ZdfFiles;

// Each command line, its exit status and a part of what it writes to either stream.
TEST_F(Charset, NamesAreReadInTheChosenSet) {
    const std::string cyrillic = kData + "/cyrillic.zdf", csv = Path("lists.csv");
    const std::string set = "--charset", ru = "windows-1251";
    const std::tuple<std::vector<std::string>, int, const char*> cases[] = {
        {{"dump", cyrillic, set, ru}, ZDF_OK, "  1  Первый канал      Гелиос"},
        {{"dump", cyrillic, set, "windows-1252"}, ZDF_OK, "Ïåðâûé êàíàë"},
        {{"dump", kData + "/greek.zdf", "--json", set, "WINDOWS-1253"}, ZDF_OK, "\"Σκάι\""},
        {{"export", cyrillic, "--csv", set, ru, "-o", csv}, ZDF_OK, ""},
        {{"import", cyrillic, csv, out, set, ru}, ZDF_OK, "221 matched by key"},
        {{"dump", cyrillic, set, "koi8-r"},
         ZDF_USAGE,
         "zdftool dump: unknown character set \"koi8-r\"; the sets are windows-1252, "
         "windows-1250, windows-1251, windows-1253, windows-1254, windows-1255, windows-1256, "
         "windows-1257, windows-1258, iso-8859-1\n"},
        {{"info", cyrillic, set}, ZDF_USAGE, "unknown option --charset"}, // it shows no names
    };
    for (const auto& [args, nExit, part] : cases) {
        const ZdfResult r = Zdf(args);
        EXPECT_EQ(r.nExit, nExit) << args[0] << " " << args.back() << "\n" << r.err;
        EXPECT_THAT(r.out + r.err, HasSubstr(part)) << args[0] << " " << args.back();
    }
    EXPECT_THAT(Bytes(csv), HasSubstr("\r\nsatellite-tv,1,Первый канал,19.2E,"));
    EXPECT_EQ(Bytes(out), Bytes(cyrillic)); // the names came back as the same bytes
}
