#pragma once

#include <QStringList>
#include <gtest/gtest.h>

namespace rt {

// Whether every piece occurs in the text, each after the one before; `missing` names the first that
// does not.
inline bool inOrder(const QString& text, const QStringList& pieces, QString* missing = nullptr) {
    qsizetype at = 0;
    for (const QString& piece : pieces) {
        const qsizetype found = text.indexOf(piece, at);
        if (found < 0) {
            if (missing) *missing = piece;
            return false;
        }
        at = found + piece.size();
    }
    return true;
}

} // namespace rt

// Expects the pieces in the text in order, and shows the text when one is missing.
#define EXPECT_IN_ORDER(text, ...)                                                                           \
    do {                                                                                                     \
        QString missing_;                                                                                    \
        EXPECT_TRUE(rt::inOrder(text, __VA_ARGS__, &missing_))                                               \
            << "missing " << missing_.toStdString() << " in\n"                                               \
            << QString(text).toStdString();                                                                  \
    } while (false)
