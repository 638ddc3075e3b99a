#include "win/DrawnBall.h"

#include <algorithm>

#include "common/BallColours.h"

namespace zorbel::win {

namespace {

// Fractions of the cell's side, as the painter lays out its pictures.
constexpr int kInsetPerSide = 20;    // the ball keeps 1/20 of the side free around it
constexpr int kPlusArmPerSide = 5;   // 8 pixels of 40 from the centre to an arm's end
constexpr int kPlusBarPerSide = 20;  // 2 pixels of 40 wide
constexpr int kColours = 8;
constexpr int kMarkedFirst = 9;
constexpr int kActiveFirst = 17;

COLORREF Ref(RgbColour c) { return RGB(c.red, c.green, c.blue); }

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// A disc inside `r` in the given brush and pen.
void Disc(HDC dc, const RECT& r, HBRUSH brush, HPEN pen) {
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

void Plus(HDC dc, const RECT& cell, int side) {
    const int arm = std::max(2, side / kPlusArmPerSide);
    const int bar = std::max(1, side / kPlusBarPerSide);
    const int cx = (cell.left + cell.right) / 2;
    const int cy = (cell.top + cell.bottom) / 2;
    const RECT across{cx - arm, cy - bar / 2 - bar % 2, cx + arm, cy + bar / 2};
    const RECT down{cx - bar / 2 - bar % 2, cy - arm, cx + bar / 2, cy + arm};
    for (RECT r : {across, down}) {
        InflateRect(&r, 1, 1);
        Fill(dc, r, Ref(kPlusOutlineColour));
    }
    Fill(dc, across, Ref(kPlusColour));
    Fill(dc, down, Ref(kPlusColour));
}

}  // namespace

void DrawBall(HDC dc, const RECT& cell, int n) {
    const int colour = (n - 1) % kColours + 1;
    const BallRamp& ramp = kBallRamps[static_cast<std::size_t>(colour)];
    const int side = cell.right - cell.left;
    Fill(dc, cell, Ref(n >= kActiveFirst ? kActiveBallGround : kBallGround));

    RECT ball = cell;
    const int inset = std::max(1, side / kInsetPerSide);
    InflateRect(&ball, -inset, -inset);
    HBRUSH body = CreateSolidBrush(Ref(ramp.body));
    HPEN rim = CreatePen(PS_SOLID, 1, Ref(ramp.dark));
    Disc(dc, ball, body, rim);
    DeleteObject(rim);
    DeleteObject(body);

    if (n >= kMarkedFirst && n < kActiveFirst) {
        HBRUSH net = CreateHatchBrush(HS_DIAGCROSS, Ref(kNetColour));
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        Disc(dc, ball, net, static_cast<HPEN>(GetStockObject(NULL_PEN)));
        SetBkMode(dc, oldMode);
        DeleteObject(net);
    } else if (n >= kActiveFirst) {
        Plus(dc, cell, side);
    }
}

}  // namespace zorbel::win
