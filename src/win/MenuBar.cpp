#include "win/MenuBar.h"

#include <string>
#include <vector>

namespace zorbel::win {

namespace {

constexpr UINT kFirstCommand = 100;  // entry k of the table is command 100 + k

std::size_t Slot(MenuItem m) { return static_cast<std::size_t>(m); }

// The caption as a menu shows it: a literal "&" doubled, since a single one
// would underline the next letter, and the key after a tab.
std::wstring MenuText(const std::wstring& caption, int functionKey) {
    std::wstring text;
    for (const wchar_t ch : caption) {
        text += ch;
        if (ch == L'&') text += L'&';
    }
    if (functionKey != 0) text += L"\tF" + std::to_wstring(functionKey);
    return text;
}

}  // namespace

MenuBar::~MenuBar() {
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
}

// An entry followed by deeper ones opens a menu of its own.
HMENU MenuBar::Build(const Texts& texts) {
    const auto entries = MenuEntries();
    bar_ = CreateMenu();
    std::vector<HMENU> open{bar_};  // the menu at each level being filled
    std::vector<ACCEL> keys;
    enabled_.fill(true);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const MenuEntry& e = entries[k];
        open.resize(static_cast<std::size_t>(e.level) + 1);
        HMENU parent = open.back();
        if (IsSeparator(e)) {
            AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring text = MenuText(texts.Wide("Menu", e.caption), e.functionKey);
        if (OpensMenu(entries, k)) {
            HMENU menu = CreatePopupMenu();
            AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu), text.c_str());
            open.push_back(menu);
            continue;
        }
        const UINT command = kFirstCommand + static_cast<UINT>(k);
        AppendMenuW(parent, MF_STRING | (e.checkedAtStart ? MF_CHECKED : 0), command, text.c_str());
        if (e.item) commandOf_[Slot(*e.item)] = command;
        if (e.functionKey != 0) {
            keys.push_back({FVIRTKEY, static_cast<WORD>(VK_F1 + e.functionKey - 1), static_cast<WORD>(command)});
        }
    }
    accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
    return bar_;
}

const MenuEntry* MenuBar::EntryOf(UINT command) const {
    const auto entries = MenuEntries();
    if (command < kFirstCommand || command - kFirstCommand >= entries.size()) return nullptr;
    return &entries[command - kFirstCommand];
}

bool MenuBar::Enabled(const MenuEntry& e) const { return !e.item || enabled_[Slot(*e.item)]; }

void MenuBar::SetChecked(MenuItem m, bool checked) {
    CheckMenuItem(bar_, commandOf_[Slot(m)], MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MenuBar::SetEnabled(MenuItem m, bool enabled) {
    enabled_[Slot(m)] = enabled;
    EnableMenuItem(bar_, commandOf_[Slot(m)], MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace zorbel::win
