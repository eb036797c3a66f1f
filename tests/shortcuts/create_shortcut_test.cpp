// Linkwright.exe writing game shortcuts, read back through the shell's link object.
#include <gtest/gtest.h>

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "linkwright_runner.h"
#include "qvtest/support.h"

namespace lwtest {
namespace {

// A run that writes a shortcut (exit code 1), and what reads back from it.
struct WrittenCase {
    const char* name;
    std::vector<std::wstring> arguments;  // "{dir}" stands for the test's folder
    std::wstring workDir;                 // below {dir}; "" inherits ours
    std::wstring shortcut;
    std::wstring target, workingFolder, shortcutArguments;
};

// Failure messages name the row instead of dumping its bytes.
void PrintTo(const WrittenCase& c, std::ostream* os) { *os << c.name; }

// A run that writes nothing (exit code 0).
struct RefusedCase {
    const char* name;
    std::vector<std::wstring> arguments;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

const std::wstring kClient = L"{dir}\\Game Hall\\client.exe";
const std::wstring kLink = L"{dir}\\Desk\\Game.lnk";

const WrittenCase kWrittenCases[] = {
    {"Plain", {L"-gameid", L"1001", L"-sourcefile", kClient, L"-link", kLink}, L"", kLink, kClient,
     L"{dir}\\Game Hall", L"-gameid 1001 -starttype lnk"},
    {"IdentifierWithBlanksStandsUnquoted", {L"-gameid", L"12 34 x", L"-sourcefile", kClient, L"-link", kLink}, L"",
     kLink, kClient, L"{dir}\\Game Hall", L"-gameid 12 34 x -starttype lnk"},
    {"OptionsInCapitals", {L"-GAMEID", L"7", L"-SOURCEFILE", kClient, L"-Link", kLink}, L"", kLink, kClient,
     L"{dir}\\Game Hall", L"-gameid 7 -starttype lnk"},
    {"OptionNameTakenAsValue", {L"-gameid", L"-sourcefile", L"-sourcefile", kClient, L"-link", kLink}, L"", kLink,
     kClient, L"{dir}\\Game Hall", L"-gameid -sourcefile -starttype lnk"},
    // The link object completes a bare target from the current folder.
    {"TargetWithoutBackslash", {L"-gameid", L"3", L"-sourcefile", L"client.exe", L"-link", kLink}, L"Game Hall",
     kLink, kClient, L"", L"-gameid 3 -starttype lnk"},
    {"NonAsciiInCodePage",
     {L"-gameid", L"\u00e91", L"-sourcefile", L"{dir}\\Jeux \u00e9\\cl\u00efent.exe", L"-link",
      L"{dir}\\Desk\\Partie \u00fc.lnk"},
     L"", L"{dir}\\Desk\\Partie \u00fc.lnk", L"{dir}\\Jeux \u00e9\\cl\u00efent.exe", L"{dir}\\Jeux \u00e9",
     L"-gameid \u00e91 -starttype lnk"},
    {"PathUsedUnchanged", {L"-gameid", L"1", L"-sourcefile", kClient, L"-link", L"{dir}\\Desk\\Game"}, L"",
     L"{dir}\\Desk\\Game", kClient, L"{dir}\\Game Hall", L"-gameid 1 -starttype lnk"},
};

const RefusedCase kRefusedCases[] = {
    {"OptionNameConsumesLink", {L"-gameid", L"-link", kLink, L"-sourcefile", kClient}},
    {"MissingLink", {L"-gameid", L"1", L"-sourcefile", kClient}},
    {"LinkAsLastElement", {L"-gameid", L"1", L"-sourcefile", kClient, L"-link"}},
    {"EmptyIdentifier", {L"-gameid", L"", L"-sourcefile", kClient, L"-link", kLink}},
    {"EmptySourceFile", {L"-gameid", L"1", L"-sourcefile", L"", L"-link", kLink}},
    {"EmptyLink", {L"-gameid", L"1", L"-sourcefile", kClient, L"-link", L""}},
    {"FolderDoesNotExist", {L"-gameid", L"1", L"-sourcefile", kClient, L"-link", L"{dir}\\Desk\\None\\Game.lnk"}},
    {"NothingGiven", {}},
    // Characters the code page cannot hold would come out as '?': a shortcut
    // to another program, or with other arguments, must not count as written.
    {"TargetOutsideCodePage",
     {L"-gameid", L"1", L"-sourcefile", L"{dir}\\\u6e38\u620f\\client.exe", L"-link", kLink}},
    // Best fit would turn U+0109 into "c" and so name client.exe instead.
    {"TargetBestFitLookAlike",
     {L"-gameid", L"1", L"-sourcefile", L"{dir}\\Game Hall\\\u0109lient.exe", L"-link", kLink}},
    {"IdentifierOutsideCodePage", {L"-gameid", L"\u6e38\u620f", L"-sourcefile", kClient, L"-link", kLink}},
};

std::wstring Expand(std::wstring text, const std::wstring& dir) {
    const std::wstring key = L"{dir}";
    for (size_t at = text.find(key); at != std::wstring::npos; at = text.find(key, at + dir.size())) {
        text.replace(at, key.size(), dir);
    }
    return text;
}

std::string ExpandAnsi(const std::wstring& text, const std::wstring& dir) {
    std::string ansi;
    EXPECT_TRUE(ToAnsi(Expand(text, dir), &ansi));
    return ansi;
}

bool FolderIsEmpty(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    qv::UniqueFind find(::FindFirstFileW((folder + L"\\*").c_str(), &entry));
    if (!find) return true;
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") return false;
    } while (::FindNextFileW(find.get(), &entry));
    return true;
}

class CreateShortcutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(com_.ok());
        ASSERT_FALSE(dir_.path().empty());
        for (const wchar_t* folder : {L"Game Hall", L"Jeux \u00e9", L"\u6e38\u620f", L"Desk"}) {
            ASSERT_TRUE(::CreateDirectoryW((dir_ / folder).c_str(), nullptr)) << qvtest::Narrow(folder);
        }
        // The link object only takes a target that exists.
        for (const wchar_t* program : {L"Game Hall\\client.exe", L"Game Hall\\\u0109lient.exe",
                                       L"Jeux \u00e9\\cl\u00efent.exe", L"\u6e38\u620f\\client.exe"}) {
            ASSERT_TRUE(qvtest::WriteTextFile(dir_ / program, "MZ"));
        }
    }

