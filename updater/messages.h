// The two messages Refitter can show. Each blocks until it is closed.
#pragma once

namespace refitter {

extern const wchar_t kMessageCaption[];

// The update script named on the command line does not exist.
void ShowScriptMissingMessage();

// Another instance is already updating.
void ShowAlreadyRunningMessage();

}  // namespace refitter
