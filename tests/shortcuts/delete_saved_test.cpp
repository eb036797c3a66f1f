// Linkwright.exe -deleteallsaveddesktoplink over a register in an
// application-data folder that the test controls.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app_data_redirect.h"
#include "linkwright_runner.h"
#include "qvtest/support.h"

namespace lwtest {
namespace {

const wchar_t kDelete[] = L"-deleteallsaveddesktoplink";

enum class Made { Nothing, File, ReadOnlyFile, Folder };

struct Entry {
    const char* key;
    std::wstring value;      // "{dir}" stands for the test's folder
    std::wstring made;       // what the test puts on disk (below {dir}), if anything
    Made kind;
    bool remains;
};

// The longest path a value may hold is 259 bytes; this one is exactly that.
std::wstring LongestPath(const std::wstring& dir) {
    const std::wstring folder = dir + L"\\Desk\\";
    return folder + std::wstring(259 - folder.size() - 4, L'n') + L".lnk";
}

class DeleteSavedTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(dir_.path().empty());
        for (const wchar_t* folder : {L"AppData", L"AppData\\Tolvane", L"Desk", L"Work"}) {
            ASSERT_TRUE(::CreateDirectoryW((dir_ / folder).c_str(), nullptr));
        }
        ASSERT_TRUE(redirect_.ok());
    }

    std::wstring Path(std::wstring text) const {
        const std::wstring key = L"{dir}";
        for (size_t at = text.find(key); at != std::wstring::npos; at = text.find(key, at + dir_.path().size())) {
            text.replace(at, key.size(), dir_.path());
        }
        return text;
    }

    std::wstring RegisterPath() const { return dir_ / L"AppData\\Tolvane\\ShellLink.ini"; }

    // Writes the register in the ANSI code page, as the profile calls read it.
    void WriteRegister(const std::vector<Entry>& entries, const std::string& more = "") {
        std::string text = "[TolvaneShellLink]\r\n";
        for (const Entry& entry : entries) {
            std::string value;
            ASSERT_TRUE(ToAnsi(Path(entry.value), &value));
            text += std::string(entry.key) + "=" + value + "\r\n";
        }
        text += more;
        ASSERT_TRUE(qvtest::WriteTextFile(RegisterPath(), text));
    }

    void Make(const Entry& entry) {
        const std::wstring path = Path(entry.made);
        switch (entry.kind) {
        case Made::Nothing:
            return;
        case Made::Folder:
            ASSERT_TRUE(::CreateDirectoryW(path.c_str(), nullptr));
            return;
        case Made::File:
        case Made::ReadOnlyFile:
            ASSERT_TRUE(qvtest::WriteTextFile(path, "L")) << qvtest::Narrow(path);
            if (entry.kind == Made::ReadOnlyFile) {
                ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
            }
            return;
        }
    }

