// Delivery of an install-statistics report: one HTTP GET of a URL that the
// caller has built, the answer read to its end and thrown away.
#pragma once

namespace statvane {

// Attempts per report; they follow one another without a pause.
constexpr int kReportAttempts = 5;

// True when the server answered (any HTTP status) in one of the attempts.
// A null or unopenable URL gives false.
bool SendReport(const wchar_t* url);

}  // namespace statvane
