#include "win/LabelFont.h"

#include <algorithm>
#include <cwchar>
#include <string_view>

namespace zorbel::win {

namespace {

constexpr int kPoints = 9;
constexpr int kPointsPerInch = 72;
const wchar_t* const kFaces[] = {L"Calibri", L"Carlito"};
// Languages written in scripts that Calibri and Carlito lack (by the code
// before any "_"): Arabic, Hebrew, Devanagari, Bengali, Thai, Georgian,
// Armenian and the Han and Hangul characters.
const std::string_view kOtherScripts[] = {"ar", "fa", "ur", "ps", "he", "yi", "hi", "mr", "ne", "bn",
                                          "as", "th", "ka", "hy", "ja", "ko", "zh"};

int CALLBACK Found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool Installed(const wchar_t* face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, Found, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

HFONT LabelFont(UINT dpi, const std::string& language) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi);
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = -MulDiv(kPoints, static_cast<int>(dpi), kPointsPerInch);
    const std::string_view code = std::string_view(language).substr(0, language.find('_'));
    const bool other = std::find(std::begin(kOtherScripts), std::end(kOtherScripts), code) != std::end(kOtherScripts);
    for (const wchar_t* face : kFaces) {
        if (other || !Installed(face)) continue;
        wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
        break;
    }
    return CreateFontIndirectW(&font);
}

}  // namespace zorbel::win
