// The libFuzzer entry point: one input, one game. A broken invariant aborts,
// so that libFuzzer keeps the input that broke it.
#include <cstdio>
#include <cstdlib>

#include "fuzz/EventStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken = zorbel::test::PlayEventStream(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "broken invariant: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
