// The one trace line per export call, read from the debugger channel.
#include <gtest/gtest.h>

#include <algorithm>

#include "loopback_server.h"
#include "peer_id_layout.h"
#include "qvtest/support.h"
#include "statvane_library.h"

namespace statvane_test {
namespace {

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += line + "\n";
    return all;
}

class TraceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(capture_.ok());
        statvane_ = LoadStatvane(qvtest::BinPath(L"Statvane.dll"));
        ASSERT_TRUE(statvane_.ok());
    }
    qvtest::DebugOutputCapture capture_;
    StatvaneLibrary statvane_;
};

TEST_F(TraceTest, ReportIsTracedEvenWithoutNetwork) {
    const std::string url = "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/stat?gameid=7&step=begin";
    EXPECT_EQ(0, statvane_.ReportInstallStatW(qvtest::Widen(url).c_str()));
    const std::string expected = "@ Statvane @ ReportInstallStatW() pUrl = " + url;
    EXPECT_TRUE(capture_.WaitFor(expected));
    EXPECT_TRUE(HasLine(capture_.Lines(::GetCurrentProcessId()), expected)) << Joined(capture_.Lines());
}

TEST_F(TraceTest, NullUrlIsTracedAsNull) {
    EXPECT_EQ(0, statvane_.ReportInstallStatW(nullptr));
    const std::string expected = "@ Statvane @ ReportInstallStatW() pUrl = (null)";
    EXPECT_TRUE(capture_.WaitFor(expected));
    EXPECT_TRUE(HasLine(capture_.Lines(::GetCurrentProcessId()), expected)) << Joined(capture_.Lines());
}

TEST_F(TraceTest, PeerIdIsTracedWithTheIdentifierFound) {
    struct Row {
        Sibling sibling;
        const char* expected;
    };
    const Row rows[] = {
        {Sibling::TestSource, "@ Statvane @ GetPeerIDW() strPeerID = TRACE-42"},
        {Sibling::Missing, "@ Statvane @ GetPeerIDW() strPeerID = 0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        PeerIdLayout layout;
        ASSERT_TRUE(layout.ok());
        ASSERT_TRUE(layout.PutSibling(row.sibling));
        ASSERT_TRUE(layout.SetAnswer("result ok\ntext " + Hex("TRACE-42") + "\n"));
        qvtest::ChildProcess probe = qvtest::StartProcess(
            L"\"" + layout.app() + L"\\statvane_probe.exe\" \"" + layout.lib() + L"\\Statvane.dll\" peerid 0 \"" +
                layout.cwd() + L"\\out.bin\"",
            layout.cwd());
        ASSERT_TRUE(probe.process);
        const DWORD pid = probe.pid;
        EXPECT_EQ(0, qvtest::WaitExit(probe));
        EXPECT_TRUE(capture_.WaitFor(row.expected));
        EXPECT_TRUE(HasLine(capture_.Lines(pid), row.expected)) << Joined(capture_.Lines());
    }
}

}  // namespace
}  // namespace statvane_test
