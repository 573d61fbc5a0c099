#include "objectives_editor/exchange/exchange_format.h"
#include "objectives_editor/exchange/exchange_fuzz.h"

#include "runtime/testing/fuzz_inputs.h"

#include <gtest/gtest.h>

namespace {

QList<QByteArray> seeds() {
    return rt::fuzzSeeds(LK_SOURCE_DIR "/objectives_editor/exchange/tests/corpus", QStringLiteral("*.lko"));
}

bool holds(const QByteArray& input) {
    return fuzzExchangeReader(reinterpret_cast<const std::uint8_t*>(input.constData()),
                              std::size_t(input.size()));
}

// Mutations biased towards the bytes the format gives a meaning to.
QByteArray mutate(const QByteArray& b, std::mt19937& rng) {
    static const QByteArray special("\xFF\xFE\xFF\xFE"
                                    "0123456789 .-e&H+bwIFKTN\x00\x80\xE9",
                                    30);
    return rt::mutateInput(b, special, rng);
}

TEST(ExchangeFuzz, SeedCorpusHolds) {
    const QList<QByteArray> corpus = seeds();
    ASSERT_GE(corpus.size(), 8);
    for (const QByteArray& seed : corpus) EXPECT_TRUE(holds(seed)) << seed.toHex().toStdString();
    EXPECT_TRUE(holds({}));
}

TEST(ExchangeFuzz, MutatedInputsHoldAndSomeAreAccepted) {
    std::mt19937 rng(20261210);
    int accepted = 0;
    for (const QByteArray& seed : seeds()) {
        for (int i = 0; i < 2000; ++i) {
            const QByteArray input = mutate(seed, rng);
            ASSERT_TRUE(holds(input)) << "input (hex): " << input.toHex().toStdString();
            accepted += readExchangeFile(input, QStringLiteral("KTN1"), QStringLiteral("0101")).failure == 0;
        }
    }
    EXPECT_GT(accepted, 100); // the mutations reach the rows, not only the header checks
}

} // namespace
