#pragma once
// Numbers of the resources inside zorbel.exe, shared by zorbel.rc.in and
// the code; only #defines, as the resource compiler reads this too.
#define ZORBEL_ICON 1
// The ball sheets, as the desktop's painter made them: RCDATA
// ZORBEL_SHEET_BASE + 2 * ratio (+1 with the symbols), ratio 1..3.
#define ZORBEL_SHEET_BASE 100
#define ZORBEL_SHEET_RATIOS 3
