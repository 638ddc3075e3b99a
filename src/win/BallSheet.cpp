#include "win/BallSheet.h"

#include <algorithm>
#include <cstring>

#include "win/DrawnBall.h"
#include "win/Pixels.h"
#include "win/Resources.h"

namespace zorbel::win {

namespace {

constexpr UINT kBaseDpi = USER_DEFAULT_SCREEN_DPI;

}  // namespace

BallSheet::~BallSheet() { Free(); }

int BallSheet::RatioFor(UINT dpi) {
    const int ratio = static_cast<int>((dpi + kBaseDpi - 1) / kBaseDpi);
    return std::clamp(ratio, 1, ZORBEL_SHEET_RATIOS);
}

void BallSheet::Prepare(UINT dpi, bool symbols) {
    if (dc_ != nullptr && dpi == dpi_ && symbols == symbols_) return;
    Free();
    dpi_ = dpi;
    symbols_ = symbols;
    const int ratio = RatioFor(dpi);
    Pixels sheet = DecodePngResource(ZORBEL_SHEET_BASE + 2 * ratio + (symbols ? 1 : 0));
    side_ = MulDiv(kPictureSide, static_cast<int>(dpi), static_cast<int>(kBaseDpi));
    if (sheet.height == 0) return;  // unreadable: Draw draws the balls itself
    if (sheet.height != side_) sheet = Resample(sheet, side_ * kPictureCount, side_);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = sheet.width;
    info.bmiHeader.biHeight = -sheet.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr) return;
    std::memcpy(bits, sheet.bgrx.data(), sheet.bgrx.size() * sizeof(sheet.bgrx[0]));
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_);
}

void BallSheet::Draw(HDC dc, const RECT& cell, int n) const {
    if (dc_ == nullptr) {
        DrawBall(dc, cell, n);
        return;
    }
    const int width = cell.right - cell.left;
    const int height = cell.bottom - cell.top;
    const int x = (n - 1) * side_;
    if (width == side_ && height == side_) {
        BitBlt(dc, cell.left, cell.top, width, height, dc_, x, 0, SRCCOPY);
    } else {
        // Averaged: the default mode ANDs a dropped row of the picture into
        // the next one, which darkens it.
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, cell.left, cell.top, width, height, dc_, x, 0, side_, side_, SRCCOPY);
    }
}

void BallSheet::Free() {
    if (dc_ != nullptr) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        dc_ = nullptr;
    }
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }
}

}  // namespace zorbel::win