    bool Exists(const std::wstring& path) const {
        return ::GetFileAttributesW(Path(path).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    qvtest::TempDir dir_;
    AppDataRedirect redirect_{dir_ / L"AppData"};
};

TEST_F(DeleteSavedTest, DeletesListedShortcutFilesOnlyAndKeepsTheRegister) {
    const std::wstring longest = LongestPath(dir_.path());
    const std::vector<Entry> entries = {
        {"GameShellLinkGone", L"{dir}\\Desk\\gone.lnk", L"", Made::Nothing, false},
        {"GameShellLink", L"{dir}\\Desk\\a.lnk", L"{dir}\\Desk\\a.lnk", Made::File, false},
        {"GameShellLink7", L"{dir}\\Desk\\b.LNK", L"{dir}\\Desk\\b.LNK", Made::File, false},
        {"xGameShellLink", L"{dir}\\Desk\\c.lnk", L"{dir}\\Desk\\c.lnk", Made::File, true},
        // After "GameShellLink": the profile calls find keys regardless of case.
        {"gameshelllink", L"{dir}\\Desk\\d.lnk", L"{dir}\\Desk\\d.lnk", Made::File, true},
        {"GameShellLinkEmpty", L"", L"", Made::Nothing, false},
        {"GameShellLinkAccent", L"{dir}\\Desk\\Partie \u00e9.lnk", L"{dir}\\Desk\\Partie \u00e9.lnk", Made::File, false},
        {"GameShellLinkDocument", L"{dir}\\Desk\\notes.txt", L"{dir}\\Desk\\notes.txt", Made::File, true},
        {"GameShellLinkProgram", L"{dir}\\Desk\\client.exe", L"{dir}\\Desk\\client.exe", Made::File, true},
        {"GameShellLinkFolder", L"{dir}\\Desk\\Folder.lnk", L"{dir}\\Desk\\Folder.lnk", Made::Folder, true},
        {"GameShellLinkReadOnly", L"{dir}\\Desk\\kept.lnk", L"{dir}\\Desk\\kept.lnk", Made::ReadOnlyFile, true},
        // Relative to whatever folder we were started in: not a listed file.
        {"GameShellLinkRelative", L"rel.lnk", L"{dir}\\Work\\rel.lnk", Made::File, true},
        // Cut to 259 bytes this would name another shortcut file.
        {"GameShellLinkTooLong", longest + L".old.lnk", longest, Made::File, true},
        {"GameShellLinkLast", L"{dir}\\Desk\\z.lnk", L"{dir}\\Desk\\z.lnk", Made::File, false},
    };
    for (const Entry& entry : entries) ASSERT_NO_FATAL_FAILURE(Make(entry));
    std::string other;
    ASSERT_TRUE(ToAnsi(Path(L"[Other]\r\nGameShellLink={dir}\\Desk\\other.lnk\r\n"), &other));
    ASSERT_NO_FATAL_FAILURE(WriteRegister(entries, other));
    ASSERT_TRUE(qvtest::WriteTextFile(dir_ / L"Desk\\other.lnk", "L"));
    std::string registerBefore;
    ASSERT_TRUE(qvtest::ReadTextFile(RegisterPath(), &registerBefore));

    for (int run = 1; run <= 2; ++run) {  // the second run finds nothing left to delete
        SCOPED_TRACE("run " + std::to_string(run));
        ASSERT_EQ(RunLinkwright({kDelete}, dir_ / L"Work"), 0);
        for (const Entry& entry : entries) {
            if (entry.kind != Made::Nothing) {
                EXPECT_EQ(Exists(entry.made), entry.remains) << entry.key;
            }
        }
        EXPECT_TRUE(Exists(L"{dir}\\Desk\\other.lnk"));  // another section
        std::string registerAfter;
        ASSERT_TRUE(qvtest::ReadTextFile(RegisterPath(), &registerAfter));
        EXPECT_EQ(registerAfter, registerBefore);
    }
}

TEST_F(DeleteSavedTest, ReadsPastTheFirstKeyList) {
    // Far more key names than the first 102400-byte list holds; the shortcut
    // key comes last.
    std::string fillers;
    size_t listBytes = 0;
    for (int i = 0; i < 8000; ++i) {
        const std::string key = "FillerKeyName" + std::to_string(100000 + i);
        fillers += key + "=x\r\n";
        listBytes += key.size() + 1;
    }
    ASSERT_GT(listBytes, 102400u * 3 / 2);
    std::string last;
    ASSERT_TRUE(ToAnsi(Path(L"GameShellLinkLast={dir}\\Desk\\last.lnk\r\n"), &last));
    ASSERT_TRUE(qvtest::WriteTextFile(RegisterPath(), "[TolvaneShellLink]\r\n" + fillers + last));
    ASSERT_TRUE(qvtest::WriteTextFile(dir_ / L"Desk\\last.lnk", "L"));

    ASSERT_EQ(RunLinkwright({kDelete}), 0);
    EXPECT_FALSE(Exists(L"{dir}\\Desk\\last.lnk"));
}

TEST_F(DeleteSavedTest, RemovalWinsOverCreation) {
    ASSERT_NO_FATAL_FAILURE(WriteRegister({{"GameShellLink1", L"{dir}\\Desk\\saved.lnk", L"", Made::Nothing, false}}));
    ASSERT_TRUE(qvtest::WriteTextFile(dir_ / L"Desk\\saved.lnk", "L"));
    ASSERT_TRUE(qvtest::WriteTextFile(dir_ / L"Work\\client.exe", "MZ"));

    ASSERT_EQ(RunLinkwright({L"-gameid", L"1", L"-sourcefile", dir_ / L"Work\\client.exe", L"-link",
                             dir_ / L"Desk\\new.lnk", kDelete}),
              0);
    EXPECT_FALSE(Exists(L"{dir}\\Desk\\saved.lnk"));
    EXPECT_FALSE(Exists(L"{dir}\\Desk\\new.lnk"));
}

TEST_F(DeleteSavedTest, RegisterOrSectionMissing) {
    ASSERT_TRUE(qvtest::WriteTextFile(dir_ / L"Desk\\a.lnk", "L"));
    std::string other;
    ASSERT_TRUE(ToAnsi(Path(L"[Elsewhere]\r\nGameShellLink={dir}\\Desk\\a.lnk\r\n"), &other));
    const struct {
        const char* name;
        bool writeRegister;
    } cases[] = {{"no register", false}, {"no section", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.writeRegister) {
            ASSERT_TRUE(qvtest::WriteTextFile(RegisterPath(), other));
        }
        EXPECT_EQ(RunLinkwright({kDelete}), 0);
        EXPECT_TRUE(Exists(L"{dir}\\Desk\\a.lnk"));
    }
}

TEST_F(DeleteSavedTest, TracesTheRegisterPath) {
    qvtest::DebugOutputCapture capture;
    ASSERT_TRUE(capture.ok());
    qvtest::ChildProcess child = qvtest::StartProcess(LinkwrightCommand({kDelete}));
    ASSERT_TRUE(child.process);
    ASSERT_EQ(qvtest::WaitExit(child), 0);

    std::string expected;
    ASSERT_TRUE(ToAnsi(RegisterPath(), &expected));
    ASSERT_TRUE(capture.WaitFor(expected));
    EXPECT_EQ(capture.Lines(child.pid), std::vector<std::string>{expected});
}

}  // namespace
}  // namespace lwtest
