// The exports of Statvane.dll, as callers declare them (C convention).
#pragma once

#include <stdint.h>
#include <wchar.h>

#ifdef STATVANE_BUILD
#define STATVANE_API __declspec(dllexport)
#else
#define STATVANE_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Sends the report encoded in `url` as one HTTP GET: 1 when the server
// answered (any status), 0 otherwise.
STATVANE_API int32_t __cdecl ReportInstallStatW(const wchar_t* url);

// Copies the machine's peer identifier ("0" when unknown) into `buffer` by
// the rules of wcsncpy with `count` characters.
STATVANE_API void __cdecl GetPeerIDW(wchar_t* buffer, int32_t count);

// The current time in whole seconds since 1970-01-01 00:00:00 UTC.
STATVANE_API int32_t __cdecl GetTime(void);

#ifdef __cplusplus
}
#endif
