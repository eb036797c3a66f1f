/* QVUE: the host's UI engine (stand-in). An extension asks it for a host
 * window by identifier and for that window's Win32 handle; the host program
 * fills the table. */
#ifndef QVUE_H
#define QVUE_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef QVUE_BUILDING
#define QVUE_API __declspec(dllexport)
#else
#define QVUE_API __declspec(dllimport)
#endif
#if defined(QVUE_BUILDING) && defined(QVUE_DEF_EXPORTS)
#define QVUE_WINAPI_API
#else
#define QVUE_WINAPI_API QVUE_API
#endif

typedef struct QVUE_HostWndTag* QVUE_HOSTWND;

/* The host window registered under `id` (bytes compared exactly), or null. */
QVUE_WINAPI_API QVUE_HOSTWND WINAPI QVUE_GetHostWndByID(const char* id);
/* Its Win32 window handle, or null for a null or unknown object. */
QVUE_WINAPI_API HWND WINAPI QVUE_GetHostWndWindowHandle(QVUE_HOSTWND hostWnd);

/* Host side: add (or re-point) and remove an entry. */
QVUE_API void __cdecl QVUE_AddHostWnd(const char* id, HWND window);
QVUE_API void __cdecl QVUE_RemoveHostWnd(const char* id);

#ifdef __cplusplus
}
#endif

#endif
