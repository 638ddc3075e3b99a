#pragma once
// A ball picture drawn with plain GDI, for when the painter's pictures inside
// the program cannot be read: the ball as a disc in its colour on the
// pictures' ground, a light grey net over a marked ball and a black plus sign
// on an active one. The game stays playable, only plainer.
#include <windows.h>

namespace zorbel::win {

// Picture n (1..24) into the cell.
void DrawBall(HDC dc, const RECT& cell, int n);

}  // namespace zorbel::win
