// What a screen reader gets from the running game, read from another process
// as one would: the labels' texts and, through MSAA (AccessibleObjectFromWindow
// and AccessibleChildren), the board's table with every row and cell. Prints
// one line each, in UTF-8, for the end-to-end test to check:
//   label <text>
//   table <role> <name> rows <n>
//   row <k> <role> cells <n>: <name>|<name>|...
//   focus <name of the focused cell, or "none">
// Usage: msaa_probe.exe [window class]   Exit status 1 when anything is missing.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kGameClass[] = L"Zorbel";
constexpr int kMostChildren = 64;

void Print(const std::wstring& line) {
    const std::wstring text = line + L"\n";
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), n, nullptr, nullptr);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

VARIANT Child(long id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::wstring Name(IAccessible* a, long id) {
    BSTR name = nullptr;
    if (a->get_accName(Child(id), &name) != S_OK || name == nullptr) return L"?";
    std::wstring s(name, SysStringLen(name));
    SysFreeString(name);
    return s;
}

std::wstring Role(IAccessible* a, long id) {
    VARIANT role;
    VariantInit(&role);
    if (a->get_accRole(Child(id), &role) != S_OK || role.vt != VT_I4) return L"?";
    switch (role.lVal) {
        case ROLE_SYSTEM_TABLE: return L"table";
        case ROLE_SYSTEM_ROW: return L"row";
        case ROLE_SYSTEM_CELL: return L"cell";
        default: return std::to_wstring(role.lVal);
    }
}

// The children as objects of their own or as simple elements of `a`.
struct Children {
    std::vector<IAccessible*> objects;  // null for a simple element
    std::vector<long> ids;
    ~Children() {
        for (IAccessible* o : objects) {
            if (o != nullptr) o->Release();
        }
    }
};

bool GetChildren(IAccessible* a, Children& out) {
    VARIANT kids[kMostChildren];
    long got = 0;
    if (FAILED(AccessibleChildren(a, 0, kMostChildren, kids, &got))) return false;
    for (long k = 0; k < got; ++k) {
        IAccessible* child = nullptr;
        if (kids[k].vt == VT_DISPATCH && kids[k].pdispVal != nullptr) {
            kids[k].pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&child));
        }
        out.objects.push_back(child);
        out.ids.push_back(kids[k].vt == VT_I4 ? kids[k].lVal : CHILDID_SELF);
        VariantClear(&kids[k]);
    }
    return true;
}

// The child window that answers MSAA with a table: the board.
IAccessible* FindTable(HWND top) {
    struct Search {
        IAccessible* table = nullptr;
    } search;
    EnumChildWindows(
        top,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t cls[64] = L"";
            GetClassNameW(w, cls, 64);
            if (lstrcmpiW(cls, L"Static") == 0) {
                wchar_t text[256] = L"";
                GetWindowTextW(w, text, 256);
                Print(std::wstring(L"label ") + text);
            }
            IAccessible* a = nullptr;
            if (s->table == nullptr &&
                SUCCEEDED(AccessibleObjectFromWindow(w, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                     reinterpret_cast<void**>(&a)))) {
                if (Role(a, CHILDID_SELF) == L"table") {
                    s->table = a;
                } else {
                    a->Release();
                }
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.table;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const HWND top = FindWindowW(argc > 1 ? argv[1] : kGameClass, nullptr);
    if (top == nullptr) {
        Print(L"no window of the game's class");
        return 1;
    }
    CoInitialize(nullptr);
    IAccessible* table = FindTable(top);
    if (table == nullptr) {
        Print(L"no child window answers with a table");
        return 1;
    }
    Children rows;
    if (!GetChildren(table, rows)) {
        Print(L"AccessibleChildren failed on the table");
        return 1;
    }
    Print(L"table " + Role(table, CHILDID_SELF) + L" " + Name(table, CHILDID_SELF) + L" rows " +
          std::to_wstring(rows.ids.size()));
    for (std::size_t r = 0; r < rows.ids.size(); ++r) {
        IAccessible* row = rows.objects[r];
        if (row == nullptr) {
            Print(L"row " + std::to_wstring(r + 1) + L" is no object");
            continue;
        }
        Children cells;
        GetChildren(row, cells);
        std::wstring line = L"row " + std::to_wstring(r + 1) + L" " + Role(row, CHILDID_SELF) + L" cells " +
                            std::to_wstring(cells.ids.size()) + L":";
        for (std::size_t c = 0; c < cells.ids.size(); ++c) {
            IAccessible* owner = cells.objects[c] != nullptr ? cells.objects[c] : row;
            const long id = cells.objects[c] != nullptr ? CHILDID_SELF : cells.ids[c];
            line += (c == 0 ? L" " : L"|") + Role(owner, id) + L" " + Name(owner, id);
        }
        Print(line);
    }
    VARIANT focus;
    VariantInit(&focus);
    const bool focused = table->get_accFocus(&focus) == S_OK && focus.vt == VT_I4;
    Print(L"focus " + (focused ? Name(table, focus.lVal) : std::wstring(L"none")));
    table->Release();
    CoUninitialize();
    return 0;
}
