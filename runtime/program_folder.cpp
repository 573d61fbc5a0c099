#include "program_folder.h"

#include <QCoreApplication>

namespace rt {

namespace {
QString& chosenFolder() {
    static QString folder;
    return folder;
}
} // namespace

QString programFolder() {
    return chosenFolder().isEmpty() ? QCoreApplication::applicationDirPath() : chosenFolder();
}

void setProgramFolder(const QString& folder) {
    chosenFolder() = folder;
}

} // namespace rt
