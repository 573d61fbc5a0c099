#include "runtime/shell/file_lookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(LookUpPath, FindsNamesWithoutCaseAndTakesBackslashesAsSeparators) {
    QTemporaryDir dir;
    const QString root = dir.path();
    QDir().mkpath(root + "/Course/pdf");
    QFile(root + "/Course/pdf/MakeLP.PDF").open(QIODevice::WriteOnly);
    QFile(root + "/Course/pdf/day.pdf").open(QIODevice::WriteOnly);
    const struct {
        QString asked, found;
    } cases[] = {
        {root + "/Course/pdf/day.pdf", root + "/Course/pdf/day.pdf"},
        {root + "/Course/pdf/makelp.pdf", root + "/Course/pdf/MakeLP.PDF"},
        {root + "\\course\\PDF\\Day.pdf", root + "/Course/pdf/day.pdf"},
        {root + "/course/PDF/", root + "/Course/pdf"},
        {root + "/course/none.pdf", root + "/course/none.pdf"},
        {root + "\\no\\such.pdf", root + "/no/such.pdf"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::lookUpPath(c.asked), c.found) << c.asked.toStdString();
}

TEST(LookUpPath, RelativePathsAreFoundFromTheCurrentFolder) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("Docs"));
    QFile(dir.filePath("Docs/Guide.pdf")).open(QIODevice::WriteOnly);
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_EQ(rt::lookUpPath("docs\\guide.PDF"), "Docs/Guide.pdf");
    QDir::setCurrent(before);
}

} // namespace
