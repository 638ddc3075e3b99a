#include "win/LabelFont.h"

#include <cwchar>

namespace zorbel::win {

namespace {

constexpr int kPoints = 9;
constexpr int kPointsPerInch = 72;
const wchar_t* const kFaces[] = {L"Calibri", L"Carlito"};
const char* const kHanLanguages[] = {"ja", "zh_CN"};

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
    bool han = false;
    for (const char* l : kHanLanguages) han = han || language == l;
    for (const wchar_t* face : kFaces) {
        if (han || !Installed(face)) continue;
        wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
        break;
    }
    return CreateFontIndirectW(&font);
}

}  // namespace zorbel::win
