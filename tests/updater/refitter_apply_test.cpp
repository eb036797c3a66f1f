// Refitter carrying out an update script (mode 21): the package and copy
// lists, the start of the client, clearing the unpack folder, and erasing
// the script.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "refitter_fixture.h"

namespace refitter_test {
namespace {

// Applies `script` in mode 21 and waits for everything it started.
void Apply(const std::wstring& script, const std::wstring& workDir = L"") {
    EndedProcess target;
    ProcessTree run(RefitterCommand(L"21 " + std::to_wstring(target.pid()) + L" \"" + script + L"\""), workDir);
    ASSERT_TRUE(run.started());
    EXPECT_EQ(run.WaitExit(30000), 0);
    EXPECT_TRUE(run.WaitTreeEnded()) << "something Refitter started did not end";
}

TEST(RefitterApply, ListsEndAtTheFirstGapAndSkipWhatFails) {
    Sandbox box;
    box.PlaceProbe(L"setup.exe");
    box.MakeFolder(L"files");
    box.MakeFile(L"files\\a.txt", "A");
    box.MakeFile(L"files\\b.txt", "B");
    box.MakeFolder(L"out");
    box.MakeFile(L"out\\two.txt", "old two");
    box.MakeFile(L"out\\three.txt", "old three");
    const std::wstring script = box / L"update.ini";
    ASSERT_TRUE(WriteScript(script, {// No entry 0: no package runs.
                                     {L"PackInstall", L"file_1.src", box / L"setup.exe"},
                                     {L"PackInstall", L"file_1.param", L"\"" + box.record() + L"\" pkg1"},
                                     {L"FileReplace", L"file_0.src", box / L"files\\a.txt"},  // no dst: skipped
                                     {L"FileReplace", L"file_1.src", box / L"files\\a.txt"},
                                     {L"FileReplace", L"file_1.dst", box / L"out\\one.txt"},
                                     {L"FileReplace", L"file_2.src", box / L"files\\missing.txt"},
                                     {L"FileReplace", L"file_2.dst", box / L"out\\two.txt"},
                                     {L"FileReplace", L"file_3.src", box / L"files\\b.txt"},
                                     {L"FileReplace", L"file_3.dst", box / L"out\\three.txt"},
                                     // After the gap at 4: never read.
                                     {L"FileReplace", L"file_5.src", box / L"files\\a.txt"},
                                     {L"FileReplace", L"file_5.dst", box / L"out\\five.txt"},
                                     {L"Other", L"kept", L"yes"}}));
    Apply(script);

    EXPECT_TRUE(box.Records().empty()) << "a package ran although entry 0 is missing";
    EXPECT_EQ(FileText(box / L"out\\one.txt"), "A");
    EXPECT_EQ(FileText(box / L"out\\two.txt"), "old two") << "a missing source touched its destination";
    EXPECT_EQ(FileText(box / L"out\\three.txt"), "B");
    EXPECT_FALSE(box.Exists(L"out\\five.txt"));
    for (const wchar_t* section : {L"BasicInfo", L"PackInstall", L"FileReplace"}) {
        EXPECT_FALSE(SectionExists(script, section)) << Utf8(section);
    }
    EXPECT_EQ(IniValue(script, L"Other", L"kept"), L"yes");
}

// A package that cannot be started is skipped without an error dialog,
// which would hold an unattended update; the next one still runs.
TEST(RefitterApply, PackageThatCannotStartIsSkippedSilently) {
    Sandbox box;
    box.PlaceProbe(L"setup.exe");
    const std::wstring script = box / L"update.ini";
    ASSERT_TRUE(WriteScript(script, {{L"PackInstall", L"file_0.src", box / L"missing-setup.exe"},
                                     {L"PackInstall", L"file_1.src", box / L"setup.exe"},
                                     {L"PackInstall", L"file_1.param", L"\"" + box.record() + L"\" pkg1"}}));
    EndedProcess target;
    ProcessTree run(RefitterCommand(L"21 " + std::to_wstring(target.pid()) + L" \"" + script + L"\""));
    std::wstring text;
    EXPECT_FALSE(TakeMessage(run, &text, 5000));
    EXPECT_EQ(run.WaitExit(), 0);
    EXPECT_TRUE(run.WaitTreeEnded());
    EXPECT_EQ(Events(box.Records()), (std::vector<std::string>{"start pkg1", "end pkg1"}));
}

TEST(RefitterApply, ClientStartsOnlyWhenFlagIsAboveZero) {
    struct Row {
        const wchar_t* flag;  // null: no Flag key
        bool starts;
    };
    const Row rows[] = {{nullptr, false}, {L"0", false}, {L"-1", false}, {L"abc", false},
                        {L"", false},     {L"1", true},  {L" 2", true},  {L"3rd", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.flag ? Utf8(row.flag) : "absent");
        Sandbox box;
        box.MakeFolder(L"client");
        box.PlaceProbe(L"client\\Qoravel.exe");
        std::vector<IniEntry> entries = {
            {L"BasicInfo", L"LaunchExePath", box / L"client\\Qoravel.exe"},
            {L"BasicInfo", L"LaunchExeParam", L"\"" + box.record() + L"\" client 0 0 \"two words\" -relaunch"}};
        if (row.flag) entries.push_back({L"BasicInfo", L"Flag", row.flag});
        const std::wstring script = box / L"update.ini";
        ASSERT_TRUE(WriteScript(script, entries));
        Apply(script, box.path());

        const std::vector<Record> records = box.Records();
        if (!row.starts) {
            EXPECT_TRUE(records.empty());
            continue;
        }
        ASSERT_EQ(Events(records), (std::vector<std::string>{"start client", "end client"}));
        EXPECT_TRUE(SamePath(records[0].workDir, box / L"client")) << "started in " << records[0].workDir;
        EXPECT_EQ(records[0].args, (std::vector<std::string>{"0", "0", "two words", "-relaunch"}));
    }
}

// One unpack folder layout and what must be gone or still there afterwards,
// relative to the sandbox.
struct UnpackRow {
    const char* name;
    std::function<bool(Sandbox&)> build;
    std::function<std::wstring(const Sandbox&)> unpackPath;
    std::vector<const wchar_t*> gone, kept;
    bool relativeToSandbox = false;  // run Refitter in the sandbox folder
};

// unpack\ with files, an empty folder and a nested one.
bool BuildPlainTree(Sandbox& box) {
    box.MakeFolder(L"unpack");
    box.MakeFile(L"unpack\\a.txt", "a");
    box.MakeFolder(L"unpack\\empty");
    box.MakeFolder(L"unpack\\sub");
    box.MakeFolder(L"unpack\\sub\\deeper");
    box.MakeFile(L"unpack\\sub\\deeper\\b.txt", "b");
    return true;
}

// Things outside the unpack folder that links inside it point to.
bool BuildOutside(Sandbox& box) {
    box.MakeFolder(L"outside");
    box.MakeFile(L"outside\\precious.txt", "keep me");
    box.MakeFolder(L"outside\\sub");
    box.MakeFile(L"outside\\sub\\deep.txt", "keep me too");
    box.MakeFolder(L"outside-empty");
    box.MakeFile(L"outside-file.txt", "keep this file");
    return true;
}

TEST(RefitterApply, ClearsTheUnpackFolder) {
    const std::vector<const wchar_t*> plainTree = {L"unpack\\a.txt", L"unpack\\empty", L"unpack\\sub", L"unpack"};
    const std::vector<const wchar_t*> outside = {L"outside\\precious.txt", L"outside\\sub\\deep.txt", L"outside-empty",
                                                 L"outside-file.txt"};
    const UnpackRow rows[] = {
        {"trailing backslashes", BuildPlainTree, [](const Sandbox& b) { return b / L"unpack\\\\\\"; }, plainTree, {}},
        {"slashes",
         BuildPlainTree,
         [](const Sandbox& b) {
             std::wstring path = b / L"unpack/";
             for (wchar_t& c : path) c = c == L'\\' ? L'/' : c;
             return path;
         },
         plainTree,
         {}},
        {"relative path: refused",
         BuildPlainTree,
         [](const Sandbox&) { return std::wstring(L"unpack"); },
         {},
         {L"unpack\\a.txt", L"unpack\\sub\\deeper\\b.txt"},
         true},
        {"read-only file: it and the folders above it stay",
         [](Sandbox& b) {
             BuildPlainTree(b);
             b.MakeFolder(L"unpack\\sub\\locked");
             b.MakeFile(L"unpack\\sub\\locked\\ro.txt", "ro");
             return ::SetFileAttributesW((b / L"unpack\\sub\\locked\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY) != 0;
         },
         [](const Sandbox& b) { return b / L"unpack"; },
         {L"unpack\\a.txt", L"unpack\\empty", L"unpack\\sub\\deeper"},
         {L"unpack\\sub\\locked\\ro.txt"}},
        // Windows removes the links themselves; Wine opens a Unix link as its
        // target, so there the links (and the unpack folder) stay. Either way
        // nothing they point to is touched.
        {"links inside are never followed",
         [](Sandbox& b) {
             BuildPlainTree(b);
             BuildOutside(b);
             return b.Link(L"outside", L"unpack\\folder-link") && b.Link(L"outside-empty", L"unpack\\empty-link") &&
                    b.Link(L"outside-file.txt", L"unpack\\file-link") &&
                    b.Link(L"outside", L"unpack\\sub\\deeper\\nested-link");
         },
         [](const Sandbox& b) { return b / L"unpack"; },
         {L"unpack\\a.txt", L"unpack\\empty", L"unpack\\sub\\deeper\\b.txt"},
         outside},
        {"the unpack folder itself a link",
         [](Sandbox& b) { return BuildOutside(b) && b.Link(L"outside", L"unpack-link"); },
         [](const Sandbox& b) { return b / L"unpack-link"; },
         {},
         outside},
    };
    for (const UnpackRow& row : rows) {
        SCOPED_TRACE(row.name);
        Sandbox box;
        ASSERT_TRUE(row.build(box));
        const std::wstring script = box / L"update.ini";
        ASSERT_TRUE(WriteScript(script, {{L"BasicInfo", L"UnpackPath", row.unpackPath(box)}}));
        Apply(script, row.relativeToSandbox ? box.path() : L"");
        for (const wchar_t* path : row.gone) {
            EXPECT_FALSE(box.Exists(path)) << Utf8(path) << " is still there; the sandbox holds:\n" << box.Listing(L"");
        }
        for (const wchar_t* path : row.kept) EXPECT_TRUE(box.Exists(path)) << Utf8(path) << " was deleted";
    }
}

// A drive root, in any spelling, is never cleared. The drive here is a
// temporary one mapped to a sandbox folder, so a fault costs nothing.
TEST(RefitterApply, NeverClearsADriveRoot) {
    Sandbox box;
    box.MakeFolder(L"drive");
    box.MakeFile(L"drive\\file.txt", "x");
    box.MakeFolder(L"drive\\folder");
    box.MakeFile(L"drive\\folder\\inner.txt", "y");
    TemporaryDrive drive(box / L"drive");
    if (!drive.ok()) GTEST_SKIP() << "no drive letter could be mapped (needs Wine)";
    const std::wstring letter(1, drive.letter());
    for (const std::wstring& root : {letter + L":\\", letter + L":\\\\\\", letter + L":/", letter + L":\\/"}) {
        SCOPED_TRACE(Utf8(root));
        const std::wstring script = box / L"update.ini";
        ASSERT_TRUE(WriteScript(script, {{L"BasicInfo", L"UnpackPath", root}}));
        Apply(script);
        EXPECT_EQ(FileText(box / L"drive\\file.txt"), "x");
        EXPECT_EQ(FileText(box / L"drive\\folder\\inner.txt"), "y");
    }
}

// Opens `path` the way a program that holds a file does: no sharing.
qv::UniqueHandle Hold(const std::wstring& path) {
    return qv::UniqueHandle(
        ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

// A destination held for a moment (a scanner, the shell) is copied once it
// is let go; one held for good is skipped after a bounded retry and the
// copies after it are still made.
TEST(RefitterApply, RetriesADestinationInUse) {
    Sandbox box;
    for (const wchar_t* name : {L"moment", L"forever", L"free"}) {
        box.MakeFile(std::wstring(name) + L".new", "new");
        box.MakeFile(std::wstring(name) + L".txt", "old");
    }
    const std::wstring script = box / L"update.ini";
    ASSERT_TRUE(WriteScript(script, {{L"FileReplace", L"file_0.src", box / L"moment.new"},
                                     {L"FileReplace", L"file_0.dst", box / L"moment.txt"},
                                     {L"FileReplace", L"file_1.src", box / L"forever.new"},
                                     {L"FileReplace", L"file_1.dst", box / L"forever.txt"},
                                     {L"FileReplace", L"file_2.src", box / L"free.new"},
                                     {L"FileReplace", L"file_2.dst", box / L"free.txt"}}));
    qv::UniqueHandle moment = Hold(box / L"moment.txt");
    qv::UniqueHandle forever = Hold(box / L"forever.txt");
    ASSERT_TRUE(moment && forever);
    std::thread release([&moment] {
        ::Sleep(1000);
        moment.reset();
    });
    Apply(script);
    release.join();
    forever.reset();
    EXPECT_EQ(FileText(box / L"moment.txt"), "new");
    EXPECT_EQ(FileText(box / L"forever.txt"), "old");
    EXPECT_EQ(FileText(box / L"free.txt"), "new");
}

}  // namespace
}  // namespace refitter_test
