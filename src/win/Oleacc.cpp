#include "win/Oleacc.h"

namespace zorbel::win {

namespace {

using ResultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, IUnknown*);
using ObjectFromWindowFn = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);

struct Library {
    ResultFromObjectFn resultFromObject = nullptr;
    ObjectFromWindowFn objectFromWindow = nullptr;
};

// A function of the library by name; through void (*)(), the one function
// pointer type that casts to any other without a word from the compiler.
template <class Fn>
Fn Function(HMODULE dll, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(dll, name)));
}

// Loaded once and kept as long as the program runs.
const Library& Oleacc() {
    static const Library library = [] {
        Library l;
        if (HMODULE dll = LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32); dll != nullptr) {
            l.resultFromObject = Function<ResultFromObjectFn>(dll, "LresultFromObject");
            l.objectFromWindow = Function<ObjectFromWindowFn>(dll, "AccessibleObjectFromWindow");
        }
        return l;
    }();
    return library;
}

}  // namespace

LRESULT ResultFromObject(REFIID riid, WPARAM w, IUnknown* object) {
    const Library& l = Oleacc();
    return l.resultFromObject != nullptr ? l.resultFromObject(riid, w, object) : 0;
}

HRESULT ObjectFromWindow(HWND hwnd, DWORD id, REFIID riid, void** out) {
    const Library& l = Oleacc();
    if (l.objectFromWindow == nullptr) {
        *out = nullptr;
        return E_FAIL;
    }
    return l.objectFromWindow(hwnd, id, riid, out);
}

}  // namespace zorbel::win
