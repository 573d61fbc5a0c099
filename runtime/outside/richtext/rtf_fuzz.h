#pragma once

#include <cstddef>
#include <cstdint>

namespace rt {

// One fuzz input for the RTF reader: the bytes are read as an RTF file (one character a byte, in the
// ANSI code page). What must hold for every input: reading never fails, and writing what was read and
// reading that again gives the same text and the same RTF. False when that does not hold.
// Needs a QGuiApplication.
bool fuzzRtfReader(const std::uint8_t* data, std::size_t size);

} // namespace rt
