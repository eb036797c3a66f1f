// Path text in ANSI code pages: backslash search, shortcut extension, full paths.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "ansi_path.h"

namespace linkwright {
namespace {

// Code page 936 (GBK): lead bytes 0x81-0xFE. Its trail bytes include 0x5C,
// for example U+6DFA is 9C 5C and U+4E57 is 81 5C.
LeadBytes Gbk() {
    static const unsigned char ranges[] = {0x81, 0xFE, 0, 0, 0, 0};
    return LeadBytesFromRanges(ranges, sizeof ranges);
}

#define CH_6DFA "\x9C" "\\"
#define CH_4E57 "\x81" "\\"

TEST(LeadBytesTest, RangesEndAtTheZeroPair) {
    static const unsigned char ranges[] = {0x81, 0x9F, 0xE0, 0xFC, 0, 0, 0x20, 0x7F};
    const LeadBytes lead = LeadBytesFromRanges(ranges, sizeof ranges);
    for (unsigned b = 0; b < 256; ++b) {
        EXPECT_EQ(lead[b], (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) << b;
    }
}

struct FolderCase {
    const char* name;
    std::string path;
    bool doubleByte;  // GBK rather than a single-byte code page
    std::string folder;
};

// Failure messages name the row instead of dumping its bytes.
void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }

const FolderCase kFolderCases[] = {
    {"Plain", "C:\\Games\\Hall\\client.exe", false, "C:\\Games\\Hall"},
    {"NoBackslash", "client.exe", false, ""},
    {"Empty", "", false, ""},
    {"RootOnly", "C:\\client.exe", false, "C:"},
    {"TrailingBackslash", "C:\\Games\\", false, "C:\\Games"},
    {"SlashIsNotTheSeparatorSearched", "C:/Games/client.exe", false, ""},
    {"SingleByteHighBytesAreCharacters", "C:\\Jeux \xE9\\cl\xEF" "ent.exe", false, "C:\\Jeux \xE9"},
    // The trail byte inside the file name must not be taken for the separator.
    {"TrailByteInFileName", "Z:\\Games\\" CH_6DFA ".exe", true, "Z:\\Games"},
    {"TrailByteEndsFolderName", "Z:\\\xD3\xCE" CH_4E57 "\\" CH_6DFA ".exe", true, "Z:\\\xD3\xCE" CH_4E57},
    {"OnlyTrailBytes", CH_6DFA CH_4E57, true, ""},
    // The same bytes read as single-byte text do hold backslashes.
    {"SameBytesSingleByte", "Z:\\Games\\" CH_6DFA ".exe", false, "Z:\\Games\\\x9C"},
    {"LeadByteAtTheEnd", "Z:\\Games\\\x9C", true, "Z:\\Games"},
};

class FolderPartTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderPartTest, CutsAtTheLastBackslashCharacter) {
    const FolderCase& c = GetParam();
    EXPECT_EQ(FolderPart(c.path, c.doubleByte ? Gbk() : NoLeadBytes()), c.folder);
}

INSTANTIATE_TEST_SUITE_P(Cases, FolderPartTest, ::testing::ValuesIn(kFolderCases),
                         [](const ::testing::TestParamInfo<FolderCase>& info) { return info.param.name; });

struct ExtensionCase {
    const char* name;
    std::string path;
    bool doubleByte;
    bool shortcut;
};

void PrintTo(const ExtensionCase& c, std::ostream* os) { *os << c.name; }

const ExtensionCase kExtensionCases[] = {
    {"Lower", "C:\\D\\Game.lnk", false, true},
    {"Upper", "C:\\D\\GAME.LNK", false, true},
    {"Mixed", "C:\\D\\Game.LnK", false, true},
    {"OnlyExtension", ".lnk", false, true},
    {"Document", "C:\\D\\notes.txt", false, false},
    {"Program", "C:\\D\\game.exe", false, false},
    {"LnkInsideName", "C:\\D\\Game.lnk.exe", false, false},
    {"NoDot", "C:\\D\\Gamelnk", false, false},
    {"TooShort", "lnk", false, false},
    {"Empty", "", false, false},
    {"TrailingBlank", "C:\\D\\Game.lnk ", false, false},
    {"DoubleByteName", "Z:\\" CH_6DFA ".lnk", true, true},
    // 0x81 takes the dot as its trail byte: the name ends in "?lnk", not ".lnk".
    {"DotSwallowedByLeadByte", "Z:\\a\x81.lnk", true, false},
    {"SameBytesSingleByte", "Z:\\a\x81.lnk", false, true},
};

class ExtensionTest : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(ExtensionTest, RecognisesShortcutFiles) {
    const ExtensionCase& c = GetParam();
    EXPECT_EQ(HasShortcutExtension(c.path, c.doubleByte ? Gbk() : NoLeadBytes()), c.shortcut);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExtensionTest, ::testing::ValuesIn(kExtensionCases),
                         [](const ::testing::TestParamInfo<ExtensionCase>& info) { return info.param.name; });

TEST(FullPathTest, DriveAndServerPathsOnly) {
    const struct {
        const char* path;
        bool full;
    } cases[] = {
        {"C:\\D\\g.lnk", true}, {"z:/D/g.lnk", true},  {"\\\\server\\share\\g.lnk", true},
        {"C:g.lnk", false},     {"\\D\\g.lnk", false}, {"g.lnk", false},
        {"..\\g.lnk", false},   {"1:\\g.lnk", false},  {"", false},
        {"C:", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsFullPath(c.path), c.full) << c.path;
}

}  // namespace
}  // namespace linkwright
