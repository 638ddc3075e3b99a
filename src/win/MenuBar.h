#pragma once
// The native menu bar, built from the shared menu table: one command id per
// table entry, the check marks the table starts with, and an accelerator for
// each entry's function key (F1, F2, F5-F8).
#include <windows.h>

#include <array>

#include "common/MenuTable.h"
#include "win/Texts.h"

namespace zorbel::win {

class MenuBar {
public:
    MenuBar() = default;
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;
    ~MenuBar();

    // The bar for the window to own; the accelerators stay here.
    HMENU Build(const Texts& texts);
    HACCEL accelerators() const { return accelerators_; }

    // The table entry a WM_COMMAND id stands for, if any, and whether the
    // game lets it run now.
    const MenuEntry* EntryOf(UINT command) const;
    bool Enabled(const MenuEntry& e) const;

    void SetChecked(MenuItem m, bool checked);
    void SetEnabled(MenuItem m, bool enabled);

private:
    static constexpr std::size_t kItems = static_cast<std::size_t>(MenuItem::mnuSymbols) + 1;

    HMENU bar_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::array<UINT, kItems> commandOf_{};
    std::array<bool, kItems> enabled_{};
};

}  // namespace zorbel::win
