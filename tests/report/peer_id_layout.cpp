#include "peer_id_layout.h"

namespace statvane_test {
namespace {

bool Copy(const std::wstring& from, const std::wstring& to) { return ::CopyFileW(from.c_str(), to.c_str(), FALSE) != 0; }

}  // namespace

std::string Hex(const std::string& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += kDigits[c >> 4];
        hex += kDigits[c & 0xF];
    }
    return hex;
}

PeerIdLayout::PeerIdLayout() {
    const std::wstring decoy = qvtest::BinPath(L"test_peerid_source.dll");
    const std::string decoyAnswer = "result ok\ntext " + Hex("DECOY") + "\n";
    ok_ = ::CreateDirectoryW(lib().c_str(), nullptr) && ::CreateDirectoryW(app().c_str(), nullptr) &&
          ::CreateDirectoryW(cwd().c_str(), nullptr) &&
          Copy(qvtest::BinPath(L"Statvane.dll"), lib() + L"\\Statvane.dll") &&
          Copy(qvtest::BinPath(L"statvane_probe.exe"), app() + L"\\statvane_probe.exe") &&
          Copy(decoy, app() + L"\\nodemark.dll") && Copy(decoy, cwd() + L"\\nodemark.dll") &&
          qvtest::WriteTextFile(app() + L"\\peerid_answer.txt", decoyAnswer) &&
          qvtest::WriteTextFile(cwd() + L"\\peerid_answer.txt", decoyAnswer);
}

bool PeerIdLayout::PutSibling(Sibling sibling) {
    const std::wstring target = lib() + L"\\nodemark.dll";
    switch (sibling) {
    case Sibling::TestSource: return Copy(qvtest::BinPath(L"test_peerid_source.dll"), target);
    case Sibling::NoExport: return Copy(qvtest::BinPath(L"test_peerid_no_export.dll"), target);
    case Sibling::Stand_in: return Copy(qvtest::BinPath(L"nodemark.dll"), target);
    case Sibling::NotALibrary: return qvtest::WriteTextFile(target, "MZ but not really a library");
    case Sibling::Missing: return true;
    }
    return false;
}

bool PeerIdLayout::SetAnswer(const std::string& answer) {
    return qvtest::WriteTextFile(lib() + L"\\peerid_answer.txt", answer);
}

std::string PeerIdLayout::Calls() const {
    std::string calls;
    qvtest::ReadTextFile(lib() + L"\\peerid_calls.txt", &calls);
    return calls;
}

bool PeerIdLayout::DecoysUntouched() const {
    return !qvtest::FileExists(app() + L"\\peerid_calls.txt") && !qvtest::FileExists(cwd() + L"\\peerid_calls.txt");
}

long PeerIdLayout::RunProbe(const std::wstring& arguments) const {
    return qvtest::RunProcess(L"\"" + app() + L"\\statvane_probe.exe\" \"" + lib() + L"\\Statvane.dll\" " + arguments,
                              cwd());
}

std::wstring PeerIdLayout::PeerIdBuffer(std::int32_t count, long* exitCode) const {
    const std::wstring out = root_ / L"buffer.bin";
    ::DeleteFileW(out.c_str());
    *exitCode = RunProbe(L"peerid " + std::to_wstring(count) + L" \"" + out + L"\"");
    std::string bytes;
    if (!qvtest::ReadTextFile(out, &bytes)) return L"<none>";
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

}  // namespace statvane_test
