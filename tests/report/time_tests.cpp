// GetTime: the export against the system clock, and the epoch arithmetic
// behind it for chosen instants.
#include <gtest/gtest.h>

#include <ctime>

#include "qvtest/support.h"
#include "statvane_library.h"
#include "unix_time.h"

namespace statvane_test {
namespace {

TEST(GetTimeExport, AgreesWithTheSystemClock) {
    StatvaneLibrary statvane = LoadStatvane(qvtest::BinPath(L"Statvane.dll"));
    ASSERT_TRUE(statvane.ok());
    const __time64_t before = ::_time64(nullptr);
    const std::int32_t now = statvane.GetTime();
    const __time64_t after = ::_time64(nullptr);
    EXPECT_LE(before, now);
    EXPECT_GE(after, now);
}

struct InstantCase {
    SYSTEMTIME utc;      // wYear, wMonth, wDayOfWeek (ignored), wDay, wHour, wMinute, wSecond, wMilliseconds
    std::int32_t seconds;
};

std::uint64_t Intervals(const SYSTEMTIME& utc) {
    FILETIME file;
    EXPECT_TRUE(::SystemTimeToFileTime(&utc, &file));
    return (static_cast<std::uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
}

TEST(UnixSeconds, FromFileTimes) {
    const InstantCase rows[] = {
        {{1970, 1, 0, 1, 0, 0, 0, 0}, 0},
        {{1970, 1, 0, 1, 0, 0, 0, 999}, 0},  // the fraction is dropped
        {{1970, 1, 0, 2, 0, 0, 0, 0}, 86400},
        {{2001, 9, 0, 9, 1, 46, 40, 0}, 1000000000},
        {{2024, 2, 0, 29, 12, 0, 0, 0}, 1709208000},
        {{2038, 1, 0, 19, 3, 14, 7, 0}, 2147483647},
        // Past the 32-bit range the low 32 bits are kept: read as unsigned,
        // the value is still the right one.
        {{2038, 1, 0, 19, 3, 14, 8, 0}, static_cast<std::int32_t>(0x80000000u)},
        {{1969, 12, 0, 31, 23, 59, 59, 0}, -1},
    };
    for (const InstantCase& row : rows) {
        SCOPED_TRACE(std::to_string(row.utc.wYear) + "-" + std::to_string(row.utc.wMonth) + "-" +
                     std::to_string(row.utc.wDay) + " " + std::to_string(row.utc.wHour) + ":" +
                     std::to_string(row.utc.wMinute) + ":" + std::to_string(row.utc.wSecond));
        EXPECT_EQ(row.seconds, statvane::UnixSecondsFromFileTime(Intervals(row.utc)));
    }
}

TEST(UnixSeconds, JustBelowASecondBoundary) {
    EXPECT_EQ(0, statvane::UnixSecondsFromFileTime(statvane::kUnixEpochInIntervals + 9999999));
    EXPECT_EQ(1, statvane::UnixSecondsFromFileTime(statvane::kUnixEpochInIntervals + 10000000));
}

}  // namespace
}  // namespace statvane_test
