// A whole update as the client starts it: mode 16 hands over to a copy in
// TempPath, which runs the packages, copies the files, starts the client
// again, clears the unpack folder and empties the script.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "refitter_fixture.h"

namespace refitter_test {
namespace {

std::vector<std::wstring> SplitCommandLine(const std::string& commandLine) {
    int count = 0;
    wchar_t** argv = ::CommandLineToArgvW(qvtest::Widen(commandLine).c_str(), &count);
    qv::UniqueLocal owner(argv);
    return argv ? std::vector<std::wstring>(argv, argv + count) : std::vector<std::wstring>();
}

TEST(RefitterHandOver, WholeUpdateFromTheClient) {
    Sandbox box;
    for (const wchar_t* folder : {L"client", L"client\\data", L"temp", L"unpack", L"unpack\\work", L"unpack\\files"})
        box.MakeFolder(folder);
    box.PlaceProbe(L"client\\Qoravel.exe");
    box.MakeFile(L"client\\data\\config.txt", "old config");
    box.PlaceProbe(L"unpack\\setup_a.exe");
    box.PlaceProbe(L"unpack\\setup_b.exe");
    box.MakeFile(L"unpack\\files\\config.txt", "new config");
    box.MakeFile(L"unpack\\files\\extra.txt", "new extra");
    // A blank in the script's name: the hand-over must pass it whole.
    const std::wstring script = box / L"update script.ini";
    const std::wstring record = L"\"" + box.record() + L"\"";
    ASSERT_TRUE(WriteScript(script, {{L"BasicInfo", L"DestPath", box / L"client\\"},
                                     {L"BasicInfo", L"TempPath", box / L"temp\\"},
                                     {L"BasicInfo", L"DownloadPath", box / L"download\\"},
                                     {L"BasicInfo", L"UnpackPath", box / L"unpack\\"},
                                     {L"BasicInfo", L"Flag", L"1"},
                                     {L"BasicInfo", L"LaunchExePath", box / L"client\\Qoravel.exe"},
                                     {L"BasicInfo", L"LaunchExeParam", record + L" client 0 0 \"two words\" -updated"},
                                     // The first package takes a while: the second must wait for it.
                                     {L"PackInstall", L"file_0.src", box / L"unpack\\setup_a.exe"},
                                     {L"PackInstall", L"file_0.dst", box / L"unpack\\work"},
                                     {L"PackInstall", L"file_0.param", record + L" pkg0 500"},
                                     {L"PackInstall", L"file_1.src", box / L"unpack\\setup_b.exe"},
                                     {L"PackInstall", L"file_1.dst", box / L"unpack"},
                                     {L"PackInstall", L"file_1.param", record + L" pkg1"},
                                     {L"FileReplace", L"file_0.src", box / L"unpack\\files\\config.txt"},
                                     {L"FileReplace", L"file_0.dst", box / L"client\\data\\config.txt"},
                                     {L"FileReplace", L"file_1.src", box / L"unpack\\files\\extra.txt"},
                                     {L"FileReplace", L"file_1.dst", box / L"client\\extra.txt"},
                                     {L"Settings", L"kept", L"yes"}}));

    // The client starts the update and ends shortly after.
    qvtest::ChildProcess oldClient = StartProbe(box.record(), L"old-client", 200);
    ASSERT_TRUE(oldClient.process);
    ProcessTree run(RefitterCommand(L"16 " + std::to_wstring(oldClient.pid) + L" \"" + script + L"\""));
    ASSERT_TRUE(run.started());
    EXPECT_EQ(run.WaitExit(), 0);
    EXPECT_TRUE(run.WaitTreeEnded(60000)) << "the copy, a package or the client did not end";
    DWORD oldClientExit = 1;
    EXPECT_FALSE(StillRunning(oldClient, &oldClientExit));
    EXPECT_EQ(oldClientExit, 0u) << "the client ended in time and must not be terminated";

    const std::vector<Record> records = box.Records();
    ASSERT_EQ(Events(records), (std::vector<std::string>{"start old-client", "end old-client", "start pkg0", "end pkg0",
                                                         "start pkg1", "end pkg1", "start client", "end client"}));
    // The packages were started by the copy in TempPath, in mode 21, with the
    // first instance's id and the whole script path.
    const std::wstring copy = box / L"temp\\Refitter.exe";
    EXPECT_TRUE(qvtest::FileExists(copy));
    for (const Record* package : {&records[2], &records[4]}) {
        SCOPED_TRACE(package->label);
        EXPECT_TRUE(SamePath(package->parentImage, copy)) << package->parentImage;
        const std::vector<std::wstring> args = SplitCommandLine(package->parentCommandLine);
        ASSERT_EQ(args.size(), 4u) << package->parentCommandLine;
        EXPECT_EQ(args[1], L"21");
        EXPECT_EQ(args[2], std::to_wstring(run.pid()));
        EXPECT_EQ(args[3], script);
    }
    EXPECT_TRUE(SamePath(records[2].workDir, box / L"unpack\\work")) << records[2].workDir;
    EXPECT_TRUE(SamePath(records[4].workDir, box / L"unpack")) << records[4].workDir;
    // The client again, in its own folder, with its parameters.
    EXPECT_TRUE(SamePath(records[6].workDir, box / L"client")) << records[6].workDir;
    EXPECT_EQ(records[6].args, (std::vector<std::string>{"0", "0", "two words", "-updated"}));

    EXPECT_EQ(FileText(box / L"client\\data\\config.txt"), "new config");
    EXPECT_EQ(FileText(box / L"client\\extra.txt"), "new extra");
    EXPECT_FALSE(box.Exists(L"unpack")) << "left in the unpack folder:\n" << box.Listing(L"unpack");
    for (const wchar_t* section : {L"BasicInfo", L"PackInstall", L"FileReplace"}) {
        EXPECT_FALSE(SectionExists(script, section)) << Utf8(section);
    }
    EXPECT_EQ(IniValue(script, L"Settings", L"kept"), L"yes");

    // The emptied script changes nothing when applied again.
    const std::string scriptBefore = FileText(script);
    const std::string recordBefore = FileText(box.record());
    EndedProcess target;
    ProcessTree again(RefitterCommand(L"21 " + std::to_wstring(target.pid()) + L" \"" + script + L"\""));
    EXPECT_EQ(again.WaitExit(), 0);
    EXPECT_TRUE(again.WaitTreeEnded());
    EXPECT_EQ(FileText(script), scriptBefore);
    EXPECT_EQ(FileText(box.record()), recordBefore);
    EXPECT_EQ(FileText(box / L"client\\data\\config.txt"), "new config");
}

}  // namespace
}  // namespace refitter_test
