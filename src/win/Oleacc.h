#pragma once
// The two functions of oleacc.dll the game needs, from the library loaded
// on first use and from System32 only. Linked as usual, oleacc, which is no
// KnownDLL, would be looked for in the program's own folder first (say a
// Downloads folder) and loaded before the game's first line; on demand, a
// player without a screen reader never loads it at all.
#include <windows.h>
#include <unknwn.h>

namespace zorbel::win {

// LresultFromObject: 0 when the library cannot be had.
LRESULT ResultFromObject(REFIID riid, WPARAM w, IUnknown* object);
// AccessibleObjectFromWindow: E_FAIL when the library cannot be had.
HRESULT ObjectFromWindow(HWND hwnd, DWORD id, REFIID riid, void** out);

}  // namespace zorbel::win
