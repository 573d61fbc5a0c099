#include "rtf_fuzz.h"

#include "plain_text.h"
#include "rtf_reader.h"
#include "rtf_writer.h"
#include "runtime/text_file.h"

#include <QTextDocument>

namespace rt {

bool fuzzRtfReader(const std::uint8_t* data, std::size_t size) {
    const QString input = decodeWindows1252(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    QTextDocument first;
    readRtf(input, first);
    const QString written = writeRtf(first);
    QTextDocument second;
    readRtf(written, second);
    return plainText(second) == plainText(first) && writeRtf(second) == written;
}

} // namespace rt
