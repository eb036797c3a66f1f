// GetPeerIDW, called by a probe whose executable folder and current folder
// both differ from Statvane's, with a sibling library the test controls.
#include <gtest/gtest.h>

#include <cwctype>

#include "peer_id_layout.h"

namespace statvane_test {
namespace {

// The probe's buffer holds count + 4 characters of '~' before the call.
const std::wstring kTail = L"~~~~";

std::wstring Zeros(std::size_t n) { return std::wstring(n, L'\0'); }

const std::string k64 = "0123456789abcdef0123456789ABCDEF0123456789abcdef0123456789ABCDEF";
const std::wstring k64W = L"0123456789abcdef0123456789ABCDEF0123456789abcdef0123456789ABCDEF";

std::string AnswerOk(const std::string& text) { return "result ok\ntext " + Hex(text) + "\n"; }
std::string AnswerCount(const std::string& text, long count) {
    return AnswerOk(text) + "count " + std::to_string(count) + "\n";
}

struct PeerIdCase {
    const char* name;
    Sibling sibling;
    std::string answer;  // the test source's answer file
    std::int32_t count;
    std::wstring expected;  // the whole probe buffer after the call
    bool asked;             // ReadPeerId must have been called
};

// gtest names a failing row by this instead of dumping its bytes.
void PrintTo(const PeerIdCase& row, std::ostream* os) { *os << row.name; }

class PeerIdTest : public ::testing::TestWithParam<PeerIdCase> {};

TEST_P(PeerIdTest, CopiesTheSiblingsAnswerIntoTheCallersBuffer) {
    const PeerIdCase& row = GetParam();
    PeerIdLayout layout;
    ASSERT_TRUE(layout.ok());
    ASSERT_TRUE(layout.PutSibling(row.sibling));
    ASSERT_TRUE(layout.SetAnswer(row.answer));

    long exitCode = -1;
    EXPECT_EQ(row.expected, layout.PeerIdBuffer(row.count, &exitCode));
    EXPECT_EQ(0, exitCode) << "4: nodemark.dll stayed loaded after the call";

    EXPECT_TRUE(layout.DecoysUntouched()) << "nodemark.dll was looked for outside Statvane's folder";
    const std::string calls = layout.Calls();
    if (row.asked) {
        EXPECT_EQ(0u, calls.find("ReadPeerId request=256 count=64\n")) << calls;
    }
    if (row.sibling == Sibling::TestSource) {
        // Every factory and object released before the library was let go.
        EXPECT_NE(std::string::npos, calls.find("detach objects=0 factories=0\n")) << calls;
    }
}

const std::string kPeer = AnswerOk("PEER-1234");

INSTANTIATE_TEST_SUITE_P(
    Answers, PeerIdTest,
    ::testing::Values(
        PeerIdCase{"RoomForTerminator", Sibling::TestSource, kPeer, 65, L"PEER-1234" + Zeros(56) + kTail, true},
        PeerIdCase{"CountZeroWritesNothing", Sibling::TestSource, kPeer, 0, kTail, true},
        PeerIdCase{"CountOneGivesFirstCharOnly", Sibling::TestSource, kPeer, 1, L"P" + kTail, true},
        PeerIdCase{"CountOfLengthHasNoTerminator", Sibling::TestSource, kPeer, 9, L"PEER-1234" + kTail, true},
        PeerIdCase{"CountAboveLengthFillsZeros", Sibling::TestSource, kPeer, 12, L"PEER-1234" + Zeros(3) + kTail, true},
        PeerIdCase{"NegativeCountWritesNothing", Sibling::TestSource, kPeer, -1, kTail, true},
        PeerIdCase{"SixtyFourBytesFull", Sibling::TestSource, AnswerOk(k64), 65, k64W + Zeros(1) + kTail, true},
        PeerIdCase{"CountAbove64TakenAs64", Sibling::TestSource, AnswerCount(k64, 100), 65, k64W + Zeros(1) + kTail, true},
        PeerIdCase{"CountZeroIsEmptyNotDefault", Sibling::TestSource, AnswerCount("PEER", 0), 3, Zeros(3) + kTail, true},
        PeerIdCase{"CountBelowTextLength", Sibling::TestSource, AnswerCount("PEER-1234", 4), 6, L"PEER" + Zeros(2) + kTail, true},
        PeerIdCase{"NegativeAnswerCountIsDefault", Sibling::TestSource, AnswerCount("PEER", -1), 3, L"0" + Zeros(2) + kTail, true},
        PeerIdCase{"ZeroByteEndsTheText", Sibling::TestSource, AnswerOk(std::string("ab\0cd", 5)), 6, L"ab" + Zeros(4) + kTail, true},
        PeerIdCase{"FailingReadIsDefault", Sibling::TestSource, "result fail\ntext " + Hex("LEAKED") + "\n", 3, L"0" + Zeros(2) + kTail, true},
        PeerIdCase{"NoObjectIsDefault", Sibling::TestSource, "result no-object\n", 3, L"0" + Zeros(2) + kTail, false},
        PeerIdCase{"SuccessWithoutObjectIsDefault", Sibling::TestSource, "result null-object\n", 3, L"0" + Zeros(2) + kTail, false},
        PeerIdCase{"NoFactoryIsDefault", Sibling::TestSource, "result no-factory\n", 3, L"0" + Zeros(2) + kTail, false},
        PeerIdCase{"NoExportIsDefault", Sibling::NoExport, "", 3, L"0" + Zeros(2) + kTail, false},
        PeerIdCase{"NotALibraryIsDefault", Sibling::NotALibrary, "", 3, L"0" + Zeros(2) + kTail, false},
        PeerIdCase{"MissingIsDefault", Sibling::Missing, "", 3, L"0" + Zeros(2) + kTail, false},
        PeerIdCase{"MissingCountOneHasNoTerminator", Sibling::Missing, "", 1, L"0" + kTail, false}),
    [](const ::testing::TestParamInfo<PeerIdCase>& info) { return info.param.name; });

TEST(PeerIdAnsi, TextIsConvertedFromTheAnsiCodePage) {
    // The probe inherits this process's code page; the row is written for 1252.
    if (::GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << ::GetACP();
    PeerIdLayout layout;
    ASSERT_TRUE(layout.ok());
    ASSERT_TRUE(layout.PutSibling(Sibling::TestSource));
    ASSERT_TRUE(layout.SetAnswer(AnswerOk("caf\xE9-\x80")));
    long exitCode = -1;
    EXPECT_EQ(L"caf\u00E9-\u20AC" + Zeros(1) + kTail, layout.PeerIdBuffer(7, &exitCode));
    EXPECT_EQ(0, exitCode);
}

TEST(PeerIdNullBuffer, WritesNothingAndDoesNotCrash) {
    PeerIdLayout layout;
    ASSERT_TRUE(layout.ok());
    ASSERT_TRUE(layout.PutSibling(Sibling::TestSource));
    ASSERT_TRUE(layout.SetAnswer(kPeer));
    EXPECT_EQ(0, layout.RunProbe(L"peerid null 65"));
    EXPECT_EQ(0, layout.RunProbe(L"peerid null 0"));
}

// The stand-in computes a machine identifier: 32 hex digits, the same on every
// call and wherever Statvane lies.
TEST(PeerIdStandIn, GivesAStableMachineIdentifier) {
    PeerIdLayout layout;
    ASSERT_TRUE(layout.ok());
    ASSERT_TRUE(layout.PutSibling(Sibling::Stand_in));
    long exitCode = -1;
    const std::wstring first = layout.PeerIdBuffer(65, &exitCode);
    EXPECT_EQ(0, exitCode);
    ASSERT_EQ(65 + kTail.size(), first.size());
    for (std::size_t i = 0; i < 32; ++i) EXPECT_TRUE(std::iswxdigit(first[i])) << i;
    EXPECT_EQ(Zeros(33) + kTail, first.substr(32));

    EXPECT_EQ(first, layout.PeerIdBuffer(65, &exitCode));
    PeerIdLayout elsewhere;
    ASSERT_TRUE(elsewhere.ok());
    ASSERT_TRUE(elsewhere.PutSibling(Sibling::Stand_in));
    EXPECT_EQ(first, elsewhere.PeerIdBuffer(65, &exitCode));
}

}  // namespace
}  // namespace statvane_test
