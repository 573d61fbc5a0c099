#pragma once

#include <cstddef>
#include <cstdint>

// One fuzz input for the exchange-file reader, read for the course "KTN1" with version "0101". What must
// hold for every input: reading never fails; a refused file names one of the import's messages (1024 to
// 1027, 1049, 1051); an accepted file's rows, written and read again, are the same. False when that does
// not hold.
bool fuzzExchangeReader(const std::uint8_t* data, std::size_t size);
