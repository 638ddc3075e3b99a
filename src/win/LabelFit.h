#pragma once
// A label's text on one line and whole: when it is wider than the label, as
// a long translation or a large text size may make it, the label takes a
// smaller size of its font until the text fits, rather than wrapping out of
// sight or losing its number at the end.
#include <windows.h>

#include <string>

namespace zorbel::win {

// The font height (a LOGFONT's lfHeight, whose sign it keeps) at which a text
// `width` pixels wide at `height` becomes at most `room` pixels wide; never 0.
LONG FittingHeight(LONG height, int width, int room);

// Gives `label` the font to show `text` in: `base` when the text fits,
// else a smaller one kept in `fitted`, which is deleted when replaced.
void FitLabel(HWND label, const std::wstring& text, HFONT base, HFONT& fitted);

}  // namespace zorbel::win
