#include "exchange_fuzz.h"

#include "exchange_format.h"

bool fuzzExchangeReader(const std::uint8_t* data, std::size_t size) {
    const QString uci = QStringLiteral("KTN1"), version = QStringLiteral("0101");
    const ExchangeContents first =
        readExchangeFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), uci, version);
    switch (first.failure) {
    case 0: break;
    case 1024:
    case 1025:
    case 1026:
    case 1027:
    case 1049:
    case 1051: return true;
    default: return false;
    }
    const ExchangeContents second =
        readExchangeFile(writeExchangeFile(uci, version, first.rows), uci, version);
    return second.failure == 0 && second.rows == first.rows;
}
