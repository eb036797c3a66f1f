// Points the user's application-data folder at a test folder for as long as
// it lives, and puts the previous setting back. Tests that use it hold the
// "appdata" lock: the setting is per user, shared by every process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "qv/owners.h"

namespace lwtest {

class AppDataRedirect {
public:
    explicit AppDataRedirect(const std::wstring& folder);
    ~AppDataRedirect();
    AppDataRedirect(const AppDataRedirect&) = delete;
    AppDataRedirect& operator=(const AppDataRedirect&) = delete;
    bool ok() const { return ok_; }

private:
    qv::UniqueKey key_;
    bool ok_ = false;
    bool hadValue_ = false;
    DWORD type_ = 0;
    std::vector<BYTE> previous_;
};

}  // namespace lwtest
