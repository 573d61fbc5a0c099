#include "command_line.h"

#include <QCoreApplication>
#include <QStringList>
#include <optional>

namespace rt {

namespace {
std::optional<QString>& chosen() {
    static std::optional<QString> line;
    return line;
}
} // namespace

QString commandLine() {
    if (chosen()) return *chosen();
    QStringList args = QCoreApplication::arguments();
    if (!args.isEmpty()) args.removeFirst();
    return args.join(u' ');
}

void setCommandLine(const QString& line) {
    chosen() = line;
}

} // namespace rt
