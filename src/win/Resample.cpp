#include <algorithm>
#include <array>

#include "win/Pixels.h"

namespace zorbel::win {

namespace {

// How much of each source pixel one new pixel covers, along one axis.
struct Span {
    int first = 0;
    std::vector<double> weights;  // summing to 1
};

std::vector<Span> Spans(int from, int to) {
    std::vector<Span> spans(static_cast<std::size_t>(to));
    const double step = static_cast<double>(from) / to;
    for (int k = 0; k < to; ++k) {
        const double begin = k * step;
        const double end = std::min<double>(from, begin + step);
        Span& s = spans[static_cast<std::size_t>(k)];
        s.first = static_cast<int>(begin);
        for (int src = s.first; src < end; ++src) {
            s.weights.push_back((std::min<double>(end, src + 1) - std::max<double>(begin, src)) / step);
        }
    }
    return spans;
}

// One axis: `count` lines of `length` pixels, `stride` apart, pixels `pitch`
// apart within a line.
void Pass(const std::uint32_t* in, std::uint32_t* out, int count, const std::vector<Span>& spans, int inStride,
          int outStride, int pitch) {
    for (int line = 0; line < count; ++line) {
        for (std::size_t k = 0; k < spans.size(); ++k) {
            std::array<double, 3> sum{};
            for (std::size_t w = 0; w < spans[k].weights.size(); ++w) {
                const std::uint32_t p = in[line * inStride + (spans[k].first + static_cast<int>(w)) * pitch];
                for (int c = 0; c < 3; ++c) sum[c] += spans[k].weights[w] * ((p >> (8 * c)) & 0xFF);
            }
            std::uint32_t q = 0xFF000000;
            for (int c = 0; c < 3; ++c) {
                q |= static_cast<std::uint32_t>(std::clamp(sum[c] + 0.5, 0.0, 255.0)) << (8 * c);
            }
            out[line * outStride + static_cast<int>(k) * pitch] = q;
        }
    }
}

}  // namespace

Pixels Resample(const Pixels& from, int width, int height) {
    Pixels wide{width, from.height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * from.height)};
    Pass(from.bgrx.data(), wide.bgrx.data(), from.height, Spans(from.width, width), from.width, width, 1);
    Pixels out{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    Pass(wide.bgrx.data(), out.bgrx.data(), width, Spans(from.height, height), 1, 1, width);
    return out;
}

}  // namespace zorbel::win
