#pragma once
// The labels' font: Calibri at 9 points as on the desktop (or Carlito, its
// metric twin, where Wine stands in for Windows); for Chinese and Japanese,
// whose letters Calibri lacks, the system's message font.
#include <windows.h>

#include <string>

namespace zorbel::win {

HFONT LabelFont(UINT dpi, const std::string& language);

}  // namespace zorbel::win
