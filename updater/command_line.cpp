#include "command_line.h"

#include <limits>

namespace refitter {

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

}  // namespace

std::int32_t DecimalToInt(const std::wstring& text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    // Accumulate the magnitude in 64 bits and stop growing once it is past
    // what 32 bits can hold, so no input overflows.
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - L'0');
        if (magnitude > limit) magnitude = limit;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

bool ReadRunRequest(const std::vector<std::wstring>& args, RunRequest* request) {
    if (args.size() < 4) return false;
    RunRequest r;
    r.mode = DecimalToInt(args[1]);
    r.targetProcessId = DecimalToInt(args[2]);
    r.scriptPath = args[3];
    if (r.scriptPath.empty() || r.mode <= 0 || r.targetProcessId == 0) return false;
    *request = std::move(r);
    return true;
}

std::wstring QuoteArgument(const std::wstring& arg) {
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
        } else {
            // Backslashes only escape when a quote follows them.
            if (c == L'"') out.append(backslashes + 1, L'\\');
            backslashes = 0;
        }
        out += c;
    }
    out.append(backslashes, L'\\');
    out += L'"';
    return out;
}

std::wstring FormatHandOverParameters(std::uint32_t processId, const std::wstring& scriptPath) {
    // Signed, like the copy reads it back: the id survives the round trip.
    return std::to_wstring(kModeApply) + L' ' + std::to_wstring(static_cast<std::int32_t>(processId)) + L' ' +
           QuoteArgument(scriptPath);
}

}  // namespace refitter
