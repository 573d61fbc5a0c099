#include "runtime/outside/richtext/rtf_fuzz.h"

#include "runtime/testing/fuzz_inputs.h"

#include <gtest/gtest.h>

namespace {

QList<QByteArray> seeds() {
    return rt::fuzzSeeds(LK_SOURCE_DIR "/runtime/outside/richtext/tests/corpus", QStringLiteral("*.rtf"));
}

bool holds(const QByteArray& input) {
    return rt::fuzzRtfReader(reinterpret_cast<const std::uint8_t*>(input.constData()),
                             std::size_t(input.size()));
}

// Mutations biased towards the bytes RTF gives a meaning to.
QByteArray mutate(const QByteArray& b, std::mt19937& rng) {
    static const QByteArray special = "{}\\';-0123456789 abfiluprtx*\r\n\x00\xff\x80";
    return rt::mutateInput(b, special, rng);
}

TEST(RtfFuzz, SeedCorpusHolds) {
    const QList<QByteArray> corpus = seeds();
    ASSERT_GE(corpus.size(), 6);
    for (const QByteArray& seed : corpus) EXPECT_TRUE(holds(seed)) << seed.toStdString();
    EXPECT_TRUE(holds({}));
}

TEST(RtfFuzz, MutatedInputsHold) {
    std::mt19937 rng(20240611);
    for (const QByteArray& seed : seeds()) {
        for (int i = 0; i < 400; ++i) {
            const QByteArray input = mutate(seed, rng);
            ASSERT_TRUE(holds(input)) << "input (hex): " << input.toHex().toStdString();
        }
    }
}

} // namespace
