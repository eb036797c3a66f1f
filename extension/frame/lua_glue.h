// What every script method shares: the object check, one reader per
// argument kind and one pusher per result kind.
//
// A glue function reads all of its arguments before it creates anything
// with a destructor: the readers raise the runtime's argument errors, which
// leave the function by longjmp and would skip those destructors.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

extern "C" {
#include "lua.h"
}

class COSShell;

namespace glue {

extern const char kOSShellClass[];        // "Qoravel.UIEngine.OSShell.Class"
extern const char kDragDropShellClass[];  // "Qoravel.UIEngine.DragDropShell.Class"

// Argument 1 must be the object of `className`; otherwise the runtime's
// argument error. Returns the object pointer held in the script object.
void* CheckObject(lua_State* L, const char* className);
COSShell* CheckOSShell(lua_State* L);

// string (required): a number is read as its text.
const char* ReadString(lua_State* L, int n);
// string with length: the bytes may hold zeros.
const char* ReadString(lua_State* L, int n, size_t* length);

// optional string: null when absent. kAnyValue counts every value but
// none/nil as present (then a non-text value raises the argument error);
// kStringOnly counts only strings as present (a number is absent).
enum class Presence { kAnyValue, kStringOnly };
const char* ReadOptionalString(lua_State* L, int n, Presence presence);

// integer: lua_tointeger, taken as a signed 32-bit value on every build;
// absent or not a number reads as 0.
int ReadInteger(lua_State* L, int n);
// integer (required): as above, but a non-number raises the argument error.
int ReadRequiredInteger(lua_State* L, int n);
double ReadNumber(lua_State* L, int n);
double ReadRequiredNumber(lua_State* L, int n);
bool ReadBoolean(lua_State* L, int n);
// A light userdata's pointer (or a full userdata's block) as a window handle;
// anything else is the null handle.
HWND ReadWindowHandle(lua_State* L, int n);

// Each pusher pushes one value and returns 1, so a glue function can end
// with `return glue::PushX(L, ...)`, or add counts for several results.
int PushInteger(lua_State* L, int value);
// Unsigned 32-bit values go out as numbers, never negative.
int PushUnsigned(lua_State* L, unsigned int value);
int PushNumber(lua_State* L, double value);
int PushBoolean(lua_State* L, bool value);
// The text up to its first zero byte, as lua_pushstring takes it.
int PushString(lua_State* L, const std::string& utf8);
int PushNil(lua_State* L);
// A new table { [1] = first, [2] = second, ... } of strings.
int PushList(lua_State* L, const std::vector<std::string>& items);

}  // namespace glue
