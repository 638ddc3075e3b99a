// What a screen reader gets from the running game, read from another process
// as one would: the labels' texts and, through MSAA (AccessibleObjectFromWindow
// and AccessibleChildren), the board's table with every row and cell, the
// focus and the selection. Prints one line each, in UTF-8, for the
// end-to-end test to check:
//   label <text>
//   table <role> <name> rows <n>
//   row <k> <role> cells <n>: <role> <name> [<description>]|...
//   focus <row> <column> <name>       (the row found in the table by identity;
//   selection <row> <column> <name>    "none" when there is none, "outside"
//                                      when it is no row of the table)
// With --watch STOPFILE it first listens to the game's WinEvents until the
// file STOPFILE exists (printing "watching" once it listens), then prints the
// above and what it heard, each event's element looked up from the event as
// a screen reader does (AccessibleObjectFromEvent) and placed in the table:
//   namechanges <n> at <row>,<column> ...   (on the board)
//   focuses <n> last <row> <column>
//   selections <n> last <row> <column>
//   liveregions <n> in |<text of a window told>|...
// Usage: msaa_probe.exe [--watch STOPFILE]   Exit status 1 when anything is missing.
#include <windows.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kGameClass[] = L"Zorbel";
constexpr int kMostChildren = 64;
constexpr DWORD kPollMs = 20;
constexpr DWORD kLongestWatchMs = 300000;

void Print(const std::wstring& line) {
    const std::wstring text = line + L"\n";
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), n, nullptr, nullptr);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

