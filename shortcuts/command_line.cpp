#include "command_line.h"

namespace linkwright {
namespace {

wchar_t FoldAscii(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool IsOption(const std::wstring& element, const wchar_t* lowerName) {
    size_t i = 0;
    for (; i < element.size() && lowerName[i] != L'\0'; ++i) {
        if (FoldAscii(element[i]) != lowerName[i]) return false;
    }
    return i == element.size() && lowerName[i] == L'\0';
}

}  // namespace

RunRequest ReadCommandLine(const std::vector<std::wstring>& elements) {
    RunRequest request;
    struct ValueOption {
        const wchar_t* name;
        std::wstring RunRequest::*field;
    };
    static const ValueOption kValueOptions[] = {
        {L"-gameid", &RunRequest::gameId},
        {L"-sourcefile", &RunRequest::sourceFile},
        {L"-link", &RunRequest::link},
    };

    for (size_t i = 0; i < elements.size(); ++i) {
        const std::wstring& element = elements[i];
        if (IsOption(element, L"-deleteallsaveddesktoplink")) {
            request.deleteSaved = true;
            continue;
        }
        for (const ValueOption& option : kValueOptions) {
            if (!IsOption(element, option.name)) continue;
            const bool hasValue = i + 1 < elements.size();
            request.*option.field = hasValue ? elements[i + 1] : std::wstring();
            if (hasValue) ++i;  // the value is never read as an option
            break;
        }
    }
    return request;
}

RunAction DecideAction(const RunRequest& request) {
    if (request.deleteSaved) return RunAction::DeleteSavedShortcuts;
    if (!request.gameId.empty() && !request.sourceFile.empty() && !request.link.empty()) {
        return RunAction::CreateShortcut;
    }
    return RunAction::Nothing;
}

}  // namespace linkwright
