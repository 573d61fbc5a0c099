#include "objectives_editor/exchange/exchange_fuzz.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!fuzzExchangeReader(data, size)) std::abort();
    return 0;
}
