// Text rules of the saved-shortcut register.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "saved_register.h"

namespace linkwright {
namespace {

using namespace std::string_literals;

TEST(SplitNameListTest, NamesInOrderUpToTheEmptyName) {
    const struct {
        std::string list;
        std::vector<std::string> names;
    } cases[] = {
        {""s, {}},
        {"\0"s, {}},
        {"a\0"s, {"a"}},
        {"GameShellLink\0x\0GameShellLink7\0"s, {"GameShellLink", "x", "GameShellLink7"}},
        {"a\0\0b\0"s, {"a"}},  // nothing after the empty name
        {"a\0b"s, {"a", "b"}},  // a list cut without its last zero keeps the partial name
    };
    for (const auto& c : cases) EXPECT_EQ(SplitNameList(c.list), c.names);
}

TEST(ShortcutKeyTest, PrefixWithLetterCaseAsGiven) {
    const struct {
        const char* key;
        bool acted;
    } cases[] = {
        {"GameShellLink", true},   {"GameShellLink7", true},  {"GameShellLinkAnything", true},
        {"xGameShellLink", false}, {"gameshelllink", false},  {"GAMESHELLLINK1", false},
        {"GameShellLin", false},   {" GameShellLink", false}, {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsShortcutKey(c.key), c.acted) << c.key;
}

TEST(DeletableShortcutPathTest, FullShortcutPathsThatFitOnly) {
    const std::string folder = "C:\\Users\\u\\Desktop\\";
    const std::string longest = folder + std::string(kMaxShortcutPathBytes - folder.size() - 4, 'n') + ".lnk";
    ASSERT_EQ(longest.size(), kMaxShortcutPathBytes);
    const struct {
        std::string value;
        bool deletable;
    } cases[] = {
        {folder + "Game.lnk", true},
        {folder + "Game.LNK", true},
        {longest, true},
        {longest + "x.lnk", false},  // longer than a path can be
        {folder + "notes.txt", false},
        {folder + "client.exe", false},
        {"Game.lnk", false},
        {"..\\Game.lnk", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsDeletableShortcutPath(c.value, NoLeadBytes()), c.deletable) << c.value;
}

}  // namespace
}  // namespace linkwright
