// A client-like layout for GetPeerIDW tests: Statvane.dll in "lib", the
// probe in "app", the current folder "cwd". Decoy "nodemark.dll"s sit in
// "app" and "cwd" so a lookup in the wrong folder shows.
#pragma once

#include <windows.h>

#include <string>

#include "qvtest/support.h"

namespace statvane_test {

enum class Sibling { TestSource, NoExport, NotALibrary, Missing, Stand_in };

class PeerIdLayout {
public:
    PeerIdLayout();
    bool ok() const { return ok_; }

    // Puts the chosen library as "lib\nodemark.dll" (nothing for Missing).
    bool PutSibling(Sibling sibling);
    // The test source's answer file beside "lib\nodemark.dll".
    bool SetAnswer(const std::string& answer);
    // What the test source in "lib" logged; empty when never loaded.
    std::string Calls() const;
    // True when neither decoy was ever loaded.
    bool DecoysUntouched() const;

    // Runs the probe from "app" with "cwd" as the current folder.
    long RunProbe(const std::wstring& arguments) const;
    // "peerid <count> <out>": the probe's whole buffer, or "<none>" on failure.
    std::wstring PeerIdBuffer(std::int32_t count, long* exitCode) const;

    std::wstring lib() const { return root_ / L"lib"; }
    std::wstring app() const { return root_ / L"app"; }
    std::wstring cwd() const { return root_ / L"cwd"; }

private:
    qvtest::TempDir root_;
    bool ok_ = false;
};

// Lower-case hex of `bytes`, for the answer file's "text" line.
std::string Hex(const std::string& bytes);

}  // namespace statvane_test
