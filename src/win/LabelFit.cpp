#include "win/LabelFit.h"

#include <algorithm>
#include <cstdlib>

namespace zorbel::win {

namespace {

int TextWidth(HDC dc, HFONT font, const std::wstring& text) {
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    return size.cx;
}

}  // namespace

LONG FittingHeight(LONG height, int width, int room) {
    if (width <= room || width <= 0) return height;
    const LONG size = std::max<LONG>(1, MulDiv(std::abs(height), std::max(room, 0), width));
    return height < 0 ? -size : size;
}

void FitLabel(HWND label, const std::wstring& text, HFONT base, HFONT& fitted) {
    RECT room;
    GetClientRect(label, &room);
    HDC dc = GetDC(label);
    HFONT font = base;
    int width = TextWidth(dc, base, text);
    if (width > room.right) {
        LOGFONTW shape{};
        GetObjectW(base, sizeof(shape), &shape);
        // Widths do not shrink quite in step with the height: a size less
        // each time until the text fits.
        for (LONG h = FittingHeight(shape.lfHeight, width, room.right); width > room.right;
             h = h < 0 ? h + 1 : h - 1) {
            if (font != base) DeleteObject(font);
            shape.lfHeight = h;
            font = CreateFontIndirectW(&shape);
            width = TextWidth(dc, font, text);
            if (h == 1 || h == -1) break;
        }
    }
    ReleaseDC(label, dc);
    if (reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)) != font) {
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (fitted != nullptr && fitted != font) DeleteObject(fitted);
    fitted = font != base ? font : nullptr;
}

}  // namespace zorbel::win
