// What Refitter reads from its command line, and the text it hands to its
// copy. Pure text rules: no Windows call, so this compiles natively too.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace refitter {

// Modes the client and the hand-over use; any other mode above 0 is
// accepted and only waits and takes the guard.
constexpr int kModeHandOver = 16;
constexpr int kModeApply = 21;

struct RunRequest {
    int mode = 0;
    int targetProcessId = 0;
    std::wstring scriptPath;
};

// Leading white space, an optional sign, then decimal digits up to the first
// other character; no digits gives 0. Values beyond 32 bits saturate at
// INT32_MIN / INT32_MAX rather than wrapping into another process id.
std::int32_t DecimalToInt(const std::wstring& text);

// `args` as the shell splits them, program path first. False (run nothing)
// when fewer than three arguments follow the program, the script path is
// empty, the mode is not above 0 or the process id is 0.
bool ReadRunRequest(const std::vector<std::wstring>& args, RunRequest* request);

// One argument in double quotes, escaped so that the shell's splitting gives
// back exactly `arg` (backslashes before a quote are doubled).
std::wstring QuoteArgument(const std::wstring& arg);

// The copy's parameters: "21", the handing-over process id, the quoted
// script path. Never cut, however long the path.
std::wstring FormatHandOverParameters(std::uint32_t processId, const std::wstring& scriptPath);

}  // namespace refitter
