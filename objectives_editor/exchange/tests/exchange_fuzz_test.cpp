#include "objectives_editor/exchange/exchange_format.h"
#include "objectives_editor/exchange/exchange_fuzz.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <random>

namespace {

QList<QByteArray> seeds() {
    QList<QByteArray> out;
    const QDir dir(LK_SOURCE_DIR "/objectives_editor/exchange/tests/corpus");
    for (const QString& name : dir.entryList({"*.lko"}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly)) out << f.readAll();
    }
    return out;
}

bool holds(const QByteArray& input) {
    return fuzzExchangeReader(reinterpret_cast<const std::uint8_t*>(input.constData()),
                              std::size_t(input.size()));
}

// Mutations in the spirit of a fuzzer's, biased towards the bytes the format gives a meaning to.
QByteArray mutate(QByteArray b, std::mt19937& rng) {
    static const QByteArray special("\xFF\xFE\xFF\xFE"
                                    "0123456789 .-e&H+bwIFKTN\x00\x80\xE9",
                                    30);
    const auto pick = [&](int n) {
        return int(std::uniform_int_distribution<int>(0, std::max(n - 1, 0))(rng));
    };
    const int steps = 1 + pick(4);
    for (int s = 0; s < steps; ++s) {
        const int at = pick(int(b.size()) + 1);
        switch (pick(6)) {
        case 0: b.insert(at, special[pick(int(special.size()))]); break;
        case 1: b.insert(at, char(pick(256))); break;
        case 2:
            if (!b.isEmpty()) b[std::min<int>(at, int(b.size()) - 1)] = char(pick(256));
            break;
        case 3: b.remove(at, pick(8)); break;
        case 4: b.truncate(at); break;
        case 5: b.insert(at, b.mid(pick(int(b.size())), pick(24))); break;
        }
    }
    return b;
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
