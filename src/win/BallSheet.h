#pragma once
// The 24 ball pictures for one screen density, ready to copy onto the board.
// They come from the painter's sheet for the density's ratio or the next one
// up, made once to the exact cell size; never from a smaller sheet blown up,
// up to the largest sheet there is.
#include <windows.h>

namespace zorbel::win {

constexpr int kPictureSide = 40;  // at 96 DPI
constexpr int kPictureCount = 24;

class BallSheet {
public:
    BallSheet() = default;
    BallSheet(const BallSheet&) = delete;
    BallSheet& operator=(const BallSheet&) = delete;
    ~BallSheet();

    // The sheet's ratio for a density: 96 DPI is 1, 144 and 192 DPI are 2.
    static int RatioFor(UINT dpi);
    // Readies the pictures for `dpi`, plain or with the symbols; does nothing
    // when they are ready already.
    void Prepare(UINT dpi, bool symbols);
    // Copies picture n (1..24) into the cell; cells one pixel off the side,
    // from rounding, take it stretched by that pixel. Without pictures, as
    // when they could not be read, it draws a plain ball (DrawnBall.h).
    void Draw(HDC dc, const RECT& cell, int n) const;
    int side() const { return side_; }

private:
    void Free();

    UINT dpi_ = 0;
    bool symbols_ = false;
    int side_ = 0;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace zorbel::win
