// A DLL planted beside a copy of the program under the name of one it might
// load (oleacc.dll, uxtheme.dll ...): whichever process loads it, it leaves
// a mark, an empty file named after itself with ".ran" added, and does
// nothing else. The end-to-end run fails on any mark.
#include <windows.h>

#include <cwchar>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    constexpr wchar_t kMark[] = L".ran";
    wchar_t path[MAX_PATH + sizeof kMark / sizeof kMark[0]] = L"";
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return TRUE;
    wcscat(path, kMark);
    HANDLE mark = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
    return TRUE;
}
