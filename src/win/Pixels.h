#pragma once
// A picture as 32-bit BGRX pixels, top row first: what GDI takes from a
// top-down DIB section.
#include <cstdint>
#include <vector>

namespace zorbel::win {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> bgrx;
};

// The PNG picture stored as RCDATA `id` inside the program, decoded by
// Windows' own imaging component; empty if it cannot be read.
Pixels DecodePngResource(int id);

// The picture scaled to width x height, each new pixel the average of the
// area it covers, so a sheet of pictures shrinks without blur or jagged
// edges and its pictures stay within their own squares.
Pixels Resample(const Pixels& from, int width, int height);

}  // namespace zorbel::win
