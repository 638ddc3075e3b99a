#pragma once
// The labels' font: Calibri at 9 points as on the desktop (or Carlito, its
// metric twin, where Wine stands in for Windows); for the languages whose
// letters Calibri lacks, the system's message font, which Windows completes
// with its fonts for every script.
#include <windows.h>

#include <string>

namespace zorbel::win {

HFONT LabelFont(UINT dpi, const std::string& language);

}  // namespace zorbel::win
