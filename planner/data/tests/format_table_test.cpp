#include "planner/data/format_table.h"
#include "runtime/program_folder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

void PrintTo(const FormatEntry& e, std::ostream* os) {
    *os << e.number << ' ' << e.text.toStdString();
}

namespace {

class FormatTableFile : public ::testing::Test {
protected:
    void SetUp() override { rt::setProgramFolder(dir.path()); }
    void TearDown() override { rt::setProgramFolder({}); }
    void write(const QByteArray& bytes) {
        QFile f(dir.filePath("LKFormat.dat"));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(FormatTableFile, EntryPerLine) {
    write("12 Lesson %1\r\nLettersonly\r\n2.5 half\r\n7 \r\n");
    LoadFormatTable();
    const QList<FormatEntry> expected{{12, "Lesson %1"}, {0, "Lettersonly"}, {2, "half"}, {7, ""}};
    EXPECT_EQ(FormatTable, expected);
    LoadFormatTable(); // a second load gives the same table, not a longer one
    EXPECT_EQ(FormatTable, expected);
}

TEST_F(FormatTableFile, NumberOutOfRangeKeepsEntriesBefore) {
    write("1 one\r\n99999 big\r\n3 three\r\n");
    LoadFormatTable();
    EXPECT_EQ(FormatTable, (QList<FormatEntry>{{1, "one"}}));
}

TEST_F(FormatTableFile, MissingFileLeavesTableEmpty) {
    FormatTable = {{5, "old"}};
    LoadFormatTable();
    EXPECT_TRUE(FormatTable.isEmpty());
}

} // namespace
