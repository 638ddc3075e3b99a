// What Wine draws for the game's texts, in the game's own fonts and through
// the same GDI text path as its menus and labels (ExtTextOut, with the
// system's font fallback): for each text, the letters drawn exactly as a
// code point that no font has (U+0378), which is the empty box or nothing;
// and the first text as a picture, black on white, for the end-to-end test
// to look for on the screen.
// Usage: text_probe.exe menu|label <language> <dpi>[,<dpi>...] <picture.bmp> <text>...
// Prints "size <dpi> <width>x<height> <text>" per text and screen density,
// and "missing <letter> U+<code> in <text>" per letter without a glyph at
// the first density; exit status 1 when any has none, 2 on a usage error.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "win/LabelFont.h"

namespace {

constexpr wchar_t kNoGlyph = 0x0378;
// Joiners and marks of direction draw nothing, and are no letter.
constexpr wchar_t kFirstFormat = 0x200B;
constexpr wchar_t kLastFormat = 0x200F;
constexpr int kMargin = 2;

struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    std::uint32_t* pixels;
    int width;
    int height;
};

Canvas MakeCanvas(HDC screen, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    Canvas c{CreateCompatibleDC(screen), CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr,
             width, height};
    c.pixels = static_cast<std::uint32_t*>(bits);
    SelectObject(c.dc, c.bitmap);
    return c;
}

// The pixels of `text` drawn black on white in the canvas's font.
std::vector<std::uint32_t> Draw(const Canvas& c, const std::wstring& text) {
    RECT all{0, 0, c.width, c.height};
    FillRect(c.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ExtTextOutW(c.dc, kMargin, kMargin, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    GdiFlush();
    return {c.pixels, c.pixels + static_cast<std::size_t>(c.width) * static_cast<std::size_t>(c.height)};
}

std::string Utf8(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// A 24-bit BMP of the canvas, bottom row first.
void Save(const Canvas& c, const char* path) {
    const int row = (c.width * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + row * c.height),
                          0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), c.width, c.height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    std::vector<char> line(static_cast<std::size_t>(row), 0);
    for (int y = c.height - 1; y >= 0; --y) {
        for (int x = 0; x < c.width; ++x) {
            const std::uint32_t p = c.pixels[y * c.width + x];
            for (int k = 0; k < 3; ++k) line[static_cast<std::size_t>(x * 3 + k)] = static_cast<char>(p >> (8 * k));
        }
        out.write(line.data(), row);
    }
}

// The labels' font, or the menus' as Windows sets it, at `dpi`.
HFONT FontOf(const std::wstring& kind, const std::string& language, UINT dpi) {
    if (kind == L"label") return zorbel::win::LabelFont(dpi, language);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi);
    return CreateFontIndirectW(&metrics.lfMenuFont);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 6) return 2;
    const std::wstring kind = argv[1];
    const std::string language = Utf8(argv[2]);
    std::vector<UINT> dpis;
    for (const wchar_t* at = argv[3]; *at != L'\0'; at += *at == L',') {
        wchar_t* end = nullptr;
        dpis.push_back(static_cast<UINT>(std::wcstoul(at, &end, 10)));
        if (end == at) return 2;
        at = end;
    }
    HDC screen = GetDC(nullptr);
    for (const UINT dpi : dpis) {
        HFONT font = FontOf(kind, language, dpi);
        HGDIOBJ before = SelectObject(screen, font);
        for (int k = 5; k < argc; ++k) {
            SIZE size{};
            GetTextExtentPoint32W(screen, argv[k], static_cast<int>(std::wcslen(argv[k])), &size);
            std::printf("size %u %ldx%ld %s\n", dpi, size.cx, size.cy, Utf8(argv[k]).c_str());
        }
        SelectObject(screen, before);
        DeleteObject(font);
    }
    HFONT font = FontOf(kind, language, dpis.front());
    SelectObject(screen, font);
    SIZE first{};
    const std::wstring title = argv[5];
    GetTextExtentPoint32W(screen, title.c_str(), static_cast<int>(title.size()), &first);
    Canvas canvas = MakeCanvas(screen, first.cx + 2 * kMargin, first.cy + 2 * kMargin);
    SelectObject(canvas.dc, font);
    SetTextColor(canvas.dc, RGB(0, 0, 0));
    SetBkMode(canvas.dc, TRANSPARENT);
    Draw(canvas, title);
    Save(canvas, Utf8(argv[4]).c_str());

    const std::vector<std::uint32_t> box = Draw(canvas, std::wstring(1, kNoGlyph));
    int missing = 0;
    for (int k = 5; k < argc; ++k) {
        for (const wchar_t ch : std::wstring(argv[k])) {
            if (std::iswspace(ch) || std::iswdigit(ch) || ch == L'+' || (ch >= kFirstFormat && ch <= kLastFormat)) continue;
            if (Draw(canvas, std::wstring(1, ch)) != box) continue;
            std::printf("missing %s U+%04X in %s\n", Utf8(std::wstring(1, ch)).c_str(),
                        static_cast<unsigned>(ch), Utf8(argv[k]).c_str());
            ++missing;
        }
    }
    ReleaseDC(nullptr, screen);
    return missing == 0 ? 0 : 1;
}
