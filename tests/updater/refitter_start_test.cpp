// Refitter before it touches the update: the arguments it refuses, the two
// messages, the wait for the client and the single-instance guard.
#include <gtest/gtest.h>

#include "refitter_fixture.h"

namespace refitter_test {
namespace {

const DWORD kStillActive = 259;

// A script that would change things if it were applied: a copy, a start of
// the client and an unpack folder.
struct PendingUpdate {
    Sandbox box;
    std::wstring script = box / L"update.ini";

    PendingUpdate() {
        box.MakeFolder(L"temp");
        box.MakeFolder(L"unpack");
        box.MakeFile(L"unpack\\new.txt", "new");
        box.MakeFolder(L"client");
        box.PlaceProbe(L"client\\Qoravel.exe");
        EXPECT_TRUE(WriteScript(script, {{L"BasicInfo", L"TempPath", box / L"temp\\"},
                                         {L"BasicInfo", L"UnpackPath", box / L"unpack"},
                                         {L"BasicInfo", L"Flag", L"1"},
                                         {L"BasicInfo", L"LaunchExePath", box / L"client\\Qoravel.exe"},
                                         {L"BasicInfo", L"LaunchExeParam", L"\"" + box.record() + L"\" client"},
                                         {L"FileReplace", L"file_0.src", box / L"unpack\\new.txt"},
                                         {L"FileReplace", L"file_0.dst", box / L"client\\new.txt"}}));
        qvtest::ReadTextFile(script, &scriptBytes);
    }

    // Nothing of the update happened.
    void ExpectUntouched() const {
        EXPECT_EQ(FileText(script), scriptBytes) << "the script was changed";
        EXPECT_FALSE(box.Exists(L"client\\new.txt")) << "a file was copied";
        EXPECT_TRUE(box.Exists(L"unpack\\new.txt")) << "the unpack folder was cleared";
        EXPECT_FALSE(box.Exists(L"temp\\Refitter.exe")) << "a hand-over happened";
        EXPECT_TRUE(box.Records().empty()) << "the client was started";
    }

    std::string scriptBytes;
};

std::wstring Replace(std::wstring text, const std::wstring& what, const std::wstring& with) {
    for (std::size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

// Refused arguments: Refitter exits with 0 at once, shows nothing (a message
// box would hold it until the bound), waits for nobody and changes nothing.
TEST(RefitterStart, RefusedArgumentsDoNothing) {
    PendingUpdate update;
    qvtest::ChildProcess client = StartProbe(update.box / L"client-record.txt", L"old-client", 60000);
    ASSERT_TRUE(client.process);
    const wchar_t* rows[] = {
        L"",
        L"21",
        L"21 {pid}",                // two arguments
        L"abc {pid} \"{script}\"",  // mode not a number
        L"0 {pid} \"{script}\"",
        L"-21 {pid} \"{script}\"",
        L"21 xyz \"{script}\"",  // id not a number
        L"21 0 \"{script}\"",
        L"16 0 \"{script}\"",
        L"21 {pid} \"\"",  // empty script path
    };
    for (const wchar_t* row : rows) {
        const std::wstring arguments =
            Replace(Replace(row, L"{pid}", std::to_wstring(client.pid)), L"{script}", update.script);
        SCOPED_TRACE(Utf8(arguments));
        ProcessTree run(RefitterCommand(arguments), update.box.path());
        ASSERT_TRUE(run.started());
        EXPECT_EQ(run.WaitExit(), 0);
        EXPECT_TRUE(run.WaitTreeEnded());
        EXPECT_TRUE(StillRunning(client)) << "the client was terminated";
        update.ExpectUntouched();
    }
    qvtest::WaitExit(client, 0);
}

// A missing script shows the first message in any mode, before waiting for
// anybody: the client, still running, is left alone.
TEST(RefitterStart, MissingScriptShowsFirstMessageBeforeAnyWait) {
    Sandbox box;
    qvtest::ChildProcess client = StartProbe(box.record(), L"old-client", 60000);
    ASSERT_TRUE(client.process);
    for (const wchar_t* mode : {L"16", L"21", L"5"}) {
        SCOPED_TRACE(Utf8(mode));
        ProcessTree run(RefitterCommand(std::wstring(mode) + L" " + std::to_wstring(client.pid) + L" \"" +
                                        (box / L"no such update.ini") + L"\""));
        std::wstring text;
        ASSERT_TRUE(TakeMessage(run, &text)) << "no message box with the caption";
        EXPECT_EQ(text, kScriptMissingText);
        EXPECT_EQ(run.WaitExit(), 0);
        EXPECT_TRUE(StillRunning(client)) << "the client was waited for or terminated";
    }
    qvtest::WaitExit(client, 0);
}

// Mode 5: the client is waited for (terminated when it outstays the wait),
// then the guard is taken, and nothing else happens.
TEST(RefitterStart, WaitsForTheClient) {
    struct Row {
        const char* name;
        DWORD clientSleepMs;
        bool endsFirst;  // the client has ended before Refitter starts
        DWORD exitCode;  // the client's exit code afterwards
    };
    const Row rows[] = {
        {"ends within the wait", 300, false, 7},
        {"already ended", 0, true, 7},
        {"outstays the wait: terminated with the code it reported", 60000, false, kStillActive},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PendingUpdate update;
        qvtest::ChildProcess client =
            StartProbe(update.box / L"client-record.txt", L"old-client", row.clientSleepMs, 7);
        ASSERT_TRUE(client.process);
        if (row.endsFirst) {
            ASSERT_EQ(::WaitForSingleObject(client.process.get(), 20000), WAIT_OBJECT_0);
        }

        ProcessTree run(RefitterCommand(L"5 " + std::to_wstring(client.pid) + L" \"" + update.script + L"\""));
        EXPECT_EQ(run.WaitExit(), 0);
        EXPECT_TRUE(run.WaitTreeEnded());
        DWORD exitCode = 0;
        EXPECT_FALSE(StillRunning(client, &exitCode));
        EXPECT_EQ(exitCode, row.exitCode);
        update.ExpectUntouched();
        qvtest::WaitExit(client, 0);
    }
}

// With the guard held elsewhere, the second instance still waits for (and
// here terminates) its client, then shows the second message and applies
// nothing.
TEST(RefitterStart, GuardHeldShowsSecondMessage) {
    qv::UniqueHandle guard(::CreateMutexW(nullptr, FALSE, kMutexName));
    ASSERT_TRUE(guard);
    ASSERT_NE(::GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << "a Refitter is still running";
    PendingUpdate update;
    qvtest::ChildProcess client = StartProbe(update.box / L"client-record.txt", L"old-client", 60000);
    ASSERT_TRUE(client.process);

    ProcessTree run(RefitterCommand(L"21 " + std::to_wstring(client.pid) + L" \"" + update.script + L"\""));
    std::wstring text;
    ASSERT_TRUE(TakeMessage(run, &text)) << "no message box with the caption";
    EXPECT_EQ(text, kAlreadyRunningText);
    DWORD exitCode = 0;
    EXPECT_FALSE(StillRunning(client, &exitCode)) << "the message came before the wait";
    EXPECT_EQ(exitCode, kStillActive);
    EXPECT_EQ(run.WaitExit(), 0);
    EXPECT_TRUE(run.WaitTreeEnded());
    update.ExpectUntouched();
    qvtest::WaitExit(client, 0);
}

}  // namespace
}  // namespace refitter_test
