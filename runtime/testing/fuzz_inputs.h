#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <algorithm>
#include <random>

namespace rt {

// The seed inputs of a corpus folder: its files matching `pattern`, by name.
inline QList<QByteArray> fuzzSeeds(const QString& folder, const QString& pattern) {
    QList<QByteArray> out;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({pattern}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly)) out << f.readAll();
    }
    return out;
}

// One to four mutations in the spirit of a fuzzer's: inserting one of the format's `special` bytes or
// any byte, changing a byte, removing or repeating a run, cutting the input short.
inline QByteArray mutateInput(QByteArray b, const QByteArray& special, std::mt19937& rng) {
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
        case 3: b.remove(at, pick(16)); break;
        case 4: b.truncate(at); break;
        case 5: b.insert(at, b.mid(pick(int(b.size())), pick(32))); break;
        }
    }
    return b;
}

} // namespace rt
