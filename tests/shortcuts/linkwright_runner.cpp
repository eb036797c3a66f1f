#include "linkwright_runner.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

namespace lwtest {
namespace {

// Quotes one element by CommandLineToArgvW's rules: backslashes are literal
// except before a quote, where they double.
std::wstring Quote(const std::wstring& element) {
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : element) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out.push_back(c);
    }
    out.append(backslashes * 2, L'\\');
    out.push_back(L'"');
    return out;
}

}  // namespace

std::wstring LinkwrightCommand(const std::vector<std::wstring>& arguments) {
    std::wstring line = Quote(qvtest::BinPath(L"Linkwright.exe"));
    for (const std::wstring& argument : arguments) line += L" " + Quote(argument);
    return line;
}

long RunLinkwright(const std::vector<std::wstring>& arguments, const std::wstring& workDir) {
    return qvtest::RunProcess(LinkwrightCommand(arguments), workDir);
}

bool ReadShortcut(const std::wstring& path, ShortcutFields* fields) {
    qv::ComPtr<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put_void()))) {
        return false;
    }
    qv::ComPtr<IPersistFile> file = link.query<IPersistFile>(IID_IPersistFile);
    if (!file || FAILED(file->Load(path.c_str(), STGM_READ))) return false;
    char text[INFOTIPSIZE] = {};
    if (FAILED(link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH))) return false;
    fields->target = text;
    text[0] = '\0';
    if (FAILED(link->GetWorkingDirectory(text, sizeof text))) return false;
    fields->workingFolder = text;
    text[0] = '\0';
    if (FAILED(link->GetArguments(text, sizeof text))) return false;
    fields->arguments = text;
    return true;
}

bool ToAnsi(const std::wstring& wide, std::string* ansi) {
    ansi->clear();
    if (wide.empty()) return true;
    BOOL usedDefault = FALSE;
    const int size = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault) return false;
    ansi->resize(static_cast<size_t>(size));
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), &(*ansi)[0], size,
                          nullptr, nullptr);
    return true;
}

}  // namespace lwtest
