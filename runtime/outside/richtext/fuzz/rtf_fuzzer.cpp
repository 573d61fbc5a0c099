#include "runtime/outside/richtext/rtf_fuzz.h"

#include <QGuiApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!rt::fuzzRtfReader(data, size)) std::abort();
    return 0;
}
