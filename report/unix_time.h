// Seconds since 1970 from a Windows file time. Pure arithmetic, no Win32.
#pragma once

#include <cstdint>

namespace statvane {

// 100-nanosecond intervals between 1601-01-01 and 1970-01-01 (UTC).
constexpr std::uint64_t kUnixEpochInIntervals = 116444736000000000ULL;
constexpr std::uint64_t kIntervalsPerSecond = 10000000ULL;

// `intervals`: 100-ns intervals since 1601-01-01 UTC (a FILETIME as one
// number). Whole seconds since 1970-01-01 UTC, the remainder discarded
// (towards zero). The export's result is 32 bits wide: past 2038-01-19
// 03:14:07 the low 32 bits are kept, so a caller reading it as unsigned
// stays right until 2106.
std::int32_t UnixSecondsFromFileTime(std::uint64_t intervals);

}  // namespace statvane
