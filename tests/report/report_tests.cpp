// ReportInstallStatW against a server on loopback that the test runs.
#include <gtest/gtest.h>

#include <chrono>

#include "loopback_server.h"
#include "qvtest/support.h"
#include "statvane_library.h"

namespace statvane_test {
namespace {

const wchar_t kReportPath[] = L"/stat/install?gameid=1042&step=done&mac=00-1A-2B&ver=3.1.7";
const char kReportRequestLine[] = "GET /stat/install?gameid=1042&step=done&mac=00-1A-2B&ver=3.1.7 HTTP/1.1";

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        statvane_ = LoadStatvane(qvtest::BinPath(L"Statvane.dll"));
        ASSERT_TRUE(statvane_.ok());
    }
    StatvaneLibrary statvane_;
};

TEST_F(ReportTest, SendsTheUrlAsOneGetEachTimeAndNeverFromTheCache) {
    LoopbackServer server(Answer::Ok);
    ASSERT_TRUE(server.ok());
    const std::wstring url = server.Url(kReportPath);

    // The server's answer may be cached for a day: the second report must
    // still reach it, without a conditional header that lets it say "304".
    // Wine's WinINet asks the server again even without the reload flag;
    // Windows can answer the second call from its cache.
    EXPECT_EQ(1, statvane_.ReportInstallStatW(url.c_str()));
    EXPECT_EQ(1, statvane_.ReportInstallStatW(url.c_str()));

    const std::vector<Request> requests = server.Requests();
    ASSERT_EQ(2u, requests.size()) << "a proxy from http_proxy would also show here as 0";
    for (const Request& request : requests) {
        EXPECT_EQ(kReportRequestLine, request.line);
        EXPECT_EQ("HTTP Downloader", request.Header("User-Agent"));
        EXPECT_EQ("", request.Header("If-None-Match"));
        EXPECT_EQ("", request.Header("If-Modified-Since"));
    }
}

struct AnswerCase {
    const char* name;
    Answer answer;
};
void PrintTo(const AnswerCase& row, std::ostream* os) { *os << row.name; }

class ReportAnswerTest : public ReportTest, public ::testing::WithParamInterface<AnswerCase> {};

// Any answer at all counts as delivered, and ends the attempts.
TEST_P(ReportAnswerTest, AnyAnswerIsDeliveredOnce) {
    LoopbackServer server(GetParam().answer);
    ASSERT_TRUE(server.ok());
    EXPECT_EQ(1, statvane_.ReportInstallStatW(server.Url(kReportPath).c_str()));
    const std::vector<Request> requests = server.Requests();
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(kReportRequestLine, requests[0].line);
}

INSTANTIATE_TEST_SUITE_P(Answers, ReportAnswerTest,
                         ::testing::Values(AnswerCase{"Ok", Answer::Ok},
                                           AnswerCase{"NotFound", Answer::NotFound},
                                           AnswerCase{"EmptyBody", Answer::EmptyBody},
                                           AnswerCase{"LargeBody", Answer::LargeBody}),
                         [](const ::testing::TestParamInfo<AnswerCase>& info) { return info.param.name; });

TEST_F(ReportTest, ReturnsOnlyAfterTheAnswerWasReadToItsEnd) {
    LoopbackServer server(Answer::SlowBody);
    ASSERT_TRUE(server.ok());
    EXPECT_EQ(1, statvane_.ReportInstallStatW(server.Url(kReportPath).c_str()));
    EXPECT_TRUE(server.LastPartStarted());
}

TEST_F(ReportTest, AServerThatHangsUpUnansweredIsTriedFiveTimes) {
    LoopbackServer server(Answer::Close);
    ASSERT_TRUE(server.ok());
    EXPECT_EQ(0, statvane_.ReportInstallStatW(server.Url(kReportPath).c_str()));
    const std::vector<Request> requests = server.Requests();
    ASSERT_EQ(5u, requests.size());
    for (const Request& request : requests) EXPECT_EQ(kReportRequestLine, request.line);
}

TEST_F(ReportTest, AClosedPortGivesZeroInBoundedTime) {
    const unsigned short port = ClosedPort();
    ASSERT_NE(0, port);
    const std::wstring url = L"http://127.0.0.1:" + std::to_wstring(port) + kReportPath;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(0, statvane_.ReportInstallStatW(url.c_str()));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

TEST_F(ReportTest, UrlsThatCannotBeOpenedGiveZero) {
    const wchar_t* const urls[] = {nullptr, L"", L"not a url", L"http://", L"http://127.0.0.1:99999/port-out-of-range"};
    for (const wchar_t* url : urls) {
        SCOPED_TRACE(url ? qvtest::Narrow(url) : "(null)");
        EXPECT_EQ(0, statvane_.ReportInstallStatW(url));
    }
}

}  // namespace
}  // namespace statvane_test