    std::wstring Path(const std::wstring& text) const { return Expand(text, dir_.path()); }

    std::vector<std::wstring> Arguments(const std::vector<std::wstring>& arguments) const {
        std::vector<std::wstring> expanded;
        for (const std::wstring& argument : arguments) expanded.push_back(Path(argument));
        return expanded;
    }

    void ExpectShortcut(const WrittenCase& c) {
        ShortcutFields fields;
        ASSERT_TRUE(ReadShortcut(Path(c.shortcut), &fields)) << qvtest::Narrow(Path(c.shortcut));
        EXPECT_EQ(fields.target, ExpandAnsi(c.target, dir_.path()));
        EXPECT_EQ(fields.workingFolder, ExpandAnsi(c.workingFolder, dir_.path()));
        EXPECT_EQ(fields.arguments, ExpandAnsi(c.shortcutArguments, dir_.path()));
    }

    qv::ComApartment com_;
    qvtest::TempDir dir_;
};

class WrittenCases : public CreateShortcutTest, public ::testing::WithParamInterface<WrittenCase> {};

TEST_P(WrittenCases, ExitCodeOneAndFieldsReadBack) {
    const WrittenCase& c = GetParam();
    const std::wstring workDir = c.workDir.empty() ? L"" : dir_ / c.workDir;
    ASSERT_EQ(RunLinkwright(Arguments(c.arguments), workDir), 1);
    ExpectShortcut(c);
}

INSTANTIATE_TEST_SUITE_P(Cases, WrittenCases, ::testing::ValuesIn(kWrittenCases),
                         [](const ::testing::TestParamInfo<WrittenCase>& info) { return info.param.name; });

class RefusedCases : public CreateShortcutTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedCases, ExitCodeZeroAndNothingWritten) {
    ASSERT_EQ(RunLinkwright(Arguments(GetParam().arguments)), 0);
    EXPECT_TRUE(FolderIsEmpty(dir_ / L"Desk"));  // no file, no folder made
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedCases, ::testing::ValuesIn(kRefusedCases),
                         [](const ::testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST_F(CreateShortcutTest, OverwritesAnExistingFile) {
    const WrittenCase& plain = kWrittenCases[0];
    ASSERT_TRUE(qvtest::WriteTextFile(Path(kLink), "an older file in the way"));
    ASSERT_EQ(RunLinkwright(Arguments(plain.arguments)), 1);
    ExpectShortcut(plain);

    // And once more over the shortcut just written.
    const std::vector<std::wstring> again = {L"-gameid", L"2002", L"-sourcefile", kClient, L"-link", kLink};
    ASSERT_EQ(RunLinkwright(Arguments(again)), 1);
    ShortcutFields fields;
    ASSERT_TRUE(ReadShortcut(Path(kLink), &fields));
    EXPECT_EQ(fields.arguments, "-gameid 2002 -starttype lnk");
}

}  // namespace
}  // namespace lwtest
