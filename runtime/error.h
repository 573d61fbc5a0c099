#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace rt {

// The one error every layer throws; handlers branch on `number` as the programs do.
struct RuntimeError : std::exception {
    RuntimeError(int number, QString description, QString source = {});
    // The runtime's own numbers (6, 13, 53, 94, ...) with their standard descriptions.
    explicit RuntimeError(int number);

    const char* what() const noexcept override { return what_.constData(); }

    int number;
    QString description;
    QString source;

private:
    QByteArray what_;
};

// The standard description of a runtime error number ("Overflow" for 6); empty when it has none.
QString standardDescription(int number);

} // namespace rt