VARIANT Child(long id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::wstring Text(HRESULT got, BSTR text) {
    if (got != S_OK || text == nullptr) return L"?";
    std::wstring s(text, SysStringLen(text));
    SysFreeString(text);
    return s;
}

std::wstring Name(IAccessible* a, long id) {
    BSTR name = nullptr;
    const HRESULT got = a->get_accName(Child(id), &name);
    return Text(got, name);
}

std::wstring Description(IAccessible* a, long id) {
    BSTR text = nullptr;
    const HRESULT got = a->get_accDescription(Child(id), &text);
    return Text(got, text);
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
struct Board {
    HWND hwnd = nullptr;
    IAccessible* table = nullptr;
};

Board FindBoard(HWND top, bool printLabels) {
    struct Search {
        Board board;
        bool printLabels;
    } search{{}, printLabels};
    EnumChildWindows(
        top,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t cls[64] = L"";
            GetClassNameW(w, cls, 64);
            if (lstrcmpiW(cls, L"Static") == 0) {
                wchar_t text[256] = L"";
                GetWindowTextW(w, text, 256);
                if (s->printLabels) Print(std::wstring(L"label ") + text);
                return TRUE;
            }
            IAccessible* a = nullptr;
            if (s->board.table == nullptr &&
                SUCCEEDED(AccessibleObjectFromWindow(w, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                     reinterpret_cast<void**>(&a)))) {
                if (Role(a, CHILDID_SELF) == L"table") {
                    s->board = {w, a};
                } else {
                    a->Release();
                }
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.board;
}

bool SameObject(IUnknown* a, IUnknown* b) {
    IUnknown* ua = nullptr;
    IUnknown* ub = nullptr;
    a->QueryInterface(__uuidof(IUnknown), reinterpret_cast<void**>(&ua));
    b->QueryInterface(__uuidof(IUnknown), reinterpret_cast<void**>(&ub));
    const bool same = ua != nullptr && ua == ub;
    if (ua != nullptr) ua->Release();
    if (ub != nullptr) ub->Release();
    return same;
}

// "<row> <column> <name>" of the column `child` of row object `row`, the
// row found among the table's by identity; "outside" if it is none of them.
std::wstring Place(const Children& rows, IAccessible* row, const VARIANT& child) {
    for (std::size_t r = 0; r < rows.objects.size(); ++r) {
        if (rows.objects[r] == nullptr || !SameObject(rows.objects[r], row)) continue;
        if (child.vt != VT_I4) return L"outside";
        return std::to_wstring(r + 1) + L" " + std::to_wstring(child.lVal) + L" " + Name(row, child.lVal);
    }
    return L"outside";
}

// What the table says has the focus or the selection: a row object, which
// then says its column.
std::wstring Pointed(const Children& rows, IAccessible* table, HRESULT (IAccessible::*ask)(VARIANT*)) {
    VARIANT v;
    VariantInit(&v);
    if ((table->*ask)(&v) != S_OK) return L"none";
    if (v.vt != VT_DISPATCH || v.pdispVal == nullptr) {
        VariantClear(&v);
        return L"outside";
    }
    IAccessible* row = nullptr;
    v.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&row));
    VariantClear(&v);
    if (row == nullptr) return L"outside";
    VARIANT column;
    VariantInit(&column);
    std::wstring place = (row->*ask)(&column) == S_OK ? Place(rows, row, column) : L"outside";
    row->Release();
    return place;
}

// --- what the game tells through WinEvents ------------------------------
struct Heard {
    DWORD event;
    HWND hwnd;
    LONG object;
    LONG child;
};
std::vector<Heard> heard;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    heard.push_back({event, hwnd, object, child});
}

void Watch(HWND top, const wchar_t* stopFile) {
    DWORD process = 0;
    GetWindowThreadProcessId(top, &process);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, Hear, process, 0,
                                         WINEVENT_OUTOFCONTEXT);
    Print(hook != nullptr ? L"watching" : L"cannot watch");
    const DWORD start = GetTickCount();
    while (GetFileAttributesW(stopFile) == INVALID_FILE_ATTRIBUTES && GetTickCount() - start < kLongestWatchMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    if (hook != nullptr) UnhookWinEvent(hook);
}

// Each event's element as a screen reader would look it up, placed in the table.
std::wstring Looked(const Children& rows, const Heard& h) {
    IAccessible* object = nullptr;
    VARIANT child;
    VariantInit(&child);
    if (FAILED(AccessibleObjectFromEvent(h.hwnd, static_cast<DWORD>(h.object), static_cast<DWORD>(h.child), &object,
                                         &child)) ||
        object == nullptr) {
        return L"unknown";
    }
    std::wstring place = Place(rows, object, child);
    object->Release();
    VariantClear(&child);
    const std::size_t name = place.find(L' ', place.find(L' ') + 1);
    return name == std::wstring::npos ? place : place.substr(0, name);  // row and column
}

void Report(const Children& rows, HWND board) {
    std::map<DWORD, int> count;
    std::map<DWORD, std::wstring> last;
    std::wstring names;
    std::vector<HWND> live;
    for (const Heard& h : heard) {
        if (h.event == EVENT_OBJECT_LIVEREGIONCHANGED) {
            ++count[h.event];
            if (std::find(live.begin(), live.end(), h.hwnd) == live.end()) live.push_back(h.hwnd);
            continue;
        }
        const bool told = h.event == EVENT_OBJECT_NAMECHANGE || h.event == EVENT_OBJECT_FOCUS ||
                          h.event == EVENT_OBJECT_SELECTION;
        if (h.hwnd != board || !told) continue;
        ++count[h.event];
        std::wstring place = Looked(rows, h);
        for (wchar_t& ch : place) ch = ch == L' ' ? L',' : ch;
        if (h.event == EVENT_OBJECT_NAMECHANGE) names += L" " + place;
        last[h.event] = place;
    }
    auto lastOf = [&](DWORD e) { return last.count(e) != 0 ? last[e] : std::wstring(L"none"); };
    Print(L"namechanges " + std::to_wstring(count[EVENT_OBJECT_NAMECHANGE]) + L" at" + names);
    Print(L"focuses " + std::to_wstring(count[EVENT_OBJECT_FOCUS]) + L" last " + lastOf(EVENT_OBJECT_FOCUS));
    Print(L"selections " + std::to_wstring(count[EVENT_OBJECT_SELECTION]) + L" last " + lastOf(EVENT_OBJECT_SELECTION));
    std::wstring texts;
    for (HWND w : live) {
        wchar_t text[256] = L"";
        GetWindowTextW(w, text, 256);
        texts += std::wstring(L"|") + text;
    }
    Print(L"liveregions " + std::to_wstring(count[EVENT_OBJECT_LIVEREGIONCHANGED]) + L" in " + texts);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool watch = argc > 2 && lstrcmpW(argv[1], L"--watch") == 0;
    const HWND top = FindWindowW(kGameClass, nullptr);
    if (top == nullptr) {
        Print(L"no window of the game's class");
        return 1;
    }
    CoInitialize(nullptr);
    if (watch) Watch(top, argv[2]);
    const Board board = FindBoard(top, true);
    IAccessible* table = board.table;
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
            line += (c == 0 ? L" " : L"|") + Role(owner, id) + L" " + Name(owner, id) + L" [" + Description(owner, id) +
                    L"]";
        }
        Print(line);
    }
    Print(L"focus " + Pointed(rows, table, &IAccessible::get_accFocus));
    Print(L"selection " + Pointed(rows, table, &IAccessible::get_accSelection));
    if (watch) Report(rows, board.hwnd);
    table->Release();
    CoUninitialize();
    return 0;
}
