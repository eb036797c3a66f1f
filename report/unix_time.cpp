#include "unix_time.h"

namespace statvane {

std::int32_t UnixSecondsFromFileTime(std::uint64_t intervals) {
    // Signed, so a clock set before 1970 gives a small negative number
    // rather than a wrapped huge one.
    const std::int64_t sinceEpoch =
        static_cast<std::int64_t>(intervals - kUnixEpochInIntervals);
    const std::int64_t seconds = sinceEpoch / static_cast<std::int64_t>(kIntervalsPerSecond);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(seconds)));
}

}  // namespace statvane
